#include "platform/ui/window_placement.h"

#include "platform/ui/application.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

const char *const kCentredHere = "tavrolinCentredOverOwner";

QScreen *ScreenOf(const QWidget &window)
{
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

void FillAvailableArea(QWidget &window)
{
    const QScreen *screen = ScreenOf(window);
    if (!screen || window.frameGeometry() == screen->availableGeometry())
        return;
    // Setting a geometry drops the maximised state: keep it, so a window manager still maximises.
    const Qt::WindowStates state = window.windowState();
    window.setGeometry(screen->availableGeometry());
    window.setWindowState(state);
}

QWidget *OwnerOf(const QWidget &window)
{
    if (QWidget *parent = window.parentWidget())
        return parent->window();
    QWidget *main = MainWindow();
    return main != &window ? main : nullptr;
}

void CentreOverOwner(QWidget &window)
{
    // A position the window chose itself stands; one given here follows the owner on every showing.
    if (window.testAttribute(Qt::WA_Moved) && !window.property(kCentredHere).toBool())
        return;
    const QWidget *owner = OwnerOf(window);
    const QScreen *screen = ScreenOf(window);
    // Before the main window is up (a message at start-up) the screen stands for the owner.
    const bool ownerShown = owner && owner->isVisible();
    if (!ownerShown && !screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(ownerShown ? owner->frameGeometry().center() : screen->availableGeometry().center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height() + 1)));
    }
    window.move(frame.topLeft());
    window.setProperty(kCentredHere, true);
}

void RaiseWhenMapped(QWidget &window)
{
    QTimer::singleShot(0, &window, [target = QPointer<QWidget>(&window)] {
        if (target && target->isVisible()) {
            // Some windows (message boxes) settle their size only as they show.
            if (target->property(kCentredHere).toBool())
                CentreOverOwner(*target);
            target->raise();
            target->activateWindow();
        }
    });
}

class TWindowPlacement : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow())
                Place(*widget);
        }
        return false;
    }

private:
    static void Place(QWidget &window)
    {
        const bool modal = window.windowModality() != Qt::NonModal;
        if (window.windowState() & Qt::WindowMaximized)
            FillAvailableArea(window);
        else if (modal)
            CentreOverOwner(window);
        if (modal)
            RaiseWhenMapped(window);
    }
};

} // namespace

void InstallWindowPlacement()
{
    static QPointer<TWindowPlacement> placement;
    if (placement)
        return;
    placement = new TWindowPlacement(qApp);
    qApp->installEventFilter(placement);
}

#include "controls/styled/sty_custom_scroll_box.h"

#include "controls/styled/sty_custom_control.h"
#include "controls/styled/sty_custom_panel.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_theme.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QWindow>

using namespace tav::styled;

TStyScrollBoxBevel::TStyScrollBoxBevel(QObject *parent) : TStyBevel(parent)
{
    SetWindowFrame(true);
    SetMode(bmWindows);
    NeedsRecreate();
}

TStyCustomScrollBox::TStyCustomScrollBox(QWidget *parent)
    : QScrollArea(parent), bevel_(new TStyScrollBoxBevel(this))
{
    // The bevel draws the border; the frame of the scroll area stays empty.
    setFrameShape(QFrame::NoFrame);
    resize(185, 41);
    bevel_->OnChange = [this](TStyObject *) { BevelChanged(); };
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] { ScrollMessage(!bar->isSliderDown()); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { ScrollMessage(true); });
    }
    UpdateMargins();
}

TStyCustomScrollBox *TStyCustomScrollBox::OfContents(const QWidget *contents)
{
    if (!contents || !contents->parentWidget())
        return nullptr;
    auto *box = qobject_cast<TStyCustomScrollBox *>(contents->parentWidget()->parentWidget());
    return box && box->widget() == contents ? box : nullptr;
}

void TStyCustomScrollBox::SetCtl3D(bool value)
{
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    UpdateMargins();
}

void TStyCustomScrollBox::SetSaveResources(bool value)
{
    saveResources_ = value;
    if (value)
        CheckChildren();
}

void TStyCustomScrollBox::SetUseThemes(bool value)
{
    if (value == useThemes_)
        return;
    useThemes_ = value;
    UpdateMargins();
}

bool TStyCustomScrollBox::ThemedBorder() const
{
    return useThemes_ && GetUseThemes();
}

void TStyCustomScrollBox::BevelChanged()
{
    bevel_->NeedsRecreate();
    UpdateMargins();
}

void TStyCustomScrollBox::UpdateMargins()
{
    if (ThemedBorder() && ctl3D_) {
        setViewportMargins(1, 1, 1, 1);
    } else {
        const int frame = bevel_->Mode() == bmWindows && bevel_->WindowFrame() ? (ctl3D_ ? 2 : 1) : 0;
        const int topLeft = frame + bevel_->Width();
        const int bottomRight = frame + bevel_->BottomRightWidth();
        setViewportMargins(topLeft, topLeft, bottomRight, bottomRight);
    }
    update();
}

void TStyCustomScrollBox::PaintBorder()
{
    if (Loading())
        return;
    QPainter painter(this);
    QRect frame = rect();
    if (ThemedBorder()) {
        QStyleOptionFrame option;
        option.initFrom(this);
        option.rect = frame;
        option.lineWidth = 1;
        option.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
    } else if (bevel_->Mode() == bmWindows && bevel_->WindowFrame()) {
        if (ctl3D_) {
            DrawEdge(painter, frame, EDGE_SUNKEN, BF_RECT);
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(frame.adjusted(0, 0, -1, -1));
        }
    } else {
        bevel_->Paint(painter, frame, false);
    }
}

bool TStyCustomScrollBox::HasBackground() const
{
    return BackSourceOf(parentWidget()).available;
}

const QImage *TStyCustomScrollBox::BackBitmap() const
{
    const TStyBackSource source = BackSourceOf(parentWidget());
    return source.available ? source.bitmap : nullptr;
}

QPoint TStyCustomScrollBox::BackOffset(QPoint point) const
{
    const TStyBackSource source = BackSourceOf(parentWidget());
    if (!source.available || !widget())
        return point;
    return source.offset(pos()) + widget()->mapTo(this, point);
}

void TStyCustomScrollBox::CheckChildren()
{
    QWidget *contents = widget();
    if (!contents)
        return;
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    const QRect visible(contents->mapFrom(viewport(), QPoint(0, 0)), viewport()->size());
    for (QWidget *child : contents->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QWindow *window = child->windowHandle();
        if (!window)
            continue;
        if (child->geometry().intersects(visible)) {
            if (!window->handle())
                window->create();
        } else if (window->handle()) {
            window->destroy();
        }
    }
    horizontalScrollBar()->setValue(horizontal);
    verticalScrollBar()->setValue(vertical);
}

void TStyCustomScrollBox::RepaintBackground()
{
    viewport()->update();
    if (QWidget *contents = widget())
        BroadcastToChildren(*contents, CM_STYPARENTBACKQUERY);
}

void TStyCustomScrollBox::BackChanged()
{
    viewport()->update();
    if (HasBackground())
        if (QWidget *contents = widget())
            BroadcastToChildren(*contents, CM_STYBACKCHANGED);
}

void TStyCustomScrollBox::ScrollMessage(bool endOfScroll)
{
    if (HasBackground()) {
        if (!repaintWhileScrolling_ && endOfScroll) {
            RepaintBackground();
        } else if (repaintWhileScrolling_ && ++scrollCounter_ >= repaintInterval_) {
            scrollCounter_ = 0;
            RepaintBackground();
        }
    }
    if (saveResources_)
        CheckChildren();
    if (OnScroll)
        OnScroll(this);
}

bool TStyCustomScrollBox::event(QEvent *event)
{
    if (event->type() == CM_STYBACKCHANGED) {
        BackChanged();
        return true;
    }
    const bool result = QScrollArea::event(event);
    if (event->type() == QEvent::Paint)
        PaintBorder();
    return result;
}

bool TStyCustomScrollBox::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (const QImage *bitmap = BackBitmap()) {
            const TStyBackSource source = BackSourceOf(parentWidget());
            QPainter painter(viewport());
            const QPoint origin = source.offset(pos()) + viewport()->pos();
            painter.drawImage(viewport()->rect(), *bitmap, viewport()->rect().translated(origin));
        }
        if (!painted_ && saveResources_)
            CheckChildren();
        painted_ = true;
    }
    return QScrollArea::viewportEvent(event);
}

void TStyCustomScrollBox::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    update();
    if (fullRepaint_)
        viewport()->update();
}

void TStyCustomScrollBox::moveEvent(QMoveEvent *event)
{
    QScrollArea::moveEvent(event);
    if (HasBackground())
        BackChanged();
}

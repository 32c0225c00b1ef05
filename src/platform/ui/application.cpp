#include "platform/ui/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> &RegisteredMainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

} // namespace

QString ApplicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

void SetApplicationTitle(const QString &title)
{
    QGuiApplication::setApplicationDisplayName(title);
}

void RegisterMainWindow(QWidget *window)
{
    RegisteredMainWindow() = window;
}

QWidget *MainWindow()
{
    return RegisteredMainWindow();
}

void AssignMainFont(QWidget *target)
{
    if (QWidget *main = MainWindow(); main && target)
        target->setFont(main->font());
}

void ProcessMessages()
{
    QCoreApplication::processEvents();
}

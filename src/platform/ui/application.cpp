#include "platform/ui/application.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> &RegisteredMainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

} // namespace

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

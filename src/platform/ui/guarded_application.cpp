#include "platform/ui/guarded_application.h"

#include "platform/ui/command_guard.h"

#include <QThread>

TGuardedApplication::TGuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject *receiver, QEvent *event)
{
    // Boxes and the shared tables belong to the user interface's thread; another thread's events
    // pass as they come.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    const TCommandGuard guard;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        guard.Failed();
        // The event was delivered and its work ended: no other receiver is offered it again.
        return true;
    }
}

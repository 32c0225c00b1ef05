#pragma once

#include <QApplication>

// The program's application object: every event it delivers in the user interface's thread runs
// under the command guard, so an error that a window's event handler raises and does not handle
// is shown to the user and ends only that event's work; it never leaves the event loop, which
// would end the program.
class TGuardedApplication : public QApplication
{
public:
    TGuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

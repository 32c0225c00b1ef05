#pragma once

#include <QString>
#include <QtGlobal>

#include <exception>
#include <functional>
#include <vector>

class TDataSet;

// The guard of the commands the user starts (menu items and toolbar buttons, and every event the
// application object delivers): an error a command raises and does not handle itself ends only
// that command. The error is shown through the message service as the engine's errors are shown
// (a silent abort shows nothing), a watched dataset that the command left half-written in insert
// or edit state is cancelled, and the program goes on.

// The datasets the guard watches, at most 64 (the program's shared tables). A dataset that was
// already being edited when the command started keeps its edit: the user's typing is not lost.
void SetGuardedDataSets(std::vector<TDataSet *> dataSets);

// The text the user reads for an error: the platform's own message for its errors, the Greek
// explanation of a failure of the database file as a whole, a Greek text for anything else;
// empty for a silent abort.
QString ErrorText(const std::exception_ptr &error);

// Taken when a command starts: notes which watched datasets are being edited.
class TCommandGuard
{
public:
    TCommandGuard();

    // Called inside the catch block of the failed command: cancels the watched datasets the
    // command put into insert or edit state, then shows the error being handled. While one error
    // is shown, a further one (raised by the events of the box itself) goes to the log instead of
    // opening a box over it.
    void Failed() const noexcept;

private:
    quint64 editing_;
};

// Runs the command under the guard. True when it ran to its end.
bool RunGuarded(const std::function<void()> &command);

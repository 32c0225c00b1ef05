#pragma once

#include <QCursor>

// Shows a busy pointer over the whole application while it lives (the hourglass unless told
// otherwise); the previous cursor comes back on every way out of the scope, exceptions included.
// Restore() gives it back earlier, for a message shown before the scope ends.
class TWaitCursor
{
public:
    explicit TWaitCursor(const QCursor &cursor = QCursor(Qt::WaitCursor));
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;

    void Restore();

private:
    bool active_ = true;
};

// The program's own busy pointer (screen cursor number 1): what start-up registered from the
// program's cursor file, the default arrow until then. Long analyses show it.
void SetBusyCursor(const QCursor &cursor);
QCursor BusyCursor();

#pragma once

// Shows the hourglass over the whole application while it lives; the previous cursor comes back
// on every way out of the scope, exceptions included. Restore() gives it back earlier, for a
// message shown before the scope ends.
class TWaitCursor
{
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;

    void Restore();

private:
    bool active_ = true;
};

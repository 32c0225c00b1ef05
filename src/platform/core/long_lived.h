#pragma once

#include <QPointer>

#include <functional>
#include <utility>

// Objects the program makes on first use and keeps to its end: the data module and the windows
// reached through one accessor each. Each is recorded as it is made, so that a test program can
// destroy them all between its tests, the newest first (a window before the data module it
// shows), and the next test meets them new. The program itself never destroys them: a window
// that outlives main's scope may still name the data module.

// Records how to destroy the object in the slot; a slot recorded before moves to the newest place.
void RecordLongLived(const void *slot, std::function<void()> destroy);

// Destroys the recorded objects, the newest first, and forgets them.
void DestroyLongLived();

// The object in the slot, made by create on first use and recorded.
template <class T, class Create> T *LongLived(T *&slot, Create create)
{
    if (!slot) {
        slot = create();
        RecordLongLived(&slot, [&slot] { delete std::exchange(slot, nullptr); });
    }
    return slot;
}

// The same for a window that may close and destroy itself: the slot forgets it then, and the next
// use makes a new one.
template <class T, class Create> T *LongLived(QPointer<T> &slot, Create create)
{
    if (!slot) {
        slot = create();
        RecordLongLived(&slot, [&slot] { delete slot.data(); });
    }
    return slot;
}

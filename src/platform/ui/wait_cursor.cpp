#include "platform/ui/wait_cursor.h"

#include <QApplication>

TWaitCursor::TWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TWaitCursor::~TWaitCursor()
{
    Restore();
}

void TWaitCursor::Restore()
{
    if (!active_)
        return;
    active_ = false;
    QApplication::restoreOverrideCursor();
}

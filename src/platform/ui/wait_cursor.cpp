#include "platform/ui/wait_cursor.h"

#include <QApplication>

#include <optional>

namespace {

std::optional<QCursor> &RegisteredBusyCursor()
{
    static std::optional<QCursor> cursor;
    return cursor;
}

} // namespace

TWaitCursor::TWaitCursor(const QCursor &cursor)
{
    QApplication::setOverrideCursor(cursor);
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

void SetBusyCursor(const QCursor &cursor)
{
    RegisteredBusyCursor() = cursor;
}

QCursor BusyCursor()
{
    return RegisteredBusyCursor().value_or(QCursor(Qt::ArrowCursor));
}

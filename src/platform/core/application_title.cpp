#include "platform/core/application_title.h"

#include <QCoreApplication>

namespace {

QString &StoredTitle()
{
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle()
{
    const QString &title = StoredTitle();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

void SetApplicationTitle(const QString &title)
{
    StoredTitle() = title;
}

#include "controls/styled/sty_sys_info.h"

#include <QGuiApplication>
#include <QScreen>

#include <pwd.h>
#include <unistd.h>

namespace tav::styled {

int DisplayColorDepth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

QString CurrentUserName()
{
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? QStringLiteral("(άγνωστος)") : fromEnvironment;
}

} // namespace tav::styled

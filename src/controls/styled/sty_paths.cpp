#include "controls/styled/sty_paths.h"

namespace tav::styled {

bool IsBlank(const QString &text)
{
    for (QChar character : text)
        if (character != u' ')
            return false;
    return true;
}

QString Trim(const QString &text)
{
    return text.trimmed();
}

QString AddBackslash(const QString &path)
{
    if (!IsBlank(path) && path.endsWith(PathDelimiter))
        return path;
    return path + PathDelimiter;
}

QString RemoveBackslash(const QString &path)
{
    if (!IsBlank(path) && path.endsWith(PathDelimiter))
        return path.chopped(1);
    return path;
}

} // namespace tav::styled

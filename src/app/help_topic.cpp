#include "app/help_topic.h"

#include "platform/core/paths.h"
#include "platform/core/shell.h"

#include <QDir>
#include <QFile>

namespace tav::app {

QString HelpTopicFile(int context)
{
    return JoinPath(ProgramSubfolder(QStringLiteral("help")),
                    QString::number(context) + QStringLiteral(".html"));
}

bool ShowHelpTopic(int context)
{
    return OpenDocument(HelpTopicFile(context));
}

bool InstallHelpPages()
{
    const QString folder = ProgramSubfolder(QStringLiteral("help"));
    EnsureFolder(folder);
    bool allThere = true;
    const QDir shipped(QStringLiteral(":/help"));
    for (const QString &page : shipped.entryList(QDir::Files)) {
        const QString target = JoinPath(folder, page);
        if (QFile::exists(target))
            continue;
        if (!QFile::copy(shipped.filePath(page), target)) {
            allThere = false;
            continue;
        }
        // A copy out of the program's resources is read-only; the user may replace the page.
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return allThere;
}

} // namespace tav::app

#include "app/help_topic.h"

#include "platform/core/paths.h"
#include "platform/core/shell.h"

QString HelpTopicFile(int context)
{
    return JoinPath(ProgramSubfolder(QStringLiteral("help")),
                    QString::number(context) + QStringLiteral(".html"));
}

bool ShowHelpTopic(int context)
{
    return OpenDocument(HelpTopicFile(context));
}

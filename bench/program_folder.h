#pragma once

#include "platform/db/alias_store.h"

#include <QDir>
#include <QString>

// Points the program at a temporary folder as a fresh installation would have it: the program's
// home, the engine's configuration and the database alias over its Data folder. Returns that folder.
inline QString UseBenchProgramFolder(const QString &folder)
{
    const QString data = folder + QStringLiteral("/Data");
    QDir().mkpath(data);
    qputenv("TAVROLIN_HOME", folder.toLocal8Bit());
    qputenv("TAVROLIN_DBENGINE_CONFIG", (folder + QStringLiteral("/dbengine.ini")).toLocal8Bit());
    AliasStore().Add({QStringLiteral("Tavrolin"), QStringLiteral("PARADOX"),
                      QStringLiteral("PATH:\"%1\";DEFAULT DRIVER:\"PARADOX\"").arg(data)});
    return data;
}

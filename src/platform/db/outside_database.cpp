#include "platform/db/outside_database.h"

#include "platform/db/database.h"
#include "platform/db/db_errors.h"

#include <QDir>
#include <QFileInfo>

void OpenOutsideDatabase(TDatabase &database, const QString &alias, const QStringList &tables)
{
    const QString file = TDatabase::FileNameOfAlias(alias);
    if (!QFileInfo(file).isFile())
        throw EDatabaseError(QStringLiteral("Το αρχείο %1 της βάσης %2 δεν υπάρχει.")
                                 .arg(QDir::toNativeSeparators(file), alias));
    database.SetAliasName(alias);
    database.Open();
    for (const QString &table : tables) {
        if (!database.TableExists(table))
            throw EDatabaseError(QStringLiteral("Η βάση %1 δεν έχει πίνακα %2.").arg(alias, table));
    }
}

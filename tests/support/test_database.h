#pragma once

// For test programs that link the database engine: the program's alias on the test's data folder,
// and the rows a statement reads straight from a database file.

#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "support/test_environment.h"

#include <QList>
#include <QVariant>

// The data folder of the test's program folder.
inline QString TestDataFolder()
{
    return CurrentTestFolders().ProgramHome() + "/Data";
}

// The program's alias "Tavrolin" on the folder with the driver type, written as the set-up program
// writes it; an alias of that name registered before gives way.
inline void RegisterTestAlias(const QString &folder = TestDataFolder(), const QString &type = "PARADOX")
{
    AliasStore store;
    store.Delete("Tavrolin");
    store.Add({"Tavrolin", type,
               AliasParamEntry("PATH", folder) + ';' + AliasParamEntry("DEFAULT DRIVER", "PARADOX") + ';' +
                   AliasParamEntry("ENABLE BCD", "FALSE")});
}

// The rows a statement returns, its values bound, each row its columns in order.
inline QList<QVariantList> Rows(TDatabase &database, const QString &sql, const QVariantList &values = {})
{
    DbConnection::Lease statement = database.Connection().Statement(sql);
    statement->BindAll(values);
    return statement->AllRows();
}

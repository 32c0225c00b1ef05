#pragma once

#include "couponstats/over_under_export.h"
#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "support/test_database.h"

#include <QDir>

// The outside database "AccOver_Under" as its own tools make it: an SQLite file whose tables
// Anal_va_koup<N> hold the 159 exported fields, numeric where the export computes.
inline void RegisterOverUnderDatabase(TDatabase &database)
{
    const QString file = CurrentTestFolders().Root() + "/outside/overunder.sqlite";
    QDir().mkpath(CurrentTestFolders().Root() + "/outside");
    AliasStore().Add({"AccOver_Under", "SQLITE", AliasParamEntry("DATABASE NAME", file)});
    database.SetAliasName("AccOver_Under");
}

inline void CreateOverUnderTable(TDatabase &database, int n)
{
    const QStringList texts{"Ddior", "Domades", "Domades1", "Dsim", "Dprota", "DDTe1"};
    QStringList fields;
    for (const auto &field : tav::couponstats::OverUnderRecord(1, QStringList(108))) {
        const QString type = field.first == "Ddate"        ? "DATE"
                             : field.first == "Dtime"      ? "TIME"
                             : texts.contains(field.first) ? "VARCHAR(40)"
                                                           : "NUMERIC";
        fields.append(field.first + " " + type);
    }
    database.Connection().Execute(QString("CREATE TABLE Anal_va_koup%1 (%2)").arg(n).arg(fields.join(", ")));
}

// The outside database "AccAnalKoup" with only the fields the final-score update writes.
inline void RegisterPointsScoreDatabase(TDatabase &database)
{
    const QString file = CurrentTestFolders().Root() + "/outside/analkoup.sqlite";
    QDir().mkpath(CurrentTestFolders().Root() + "/outside");
    AliasStore().Add({"AccAnalKoup", "SQLITE", AliasParamEntry("DATABASE NAME", file)});
    database.SetAliasName("AccAnalKoup");
    database.Connection().Execute(
        "CREATE TABLE Anal_va_koup (DArKup INTEGER, Dcode INTEGER, Dsim VARCHAR(2), "
        "Dendf INTEGER, Dendg INTEGER)");
}

#pragma once

#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <QString>
#include <QVariant>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <ostream>

// Two ways a database refuses what a window stores, both real SQLite failures on the program's own
// connection: a database that takes no writes (SQLITE_READONLY), and a full disk (SQLITE_FULL), made
// by letting the file grow no more and filling the pages of the table to the last byte.

enum class TRefusal
{
    ReadOnly,
    FullDisk,
};

inline const char *RefusalName(TRefusal refusal)
{
    return refusal == TRefusal::ReadOnly ? "ReadOnly" : "FullDisk";
}

inline void PrintTo(TRefusal refusal, std::ostream *out)
{
    *out << RefusalName(refusal);
}

// What the user is told, in the message of the refused store.
inline QString RefusalWords(TRefusal refusal)
{
    return refusal == TRefusal::ReadOnly ? QStringLiteral("μόνο για ανάγνωση") : QStringLiteral("γεμάτος");
}

// How the pages of one table are filled: a padding record numbered ?1, and a change that makes
// padding record (row id ?1) one byte longer at step ?2 (0, 1, ...) of at most GrowSteps. A new
// record needs room in the table and in every index of it, so the growing column may be indexed;
// for the matches, whose results are changed in place, it is one that no index holds, so that it
// is the table's own page that fills.
struct TTableFill
{
    const char *InsertSql;
    const char *GrowSql;
    int GrowSteps;
};

// An integer column grows a byte a step: 2, 200, 70000 and 20000000 take one to four bytes.
#define TAVROLIN_GROWING_INTEGER "CASE ?2 WHEN 0 THEN 2 WHEN 1 THEN 200 WHEN 2 THEN 70000 ELSE 20000000 END"

inline const TTableFill PeriodosFill{
    R"(INSERT INTO "Periodos" ("Periodos") VALUES ('~' || printf('%04d', ?1)))",
    R"(UPDATE "Periodos" SET "Periodos" = "Periodos" || 'x' WHERE rowid = ?1)", 5};
inline const TTableFill KathgoriesFill{
    R"(INSERT INTO "Kathgories" ("GrName", "Kratos", "Typos") VALUES ('~' || ?1, 999, 0))",
    R"(UPDATE "Kathgories" SET "GrName" = "GrName" || 'x' WHERE rowid = ?1)", 40};
inline const TTableFill KrathFill{R"(INSERT INTO "Krath" ("Name") VALUES ('~' || ?1))",
                                  R"(UPDATE "Krath" SET "Name" = "Name" || 'x' WHERE rowid = ?1)", 40};
inline const TTableFill OmadesFill{
    R"(INSERT INTO "Omades" ("KratosNo", "Name", "EnName", "TeamNo") VALUES (999, '~' || ?1, '~' || ?1, 9000 + ?1))",
    R"(UPDATE "Omades" SET "TempName" = coalesce("TempName", '') || 'x' WHERE rowid = ?1)", 50};
inline const TTableFill AgvnesFill{
    R"(INSERT INTO "Agvnes" ("DiorgNo", "Agvnistikh", "Ghpedoyxos", "Filojenoymenh", "Omilos", "Date")
       VALUES (999, ?1, 1, 2, 0, '1900-01-01'))",
    R"(UPDATE "Agvnes" SET "OPAPAr" = )" TAVROLIN_GROWING_INTEGER R"( WHERE rowid = ?1)", 4};
inline const TTableFill DiorganvseisFill{
    R"(INSERT INTO "Diorganvseis" ("KatNo", "Periodos", "Omades", "Nikh", "Isop", "Htta", "Typos", "Rounds",
       "KratosNo") VALUES (9000 + ?1, '~', 2, 3, 1, 0, 0, 2, 999))",
    R"(UPDATE "Diorganvseis" SET "Champions" = )" TAVROLIN_GROWING_INTEGER R"( WHERE rowid = ?1)", 4};

#undef TAVROLIN_GROWING_INTEGER

// Runs one statement with as many of the values as it takes; the SQLite result code of its
// failure, SQLITE_OK when it succeeded.
inline int TryStatement(TDatabase &database, const QString &sql, const QVariantList &values)
{
    try {
        DbConnection::Lease statement = database.Connection().Statement(sql);
        statement->BindAll(values.mid(0, statement->ParameterCount()));
        statement->Execute();
    } catch (const EDBEngineError &error) {
        return error.ErrorCode() & 0xff;
    }
    return SQLITE_OK;
}

inline qint64 PragmaValue(TDatabase &database, const QString &pragma)
{
    DbConnection::Lease statement = database.Connection().Statement(QStringLiteral("PRAGMA ") + pragma);
    return statement->Step() ? statement->Int64(0) : -1;
}

// The database takes no more writes, as when its file is read-only.
inline void MakeReadOnly(TDatabase &database)
{
    PragmaValue(database, QStringLiteral("query_only = 1"));
    ASSERT_EQ(PragmaValue(database, QStringLiteral("query_only")), 1);
}

// The file may grow no more, and the table's pages are filled: padding records go in until none
// fits, then they grow a byte at a time until even that does not fit. Every new record of the
// table, and every change that makes one of its records longer, then fails with SQLITE_FULL.
inline void FillDisk(TDatabase &database, const TTableFill &fill)
{
    const qint64 pages = PragmaValue(database, QStringLiteral("page_count"));
    ASSERT_EQ(PragmaValue(database, QStringLiteral("max_page_count = %1").arg(pages)), pages);
    // Only the filling itself goes without waiting for the disk.
    const qint64 synchronous = PragmaValue(database, QStringLiteral("synchronous"));
    PragmaValue(database, QStringLiteral("synchronous = OFF"));
    QList<qint64> padding;
    for (int number = 0; number < 10000; ++number) {
        const int result = TryStatement(database, QString::fromUtf8(fill.InsertSql), {number});
        if (result == SQLITE_FULL)
            break;
        ASSERT_EQ(result, SQLITE_OK) << fill.InsertSql;
        padding.append(sqlite3_last_insert_rowid(database.Handle()));
    }
    bool full = false;
    for (qint64 row : padding) {
        for (int step = 0; step < fill.GrowSteps && !full; ++step) {
            const int result = TryStatement(database, QString::fromUtf8(fill.GrowSql), {row, step});
            full = result == SQLITE_FULL;
            ASSERT_TRUE(result == SQLITE_OK || full) << fill.GrowSql << " " << result;
        }
        if (full)
            break;
    }
    PragmaValue(database, QStringLiteral("synchronous = %1").arg(synchronous));
    ASSERT_TRUE(full) << "the table's pages never filled: " << fill.InsertSql;
}

inline void Refuse(TDatabase &database, TRefusal refusal, const TTableFill &fill)
{
    if (refusal == TRefusal::ReadOnly)
        MakeReadOnly(database);
    else
        FillDisk(database, fill);
}

#pragma once

// What the benchmarks on a generated database share: the database in a temporary folder of their
// own, reached through an alias as the program reaches its data, and a direct SQLite connection on
// the same file for the simplest way of doing the same work.

#include "platform/db/alias_store.h"
#include "platform/db/database.h"

#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

class BenchDatabase
{
public:
    // The program, settings and data folders are pointed into the temporary folder, so that
    // nothing of the user's is read or written; the alias store is the one of those settings.
    explicit BenchDatabase(const QString &alias)
    {
        const QString home = folder_.path() + "/home";
        const QString config = folder_.path() + "/config";
        const QString data = folder_.path() + "/data";
        for (const QString &path : {home + "/Data", config, data})
            QDir().mkpath(path);
        qputenv("TAVROLIN_HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        qunsetenv("TAVROLIN_DBENGINE_CONFIG");
        AliasStore().Add({alias, "PARADOX", "PATH:\"" + home + "/Data\";DEFAULT DRIVER:\"PARADOX\""});
        database.SetAliasName(alias);
        database.Open();
    }
    ~BenchDatabase() { sqlite3_close(raw); }
    BenchDatabase(const BenchDatabase &) = delete;
    BenchDatabase &operator=(const BenchDatabase &) = delete;

    // Opens the direct connection on the database file (once it is filled); a failure ends the
    // program, as no comparison could be made.
    // The direct connection syncs as the engine's does, so that both wait for the disk alike.
    void OpenRaw(int flags = SQLITE_OPEN_READWRITE)
    {
        if (sqlite3_open_v2(database.FileName().toUtf8().constData(), &raw, flags, nullptr) == SQLITE_OK &&
            sqlite3_exec(raw, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr) == SQLITE_OK)
            return;
        std::fprintf(stderr, "open %s: %s\n", qPrintable(database.FileName()), sqlite3_errmsg(raw));
        std::exit(1);
    }

private:
    QTemporaryDir folder_;

public:
    TDatabase database;
    sqlite3 *raw = nullptr;
};

#pragma once

// The direct way of the benchmarks: statements through the SQLite C API, where any failure ends
// the program, as no comparison could be made.

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

inline void Check(sqlite3 *db, int rc)
{
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW)
        return;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
}

inline sqlite3_stmt *Prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    Check(db, sqlite3_prepare_v2(db, sql, -1, &statement, nullptr));
    return statement;
}

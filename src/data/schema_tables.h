#pragma once

#include "platform/db/schema.h"

#include <QList>

class DbConnection;

namespace tav::data {

// The version of the table layout below, kept in the database file (PRAGMA user_version) so that
// a later layout can tell which changes an older file still needs.
inline constexpr int TavrolinSchemaVersion = 1;

// Every table of the program's database with its fields, required flags and named indexes.
const QList<TTableDef> &TavrolinTableDefs();
// The definition of one table by name (without case, a .db suffix allowed); nullptr when none.
const TTableDef *TavrolinTableDef(const QString &tableName);

// Creates the tables that are missing and records the layout version. Existing tables are
// never changed, so a database of an older run keeps its data. Raises EDBEngineError when SQLite
// refuses a statement.
void EnsureTavrolinSchema(DbConnection &connection);

} // namespace tav::data

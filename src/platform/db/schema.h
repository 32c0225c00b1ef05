#pragma once

#include "platform/db/field_type.h"

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;
class EDBEngineError;

// Index options as a set of bits, combined with |: ixPrimary | ixUnique.
enum TIndexOption : unsigned
{
    ixPrimary = 1,
    ixUnique = 2,
    ixDescending = 4,
    ixCaseInsensitive = 8,
};
using TIndexOptions = unsigned;

// One field of a table. Size is the longest text of a string field (0: no limit).
struct TFieldDef
{
    QString Name;
    TFieldType DataType = TFieldType::ftUnknown;
    int Size = 0;
    bool Required = false;
};

// One index of a table: the primary index has an empty name; Fields are separated by ";".
struct TIndexDef
{
    QString Name;
    QString Fields;
    TIndexOptions Options = 0;

    QStringList FieldList() const;
    bool Has(TIndexOption option) const { return (Options & option) != 0; }
    // A unique key: the primary index or an index marked unique.
    bool IsUnique() const { return Has(ixPrimary) || Has(ixUnique); }
};

struct TTableDef
{
    QString Name;
    QList<TFieldDef> Fields;
    QList<TIndexDef> Indexes;

    // Field and index names are matched without case; -1 / nullptr when missing.
    int FieldIndex(const QString &name) const;
    const TFieldDef *FindField(const QString &name) const;
    const TIndexDef *FindIndex(const QString &name) const;
    const TIndexDef *PrimaryIndex() const;
    // The index whose fields are exactly these (";"-separated, without case), preferring one
    // that starts with them when none is equal; nullptr when none.
    const TIndexDef *IndexForFields(const QString &fields) const;
};

// Creates the table with its indexes in one transaction. Raises EDatabaseError for a definition
// that cannot stand (no fields, a duplicate field, an index on a missing field, two
// autoincrement fields) and EDBEngineError when SQLite refuses it.
void CreateTable(sqlite3 *db, const TTableDef &def);
bool TableExists(sqlite3 *db, const QString &tableName);
// The stored definition; raises EDatabaseError when the table does not exist.
TTableDef ReadTableDef(sqlite3 *db, const QString &tableName);
// Deletes every record; an autoincrement field starts again from 1.
void EmptyTable(sqlite3 *db, const QString &tableName);
void DeleteTable(sqlite3 *db, const QString &tableName);
QStringList TableNames(sqlite3 *db);

// "name" with inner quotes doubled.
QString QuoteIdentifier(const QString &name);
// The column type under which a field is stored, and the field read back from a column type
// (also for tables that other programs wrote: VARCHAR(n), REAL, DATE ...).
QString DeclaredTypeName(const TFieldDef &field);
TFieldDef FieldDefFromDeclaredType(const QString &name, const QString &declaredType);
// True for the field types that hold text (where case-insensitive indexes fold case).
bool IsTextType(TFieldType type);

// Rewords a failed write in the user's terms: a broken unique key, a required field left empty,
// a text longer than its field, a database that takes no writes or a full disk. The table is taken from
// SQLite's message when not given. Other errors are raised as they are.
[[noreturn]] void RaiseWriteError(const EDBEngineError &error, const QString &tableName);

#include "platform/db/schema.h"

#include "platform/db/db_errors.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sqlite_statement.h"

#include <QRegularExpression>

#include <QSet>
#include <sqlite3.h>

namespace {

// SQLite index names are global to the database while Paradox index names belong to their
// table, so an index is stored as "<table>@<name>" (the primary index as "<table>@"); a unique
// index has a companion "<table>@<name>@unique" that carries the constraint.
const QString IndexSeparator = QStringLiteral("@");
const QString UniqueSuffix = QStringLiteral("@unique");
// Empty fields of a unique key compare equal (as in Paradox) because the constraint index
// stores them as this value, which sorts below every number and text.
const QString NullKeyValue = QStringLiteral("-9e999");
const QString LengthCheckPrefix = QStringLiteral("len:");

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void RaiseDefinitionError(const QString &table, const QString &what)
{
    throw EDatabaseError(QStringLiteral("Λάθος ορισμός του πίνακα %1: %2").arg(table, what));
}

QString StoredIndexName(const QString &table, const TIndexDef &index)
{
    return table + IndexSeparator + (index.Has(ixPrimary) ? QString() : index.Name);
}

QString ColumnDefinition(const TFieldDef &field, bool rowIdAlias)
{
    QString sql = QuoteIdentifier(field.Name) + ' ' + DeclaredTypeName(field);
    if (rowIdAlias)
        sql += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    if (field.Required && !rowIdAlias)
        sql += QStringLiteral(" NOT NULL");
    if (IsTextType(field.DataType) && field.Size > 0 && field.DataType != TFieldType::ftMemo)
        sql += QStringLiteral(" CONSTRAINT %1 CHECK(length(%2) <= %3)")
                   .arg(QuoteIdentifier(LengthCheckPrefix + field.Name), QuoteIdentifier(field.Name))
                   .arg(field.Size);
    return sql;
}

QStringList IndexStatements(const TTableDef &def, const TIndexDef &index, const QString &autoIncField)
{
    const QStringList fields = index.FieldList();
    if (fields.isEmpty())
        RaiseDefinitionError(def.Name, QStringLiteral("ευρετήριο %1 χωρίς πεδία").arg(index.Name));
    // A primary key on the autoincrement field alone is the row id itself.
    if (index.Has(ixPrimary) && fields.size() == 1 && SameName(fields.first(), autoIncField))
        return {};
    QStringList orderColumns;
    QStringList keyColumns;
    for (const QString &name : fields) {
        const TFieldDef *field = def.FindField(name);
        if (!field)
            RaiseDefinitionError(
                def.Name, QStringLiteral("το ευρετήριο %1 αναφέρει άγνωστο πεδίο %2").arg(index.Name, name));
        const bool folded = index.Has(ixCaseInsensitive) && IsTextType(field->DataType);
        const QString column = QuoteIdentifier(field->Name);
        QString order = column;
        if (folded)
            order += QStringLiteral(" COLLATE ") + QString::fromLatin1(GreekCollationName);
        if (index.Has(ixDescending))
            order += QStringLiteral(" DESC");
        orderColumns.append(order);
        keyColumns.append(
            QStringLiteral("ifnull(%1, %2)")
                .arg(folded ? QStringLiteral("greek_fold(%1)").arg(column) : column, NullKeyValue));
    }
    const QString table = QuoteIdentifier(def.Name);
    const QString stored = StoredIndexName(def.Name, index);
    QStringList statements{QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                               .arg(QuoteIdentifier(stored), table, orderColumns.join(QStringLiteral(", ")))};
    if (index.IsUnique())
        statements.append(
            QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)")
                .arg(QuoteIdentifier(stored + UniqueSuffix), table, keyColumns.join(QStringLiteral(", "))));
    return statements;
}

QString ExactTableName(sqlite3 *db, const QString &tableName)
{
    SqliteStatement query(db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') "
                                             "AND name = ?1 COLLATE NOCASE"));
    query.Bind(1, tableName);
    return query.Step() ? query.Text(0) : QString();
}

struct StoredIndexColumn
{
    QString name;
    bool descending;
    QString collation;
};

QList<StoredIndexColumn> IndexColumns(sqlite3 *db, const QString &indexName)
{
    QList<StoredIndexColumn> columns;
    SqliteStatement info(db, QStringLiteral("SELECT name, desc, coll, key FROM pragma_index_xinfo(?1)"));
    info.Bind(1, indexName);
    while (info.Step())
        if (info.Int64(3) != 0)
            columns.append({info.Text(0), info.Int64(1) != 0, info.Text(2)});
    return columns;
}

// SQLite words constraint failures as "<KIND> constraint failed: <table>.<column>", "... failed:
// index '<name>'" or "... failed: <constraint name>".
QString FailedName(const QString &message, const QString &marker)
{
    const int at = message.indexOf(marker);
    if (at < 0)
        return QString();
    QString name = message.mid(at + marker.size()).section('\n', 0, 0).trimmed();
    name.remove(QStringLiteral("index ")).remove('\'');
    return name;
}

} // namespace

void RaiseWriteError(const EDBEngineError &error, const QString &tableName)
{
    const int code = error.ErrorCode();
    const QString &message = error.Detail();
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY) {
        QString table = tableName;
        if (table.isEmpty()) {
            const QString failed = FailedName(message, QStringLiteral("constraint failed:"));
            table = failed.contains(IndexSeparator) ? failed.section(IndexSeparator, 0, 0)
                                                    : failed.section('.', 0, 0);
        }
        throw EDBEngineError(QStringLiteral("Παραβίαση κλειδιού στον πίνακα %1").arg(table), code, message);
    }
    if (code == SQLITE_CONSTRAINT_NOTNULL) {
        const QString failed = FailedName(message, QStringLiteral("constraint failed:"));
        const QString table = tableName.isEmpty() ? failed.section('.', 0, 0) : tableName;
        throw EDBEngineError(QStringLiteral("Το πεδίο '%1' του πίνακα %2 πρέπει να έχει τιμή")
                                 .arg(failed.section('.', -1), table),
                             code, message);
    }
    if (code == SQLITE_CONSTRAINT_CHECK) {
        QString field = FailedName(message, QStringLiteral("constraint failed:"));
        if (field.startsWith(LengthCheckPrefix)) {
            field.remove(0, LengthCheckPrefix.size());
            throw EDBEngineError(QStringLiteral("Η τιμή είναι πολύ μεγάλη για το πεδίο '%1' του πίνακα %2")
                                     .arg(field, tableName),
                                 code, message);
        }
    }
    throw error;
}

QStringList TIndexDef::FieldList() const
{
    QStringList list;
    for (const QString &part : Fields.split(';', Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            list.append(part.trimmed());
    return list;
}

int TTableDef::FieldIndex(const QString &name) const
{
    for (int i = 0; i < Fields.size(); ++i)
        if (SameName(Fields.at(i).Name, name))
            return i;
    return -1;
}

const TFieldDef *TTableDef::FindField(const QString &name) const
{
    const int index = FieldIndex(name);
    return index < 0 ? nullptr : &Fields.at(index);
}

const TIndexDef *TTableDef::FindIndex(const QString &name) const
{
    for (const TIndexDef &index : Indexes)
        if (!index.Has(ixPrimary) && SameName(index.Name, name))
            return &index;
    return nullptr;
}

const TIndexDef *TTableDef::PrimaryIndex() const
{
    for (const TIndexDef &index : Indexes)
        if (index.Has(ixPrimary))
            return &index;
    return nullptr;
}

const TIndexDef *TTableDef::IndexForFields(const QString &fields) const
{
    const QString wanted = TIndexDef{QString(), fields, 0}.FieldList().join(';').toUpper();
    if (wanted.isEmpty())
        return nullptr;
    for (const TIndexDef &index : Indexes)
        if (index.FieldList().join(';').toUpper() == wanted)
            return &index;
    for (const TIndexDef &index : Indexes)
        if (index.FieldList().join(';').toUpper().startsWith(wanted + ';'))
            return &index;
    return nullptr;
}

bool IsTextType(TFieldType type)
{
    return type == TFieldType::ftString || type == TFieldType::ftMemo;
}

QString QuoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

QString DeclaredTypeName(const TFieldDef &field)
{
    switch (field.DataType) {
    case TFieldType::ftAutoInc:
    case TFieldType::ftInteger:
        return QStringLiteral("INTEGER");
    case TFieldType::ftSmallint:
        return QStringLiteral("SMALLINT");
    case TFieldType::ftWord:
        return QStringLiteral("WORDINT");
    case TFieldType::ftString:
        return field.Size > 0 ? QStringLiteral("VARCHAR(%1)").arg(field.Size) : QStringLiteral("VARCHAR");
    case TFieldType::ftDate:
        return QStringLiteral("DATETEXT");
    case TFieldType::ftTime:
        return QStringLiteral("TIMETEXT");
    case TFieldType::ftDateTime:
        return QStringLiteral("DATETIMETEXT");
    case TFieldType::ftFloat:
        return QStringLiteral("FLOAT");
    case TFieldType::ftCurrency:
        return QStringLiteral("CURRENCYFLOAT");
    case TFieldType::ftBoolean:
        return QStringLiteral("BOOLEAN");
    case TFieldType::ftBlob:
        return QStringLiteral("BLOB");
    case TFieldType::ftGraphic:
        return QStringLiteral("GRAPHICBLOB");
    case TFieldType::ftMemo:
        return QStringLiteral("MEMOTEXT");
    case TFieldType::ftUnknown:
        break;
    }
    return QStringLiteral("BLOB");
}

TFieldDef FieldDefFromDeclaredType(const QString &name, const QString &declaredType)
{
    const QString type = declaredType.trimmed().toUpper();
    static const QRegularExpression sizePattern(QStringLiteral("\\(\\s*(\\d+)"));
    const QRegularExpressionMatch size = sizePattern.match(type);
    TFieldDef field{name, TFieldType::ftBlob, 0, false};
    auto is = [&](const char *word) { return type.contains(QLatin1String(word)); };
    if (type == QLatin1String("DATETEXT") || type == QLatin1String("DATE"))
        field.DataType = TFieldType::ftDate;
    else if (type == QLatin1String("TIMETEXT") || type == QLatin1String("TIME"))
        field.DataType = TFieldType::ftTime;
    else if (is("DATETIME") || is("TIMESTAMP"))
        field.DataType = TFieldType::ftDateTime;
    else if (is("BOOL"))
        field.DataType = TFieldType::ftBoolean;
    else if (is("SMALLINT"))
        field.DataType = TFieldType::ftSmallint;
    else if (type == QLatin1String("WORDINT"))
        field.DataType = TFieldType::ftWord;
    else if (is("INT"))
        field.DataType = TFieldType::ftInteger;
    else if (type == QLatin1String("MEMOTEXT"))
        field.DataType = TFieldType::ftMemo;
    else if (is("CHAR") || is("TEXT") || is("CLOB"))
        field.DataType = TFieldType::ftString;
    else if (type == QLatin1String("CURRENCYFLOAT"))
        field.DataType = TFieldType::ftCurrency;
    else if (is("REAL") || is("FLOA") || is("DOUB") || is("NUMERIC") || is("DECIMAL"))
        field.DataType = TFieldType::ftFloat;
    else if (type == QLatin1String("GRAPHICBLOB"))
        field.DataType = TFieldType::ftGraphic;
    else if (type.isEmpty() || is("BLOB"))
        field.DataType = TFieldType::ftBlob;
    else if (is("DATE"))
        field.DataType = TFieldType::ftDate;
    else
        field.DataType = TFieldType::ftFloat;
    if (field.DataType == TFieldType::ftString && size.hasMatch())
        field.Size = size.captured(1).toInt();
    return field;
}

void CreateTable(sqlite3 *db, const TTableDef &def)
{
    if (def.Name.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Δεν δόθηκε όνομα πίνακα"));
    if (def.Fields.isEmpty())
        RaiseDefinitionError(def.Name, QStringLiteral("δεν έχει πεδία"));
    QSet<QString> seen;
    QString autoIncField;
    for (const TFieldDef &field : def.Fields) {
        if (field.Name.trimmed().isEmpty() || field.DataType == TFieldType::ftUnknown)
            RaiseDefinitionError(def.Name, QStringLiteral("πεδίο χωρίς όνομα ή τύπο"));
        if (seen.contains(field.Name.toUpper()))
            RaiseDefinitionError(def.Name, QStringLiteral("διπλό πεδίο %1").arg(field.Name));
        seen.insert(field.Name.toUpper());
        if (field.DataType == TFieldType::ftAutoInc) {
            if (!autoIncField.isEmpty())
                RaiseDefinitionError(def.Name, QStringLiteral("δύο πεδία αυτόματης αρίθμησης"));
            autoIncField = field.Name;
        }
    }
    QStringList columns;
    for (const TFieldDef &field : def.Fields)
        columns.append(ColumnDefinition(field, field.DataType == TFieldType::ftAutoInc));
    QStringList statements{QStringLiteral("CREATE TABLE %1 (%2)")
                               .arg(QuoteIdentifier(def.Name), columns.join(QStringLiteral(", ")))};
    int primaries = 0;
    for (const TIndexDef &index : def.Indexes) {
        if (index.Has(ixPrimary) && ++primaries > 1)
            RaiseDefinitionError(def.Name, QStringLiteral("δύο πρωτεύοντα κλειδιά"));
        statements += IndexStatements(def, index, autoIncField);
    }
    TransactionGuard transaction(db);
    for (const QString &statement : statements)
        ExecSql(db, statement);
    transaction.Commit();
}

bool TableExists(sqlite3 *db, const QString &tableName)
{
    return !ExactTableName(db, tableName).isEmpty();
}

TTableDef ReadTableDef(sqlite3 *db, const QString &tableName)
{
    TTableDef def;
    def.Name = ExactTableName(db, tableName);
    if (def.Name.isEmpty())
        throw EDatabaseError(QStringLiteral("Ο πίνακας %1 δεν υπάρχει").arg(tableName));
    QStringList rowIdPrimary;
    {
        SqliteStatement columns(
            db, QStringLiteral("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)"));
        columns.Bind(1, def.Name);
        int primaryColumns = 0;
        while (columns.Step()) {
            TFieldDef field = FieldDefFromDeclaredType(columns.Text(0), columns.Text(1));
            field.Required = columns.Int64(2) != 0;
            if (columns.Int64(3) != 0) {
                ++primaryColumns;
                rowIdPrimary.append(field.Name);
                if (columns.Text(1).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                    field.DataType = TFieldType::ftAutoInc;
            }
            def.Fields.append(field);
        }
        // Only a lone INTEGER PRIMARY KEY is the row id; a composite key keeps its integers.
        if (primaryColumns > 1)
            for (TFieldDef &field : def.Fields)
                if (field.DataType == TFieldType::ftAutoInc)
                    field.DataType = TFieldType::ftInteger;
    }
    const QString prefix = def.Name + IndexSeparator;
    QStringList uniqueCompanions;
    QList<std::pair<QString, bool>> others;
    {
        SqliteStatement list(
            db,
            QStringLiteral("SELECT name, \"unique\", origin FROM pragma_index_list(?1) ORDER BY seq DESC"));
        list.Bind(1, def.Name);
        while (list.Step()) {
            const QString name = list.Text(0);
            if (name.startsWith(prefix, Qt::CaseInsensitive) && name.endsWith(UniqueSuffix))
                uniqueCompanions.append(name.chopped(UniqueSuffix.size()).toUpper());
            else
                others.append({name, list.Int64(1) != 0 || list.Text(2) == QLatin1String("pk")});
        }
    }
    for (const auto &[stored, sqliteUnique] : others) {
        const QList<StoredIndexColumn> columns = IndexColumns(db, stored);
        if (columns.isEmpty())
            continue;
        TIndexDef index;
        QStringList fields;
        bool folded = false;
        for (const StoredIndexColumn &column : columns) {
            fields.append(column.name);
            folded = folded ||
                     column.collation.compare(QLatin1String(GreekCollationName), Qt::CaseInsensitive) == 0;
        }
        index.Fields = fields.join(';');
        if (columns.first().descending)
            index.Options |= ixDescending;
        if (folded)
            index.Options |= ixCaseInsensitive;
        if (stored.startsWith(prefix, Qt::CaseInsensitive)) {
            index.Name = stored.mid(prefix.size());
            if (index.Name.isEmpty())
                index.Options |= ixPrimary;
            else if (uniqueCompanions.contains(stored.toUpper()))
                index.Options |= ixUnique;
        } else if (stored.startsWith(QLatin1String("sqlite_autoindex_"))) {
            index.Options |= ixPrimary;
        } else {
            index.Name = stored;
            if (sqliteUnique)
                index.Options |= ixUnique;
        }
        def.Indexes.append(index);
    }
    if (!def.PrimaryIndex() && rowIdPrimary.size() == 1)
        def.Indexes.prepend(TIndexDef{QString(), rowIdPrimary.first(), ixPrimary});
    return def;
}

void EmptyTable(sqlite3 *db, const QString &tableName)
{
    const QString name = ExactTableName(db, tableName);
    if (name.isEmpty())
        throw EDatabaseError(QStringLiteral("Ο πίνακας %1 δεν υπάρχει").arg(tableName));
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral("DELETE FROM ") + QuoteIdentifier(name));
    if (TableExists(db, QStringLiteral("sqlite_sequence"))) {
        SqliteStatement reset(db, QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?1"));
        reset.Bind(1, name);
        reset.Execute();
    }
    transaction.Commit();
}

void DeleteTable(sqlite3 *db, const QString &tableName)
{
    const QString name = ExactTableName(db, tableName);
    if (name.isEmpty())
        throw EDatabaseError(QStringLiteral("Ο πίνακας %1 δεν υπάρχει").arg(tableName));
    ExecSql(db, QStringLiteral("DROP TABLE ") + QuoteIdentifier(name));
}

QStringList TableNames(sqlite3 *db)
{
    QStringList names;
    SqliteStatement list(
        db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE "
                           "'sqlite\\_%' ESCAPE '\\' ORDER BY name"));
    while (list.Step())
        names.append(list.Text(0));
    return names;
}

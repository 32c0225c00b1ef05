#include "platform/db/table.h"

#include "platform/db/data_source.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sql_text.h"

#include <sqlite3.h>

namespace {

constexpr int FetchBatch = 32;
const QString FoldedCollation = QStringLiteral(" COLLATE ") + QString::fromLatin1(GreekCollationName);

// SQL comparisons of one key field in the order of the index, where an empty (NULL) field sorts
// before every value and equals an empty key value. Text sorts by the Greek collation; a folded
// part also matches without case and accents. (The collation tells apart only texts that differ,
// so an unfolded part's equality is that of the stored text.)
struct KeyPart
{
    QString column;
    bool folded;
    bool descending;
    bool text;
};

QString Equal(const KeyPart &part, const QVariant &value, QVariantList &binds)
{
    if (value.isNull())
        return part.column + QStringLiteral(" IS NULL");
    if (part.folded) {
        binds.append(value);
        return QStringLiteral("greek_fold(%1) = greek_fold(?)").arg(part.column);
    }
    binds.append(value);
    return part.column + QStringLiteral(" = ?");
}

// Strictly after (or at or after) the value in ascending order of the stored values.
QString Greater(const KeyPart &part, const QVariant &value, bool orEqual, QVariantList &binds)
{
    if (value.isNull())
        return orEqual ? QStringLiteral("1") : part.column + QStringLiteral(" IS NOT NULL");
    if (part.folded) {
        binds << value << value;
        return orEqual ? QStringLiteral("(%1%2 >= ? OR greek_fold(%1) = greek_fold(?))")
                             .arg(part.column, FoldedCollation)
                       : QStringLiteral("(%1%2 > ? AND greek_fold(%1) <> greek_fold(?))")
                             .arg(part.column, FoldedCollation);
    }
    binds.append(value);
    return part.column + (part.text ? FoldedCollation : QString()) +
           (orEqual ? QStringLiteral(" >= ?") : QStringLiteral(" > ?"));
}

QString Less(const KeyPart &part, const QVariant &value, bool orEqual, QVariantList &binds)
{
    if (value.isNull())
        return orEqual ? part.column + QStringLiteral(" IS NULL") : QStringLiteral("0");
    if (part.folded) {
        binds << value << value;
        return orEqual ? QStringLiteral("(%1%2 <= ? OR greek_fold(%1) = greek_fold(?) OR %1 IS NULL)")
                             .arg(part.column, FoldedCollation)
                       : QStringLiteral("((%1%2 < ? AND greek_fold(%1) <> greek_fold(?)) OR %1 IS NULL)")
                             .arg(part.column, FoldedCollation);
    }
    binds.append(value);
    return QStringLiteral("(%1%2 %3 ? OR %1 IS NULL)")
        .arg(part.column, part.text ? FoldedCollation : QString(),
             orEqual ? QStringLiteral("<=") : QStringLiteral("<"));
}

// After the value in the direction of the index, or before it.
QString After(const KeyPart &part, const QVariant &value, bool orEqual, QVariantList &binds)
{
    return part.descending ? Less(part, value, orEqual, binds) : Greater(part, value, orEqual, binds);
}

QString Before(const KeyPart &part, const QVariant &value, bool orEqual, QVariantList &binds)
{
    return part.descending ? Greater(part, value, orEqual, binds) : Less(part, value, orEqual, binds);
}

// The records whose key (the parts from `from` on) is at or after / at or before the given key
// in index order, comparing field by field.
QString Lexicographic(const QList<KeyPart> &parts, const QVariantList &key, int from, bool after,
                      QVariantList &binds)
{
    if (from >= key.size())
        return QStringLiteral("1");
    const KeyPart &part = parts.at(from);
    const QString strict =
        after ? After(part, key.at(from), false, binds) : Before(part, key.at(from), false, binds);
    const QString equal = Equal(part, key.at(from), binds);
    const QString rest = Lexicographic(parts, key, from + 1, after, binds);
    return QStringLiteral("(%1 OR (%2 AND %3))").arg(strict, equal, rest);
}

} // namespace

TTable::TTable() = default;

TTable::~TTable()
{
    for (const QMetaObject::Connection &connection : std::as_const(masterConnections_))
        QObject::disconnect(connection);
}

void TTable::SetTableName(const QString &name)
{
    CheckInactive();
    tableName_ = StripTableSuffix(name);
}

void TTable::SetIndexName(const QString &name)
{
    indexName_ = name;
    indexFieldNames_.clear();
    OrderChanged();
}

void TTable::SetIndexFieldNames(const QString &fields)
{
    indexFieldNames_ = fields;
    indexName_.clear();
    OrderChanged();
}

void TTable::SetReadOnly(bool readOnly)
{
    CheckInactive();
    readOnly_ = readOnly;
}

QStringList TTable::IndexFieldList() const
{
    QStringList names;
    for (const OrderColumn &column : order_)
        names.append(Fields()[column.fieldIndex].FieldName());
    return names;
}

void TTable::OrderChanged()
{
    if (!Active())
        return;
    CheckBrowseMode();
    const TBookmark keep = GetBookmark();
    ResolveOrder();
    rangeActive_ = false;
    RebuildView(keep.IsValid() ? std::optional<qint64>(keep.recordId) : std::nullopt);
}

// --- definitions ----------------------------------------------------------------------------

void TTable::CreateTable()
{
    CheckInactive();
    Database().CreateTable(TTableDef{tableName_, fieldDefs_, indexDefs_});
}

bool TTable::Exists()
{
    return Database().TableExists(tableName_);
}

void TTable::UpdateIndexDefs()
{
    indexDefs_ = def_ ? def_->Indexes : Database().Connection().TableDef(tableName_)->Indexes;
}

void TTable::EmptyTable()
{
    Database().EmptyTable(tableName_);
    if (Active()) {
        ClearRecordCache();
        RebuildView(std::nullopt);
    }
}

void TTable::DeleteTable()
{
    CheckInactive();
    Database().DeleteTable(tableName_);
}

// --- open -----------------------------------------------------------------------------------

void TTable::OpenCursor()
{
    if (tableName_.isEmpty())
        throw EDatabaseError(QStringLiteral("Δεν δόθηκε όνομα πίνακα"));
    connection_ = Database().Connection().shared_from_this();
    def_ = connection_->TableDef(tableName_);
    QStringList names;
    for (const TFieldDef &field : def_->Fields) {
        DefineDataField(field.Name, field.DataType, field.Size, field.Required);
        names.append(field.Name);
    }
    RemoveUndefinedDataFields(names);
    // The statements depend only on the definition: a table opened again reuses them.
    if (sqlDef_ != def_) {
        BuildStatements();
        sqlDef_ = def_;
    }
    ResolveOrder();
    lastMasterValues_ = MasterValues();
}

void TTable::BuildStatements()
{
    QStringList columns{QStringLiteral("rowid")};
    QStringList written;
    for (const TFieldDef &field : def_->Fields) {
        columns.append(QuoteIdentifier(field.Name));
        if (field.DataType != TFieldType::ftAutoInc)
            written.append(QuoteIdentifier(field.Name));
    }
    QStringList placeholders;
    for (int i = 0; i < FetchBatch; ++i)
        placeholders.append(QStringLiteral("?"));
    columnsSql_ = columns.join(QStringLiteral(", "));
    selectSql_ = QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                     .arg(columnsSql_, QuoteIdentifier(def_->Name), placeholders.join(','));
    insertSql_ = written.isEmpty()
                     ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QuoteIdentifier(def_->Name))
                     : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(QuoteIdentifier(def_->Name), written.join(','),
                                QStringList(written.size(), QStringLiteral("?")).join(','));
}

void TTable::CloseCursor()
{
    viewCondition_ = {};
    viewOrderSql_.clear();
    viewSql_[0].clear();
    viewSql_[1].clear();
    viewSql_[2].clear();
    viewFromSql_.clear();
    rangeActive_ = false;
    order_.clear();
    def_.reset();
    connection_.reset();
}

void TTable::ResolveOrder()
{
    order_.clear();
    const TIndexDef *index = nullptr;
    QStringList fields;
    if (!indexFieldNames_.trimmed().isEmpty()) {
        index = def_->IndexForFields(indexFieldNames_);
        fields = TIndexDef{QString(), indexFieldNames_, 0}.FieldList();
    } else if (!indexName_.trimmed().isEmpty()) {
        index = def_->FindIndex(indexName_);
        if (!index)
            throw EDatabaseError(
                QStringLiteral("Το ευρετήριο %1 δεν υπάρχει στον πίνακα %2").arg(indexName_, tableName_));
        fields = index->FieldList();
    } else if ((index = def_->PrimaryIndex())) {
        fields = index->FieldList();
    }
    for (const QString &name : fields) {
        TField &field = FieldByName(name);
        if (!field.IsDataField())
            throw EDatabaseError(
                QStringLiteral("Το πεδίο '%1' δεν είναι πεδίο του πίνακα %2").arg(name, tableName_));
        const bool text = IsTextType(field.DataType());
        order_.append({QuoteIdentifier(field.FieldName()), field.Index(), index && index->Has(ixDescending),
                       text && index && index->Has(ixCaseInsensitive), text});
    }
}

QString TTable::OrderBySql() const
{
    QStringList terms;
    for (const OrderColumn &column : order_)
        terms.append(column.column + (column.text ? FoldedCollation : QString()) +
                     (column.descending ? QStringLiteral(" DESC") : QString()));
    terms.append(QStringLiteral("rowid"));
    return terms.join(QStringLiteral(", "));
}

QVariantList TTable::KeyToStorage(const QVariantList &values, int count) const
{
    QVariantList stored;
    for (int i = 0; i < count; ++i) {
        const TField &field = Fields()[order_.at(i).fieldIndex];
        const QVariant value = values.value(i);
        const bool empty = value.isNull() || (value.typeId() == QMetaType::QString &&
                                              value.toString().isEmpty() && !IsTextType(field.DataType()));
        stored.append(empty ? QVariant() : FieldValueToStorage(field.Convert(value), field.DataType()));
    }
    return stored;
}

TTable::Condition TTable::ViewCondition() const
{
    QStringList parts;
    Condition condition;
    QList<KeyPart> keyParts;
    for (const OrderColumn &column : order_)
        keyParts.append({column.column, column.folded, column.descending, column.text});
    if (rangeActive_) {
        const int count = std::min<int>(std::max(rangeStart_.size(), rangeEnd_.size()), order_.size());
        const QVariantList start = KeyToStorage(rangeStart_, std::min<int>(rangeStart_.size(), count));
        const QVariantList end = KeyToStorage(rangeEnd_, std::min<int>(rangeEnd_.size(), count));
        int equalPrefix = 0;
        while (equalPrefix < start.size() && equalPrefix < end.size() &&
               start.at(equalPrefix) == end.at(equalPrefix)) {
            parts.append(Equal(keyParts.at(equalPrefix), start.at(equalPrefix), condition.values));
            ++equalPrefix;
        }
        if (equalPrefix < start.size()) {
            parts.append(After(keyParts.at(equalPrefix), start.at(equalPrefix), true, condition.values));
            parts.append(Lexicographic(keyParts, start, equalPrefix, true, condition.values));
        }
        if (equalPrefix < end.size()) {
            parts.append(Before(keyParts.at(equalPrefix), end.at(equalPrefix), true, condition.values));
            parts.append(Lexicographic(keyParts, end, equalPrefix, false, condition.values));
        }
    }
    if (masterSource_) {
        const QStringList detail = DetailFieldNames();
        const QVariantList values = MasterValues();
        for (int i = 0; i < detail.size(); ++i) {
            const TField &field = FieldByName(detail.at(i));
            QVariant value;
            try {
                value = FieldValueToStorage(field.Convert(values.value(i)), field.DataType());
            } catch (const EDatabaseError &) {
                parts.append(QStringLiteral("0"));
                continue;
            }
            parts.append(
                Equal({QuoteIdentifier(field.FieldName()), false, false, false}, value, condition.values));
        }
    }
    if (const std::optional<CompiledFilter> filter = ViewFilter()) {
        parts.append('(' + filter->whereSql + ')');
        condition.values += filter->values;
    }
    condition.sql = parts.join(QStringLiteral(" AND "));
    return condition;
}

QVector<qint64> TTable::QueryView(int offset, int limit, QHash<qint64, TRecordBuffer> *records,
                                  bool &complete)
{
    // A view read from its start takes the current condition; reading it on keeps the one it
    // started with, so that the parts fit together.
    if (offset == 0) {
        Condition condition = ViewCondition();
        const QString order = OrderBySql();
        if (condition.sql != viewCondition_.sql || order != viewOrderSql_ || viewSql_[0].isEmpty()) {
            // The limit and offset are bound, so that every page of a view shares one statement.
            const QString from =
                QStringLiteral(" FROM ") + QuoteIdentifier(def_->Name) +
                (condition.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition.sql) +
                QStringLiteral(" ORDER BY ") + order + QStringLiteral(" LIMIT ? OFFSET ?");
            viewSql_[0] = QStringLiteral("SELECT rowid") + from;
            viewSql_[1] = QStringLiteral("SELECT ") + columnsSql_ + from;
            viewSql_[2].clear();
            viewFromSql_ = from;
            viewOrderSql_ = order;
        }
        viewCondition_ = std::move(condition);
    }
    // Records are read with the fields used so far alone; one lacking a field asked for later is
    // read again whole.
    const int dataFields = int(def_->Fields.size());
    const quint64 allFields = dataFields >= 64 ? ~quint64(0) : (quint64(1) << dataFields) - 1;
    const quint64 missing = records ? allFields & ~FieldsToRead() : 0;
    int kind = records ? 1 : 0;
    if (missing != 0) {
        kind = 2;
        const quint64 fields = allFields & ~missing;
        if (viewSql_[2].isEmpty() || viewFields_ != fields) {
            QStringList columns{QStringLiteral("rowid")};
            for (int field = 0; field < dataFields; ++field)
                if (fields & (quint64(1) << field))
                    columns.append(QuoteIdentifier(def_->Fields.at(field).Name));
            viewSql_[2] = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + viewFromSql_;
            viewFields_ = fields;
        }
    }
    DbConnection::Lease statement = connection_->Statement(viewSql_[kind]);
    statement->BindAll(viewCondition_.values);
    const int next = int(viewCondition_.values.size()) + 1;
    statement->Bind(next, limit < 0 ? qint64(-1) : qint64(limit) + 1);
    statement->Bind(next + 1, qint64(offset));
    QVector<qint64> ids;
    if (limit >= 0) {
        ids.reserve(limit + 1);
        if (records)
            records->reserve(records->size() + limit);
    }
    while (statement->Step()) {
        if (records && ids.size() < limit) {
            TRecordBuffer record = ReadRecord(*statement, missing);
            ids.append(record.id);
            records->emplace(record.id, std::move(record));
        } else {
            ids.append(statement->Int64(0));
        }
    }
    if (offset == 0)
        viewState_ = connection_->SeenState();
    complete = limit < 0 || ids.size() <= limit;
    if (!complete)
        ids.resize(limit);
    return ids;
}

TRecordBuffer TTable::ReadRecord(const SqliteStatement &statement, quint64 missing) const
{
    TRecordBuffer record;
    record.id = statement.Int64(0);
    record.missing = missing;
    // Calculated and lookup fields follow the data fields.
    record.values.resize(FieldCount());
    const int dataFields = int(def_->Fields.size());
    int column = 1;
    for (int field = 0; field < dataFields; ++field)
        if (!(missing & (quint64(1) << (field & 63))))
            record.values.setStored(field, statement, column++, def_->Fields.at(field).DataType);
    return record;
}

void TTable::FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into)
{
    for (int start = 0; start < ids.size(); start += FetchBatch) {
        DbConnection::Lease statement = connection_->Statement(selectSql_);
        for (int i = 0; i < FetchBatch; ++i)
            statement->Bind(i + 1, start + i < ids.size() ? QVariant(ids.at(start + i)) : QVariant());
        while (statement->Step()) {
            TRecordBuffer record = ReadRecord(*statement);
            into.emplace(record.id, std::move(record));
        }
    }
}

qint64 TTable::DataStamp() const
{
    return connection_ ? connection_->ChangeCount() : 0;
}

// --- writing --------------------------------------------------------------------------------

void TTable::InternalPost(TRecordBuffer &record, bool inserting)
{
    QStringList columns;
    QVariantList values;
    const TRecordBuffer *original = inserting ? nullptr : CurrentRecord();
    for (int i = 0; i < def_->Fields.size(); ++i) {
        const TFieldDef &field = def_->Fields.at(i);
        if (field.DataType == TFieldType::ftAutoInc)
            continue;
        const QVariant &value = record.values.at(i);
        // An edit writes only what changed, so that indexes of untouched fields stay as they are.
        if (original && original->values.value(i) == value &&
            original->values.value(i).isNull() == value.isNull())
            continue;
        if (!inserting)
            columns.append(QuoteIdentifier(field.Name));
        values.append(FieldValueToStorage(value, field.DataType));
    }
    try {
        if (inserting) {
            // An insert writes every field but the autoincrement one, in the order of the table.
            DbConnection::Lease statement = connection_->Statement(insertSql_);
            statement->BindAll(values);
            statement->Execute();
            record.id = sqlite3_last_insert_rowid(connection_->Handle());
        } else {
            if (columns.isEmpty())
                return;
            QStringList assignments;
            for (const QString &column : columns)
                assignments.append(column + QStringLiteral(" = ?"));
            DbConnection::Lease statement =
                connection_->Statement(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                           .arg(QuoteIdentifier(def_->Name), assignments.join(',')));
            statement->BindAll(values);
            statement->Bind(int(values.size()) + 1, record.id);
            statement->Execute();
        }
    } catch (const EDBEngineError &error) {
        RaiseWriteError(error, tableName_);
    }
}

void TTable::InternalDelete(qint64 id)
{
    DbConnection::Lease statement = connection_->Statement(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(QuoteIdentifier(def_->Name)));
    statement->Bind(1, id);
    statement->Execute();
}

bool TTable::ReadStoredRecordInView(qint64 id, TRecordBuffer &record)
{
    const Condition condition = ViewCondition();
    QString sql =
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columnsSql_, QuoteIdentifier(def_->Name));
    if (!condition.sql.isEmpty())
        sql += QStringLiteral(" AND ") + condition.sql;
    DbConnection::Lease statement = connection_->Statement(sql);
    statement->Bind(1, id);
    statement->BindAll(condition.values, 2);
    if (!statement->Step())
        return false;
    record = ReadRecord(*statement);
    return true;
}

int TTable::CompareRecords(const TRecordBuffer &a, const TRecordBuffer &b) const
{
    for (const OrderColumn &column : order_) {
        const QVariant &x = a.values.at(column.fieldIndex);
        const QVariant &y = b.values.at(column.fieldIndex);
        int result = 0;
        if (x.isNull() || y.isNull()) {
            result = int(!x.isNull()) - int(!y.isNull());
        } else if (x.typeId() == QMetaType::QString) {
            result = column.text ? CompareCaseInsensitive(x.toString(), y.toString())
                                 : QString::compare(x.toString(), y.toString(), Qt::CaseSensitive);
        } else {
            const QPartialOrdering order = QVariant::compare(x, y);
            result = order == QPartialOrdering::Less ? -1 : (order == QPartialOrdering::Greater ? 1 : 0);
        }
        if (result != 0)
            return column.descending ? -result : result;
    }
    return TDataSet::CompareRecords(a, b);
}

// --- searching ------------------------------------------------------------------------------

std::optional<qint64> TTable::FirstMatching(const Condition &extra)
{
    const Condition view = ViewCondition();
    QStringList parts;
    if (!view.sql.isEmpty())
        parts.append(view.sql);
    if (!extra.sql.isEmpty())
        parts.append(extra.sql);
    QString sql = QStringLiteral("SELECT rowid FROM ") + QuoteIdentifier(def_->Name);
    if (!parts.isEmpty())
        sql += QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + OrderBySql() + QStringLiteral(" LIMIT 1");
    DbConnection::Lease statement = connection_->Statement(sql);
    statement->BindAll(view.values);
    statement->BindAll(extra.values, int(view.values.size()) + 1);
    if (!statement->Step())
        return std::nullopt;
    return statement->Int64(0);
}

std::optional<TTable::Condition> TTable::MatchCondition(const QList<TField *> &fields,
                                                        const QVariantList &values, TLocateOptions options)
{
    Condition condition;
    QStringList parts;
    for (int i = 0; i < fields.size(); ++i) {
        const TField &field = *fields.at(i);
        const QString column = QuoteIdentifier(field.FieldName());
        const QVariant value = values.value(i);
        const bool text = IsTextType(field.DataType());
        if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty())) {
            parts.append(text ? QStringLiteral("(%1 IS NULL OR %1 = '')").arg(column)
                              : column + QStringLiteral(" IS NULL"));
            continue;
        }
        if (!text && options.partialKey)
            return std::nullopt;
        if (text) {
            const QString wanted = TField::ValueToText(value, field.DataType());
            QString left = options.partialKey
                               ? QStringLiteral("substr(%1, 1, %2)").arg(column).arg(wanted.size())
                               : column;
            if (options.caseInsensitive)
                parts.append(QStringLiteral("greek_fold(%1) = greek_fold(?)").arg(left));
            else
                parts.append(left + QStringLiteral(" = ?"));
            condition.values.append(wanted);
        } else {
            parts.append(column + QStringLiteral(" = ?"));
            condition.values.append(FieldValueToStorage(value, field.DataType()));
        }
    }
    condition.sql = parts.join(QStringLiteral(" AND "));
    return condition;
}

std::optional<std::optional<qint64>> TTable::SearchView(const QList<TField *> &fields,
                                                        const QVariantList &values, TLocateOptions options)
{
    const std::optional<Condition> condition = MatchCondition(fields, values, options);
    if (!condition)
        return std::nullopt;
    return FirstMatching(*condition);
}

QVector<TRecordBuffer> TTable::MatchingRecords(const QList<TField *> &fields, const QVariantList &values)
{
    const Condition view = ViewCondition();
    const Condition match = *MatchCondition(fields, values, {});
    QStringList parts;
    for (const QString &part : {view.sql, match.sql})
        if (!part.isEmpty())
            parts.append(part);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columnsSql_, QuoteIdentifier(def_->Name));
    if (!parts.isEmpty())
        sql += QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + OrderBySql();
    DbConnection::Lease statement = connection_->Statement(sql);
    statement->BindAll(view.values);
    statement->BindAll(match.values, int(view.values.size()) + 1);
    QVector<TRecordBuffer> records;
    while (statement->Step())
        records.append(ReadRecord(*statement));
    return records;
}

bool TTable::ViewOutdated()
{
    return Active() && connection_ && connection_->CurrentState() != viewState_;
}

int TTable::ScanFieldValues(int from, int fieldIndex, const std::function<bool(const QVariant &)> &visit)
{
    if (!Active() || HasRecordFilter() || fieldIndex < 0 || fieldIndex >= def_->Fields.size() ||
        !Fields()[fieldIndex].IsDataField())
        return TDataSet::ScanFieldValues(from, fieldIndex, visit);
    // The rows come in the order and with the condition of the view, which must be the one read.
    RecordCount();
    if (ViewOutdated())
        return TDataSet::ScanFieldValues(from, fieldIndex, visit);
    const Condition condition = ViewCondition();
    const TFieldDef &field = def_->Fields.at(fieldIndex);
    DbConnection::Lease statement = connection_->Statement(
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT -1 OFFSET ?")
            .arg(QuoteIdentifier(field.Name), QuoteIdentifier(def_->Name),
                 condition.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition.sql,
                 OrderBySql()));
    statement->BindAll(condition.values);
    statement->Bind(int(condition.values.size()) + 1, qint64(std::max(from, 0)));
    TRecordValues value;
    value.resize(1);
    for (int row = std::max(from, 0); statement->Step(); ++row) {
        value.setStored(0, *statement, 0, field.DataType);
        if (visit(value.value(0)))
            return row;
    }
    return -1;
}

void TTable::MoveToId(qint64 id)
{
    const int position = PositionOf(id);
    if (position < 0)
        return;
    FireScroll([&]() { SetCursor(position); });
}

// --- ranges and keys ------------------------------------------------------------------------

void TTable::SetRange(const QVariantList &startValues, const QVariantList &endValues)
{
    CheckActive();
    // A record that cannot be stored keeps the range it is edited in.
    if (!LeaveEditing())
        return;
    if (order_.isEmpty())
        RaiseError(QStringLiteral("Δεν έχει οριστεί ευρετήριο"));
    if (startValues.size() > order_.size() || endValues.size() > order_.size())
        RaiseError(QStringLiteral("Περισσότερες τιμές από τα πεδία του ευρετηρίου"));
    rangeStart_ = startValues;
    rangeEnd_ = endValues;
    rangeActive_ = true;
    // Values that do not convert are reported now, not at the next read.
    ViewCondition();
    ResetView();
}

void TTable::FilterChanged()
{
    // A filter text that does not compile is reported now, not at the next read.
    ViewCondition();
    TDataSet::FilterChanged();
}

void TTable::CancelRange()
{
    CheckActive();
    if (!rangeActive_ || !LeaveEditing())
        return;
    rangeActive_ = false;
    ResetView();
}

void TTable::SetKey()
{
    CheckActive();
    CheckBrowseMode();
    keyBuffer_ = NewRecordBuffer();
    SetActiveBuffer(&keyBuffer_);
    SetState(TDataSetState::dsSetKey);
}

bool TTable::GotoKey()
{
    if (State() != TDataSetState::dsSetKey)
        RaiseError(QStringLiteral("Δεν έχει οριστεί κλειδί αναζήτησης"));
    QVariantList key;
    for (const OrderColumn &column : order_)
        key.append(keyBuffer_.values.value(column.fieldIndex));
    SetActiveBuffer(nullptr);
    SetState(TDataSetState::dsBrowse);
    return FindKey(key);
}

bool TTable::FindKey(const QVariantList &keyValues)
{
    CheckActive();
    CheckBrowseMode();
    if (order_.isEmpty())
        RaiseError(QStringLiteral("Δεν έχει οριστεί ευρετήριο"));
    if (keyValues.size() > order_.size())
        RaiseError(QStringLiteral("Περισσότερες τιμές από τα πεδία του ευρετηρίου"));
    QVariantList stored;
    try {
        stored = KeyToStorage(keyValues, int(keyValues.size()));
    } catch (const EDatabaseError &) {
        return false;
    }
    Condition condition;
    QStringList parts;
    for (int i = 0; i < stored.size(); ++i)
        parts.append(
            Equal({order_.at(i).column, order_.at(i).folded, order_.at(i).descending, order_.at(i).text},
                  stored.at(i), condition.values));
    condition.sql = parts.join(QStringLiteral(" AND "));
    const std::optional<qint64> found = FirstMatching(condition);
    if (!found)
        return false;
    MoveToId(*found);
    return true;
}

void TTable::FindNearest(const QVariantList &keyValues)
{
    CheckActive();
    CheckBrowseMode();
    if (order_.isEmpty())
        RaiseError(QStringLiteral("Δεν έχει οριστεί ευρετήριο"));
    const QVariantList stored = KeyToStorage(keyValues, std::min<int>(keyValues.size(), order_.size()));
    QList<KeyPart> parts;
    for (const OrderColumn &column : order_)
        parts.append({column.column, column.folded, column.descending, column.text});
    Condition condition;
    condition.sql = Lexicographic(parts, stored, 0, true, condition.values);
    const std::optional<qint64> found = FirstMatching(condition);
    if (found)
        MoveToId(*found);
    else
        Last();
}

// --- master-detail --------------------------------------------------------------------------

void TTable::SetMasterSource(TDataSource *source)
{
    for (const QMetaObject::Connection &connection : std::as_const(masterConnections_))
        QObject::disconnect(connection);
    masterConnections_.clear();
    masterSource_ = source;
    if (source) {
        masterConnections_.append(QObject::connect(source, &TDataSource::DataChanged,
                                                   [this](TField *field) { MasterChanged(field); }));
        masterConnections_.append(
            QObject::connect(source, &QObject::destroyed, [this]() { masterSource_ = nullptr; }));
    }
    if (Active()) {
        lastMasterValues_ = MasterValues();
        ResetView();
    }
}

void TTable::SetMasterFields(const QString &fields)
{
    masterFields_ = fields;
    if (Active() && masterSource_) {
        lastMasterValues_ = MasterValues();
        ResetView();
    }
}

QVariantList TTable::MasterValues() const
{
    QVariantList values;
    TDataSet *master = masterSource_ ? masterSource_->DataSet() : nullptr;
    const QStringList names = masterFields_.split(';', Qt::SkipEmptyParts);
    for (const QString &name : names) {
        const TField *field = master && master->Active() ? master->FindField(name.trimmed()) : nullptr;
        values.append(field ? field->Value() : QVariant());
    }
    return values;
}

QStringList TTable::DetailFieldNames() const
{
    const int count = int(masterFields_.split(';', Qt::SkipEmptyParts).size());
    QStringList names = IndexFieldList();
    if (names.size() >= count)
        return names.mid(0, count);
    names.clear();
    for (const QString &name : masterFields_.split(';', Qt::SkipEmptyParts))
        names.append(name.trimmed());
    return names;
}

void TTable::InitNewRecord(TRecordBuffer &record)
{
    TDataSet *master = masterSource_ ? masterSource_->DataSet() : nullptr;
    if (!master || !master->Active())
        return;
    // A new detail record belongs to the master's current record.
    const QStringList detail = DetailFieldNames();
    const QVariantList values = MasterValues();
    for (int i = 0; i < detail.size(); ++i) {
        const TField *field = FindField(detail.at(i));
        if (!field || !field->IsDataField())
            continue;
        try {
            record.values.set(field->Index(), field->Convert(values.value(i)));
        } catch (const EDatabaseError &) {
            // A master value that does not fit the detail field leaves it empty, as the view
            // of such a master shows no records either.
        }
    }
}

void TTable::MasterChanged(TField *field)
{
    if (!Active() || !masterSource_)
        return;
    if (field && !masterFields_.split(';').contains(field->FieldName(), Qt::CaseInsensitive))
        return;
    const QVariantList values = MasterValues();
    if (values == lastMasterValues_)
        return;
    lastMasterValues_ = values;
    ResetView();
}

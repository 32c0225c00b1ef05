#include "platform/db/query.h"

#include "platform/db/data_source.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/schema.h"
#include "platform/db/sql_order.h"
#include "platform/db/sql_text.h"

#include <sqlite3.h>

#include <QSet>

namespace {

// The type of a result column that comes from an expression: the kind of its first value.
TFieldType TypeOfValues(const QVector<QVariantList> &rows, int column)
{
    for (const QVariantList &row : rows) {
        const QVariant &value = row.at(column);
        switch (value.typeId()) {
        case QMetaType::LongLong:
            return TFieldType::ftInteger;
        case QMetaType::Double:
            return TFieldType::ftFloat;
        case QMetaType::QByteArray:
            return TFieldType::ftBlob;
        case QMetaType::QString:
            return TFieldType::ftString;
        default:
            break;
        }
    }
    return TFieldType::ftString;
}

QVariant StoredToField(const QVariant &stored, TFieldType type)
{
    if (stored.isNull())
        return QVariant();
    switch (type) {
    case TFieldType::ftAutoInc:
    case TFieldType::ftInteger:
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
        return stored.typeId() == QMetaType::QString ? stored : QVariant(stored.toInt());
    case TFieldType::ftBoolean:
        return QVariant(stored.toLongLong() != 0);
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        return stored.typeId() == QMetaType::QString ? stored : QVariant(stored.toDouble());
    case TFieldType::ftDate: {
        const QDate date = QDate::fromString(stored.toString().left(10), Qt::ISODate);
        return date.isValid() ? QVariant(date) : stored;
    }
    case TFieldType::ftTime: {
        QTime time = QTime::fromString(stored.toString(), QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(stored.toString(), QStringLiteral("HH:mm"));
        return time.isValid() ? QVariant(time) : stored;
    }
    case TFieldType::ftDateTime: {
        QDateTime dateTime = QDateTime::fromString(stored.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        dateTime.setTimeSpec(Qt::UTC);
        return dateTime.isValid() ? QVariant(dateTime) : stored;
    }
    case TFieldType::ftString:
    case TFieldType::ftMemo:
        return stored.typeId() == QMetaType::QString ? stored : QVariant(stored.toString());
    default:
        return stored;
    }
}

} // namespace

// --- parameters -----------------------------------------------------------------------------

void TParam::SetValue(const QVariant &value)
{
    value_ = value;
    bound_ = true;
}

void TParam::Clear()
{
    value_ = QVariant();
    bound_ = true;
}

void TParam::SetAsInteger(int value)
{
    dataType_ = TFieldType::ftInteger;
    SetValue(value);
}

void TParam::SetAsSmallInt(int value)
{
    dataType_ = TFieldType::ftSmallint;
    SetValue(value);
}

void TParam::SetAsString(const QString &value)
{
    dataType_ = TFieldType::ftString;
    SetValue(value);
}

void TParam::SetAsFloat(double value)
{
    dataType_ = TFieldType::ftFloat;
    SetValue(value);
}

void TParam::SetAsDateTime(const QDateTime &value)
{
    dataType_ = TFieldType::ftDateTime;
    SetValue(value);
}

void TParam::SetAsDate(const QDate &value)
{
    dataType_ = TFieldType::ftDate;
    SetValue(value);
}

void TParam::SetAsBoolean(bool value)
{
    dataType_ = TFieldType::ftBoolean;
    SetValue(value);
}

TParam &TParams::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EDatabaseError(QStringLiteral("Δεν υπάρχει παράμετρος στη θέση %1").arg(index));
    return *params_[size_t(index)];
}

TParam *TParams::FindParam(const QString &name) const
{
    for (const auto &param : params_)
        if (param->Name().compare(name, Qt::CaseInsensitive) == 0)
            return param.get();
    return nullptr;
}

TParam &TParams::ParamByName(const QString &name) const
{
    TParam *param = FindParam(name);
    if (!param)
        throw EDatabaseError(QStringLiteral("Η παράμετρος '%1' δεν βρέθηκε").arg(name));
    return *param;
}

// --- SQL text -------------------------------------------------------------------------------

void TSQLStrings::Clear()
{
    lines_.clear();
    owner_->SqlChanged();
}

void TSQLStrings::Add(const QString &line)
{
    lines_.append(line);
    owner_->SqlChanged();
}

void TSQLStrings::SetText(const QString &text)
{
    lines_ = text.split('\n');
    for (QString &line : lines_)
        if (line.endsWith('\r'))
            line.chop(1);
    owner_->SqlChanged();
}

// --- query ----------------------------------------------------------------------------------

TQuery::TQuery() : sql_(*this) {}

TQuery::~TQuery()
{
    for (const QMetaObject::Connection &connection : std::as_const(sourceConnections_))
        QObject::disconnect(connection);
}

void TQuery::SetDataSource(TDataSource *source)
{
    if (source && source->DataSet() == this)
        RaiseError(QStringLiteral("Ένα ερώτημα δεν μπορεί να παίρνει παραμέτρους από τον εαυτό του"));
    for (const QMetaObject::Connection &connection : std::as_const(sourceConnections_))
        QObject::disconnect(connection);
    sourceConnections_.clear();
    dataSource_ = source;
    if (source) {
        sourceConnections_.append(
            QObject::connect(source, &TDataSource::DataChanged, [this](TField *) { SourceChanged(); }));
        sourceConnections_.append(
            QObject::connect(source, &QObject::destroyed, [this]() { dataSource_ = nullptr; }));
    }
    SourceChanged();
}

TField *TQuery::SourceField(const TParam &param) const
{
    TDataSet *source = dataSource_ ? dataSource_->DataSet() : nullptr;
    return source && !param.Bound() ? source->FindField(param.Name()) : nullptr;
}

QVariantList TQuery::SourceValues() const
{
    QVariantList values;
    for (int i = 0; i < params_.Count(); ++i) {
        const TField *field = SourceField(params_[i]);
        values.append(field ? field->Value() : QVariant());
    }
    return values;
}

void TQuery::SourceChanged()
{
    if (!Active() || SourceValues() == sourceValues_)
        return;
    // Controls see one change, not the close and the open.
    DisableControls();
    try {
        Close();
        Open();
    } catch (...) {
        EnableControls();
        throw;
    }
    EnableControls();
}

void TQuery::SqlChanged()
{
    Close();
    prepared_ = false;
    const QStringList names = PrepareSqlText(sql_.Text()).paramNames;
    std::vector<std::unique_ptr<TParam>> params;
    QSet<QString> seen;
    for (const QString &name : names) {
        if (seen.contains(name.toUpper()))
            continue;
        seen.insert(name.toUpper());
        // A parameter that keeps its name keeps its value.
        auto kept = std::find_if(params_.params_.begin(), params_.params_.end(), [&](const auto &param) {
            return param && param->Name().compare(name, Qt::CaseInsensitive) == 0;
        });
        params.push_back(kept != params_.params_.end() ? std::move(*kept) : std::make_unique<TParam>(name));
    }
    params_.params_ = std::move(params);
}

QString TQuery::PreparedText(QStringList &paramNames)
{
    const PreparedSqlText prepared = PrepareSqlText(sql_.Text());
    if (prepared.sql.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Το ερώτημα δεν έχει κείμενο SQL"));
    paramNames = prepared.paramNames;
    // Names sort in Greek order, as the indexes of text fields give them.
    DbConnection &connection = Database().Connection();
    return CollateOrderTerms(
        prepared.sql, [&connection](const QString &table, const QString &column) -> std::optional<bool> {
            std::shared_ptr<const TTableDef> def;
            try {
                def = connection.TableDef(table);
            } catch (const EDatabaseError &) {
                return std::nullopt;
            }
            const TFieldDef *field = def->FindField(column);
            if (!field)
                return std::nullopt;
            return IsTextType(field->DataType);
        });
}

void TQuery::BindParams(SqliteStatement &statement, const QStringList &paramNames) const
{
    for (int i = 0; i < paramNames.size(); ++i) {
        const TParam &param = params_.ParamByName(paramNames.at(i));
        if (const TField *field = SourceField(param)) {
            statement.Bind(i + 1, FieldValueToStorage(field->Value(), field->DataType()));
            continue;
        }
        if (!param.Bound())
            throw EDatabaseError(QStringLiteral("Δεν δόθηκε τιμή για την παράμετρο '%1'").arg(param.Name()));
        statement.Bind(i + 1, FieldValueToStorage(param.Value(), param.DataType()));
    }
}

void TQuery::Prepare()
{
    QStringList names;
    const QString sql = PreparedText(names);
    SqliteStatement statement(Database().Handle(), sql);
    prepared_ = true;
}

void TQuery::ExecSQL()
{
    CheckSessionPassword();
    QStringList names;
    const QString sql = PreparedText(names);
    sqlite3 *db = Database().Handle();
    SqliteStatement statement(db, sql);
    BindParams(statement, names);
    try {
        statement.Execute();
    } catch (const EDBEngineError &error) {
        RaiseWriteError(error, QString());
    }
    rowsAffected_ = sqlite3_changes(db);
    prepared_ = true;
}

void TQuery::OpenCursor()
{
    QStringList names;
    const QString sql = PreparedText(names);
    SqliteStatement statement(Database().Handle(), sql);
    if (statement.ColumnCount() == 0)
        throw EDatabaseError(QStringLiteral("Η εντολή SQL δεν επιστρέφει εγγραφές"));
    BindParams(statement, names);
    sourceValues_ = SourceValues();
    prepared_ = true;
    const int columns = statement.ColumnCount();
    QVector<QVariantList> raw;
    while (statement.Step()) {
        QVariantList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row.append(statement.Value(column));
        raw.append(row);
    }
    // Result columns of the same name are told apart as the engine did: Name, Name_1, ...
    QStringList fieldNames;
    QList<TFieldDef> defs;
    for (int column = 0; column < columns; ++column) {
        QString name = statement.ColumnName(column);
        for (int n = 1; fieldNames.contains(name, Qt::CaseInsensitive); ++n)
            name = statement.ColumnName(column) + QStringLiteral("_%1").arg(n);
        fieldNames.append(name);
        const QString declared = statement.ColumnDeclaredType(column);
        TFieldDef def = declared.isEmpty() ? TFieldDef{name, TypeOfValues(raw, column), 0, false}
                                           : FieldDefFromDeclaredType(name, declared);
        if (def.DataType == TFieldType::ftAutoInc)
            def.DataType = TFieldType::ftInteger;
        defs.append(def);
    }
    for (const TFieldDef &def : defs)
        DefineDataField(def.Name, def.DataType, def.Size, false);
    RemoveUndefinedDataFields(fieldNames);
    rows_.clear();
    rows_.reserve(raw.size());
    for (int row = 0; row < raw.size(); ++row) {
        TRecordBuffer record = NewRecordBuffer();
        record.id = row;
        for (int column = 0; column < columns; ++column)
            record.values.set(column, StoredToField(raw.at(row).at(column), defs.at(column).DataType));
        rows_.append(record);
    }
}

void TQuery::CloseCursor()
{
    rows_.clear();
}

QVector<qint64> TQuery::QueryView(int, int, QHash<qint64, TRecordBuffer> *, bool &complete)
{
    // The rows are in memory: the view is always read whole, and records are read on demand.
    complete = true;
    QVector<qint64> ids;
    ids.reserve(rows_.size());
    const std::optional<CompiledFilter> viewFilter = ViewFilter();
    if (!viewFilter) {
        for (const TRecordBuffer &row : rows_)
            ids.append(row.id);
        return ids;
    }
    // The rows are in memory: each is offered to SQLite as a one-row table under the field
    // names, so the filter means exactly what it means on a table.
    const CompiledFilter &filter = *viewFilter;
    QStringList columns;
    QStringList placeholders;
    QList<const TField *> dataFields;
    for (int i = 0; i < FieldCount(); ++i)
        if (Fields()[i].IsDataField()) {
            columns.append(QuoteIdentifier(Fields()[i].FieldName()));
            placeholders.append(QStringLiteral("?"));
            dataFields.append(&Fields()[i]);
        }
    DbConnection::Lease statement = Database().Connection().Statement(
        QStringLiteral("WITH r(%1) AS (VALUES (%2)) SELECT 1 FROM r WHERE %3")
            .arg(columns.join(','), placeholders.join(','), filter.whereSql));
    for (const TRecordBuffer &row : rows_) {
        statement->Reset();
        for (int i = 0; i < dataFields.size(); ++i)
            statement->Bind(i + 1, FieldValueToStorage(row.values.at(dataFields.at(i)->Index()),
                                                       dataFields.at(i)->DataType()));
        statement->BindAll(filter.values, int(dataFields.size()) + 1);
        if (statement->Step())
            ids.append(row.id);
    }
    return ids;
}

void TQuery::FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into)
{
    for (qint64 id : ids)
        if (id >= 0 && id < rows_.size()) {
            TRecordBuffer record = rows_.at(id);
            record.values.resize(FieldCount());
            into.insert(id, record);
        }
}

#pragma once

#include "platform/db/dataset.h"

#include <QMetaObject>
#include <QStringList>

#include <memory>
#include <vector>

class TQuery;

// One parameter of a query: a name (matched without case), a type and a value. A parameter
// that was never given a value makes the query refuse to run.
class TParam
{
public:
    explicit TParam(const QString &name) : name_(name) {}

    QString Name() const { return name_; }
    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType type) { dataType_ = type; }
    bool Bound() const { return bound_; }

    QVariant Value() const { return value_; }
    void SetValue(const QVariant &value);
    bool IsNull() const { return value_.isNull(); }
    // Binds NULL.
    void Clear();

    int AsInteger() const { return value_.toInt(); }
    void SetAsInteger(int value);
    void SetAsSmallInt(int value);
    QString AsString() const { return value_.toString(); }
    void SetAsString(const QString &value);
    double AsFloat() const { return value_.toDouble(); }
    void SetAsFloat(double value);
    QDateTime AsDateTime() const { return value_.toDateTime(); }
    void SetAsDateTime(const QDateTime &value);
    void SetAsDate(const QDate &value);
    bool AsBoolean() const { return value_.toBool(); }
    void SetAsBoolean(bool value);

private:
    QString name_;
    TFieldType dataType_ = TFieldType::ftUnknown;
    QVariant value_;
    bool bound_ = false;
};

class TParams
{
public:
    int Count() const { return int(params_.size()); }
    TParam &operator[](int index) const;
    TParam *FindParam(const QString &name) const;
    // Raises EDatabaseError naming the parameter when there is none.
    TParam &ParamByName(const QString &name) const;

private:
    friend class TQuery;
    std::vector<std::unique_ptr<TParam>> params_;
};

// The SQL text of a query as lines. Any change closes the query and reads its parameters again
// (values of parameters that keep their name are kept).
class TSQLStrings
{
public:
    explicit TSQLStrings(TQuery &owner) : owner_(&owner) {}

    void Clear();
    void Add(const QString &line);
    void SetText(const QString &text);
    QString Text() const { return lines_.join('\n'); }
    const QStringList &Lines() const { return lines_; }
    int Count() const { return int(lines_.size()); }
    QString operator[](int index) const { return lines_.value(index); }

private:
    TQuery *owner_;
    QStringList lines_;
};

// An SQL query: a result set read whole into memory on Open (read-only), or a statement run by
// ExecSQL. Table names with a .db suffix are accepted; parameters :Name are bound by name or
// by position.
class TQuery : public TDataSet
{
public:
    TQuery();
    ~TQuery() override;

    TSQLStrings &SQL() { return sql_; }
    const TSQLStrings &SQL() const { return sql_; }
    TParams &Params() { return params_; }
    int ParamCount() const { return params_.Count(); }
    TParam &ParamByName(const QString &name) { return params_.ParamByName(name); }

    // Checks the text with SQLite (EDBEngineError for SQL it rejects).
    void Prepare();
    void UnPrepare() { prepared_ = false; }
    bool Prepared() const { return prepared_; }
    // Runs a statement that returns no records; RowsAffected tells how many it changed.
    void ExecSQL();
    int RowsAffected() const { return rowsAffected_; }

    bool CanModify() const override { return false; }

    // Parameters given no value take the values of the fields of the same name (without case)
    // of this source's current record; an open query opens again when those values change.
    TDataSource *DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource *source);

    // Called by TSQLStrings.
    void SqlChanged();

protected:
    void OpenCursor() override;
    void CloseCursor() override;
    QVector<qint64> QueryView(int offset, int limit, QHash<qint64, TRecordBuffer> *records,
                              bool &complete) override;
    void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) override;

private:
    QString PreparedText(QStringList &paramNames);
    void BindParams(class SqliteStatement &statement, const QStringList &paramNames) const;
    // The source field a parameter without a value takes its value from.
    TField *SourceField(const TParam &param) const;
    QVariantList SourceValues() const;
    void SourceChanged();

    TSQLStrings sql_;
    TParams params_;
    bool prepared_ = false;
    int rowsAffected_ = -1;
    QVector<TRecordBuffer> rows_;
    TDataSource *dataSource_ = nullptr;
    QList<QMetaObject::Connection> sourceConnections_;
    // The source values the open result was read with.
    QVariantList sourceValues_;
};

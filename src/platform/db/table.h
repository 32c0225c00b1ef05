#pragma once

#include "platform/db/database.h"
#include "platform/db/dataset.h"
#include "platform/db/schema.h"

#include <QMetaObject>

#include <memory>

class SqliteStatement;
class TDataSource;

// A table of the database read in the order of an index, optionally narrowed to a range of
// that index, to the records of the master's current record, and by a filter.
class TTable : public TDataSet
{
public:
    TTable();
    ~TTable() override;

    // The name as the program writes it; a .db/.DB suffix is dropped.
    QString TableName() const { return tableName_; }
    void SetTableName(const QString &name);
    // The order: a named index, or the fields of IndexFieldNames ("A;B"); setting one clears the
    // other. Changing the order of an open table keeps the current record and cancels a range.
    QString IndexName() const { return indexName_; }
    void SetIndexName(const QString &name);
    QString IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const QString &fields);
    // The fields of the current order.
    QStringList IndexFieldList() const;
    // Whether the current order matches texts without case and accents (a case-insensitive
    // index); false without an order.
    bool IndexFolded() const { return !order_.isEmpty() && order_.first().folded; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool CanModify() const override { return !readOnly_; }

    // --- definitions and table operations ---
    QList<TFieldDef> &FieldDefs() { return fieldDefs_; }
    QList<TIndexDef> &IndexDefs() { return indexDefs_; }
    void CreateTable();
    bool Exists();
    // Reads the indexes of the stored table into IndexDefs.
    void UpdateIndexDefs();
    void EmptyTable();
    void DeleteTable();

    // --- ranges and keys on the current index; an empty key value matches an empty field ---
    void SetRange(const QVariantList &startValues, const QVariantList &endValues);
    void CancelRange();
    // SetKey puts the dataset into key state: field values set now form the key for GotoKey
    // (fields left unset are empty).
    void SetKey();
    bool GotoKey();
    bool FindKey(const QVariantList &keyValues);
    // The first record at or after the key, or the last record when none is.
    void FindNearest(const QVariantList &keyValues);

    // --- master-detail: the detail fields are the first fields of the current order (or the
    // fields named like the master fields when there is no order) ---
    TDataSource *MasterSource() const { return masterSource_; }
    void SetMasterSource(TDataSource *source);
    QString MasterFields() const { return masterFields_; }
    void SetMasterFields(const QString &fields);

    QString DisplayTableName() const override { return tableName_; }
    bool ViewOutdated() override;
    // A data field of a view without a record filter is read in one pass over the store.
    int ScanFieldValues(int from, int fieldIndex,
                        const std::function<bool(const QVariant &)> &visit) override;

protected:
    void OpenCursor() override;
    void CloseCursor() override;
    QVector<qint64> QueryView(int offset, int limit, QHash<qint64, TRecordBuffer> *records,
                              bool &complete) override;
    void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) override;
    qint64 DataStamp() const override;
    void InternalPost(TRecordBuffer &record, bool inserting) override;
    void InternalDelete(qint64 id) override;
    bool ReadStoredRecordInView(qint64 id, TRecordBuffer &record) override;
    int CompareRecords(const TRecordBuffer &a, const TRecordBuffer &b) const override;
    std::optional<std::optional<qint64>> SearchView(const QList<TField *> &fields, const QVariantList &values,
                                                    TLocateOptions options) override;
    QVector<TRecordBuffer> MatchingRecords(const QList<TField *> &fields,
                                           const QVariantList &values) override;
    void InitNewRecord(TRecordBuffer &record) override;
    void FilterChanged() override;

private:
    struct OrderColumn
    {
        QString column;
        int fieldIndex;
        bool descending;
        // Matched without case and accents (a case-insensitive index of a text field).
        bool folded;
        // Sorted by the Greek collation, as every text field is.
        bool text;
    };
    struct Condition
    {
        QString sql;
        QVariantList values;
    };

    void BuildStatements();
    void ResolveOrder();
    void OrderChanged();
    QString OrderBySql() const;
    Condition ViewCondition() const;
    QVariantList KeyToStorage(const QVariantList &values, int count) const;
    // Reads the data fields of the statement's current row, whose columns are rowid and the
    // fields but those missing (a bit per field index).
    TRecordBuffer ReadRecord(const SqliteStatement &statement, quint64 missing = 0) const;
    std::optional<qint64> FirstMatching(const Condition &condition);
    // The fields equal to the values; none when the options ask what SQL cannot say.
    static std::optional<Condition> MatchCondition(const QList<TField *> &fields, const QVariantList &values,
                                                   TLocateOptions options);
    void MoveToId(qint64 id);
    void MasterChanged(TField *field);
    QVariantList MasterValues() const;
    QStringList DetailFieldNames() const;

    QString tableName_;
    QString indexName_;
    QString indexFieldNames_;
    bool readOnly_ = false;
    QList<TFieldDef> fieldDefs_;
    QList<TIndexDef> indexDefs_;

    std::shared_ptr<DbConnection> connection_;
    std::shared_ptr<const TTableDef> def_;
    QList<OrderColumn> order_;
    // "rowid, <fields>" of the table, and the statements that read records by id and insert,
    // made for this definition.
    std::shared_ptr<const TTableDef> sqlDef_;
    QString columnsSql_;
    QString selectSql_;
    QString insertSql_;
    // The condition and order the view was last read with: later reads of the same view use them.
    Condition viewCondition_;
    QString viewOrderSql_;
    // The statements reading that view: its ids, its ids with the records, and its ids with the
    // fields of viewFields_ (a bit per field index) of the records.
    QString viewSql_[3];
    QString viewFromSql_;
    quint64 viewFields_ = 0;
    // The stored data as the view's ids were read.
    DbConnection::DataState viewState_;

    bool rangeActive_ = false;
    QVariantList rangeStart_;
    QVariantList rangeEnd_;

    TDataSource *masterSource_ = nullptr;
    QString masterFields_;
    QVariantList lastMasterValues_;
    QList<QMetaObject::Connection> masterConnections_;
};

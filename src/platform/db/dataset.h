#pragma once

#include "platform/core/errors.h"
#include "platform/db/field.h"
#include "platform/db/filter_expression.h"
#include "platform/db/record_values.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TDataSet;
class TDataSource;
class TDatabase;

enum class TDataSetState
{
    dsInactive,
    dsBrowse,
    dsEdit,
    dsInsert,
    dsSetKey,
    dsCalcFields,
    dsFilter,
};

// What a dataset tells its data sources.
enum class TDataEvent
{
    deFieldChange,
    deRecordChange,
    deDataSetChange,
    deDataSetScroll,
    deUpdateRecord,
    deUpdateState,
};

using TDataSetNotifyEvent = std::function<void(TDataSet &)>;
using TFilterRecordEvent = std::function<void(TDataSet &, bool &accept)>;
// A filter of a control library over the records in view, apart from Filter/Filtered: true keeps
// the record the dataset shows as its active record.
using TRecordFilter = std::function<bool(TDataSet &)>;

struct TLocateOptions
{
    bool caseInsensitive = false;
    bool partialKey = false;
};

// A remembered record: valid while that record exists.
struct TBookmark
{
    qint64 recordId = -1;
    bool IsValid() const { return recordId >= 0; }
};

// The values of one record: the row id (a position for query results) and one value per field.
struct TRecordBuffer
{
    qint64 id = -1;
    TRecordValues values;
    bool calculated = false;
    // The data fields (a bit per field index) that were not read: a walk reads only the fields
    // it has used so far, and a record lacking one that is asked for is read again whole.
    quint64 missing = 0;
};

// The fields of a dataset, by position and by name (without case).
class TFields
{
public:
    int Count() const { return int(fields_.size()); }
    TField &operator[](int index) const;
    TField *FindField(const QString &name) const;
    TField &FieldByName(const QString &name) const;

private:
    friend class TDataSet;
    TDataSet *owner_ = nullptr;
    std::vector<std::unique_ptr<TField>> fields_;
};

// Raised by Abort() in an event handler: the dataset operation under way stops without a message
// and the dataset stays as it was.
class EAbort : public Exception
{
public:
    EAbort() : Exception(QString()) {}
};

[[noreturn]] void Abort();

// The common dataset of tables and queries: a cursor over the ids of the records in view, the
// records read on demand, fields, editing with its events, searching, filters, calculated and
// lookup fields, and the data sources that show it.
class TDataSet
{
public:
    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet &) = delete;
    TDataSet &operator=(const TDataSet &) = delete;

    // Where the data lives: a database object given directly, else the database of that name in
    // the session of that name (an alias or a TDatabase's DatabaseName).
    QString DatabaseName() const { return databaseName_; }
    void SetDatabaseName(const QString &name);
    QString SessionName() const { return sessionName_; }
    void SetSessionName(const QString &name);
    void SetDatabase(TDatabase *database);
    TDatabase &Database();

    // --- state ---
    TDataSetState State() const { return state_; }
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    void SetActive(bool active);
    void Open();
    void Close();
    bool Modified() const { return modified_; }
    // The record being edited is one whose store was refused (by a rule or by the database) and
    // that has not changed since: storing it again would only be refused again.
    bool PostRefused() const { return postRefused_; }

    // --- navigation ---
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance);
    bool Eof() const;
    bool Bof() const;
    // 1-based position of the current record; 0 when the dataset is empty.
    int RecNo() const;
    void SetRecNo(int recNo);
    int RecordCount();
    bool IsEmpty();
    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark &bookmark);
    bool BookmarkValid(const TBookmark &bookmark);
    // Reads the records again, staying on the current record when it still exists.
    void Refresh();
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // --- fields ---
    TFields &Fields() { return fields_; }
    const TFields &Fields() const { return fields_; }
    int FieldCount() const { return fields_.Count(); }
    TField *FindField(const QString &name) const { return fields_.FindField(name); }
    // Raises EDatabaseError naming the field when there is none.
    TField &FieldByName(const QString &name) const { return fields_.FieldByName(name); }
    // Declares a field before Open: a data field (to set its label, mask or format ahead), a
    // calculated field, or a lookup field.
    TField &AddField(const QString &name, TFieldKind kind, TFieldType type = TFieldType::ftString,
                     int size = 0);
    TField &AddLookupField(const QString &name, TFieldType type, int size, const QString &keyFields,
                           TDataSet *lookupDataSet, const QString &lookupKeyFields,
                           const QString &resultField);
    // The values of several fields (";"-separated) as a list, of one field as its value.
    QVariant FieldValues(const QString &fieldNames) const;

    // --- editing: each returns false when an event handler called Abort() ---
    bool Edit();
    bool Insert();
    bool Append();
    bool Post();
    void Cancel();
    bool Delete();
    // Posts a modified record, cancels an unmodified one.
    void CheckBrowseMode();
    // The controls write their pending input into the fields of the record being edited.
    void UpdateRecord();
    virtual bool CanModify() const { return true; }

    // --- searching ---
    // Moves to the first record in view whose fields ("A;B") equal the values; false and no move
    // when there is none. An empty value matches an empty field.
    bool Locate(const QString &keyFields, const QVariantList &values, TLocateOptions options = {});
    // The result field(s) of the first such record without moving; null when none.
    QVariant Lookup(const QString &keyFields, const QVariantList &values, const QString &resultFields);
    // The values a lookup field of this dataset may take in the active record: the records of its
    // lookup dataset as stored now (a record that any window or program added since that dataset
    // opened is among them) whose lookup keys before the last equal this record's key fields
    // before the last; each as the key of its last lookup key field with the text of its result
    // field, once, in Greek alphabetical order of the texts.
    QList<TLookupItem> LookupList(const TField &field);
    // Whether the stored data may have changed since the records in view were read, by a write of
    // this program or of another one; Refresh reads them again.
    virtual bool ViewOutdated() { return false; }

    // --- filters ---
    QString Filter() const { return filter_; }
    void SetFilter(const QString &filter);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool filtered);
    TFilterOptions FilterOptions() const { return filterOptions_; }
    void SetFilterOptions(TFilterOptions options);
    void SetOnFilterRecord(TFilterRecordEvent handler);
    // A record filter that applies whatever Filtered says, after OnFilterRecord. Setting it does
    // not read the view again: Refresh does.
    bool HasOwnRecordFilter() const { return bool(recordFilter_); }
    void SetRecordFilter(TRecordFilter filter);
    // A condition compiled elsewhere that narrows the view besides the filter text and whatever
    // Filtered says; none when nullopt. Setting it does not read the view again: Refresh does.
    const std::optional<CompiledFilter> &ExpressionCondition() const { return expressionCondition_; }
    void SetExpressionCondition(std::optional<CompiledFilter> condition);
    // Whether RecNo numbers the records in view one by one from the first.
    virtual bool IsSequenced() const { return true; }

    // --- random access for grids: a record of the view by 0-based row, without moving the
    // cursor or firing events (calculated fields are computed for it) ---
    QVariant ValueAt(int row, int fieldIndex);
    QString DisplayTextAt(int row, int fieldIndex);
    // Offers the value of one field of each record in view, from 0-based row `from` on in view
    // order, to visit until it answers true; returns that row, or -1. The cursor does not move
    // and no event fires.
    virtual int ScanFieldValues(int from, int fieldIndex, const std::function<bool(const QVariant &)> &visit);

    // --- events ---
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, OnNewRecord;
    TDataSetNotifyEvent BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete;
    TDataSetNotifyEvent BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnCalcFields;

    // --- used by fields and data sources ---
    QVariant ActiveValue(int fieldIndex) const;
    void SetFieldValue(TField &field, const QVariant &value);
    // The table name that error messages name.
    virtual QString DisplayTableName() const { return QString(); }
    void AttachDataSource(TDataSource *source);
    void DetachDataSource(TDataSource *source);
    // Calculated and lookup values are read again (the lookup result field changed).
    void InvalidateCalculatedFields();

protected:
    // Defines the data fields and prepares the view source; the base builds the view.
    virtual void OpenCursor() = 0;
    virtual void CloseCursor() {}
    // The ids of the records in view in order from view position `offset` on: at most limit ids
    // (-1: all); complete says whether there are no more. When records is given, the subclass may
    // read the records with their ids into it (a page the cursor is about to show). The filter
    // (text and Filtered) is the subclass's; the record filter callback is applied by the base.
    virtual QVector<qint64> QueryView(int offset, int limit, QHash<qint64, TRecordBuffer> *records,
                                      bool &complete) = 0;
    // Reads the data fields of these records.
    virtual void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) = 0;
    // Grows when the stored data changed, so that cached records are read again.
    virtual qint64 DataStamp() const { return 0; }
    // Writes a record; sets record.id of an inserted record. Raises EDatabaseError.
    virtual void InternalPost(TRecordBuffer &record, bool inserting);
    virtual void InternalDelete(qint64 id);
    // Reads a posted record as stored when it belongs to the view (range, master, filter text);
    // false when it does not or is gone.
    virtual bool ReadStoredRecordInView(qint64 id, TRecordBuffer &record);
    // The order of the view: negative when a comes first.
    virtual int CompareRecords(const TRecordBuffer &a, const TRecordBuffer &b) const;
    // The first id in view order whose fields match, when the subclass can search itself; the base
    // scans the records otherwise.
    virtual std::optional<std::optional<qint64>>
    SearchView(const QList<TField *> &fields, const QVariantList &values, TLocateOptions options);
    // The records that belong to the view and whose data fields equal the values (of the fields'
    // types), read as stored now, in view order. The base scans the records in view.
    virtual QVector<TRecordBuffer> MatchingRecords(const QList<TField *> &fields, const QVariantList &values);
    // The record filter callback or text changed: rebuild the view.
    virtual void FilterChanged();
    // The filter text compiled to SQL over the data fields of this dataset, under their names.
    CompiledFilter CompileOwnFilter() const;
    // What narrows the view in SQL: the filter text when Filtered, and the expression condition;
    // nullopt when neither does.
    std::optional<CompiledFilter> ViewFilter() const;
    // The events a subclass extends: AfterOpen once the dataset is open, BeforePost before a
    // record is stored (Abort() or an exception stops the post), OnCalcFields once the lookup
    // fields of a record have their values.
    virtual void DoAfterOpen();
    virtual void DoBeforePost();
    virtual void DoOnCalcFields();
    // Called after records of the view were read from the store (on open, when the view is read
    // again or read on).
    virtual void RecordsRead() {}
    // Gives a new record its first values before OnNewRecord runs (a detail table's link fields).
    virtual void InitNewRecord(TRecordBuffer &) {}
    // Builds the view again from its first record, with the scroll events (range, filter and
    // master changes).
    void ResetView();
    // Ends the record being edited before the view changes under it: stored when modified, dropped
    // when not. False when it could not be stored and stays as typed (a rule refused it): the view
    // must then stay as it is. A database error propagates.
    bool LeaveEditing();

    // For subclasses.
    TField &DefineDataField(const QString &name, TFieldType type, int size, bool required);
    void RemoveUndefinedDataFields(const QStringList &keptNames);
    TRecordBuffer NewRecordBuffer() const;
    // Builds the view again and moves to the record with this id (or the nearest position).
    void RebuildView(std::optional<qint64> keepId, bool notify = true);
    void FireScroll(const std::function<void()> &move);
    void DataEvent(TDataEvent event, TField *field = nullptr);
    const TRecordBuffer *CurrentRecord() const;
    int ViewSize() const { return int(view_.size()); }
    bool HasRecordFilter() const { return (filtered_ && bool(onFilterRecord_)) || bool(recordFilter_); }
    void CheckActive() const;
    void CheckInactive() const;
    // The session's password event, before the first dataset of the session reads its tables.
    void CheckSessionPassword();
    [[noreturn]] void RaiseError(const QString &message) const;
    QList<TField *> FieldList(const QString &fieldNames) const;
    // Moves the cursor to a position of the view and reads the record there.
    void SetCursor(int position);
    int PositionOf(qint64 id);
    void EnsureViewComplete();
    void ClearRecordCache() { cache_.clear(); }
    // The data fields (a bit per field index) that a read of view records needs: those used so
    // far, or all of them before any was used or when calculated fields or a record filter
    // read the records.
    quint64 FieldsToRead() const;
    static bool ValuesMatch(const QVariant &fieldValue, const QVariant &wanted, TFieldType type,
                            TLocateOptions options);

private:
    void BuildViewFromSource(int limit);
    // A view whose range or filter changed while nothing watched it is built on first use.
    void EnsureView() const;
    // Reads the view on from its end, with the records, until it reaches position or is complete.
    void ExtendView(int position);
    // Drops cached records when the stored data changed since they were read.
    void SyncRecordCache();
    void KeepCacheAfterOwnWrite(qint64 stampBefore);
    // A record read whole, or (for the current record) as it was read with the view.
    const TRecordBuffer &CachedRecord(int position, bool partialOk = false);
    void LoadCurrent();
    // The current record lacks a field now asked for: it and the records cached without that
    // field are read again whole.
    void CompleteCurrentRecord();
    void CalculateFields(TRecordBuffer &record);
    bool HasCalculatedFields() const;
    bool RecordAccepted(TRecordBuffer &record);
    bool RunBeforeEvent(const TDataSetNotifyEvent &event);
    void CheckRequiredFields();
    void PlacePostedRecord(const TRecordBuffer &posted, bool inserting);
    void EndEditing();
    bool BeginInsert(bool append);
    // The first record in view whose fields match the values.
    std::optional<qint64> FindRecord(const QString &keyFields, const QVariantList &values,
                                     TLocateOptions options);
    // The key fields of a lookup field of this dataset and the lookup fields of its lookup dataset
    // they stand for, as many of each; raises EDatabaseError when they do not pair up.
    std::pair<QList<TField *>, QList<TField *>> LookupKeyPairs(const TField &field) const;
    void ChooseLookupValue(TField &field, const QVariant &value);

    TFields fields_;
    QHash<QString, int> fieldIndex_;
    TDataSetState state_ = TDataSetState::dsInactive;
    bool modified_ = false;
    bool postRefused_ = false;
    QString databaseName_;
    QString sessionName_;
    TDatabase *database_ = nullptr;

    QVector<qint64> view_;
    bool viewComplete_ = true;
    bool viewStale_ = false;
    // The fields read through the active record since Open (a bit per field index).
    mutable quint64 fieldsUsed_ = 0;
    // The data stamp when the view's ids were read.
    qint64 viewStamp_ = -1;
    int cursor_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    QHash<qint64, TRecordBuffer> cache_;
    qint64 cacheStamp_ = -1;
    int lastReadPosition_ = -2;
    TRecordBuffer current_;
    TRecordBuffer edit_;
    TRecordBuffer *active_ = &current_;
    int cursorBeforeInsert_ = -1;

    QString filter_;
    bool filtered_ = false;
    TFilterOptions filterOptions_;
    // The filter text compiled for the fields of this opening; every page read of a filtered view
    // and every post needs it. Dropped when the text, its options or the fields change.
    mutable std::optional<CompiledFilter> compiledFilter_;
    TFilterRecordEvent onFilterRecord_;
    TRecordFilter recordFilter_;
    std::optional<CompiledFilter> expressionCondition_;

    int disableCount_ = 0;
    bool pendingDataSetChange_ = false;
    QList<TDataSource *> dataSources_;
    bool calculating_ = false;

protected:
    // Key buffer of SetKey/ranges for tables.
    TRecordBuffer keyBuffer_;
    void SetState(TDataSetState state);
    void SetActiveBuffer(TRecordBuffer *buffer) { active_ = buffer ? buffer : &current_; }
};

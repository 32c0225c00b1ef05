#pragma once

#include "controls/dataaware/dq_filter.h"
#include "platform/core/enum_set.h"
#include "platform/db/dataset.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TdqTable;

enum TdqOnFilterOption
{
    ofoEnabled,
    ofoShowHourGlass,
    ofoCancelOnEscape,
};
using TdqOnFilterOptions = EnumSet<TdqOnFilterOption>;

// Told of the field whose value fails its picture mask, before the post is refused.
using TdqInvalidValueEvent = std::function<void(TDataSet &, TField &)>;

// What the library's query and table add to their engine classes: the field-keyed lists, the
// mask check before a post, the lookup fields and the record filter driven by an OnFilter
// handler. Every addition is inert while its list or handler is empty. The library's services
// reach any of its datasets through dqExtrasOf.
class TdqDataSetExtras
{
public:
    explicit TdqDataSetExtras(TDataSet &self);
    virtual ~TdqDataSetExtras();
    TdqDataSetExtras(const TdqDataSetExtras &) = delete;
    TdqDataSetExtras &operator=(const TdqDataSetExtras &) = delete;

    // "field;kind;..." entries; the kind RichEdit marks a memo of rich text.
    QStringList &ControlType() { return controlType_; }
    void SetControlType(const QStringList &list) { controlType_ = list; }
    // "calculated field;database;table;shown field;index" or
    // "calculated field;database;table;shown field;;index fields...;N" entries.
    QStringList &LookupFields() { return lookupFields_; }
    void SetLookupFields(const QStringList &list) { lookupFields_ = list; }
    // Entry i: "field;lookup field;..." pairs linking LookupFields entry i.
    QStringList &LookupLinks() { return lookupLinks_; }
    void SetLookupLinks(const QStringList &list) { lookupLinks_ = list; }
    // "field<TAB>mask<TAB>T|F<TAB>T|F" entries.
    QStringList &PictureMasks() { return pictureMasks_; }
    void SetPictureMasks(const QStringList &list) { pictureMasks_ = list; }

    bool ValidateWithMask() const { return validateWithMask_; }
    void SetValidateWithMask(bool validate) { validateWithMask_ = validate; }
    TdqInvalidValueEvent OnInvalidValue;
    // Told when the user ended a filtered scan with Escape.
    TDataSetNotifyEvent OnFilterEscape;

    TdqOnFilterOptions OnFilterOptions() const { return filterOptions_; }
    // Dropping ofoEnabled shows the hidden records again at once; adding it back filters the
    // records read from then on.
    void SetOnFilterOptions(TdqOnFilterOptions options);

    // The tables that the lookup fields read, made on first need and kept until closing.
    std::vector<std::unique_ptr<TdqTable>> &LookupTables() { return lookupTables_; }
    // Calls of the filter handler so far, counted up to 32000 and then from 0 again.
    int FilterCallCounter() const { return filterCalls_; }

protected:
    virtual bool FilterAssigned() const = 0;
    // The handler's answer for the active record.
    virtual bool RunFilter() = 0;

    // Installs the record filter of the handler, or drops it when there is none.
    void ApplyRecordFilter();
    void DropRecordFilter();
    // After records were read: the hourglass goes, held input is delivered and a refresh that a
    // scan asked for runs.
    void RecordsReadDone();
    void ValidateBeforePost();
    void CalculateLookups();
    void FreeLookupTables();

private:
    bool FilterCallback();

    TDataSet &self_;
    QStringList controlType_;
    QStringList lookupFields_;
    QStringList lookupLinks_;
    QStringList pictureMasks_;
    bool validateWithMask_ = true;
    TdqOnFilterOptions filterOptions_{ofoEnabled, ofoShowHourGlass};
    std::vector<std::unique_ptr<TdqTable>> lookupTables_;
    tav::controls::TdqFilterHandle recordHandle_ = tav::controls::TdqFilterHandle::None;
    bool inFilter_ = false;
    bool hourGlass_ = false;
    bool scanning_ = false;
    bool refreshPending_ = false;
    int filterCalls_ = 0;
};

// The library's additions of a dataset; null for a dataset of the engine alone.
TdqDataSetExtras *dqExtrasOf(TDataSet *dataSet);

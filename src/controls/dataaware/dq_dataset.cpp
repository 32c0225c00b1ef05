#include "controls/dataaware/dq_dataset.h"

#include "controls/dataaware/dq_common.h"
#include "controls/dataaware/dq_input_hold.h"
#include "controls/dataaware/dq_table.h"

#include <QCursor>
#include <QGuiApplication>

using namespace tav::controls;

namespace {

constexpr int FilterCallWrap = 32000;
constexpr int EscapeCheckInterval = 100;

bool ShowsCursors()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

TdqDataSetExtras::TdqDataSetExtras(TDataSet &self) : self_(self) {}

TdqDataSetExtras::~TdqDataSetExtras()
{
    if (hourGlass_ && ShowsCursors())
        QGuiApplication::restoreOverrideCursor();
}

TdqDataSetExtras *dqExtrasOf(TDataSet *dataSet)
{
    return dynamic_cast<TdqDataSetExtras *>(dataSet);
}

void TdqDataSetExtras::SetOnFilterOptions(TdqOnFilterOptions options)
{
    const bool disabling = filterOptions_.Contains(ofoEnabled) && !options.Contains(ofoEnabled);
    filterOptions_ = options;
    if (!disabling || !self_.Active() || !FilterAssigned())
        return;
    // Inside a scan the view is being read: it is read again once the scan is over.
    if (scanning_)
        refreshPending_ = true;
    else
        self_.Refresh();
}

void TdqDataSetExtras::ApplyRecordFilter()
{
    if (!FilterAssigned()) {
        DropRecordFilter();
        return;
    }
    const TRecordFilter callback = [this](TDataSet &) { return FilterCallback(); };
    if (self_.Active()) {
        dqSetRecordFilter(callback, self_, recordHandle_);
    } else {
        // Opening: the view about to be read is filtered.
        self_.SetRecordFilter(callback);
        recordHandle_ = TdqFilterHandle::Record;
    }
}

void TdqDataSetExtras::DropRecordFilter()
{
    dqSetRecordFilter({}, self_, recordHandle_);
}

bool TdqDataSetExtras::FilterCallback()
{
    if (!FilterAssigned() || inFilter_ || !filterOptions_.Contains(ofoEnabled))
        return true;
    scanning_ = true;
    inFilter_ = true;
    bool accept = true;
    try {
        accept = RunFilter();
    } catch (...) {
        inFilter_ = false;
        throw;
    }
    inFilter_ = false;
    if (filterOptions_.Contains(ofoShowHourGlass) && !hourGlass_ && !accept && ShowsCursors()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        hourGlass_ = true;
    }
    if (filterOptions_.Contains(ofoCancelOnEscape)) {
        if (++filterCalls_ >= FilterCallWrap)
            filterCalls_ = 0;
        if (filterCalls_ % EscapeCheckInterval == 0 && dqEscapePending(self_) && OnFilterEscape)
            OnFilterEscape(self_);
    }
    return accept;
}

void TdqDataSetExtras::RecordsReadDone()
{
    if (hourGlass_ && ShowsCursors()) {
        QGuiApplication::restoreOverrideCursor();
        hourGlass_ = false;
    }
    if (!scanning_)
        return;
    scanning_ = false;
    TdqInputHold::Instance().DeliverHeld();
    if (refreshPending_) {
        refreshPending_ = false;
        self_.Refresh();
    }
}

void TdqDataSetExtras::ValidateBeforePost()
{
    if (validateWithMask_)
        dqCheckPictureFields(self_, OnInvalidValue);
}

void TdqDataSetExtras::CalculateLookups()
{
    dqPruneFieldEntries(self_, lookupFields_, lookupLinks_, controlType_);
    dqCalcLookupFields(self_, lookupFields_, lookupLinks_, lookupTables_);
}

void TdqDataSetExtras::FreeLookupTables()
{
    lookupTables_.clear();
}

#include "controls/dataaware/dq_query.h"

#include "controls/dataaware/dq_common.h"
#include "controls/dataaware/dq_table.h"

TdqQuery::TdqQuery() : TdqDataSetExtras(static_cast<TDataSet &>(*this)) {}

TdqQuery::~TdqQuery() = default;

void TdqQuery::SetOnFilter(TdqQueryFilterEvent handler)
{
    onFilter_ = std::move(handler);
    if (!onFilter_)
        DropRecordFilter();
    else if (Active())
        ApplyRecordFilter();
}

void TdqQuery::CloseCursor()
{
    // The record filter lives while the query is open: the next open shows AfterOpen every record.
    SetRecordFilter({});
    FreeLookupTables();
    TQuery::CloseCursor();
}

void TdqQuery::DoAfterOpen()
{
    tav::controls::dqKeepAnswerTable(*this, answerTableName_);
    TQuery::DoAfterOpen();
    if (onFilter_)
        ApplyRecordFilter();
}

void TdqQuery::DoBeforePost()
{
    TQuery::DoBeforePost();
    ValidateBeforePost();
}

void TdqQuery::DoOnCalcFields()
{
    CalculateLookups();
    TQuery::DoOnCalcFields();
}

void TdqQuery::RecordsRead()
{
    TQuery::RecordsRead();
    RecordsReadDone();
}

bool TdqQuery::RunFilter()
{
    bool accept = true;
    onFilter_(*this, accept);
    return accept;
}

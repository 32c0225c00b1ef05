#pragma once

#include "controls/dataaware/dq_dataset.h"
#include "platform/db/query.h"

// A query with a record filter driven by OnFilter, picture-mask checks before a post, lookup
// fields and the keeping of its answer as a table. With its lists and handlers empty it is the
// engine's query.
class TdqQuery : public TQuery, public TdqDataSetExtras
{
public:
    using TdqQueryFilterEvent = std::function<void(TdqQuery &query, bool &accept)>;

    TdqQuery();
    ~TdqQuery() override;

    const TdqQueryFilterEvent &OnFilter() const { return onFilter_; }
    // An open query is filtered at once; a closed one after its next open, once AfterOpen ran.
    void SetOnFilter(TdqQueryFilterEvent handler);

    // The table that keeps the records of each open ("name" or ":alias:name"); none when empty.
    QString AnswerTableName() const { return answerTableName_; }
    void SetAnswerTableName(const QString &name) { answerTableName_ = name; }

    bool IsSequenced() const override { return !onFilter_ && TQuery::IsSequenced(); }

protected:
    void CloseCursor() override;
    void DoAfterOpen() override;
    void DoBeforePost() override;
    void DoOnCalcFields() override;
    void RecordsRead() override;
    bool FilterAssigned() const override { return bool(onFilter_); }
    bool RunFilter() override;

private:
    TdqQueryFilterEvent onFilter_;
    QString answerTableName_;
};

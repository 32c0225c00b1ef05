#pragma once

#include "controls/dataaware/dq_dataset.h"
#include "platform/db/table.h"

// A table with the additions of the library's query plus an expression filter (dqFilter), a key
// search for lookups and the choice of an index by its fields. The lookup service makes
// read-only instances of it as lookup tables.
class TdqTable : public TTable, public TdqDataSetExtras
{
public:
    using TdqTableFilterEvent = std::function<void(TdqTable &table, bool &accept)>;

    TdqTable();
    ~TdqTable() override;

    // Setting a table name empties Query.
    void SetTableName(const QString &name);
    // A query text instead of a table name; setting one closes the table and empties the table
    // name, the index fields and the master link.
    const QStringList &Query() const { return query_; }
    void SetQuery(const QStringList &lines);

    // Lines of an expression filter, joined as "line1 AND (line2) AND (line3)".
    const QStringList &dqFilter() const { return dqFilter_; }
    // An open table is filtered at once; "Fail to set filter" when the expression does not hold.
    void SetdqFilter(const QStringList &lines);

    const TdqTableFilterEvent &OnFilter() const { return onFilter_; }
    void SetOnFilter(TdqTableFilterEvent handler);

    bool NarrowSearch() const { return narrowSearch_; }
    // Cancels any range before a key search.
    void SetNarrowSearch(bool narrow) { narrowSearch_ = narrow; }

    bool IsSequenced() const override;

    // The first index on exactly these fields, case-insensitive before case-sensitive, else one
    // starting with them; "?" when none.
    QString dqIndexForFields(const QString &fields);
    // The picture the table stores for a field: tables of this engine store none.
    QString dqTablePictureOf(const QString &fieldName) const;
    // The key search of a lookup: stays on a record that already holds the keys, else FindKey.
    // False after a warning when there are more keys than index fields or no index.
    bool dqLookupKeySearch(const QVariantList &keys);

    // The lookup table's role in the lookup pass of its owner.
    QString LookupLinksText;
    bool LookupSearched = false;
    bool LookupFound = false;
    bool InLookup = false;

protected:
    void OpenCursor() override;
    void CloseCursor() override;
    void DoBeforePost() override;
    void DoOnCalcFields() override;
    void RecordsRead() override;
    bool FilterAssigned() const override { return bool(onFilter_); }
    bool RunFilter() override;

private:
    QString FilterText() const;
    bool CurrentRecordHolds(const QVariantList &keys);

    QStringList query_;
    QStringList dqFilter_;
    TdqTableFilterEvent onFilter_;
    bool narrowSearch_ = false;
    tav::controls::TdqFilterHandle expressionHandle_ = tav::controls::TdqFilterHandle::None;
};

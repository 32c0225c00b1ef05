#pragma once

#include "coupons/analysis_proposal.h"
#include "coupons/proposal_file.h"
#include "coupons/row_sort.h"
#include "couponstats/page_columns.h"
#include "couponstats/page_rows.h"
#include "couponstats/proposal_rule.h"

#include <QList>
#include <QString>

// The summary of all pages: the coupon rows of analysis page 1 with one value column per open
// page, a consensus proposal per row, and its proposal file.
namespace tav::couponstats {

inline constexpr int kStatAllProp0Column = 12;
inline constexpr int kStatAllProposalColumn = 13;
inline constexpr int kStatAllScoreColumn = 14;
inline constexpr int kStatAllFirstPageColumn = 15;
inline constexpr int kStatAllPageWidth = 30;

// The 15 columns before the page columns.
QList<TPageColumn> StatAllBaseColumns();

// One page laid beside the others: its code (the column title) and its rows as its set places them.
struct TStatAllPage
{
    QString title;
    TPageRows rows;
    const TPageColumnSet *columns = nullptr;
};

// The summary rows: columns 1 to 11 of page 1's rows, its "Προτ0" in 12 and its score in 14, then
// per page the value of the page's row whose trimmed code is the same.
TPageRows StatAllRows(const TPageRows &pageOne, const QList<TStatAllPage> &pages);

// Writes "1", "X" or "2" into the proposal column of each row whose page values (columns 15 on)
// all lie in that sign's band; the bands are tried 1, X, 2 and a later one that holds overwrites
// an earlier. A value that is no whole number (a blank one too) is skipped; a row without any
// whole-number value keeps its proposal.
void SetConsensusProposals(TPageRows &rows, const TProposalThresholds &thresholds);

// Odds and "A/A" as signed numbers, every page column too; the rest as text.
coupons::TRowSortRule StatAllSortRule(int colCount);

// Sorts the rows ascending by the column with that rule. In a numeric column the rows whose cell is
// blank or no number go after the others in their order, so that the numbers come out in order.
void SortStatAllRows(TPageRows &rows, int col, int colCount, const coupons::TPivotPicker &picker = {});

// The proposal file of the rows with a code and a proposal: two fields a line.
coupons::TProposalFile StatAllProposalFile(const QString &couponName, const TPageRows &rows);

// Puts the file's proposals into the rows of their codes and scores them against the results;
// EConvertError for a hit whose odds are no number (the rows are then left as they were).
coupons::TProposalScore ApplyStatAllProposals(const coupons::TProposalFile &file, TPageRows &rows);

} // namespace tav::couponstats

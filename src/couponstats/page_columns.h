#pragma once

#include "coupons/row_sort.h"

#include <QList>
#include <QString>

namespace tav::couponstats {

// A column of a statistics grid: its title and its width on screen.
struct TPageColumn
{
    QString title;
    int width = 0;
};

// What tells one kind of statistics grid from another: the columns, the ordering of a title
// click, where the statistic, its difference and the proposal sit, what a page takes over from
// the page before it, the fields of a proposal line and the paper width of a screen pixel. A new
// kind of page is a new column set over the same page.
struct TPageColumnSet
{
    QList<TPageColumn> columns;
    coupons::TRowSortRule sortRule;
    int homeColumn = -1;       // the home team's value
    int awayColumn = -1;       // the away team's value
    int differenceColumn = -1; // the difference the bounds and the colours read
    int proposalColumn = -1;
    QList<int> carriedColumns;  // copied from the page before; the others start blank
    QList<int> editableColumns; // the only cells that can become current
    QList<int> saveFields;      // written after the proposal in a proposal line
    int summaryColumn = -1; // the value laid beside the other pages' in the summary; -1 keeps the page out
    double printFactor = 0.104; // tenths of an inch for a pixel of the screen
    int firstPrintedColumn = 0; // the columns before it stay off paper
    // Where the grid keeps the row's running number ("A/A"), its code and its competition.
    int numberColumn = 11;
    int codeColumn = 1;
    int diorgColumn = 2;
    // The cell a row needs to be printed in the proposals layout; -1: the proposal.
    int printedRowColumn = -1;
};

// Grid conventions every statistics grid shares.
inline constexpr int kCheckColumn = 0;
inline constexpr int kCodeColumn = 1;
inline constexpr int kDiorgColumn = 2;
inline constexpr int kOdd1Column = 7;
inline constexpr int kOddXColumn = 8;
inline constexpr int kOdd2Column = 9;
inline constexpr int kSignColumn = 10;
inline constexpr int kNumberColumn = 11;

// The coupon's own columns every statistics grid starts with: tick, code, competition, date, time,
// teams, the three odds, sign and "A/A".
QList<TPageColumn> CouponColumns();

// The special analysis pages: 18 columns, the statistic in 12 to 15.
const TPageColumnSet &SpecialPageColumns();
// The first page of the special analysis: 18 columns, a loaded proposal in 12 to 16, the score in 17.
const TPageColumnSet &FirstPageColumns();
// The first page of the points analysis: 44 columns, the score's goals in 42 and 43.
const TPageColumnSet &PointsFirstPageColumns();

} // namespace tav::couponstats

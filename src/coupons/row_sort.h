#pragma once

#include <QList>
#include <QStringList>

#include <functional>

namespace tav::coupons {

// The orderings of the coupon grids' rows by one column, as one rule.
enum class TRowSortMethod
{
    // Ascending quicksort with a pivot drawn at random in each range and a hole-filling partition.
    // Numeric columns compare by value; a blank cell (or one that is no number) stops a scan, so
    // blank cells stay where the partition leaves them. Other columns compare as text by the
    // locale's collation, case-sensitive.
    RandomPivot,
    // Passes of exchanges of adjacent rows until a pass exchanges nothing, so equal keys keep their
    // order. Text columns walk down the grid and leave a pair with a blank cell alone. Numeric
    // columns walk up the grid and take a blank cell, or one that is no number, as BlankValue; the
    // cell itself stays as it was.
    AdjacentExchange,
};

// Which way an exchange sort goes: order "a" puts text in ascending order and numbers largest
// first; order "d" text descending and numbers smallest first.
enum class TExchangeOrder
{
    A,
    D,
};

struct TRowSortRule
{
    TRowSortMethod method = TRowSortMethod::RandomPivot;
    QList<int> numericColumns;   // RandomPivot: the columns compared as numbers
    bool absoluteValues = false; // RandomPivot: numbers compared without their sign
    QList<int> textColumns;      // AdjacentExchange: the columns compared as text
    TExchangeOrder order = TExchangeOrder::A;
    double blankValue = 1000.0;
};

// The analysis pages: columns 7, 8, 9 and 11 to 14 by absolute value.
TRowSortRule PageSortRule();
// The first pages: columns 7, 8, 9, 11, 13, 14 and 15 by signed value.
TRowSortRule FirstPageSortRule();
// The coupon analysis screen: columns 2 and 18 as text, the others as numbers.
TRowSortRule AnalysisSortRule(TExchangeOrder order);

// Draws a whole number in low..high, both included.
using TPivotPicker = std::function<int(int low, int high)>;

// Sorts the rows (each a list of cells) by the column. The random pivots come from the picker
// (the program's random source when none is given). Numbers take "," or "." as decimal mark.
void SortRows(QList<QStringList> &rows, int column, const TRowSortRule &rule,
              const TPivotPicker &picker = {});

} // namespace tav::coupons

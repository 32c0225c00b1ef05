#pragma once

#include <QStringList>

namespace tav::coupons {

// The colours of the coupon analysis grid's marks; the painters turn them into colours of their own
// surface. GridColour leaves the colour the cell already has.
enum class TAnalysisMark
{
    GridColour,
    Green,     // the highest of a triple, or the result's cell holding the highest; a proposal that came out
    Blue,      // the middle of a triple
    Orange,    // the lowest of a triple; a proposal that did not come out
    Favourite, // the odds of the result's sign when it had the lowest odds
};

// How one cell of a data row is painted: a marked cell is filled in its mark's colour and its text
// written again in bold; an unmarked cell keeps the grid's own painting.
struct TAnalysisCellPaint
{
    bool Marked = false;
    TAnalysisMark Mark = TAnalysisMark::GridColour;
};

// The marks of the estimate triples (columns 6 to 17), the odds (20 to 25) and the proposal
// columns (27 to 29) of one data row, judged against the row's result sign in column 18 ("?" while
// unplayed). A cell that holds no number counts as empty: a triple with an empty cell stays
// unmarked, and odds that are not all numbers show no favourite.
TAnalysisCellPaint AnalysisCellPaint(const QStringList &row, int column);

} // namespace tav::coupons

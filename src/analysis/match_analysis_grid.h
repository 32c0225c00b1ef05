#pragma once

#include <QChar>
#include <QList>
#include <QStringList>

namespace tav::analysis {

// The marks of a match analysis cell: the three outcomes of an unplayed match ranked first, second
// and third, and the outcome of a played one judged against its figures.
enum class TAnalysisMark
{
    None,
    First,
    Second,
    Third,
    FavouriteWon // the odds of the outcome that came were the lowest
};

// The form, extra estimate and odds columns: drawn in bold, and the only ones marked.
bool IsMarkedColumn(int column);

// The mark of a cell of a row of cell texts; None outside the marked columns.
TAnalysisMark AnalysisCellMark(const QStringList &row, int column);

// The columns whose heading sorts the rows, and the order they sort in: 'a' for the largest
// figure first (the texts in ascending order), 'd' for the smallest first.
bool IsSortColumn(int column);
QChar SortKindOf(int column);

// Sorts the rows by the column, keeping rows of equal cells in their order, and numbers them again.
// Texts (competition code, result sign) compare by character codes, and a row with a blank text
// keeps its place; figures compare as numbers, a blank one as 1000, so that under the coupon and
// odds-percentage columns rows without a figure come last, and under the odds first. Blank cells
// of those columns stay blank.
void SortGridByColumn(QList<QStringList> &rows, int column, QChar kind);

} // namespace tav::analysis

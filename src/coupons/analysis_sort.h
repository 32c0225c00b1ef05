#pragma once

#include "coupons/row_sort.h"

#include <QList>
#include <QStringList>
#include <QtCore/qnamespace.h>

#include <optional>

namespace tav::coupons {

// The order a mouse button let go over the analysis grid's cell (col, row) sorts by: only the left
// button on the title of the competition code (2) or of columns 6 to 25 sorts. The codes and the
// odds (2, 19, 23 to 25) go by order "d", the estimates, the sign and the odds' percentages by "a".
std::optional<TExchangeOrder> AnalysisTitleSortOrder(Qt::MouseButton button, int col, int row);

// Sorts the rows fromRow..toRow of the grid's rows (indexed as in the grid, the titles in row 0)
// by the column with the analysis grid's ordering, then numbers each of them by its row in "A/A".
// The competition code and the sign sort as text, other columns as numbers with a blank cell, or
// one that is no number, taken as 1000; no cell's text is changed by the sort.
void SortAnalysisRows(QList<QStringList> &rows, int fromRow, TExchangeOrder order, int col, int toRow);

} // namespace tav::coupons

#pragma once

#include "coupons/row_sort.h"

class TStringGrid;

namespace tav::coupons {

// Sorts the grid's rows fromRow..toRow (all data rows when toRow is negative) by the column with
// the rule, every cell of a row moving with it, under the hourglass. The random-pivot ordering
// makes the first data row current afterwards.
void SortGridRows(TStringGrid &grid, int column, const TRowSortRule &rule, int fromRow = -1, int toRow = -1,
                  const TPivotPicker &picker = {});

} // namespace tav::coupons

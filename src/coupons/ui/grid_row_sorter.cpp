#include "coupons/ui/grid_row_sorter.h"

#include "platform/ui/string_grid.h"
#include "platform/ui/wait_cursor.h"

namespace tav::coupons {

void SortGridRows(TStringGrid &grid, int column, const TRowSortRule &rule, int fromRow, int toRow,
                  const TPivotPicker &picker)
{
    const TWaitCursor hourglass;
    const int first = fromRow < 0 ? grid.FixedRows() : fromRow;
    const int last = toRow < 0 ? grid.RowCount() - 1 : toRow;
    QList<QStringList> rows;
    for (int row = first; row <= last; ++row) {
        QStringList cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cells(col, row));
        rows.append(cells);
    }
    SortRows(rows, column, rule, picker);
    for (int row = first; row <= last; ++row) {
        const QStringList &cells = rows[row - first];
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCell(col, row, cells.value(col));
    }
    if (rule.method == TRowSortMethod::RandomPivot && grid.RowCount() > grid.FixedRows())
        grid.SetRow(grid.FixedRows());
}

} // namespace tav::coupons

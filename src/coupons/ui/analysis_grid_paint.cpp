#include "coupons/ui/analysis_grid_paint.h"

#include "coupons/analysis_sort.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/wait_cursor.h"

namespace tav::coupons {

namespace {

const QColor kGreen(155, 241, 153);
const QColor kBlue(153, 241, 255);
const QColor kOrange(247, 179, 105);
const QColor kFavourite(22, 208, 79);

} // namespace

QStringList AnalysisRowCells(const TStringGrid &grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid.ColCount(); ++col)
        cells.append(grid.Cells(col, row));
    return cells;
}

QColor AnalysisMarkColour(TAnalysisMark mark, const QColor &usual)
{
    switch (mark) {
    case TAnalysisMark::Green:
        return kGreen;
    case TAnalysisMark::Blue:
        return kBlue;
    case TAnalysisMark::Orange:
        return kOrange;
    case TAnalysisMark::Favourite:
        return kFavourite;
    case TAnalysisMark::GridColour:
        break;
    }
    return usual;
}

bool PrepareAnalysisCell(const QStringList &row, int col, TCanvas &canvas)
{
    const TAnalysisCellPaint paint = AnalysisCellPaint(row, col);
    if (!paint.Marked)
        return false;
    canvas.Font.Style = {fsBold};
    if (paint.Mark != TAnalysisMark::GridColour)
        canvas.Brush = {AnalysisMarkColour(paint.Mark, canvas.Brush.Color), bsSolid};
    return true;
}

void DrawAnalysisCell(const TStringGrid &grid, int col, int row, const TRect &rect, TCanvas &canvas)
{
    if (row < 1)
        return;
    const QStringList cells = AnalysisRowCells(grid, row);
    if (!PrepareAnalysisCell(cells, col, canvas))
        return;
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top + 2, cells.value(col));
}

bool AnalysisGridMouseUp(TStringGrid &grid, Qt::MouseButton button, int x, int y)
{
    int col = -1;
    int row = -1;
    grid.MouseToCell(x, y, col, row);
    const std::optional<TExchangeOrder> order = AnalysisTitleSortOrder(button, col, row);
    if (!order)
        return false;
    const TWaitCursor hourglass;
    QList<QStringList> rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.append(AnalysisRowCells(grid, r));
    SortAnalysisRows(rows, 1, *order, col, grid.RowCount() - 1);
    for (int r = 1; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, rows[r].value(c));
    }
    return true;
}

} // namespace tav::coupons

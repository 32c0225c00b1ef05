#pragma once

#include "coupons/analysis_cell_marks.h"

#include <QColor>
#include <QtCore/qnamespace.h>

class TCanvas;
class TStringGrid;
struct TRect;

namespace tav::coupons {

// The texts of one row of the grid, a cell per column.
QStringList AnalysisRowCells(const TStringGrid &grid, int row);

// The colour of a mark on screen and on paper; GridColour gives back the usual colour.
QColor AnalysisMarkColour(TAnalysisMark mark, const QColor &usual);

// Sets the canvas for a cell of a data row of the analysis grid: a marked cell gets the bold type
// and its mark's colour as brush (or keeps the brush it has); true when the cell is marked.
bool PrepareAnalysisCell(const QStringList &row, int col, TCanvas &canvas);

// Paints a cell of the analysis grid after the grid has painted it as usual, as the grid's
// OnDrawCell: a marked cell of a data row is filled again and its text written 2 pixels in from
// the top-left corner, in bold; the titles and the other cells keep the grid's painting.
void DrawAnalysisCell(const TStringGrid &grid, int col, int row, const TRect &rect, TCanvas &canvas);

// A mouse button let go at (x, y) of the analysis grid's cell area: a left click on a sortable
// title sorts the data rows by that column under the hourglass and numbers them again in "A/A".
// True when it sorted.
bool AnalysisGridMouseUp(TStringGrid &grid, Qt::MouseButton button, int x, int y);

} // namespace tav::coupons

#pragma once

#include "analysis/standings_engine.h"
#include "platform/ui/string_grid.h"

#include <QStringList>
#include <QVariant>

class QVBoxLayout;
class QWidget;
class TColumnBands;

namespace tav::analysis {

// The grid of a league table as the league table windows show it: the block captions over the
// overall, home and away columns, the column titles (a click on one orders the table) and the
// grid of 23 columns, one row per team, its cells drawn by the window.
struct TStandingsGridView
{
    TColumnBands *HeaderControl1 = nullptr;
    TColumnBands *HeaderControl2 = nullptr;
    TStringGrid *SGrd = nullptr;
};

// Makes the grid with its captions and titles and puts them at the end of the layout, the grid
// taking the room left; the captions and titles sit on the grid like its own header rows.
TStandingsGridView NewStandingsGrid(QWidget *parent, QVBoxLayout *layout);

// Writes the cell texts of one team into a row of the grid.
void SetStandingsRow(TStringGrid &grid, int row, const QStringList &cells);

// The widths of the columns: those of the titles over them, less the grid's line between columns.
void SetStandingsColumnWidths(TStringGrid &grid);

// Draws a cell of the grid: the name left, the goals centred, the numbers right, in the colour of
// the row's place mark unless the cell is drawn selected alone or focused alone.
void DrawStandingsCell(const QString &text, int col, const TRect &rect, TGridDrawState state, TCanvas &canvas,
                       TPlaceMark mark);

// Moves the data module's countries to the country of category katNo, whose flag the league table
// windows show; a null number or a category without country leaves them where they are.
void ShowCategoryCountry(const QVariant &katNo);

} // namespace tav::analysis

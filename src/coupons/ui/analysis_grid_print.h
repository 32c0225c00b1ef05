#pragma once

#include "platform/ui/paged_print.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class TStringGrid;

namespace tav::coupons {

// The colour modes of the analysis printout, as the items of the colour dialog.
enum TAnalysisPrintColour
{
    apColour = 0,
    apBlackAndWhite = 1,
};

// The analysis grid's columns that go on paper, and their printed titles: the dates to the
// head-to-head estimate, then the averages to "A/A"; the standings-neighbour estimate, the
// proposal and any later column stay off paper.
QList<int> AnalysisPrintedColumns();
QStringList AnalysisPrintedTitles();

// Prints the analysis grid: on every page the caption with today's date, a credit line and the
// titles, then a line per data row from the state's first row (grid rows; -1: from row 1) up to its
// last row (-1: no limit), ending at the first row without a time ("ΩΡΑ"). In colour the cells of
// the estimates and the odds are filled with their marks and printed bold from the first marked
// cell to the end of the page; in black and white nothing is filled. Lines wider than the page
// are printed across the page turned, for this job only. The window is out of use while it
// prints. An error of the printer aborts the job and is raised.
void PrintAnalysisGrid(TStringGrid &grid, const QString &caption, TAnalysisPrintColour colour,
                       TGridPrintState &state, QWidget *window);

// The print command: asks for the colour, the rows and the printer, then prints; a cancelled
// dialog prints nothing, and a range that is no whole number shows the conversion message.
void PrintAnalysisGridAsked(TStringGrid &grid, const QString &caption, TGridPrintState &state,
                            QWidget *window);

} // namespace tav::coupons

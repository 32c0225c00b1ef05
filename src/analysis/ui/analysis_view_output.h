#pragma once

#include "analysis/analysis_page_head.h"
#include "platform/ui/paged_print.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;
class TStringGrid;
class TTavrolinDM;

// What the prediction and head-to-head windows share in their printouts and files.

namespace tav::analysis {

// The program line of the printouts.
QString GridProgramLine();
// The window's caption, four blanks and today's date.
QString GridCaptionLine(const QString &caption);
// The cells of a grid row from column first to last, each as wide on paper as on screen.
TGridLine GridLineOf(const TStringGrid &grid, int row, int first, int last);
// Asks for the printer and prints the document with the window out of use meanwhile; an error
// of the printer is shown.
void PrintWindowGrid(QWidget &window, TGridPageDescription document);

// The texts of the grid rows first to last, every column.
std::vector<QStringList> GridRows(const TStringGrid &grid, int first, int last);
// The head of a page of the listed matchday: the competition under the cursor as its names are
// now shown, the window's matchday label, the matchday text and the date of one of its matches
// (none when the text is no matchday or the date cannot be read).
TAnalysisPageHead MatchdayPageHead(TTavrolinDM &dm, const QString &label, const QString &matchday);
// Narrows the data module's matches to a matchday of the competition under the cursor, the
// matches without group.
void RangeOnMatchday(TTavrolinDM &dm, int matchday);

} // namespace tav::analysis

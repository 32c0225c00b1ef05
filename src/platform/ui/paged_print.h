#pragma once

#include "platform/ui/canvas.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TPrinter;

// A column of a printed table: its title, the width asked for it in device pixels (widened to
// what its title needs) and where its texts sit.
struct TPrintColumn
{
    QString Title;
    int Width = 0;
    TAlignment Alignment = taLeftJustify;
};

// A title over a run of printed columns, from the first to the last (counted from 0).
struct TPrintBand
{
    QString Title;
    int FirstColumn = 0;
    int LastColumn = 0;
};

// Which printed lines of the table are ruled off beneath.
enum TPrintRules
{
    prNone,
    prUnderTitles,
    prUnderEveryLine
};

// Room kept free on each side of the printable area, in device pixels.
struct TPrintMargins
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A paged printout: head lines on top of every page (those of the first page and those of the
// later ones), the column titles, one line of cells per row, and summary lines after the rows.
//
// Lines are as high as the text "X" in the table's type plus a tenth of an inch, and each head or
// summary line is followed by another tenth. A row that would pass the page's bottom starts a new
// page with the head and the titles again; a page always takes at least one row.
//
// Nothing is cut off unseen: a head or summary line wider than the page wraps at its spaces (a
// single word wider than the page alone is set smaller). The columns are widened to their titles,
// and a table wider than the page is set in smaller type, down to kSmallestPrintSize, and then
// narrowed to the page. A cell wider than its column is set smaller on its own, down to
// kSmallestPrintSize too: below that, type stops being readable on paper, so the end of what
// still does not fit is replaced by "…", which at least shows the reader that text is missing.
struct TPrintDocument
{
    QString Title; // the name of the job
    QStringList FirstHead;
    QStringList LaterHead;
    // The type of the head and summary lines, and whether they are centred on the page.
    TFont HeadFont;
    bool HeadCentred = false;
    QList<TPrintColumn> Columns;
    // Titles over runs of columns, printed in the titles' style on a line of their own above the
    // column titles; none by default.
    QList<TPrintBand> Bands;
    TFontStyles TitleStyle{fsBold};
    QList<QStringList> Rows;
    QStringList Summary;

    TPrintMargins Margins;
    // The least room between two columns, kept right of each column's texts.
    int ColumnGap = 0;
    // Columns are widened to their cells' texts too, not only to their titles.
    bool ColumnsFitCells = false;
    TPrintRules Rules = prNone;
    // Where a rule lies below the top of its line (none: at the line's bottom); the next line
    // starts a tenth of an inch below the rule.
    std::optional<int> RuleDrop;
    // The page is tested after each row instead of before it, the last row too: a last row that
    // fills its page is followed by a page with the head alone.
    bool TestPageAfterRow = false;
    // Runs once when the job has begun and before each row, so that the program keeps answering
    // during a long printout.
    std::function<void()> BeforeRow;
};

// Prints the document as one job on the printer. Raises EPrinter when the job cannot start or go
// on; a job that fails half-way is aborted.
void PrintPages(TPrinter &printer, const TPrintDocument &document);

// --- Grid pages ---
//
// The printout of an analysis window's grid: centred title lines, a bold underlined column header,
// then one line per row whose cells sit side by side in columns as wide on paper as on screen,
// and a new page with its own title lines and the header again whenever the next line would not
// fit. The page is tested after each row, so a last row that fills its page is followed by a page
// with the title lines and the header alone.

// The print state of a grid printout, in device pixels of the printer; set at the start of every job.
struct TGridPrintState
{
    int PrnPixelsX = 0;    // horizontal resolution, pixels per inch
    int PrnGap = 0;        // a tenth of an inch down the page
    int PrnLineHeight = 0; // the height of "X" in the rows' type, and a gap
    int PrnY = 0;          // where the next line starts on the current page
    // The first and last row to print (counted from 0); -1: from the first, to the last.
    int PrnFromRow = -1;
    int PrnToRow = -1;
};

// A cell of a printed grid line: its text and its width in tenths of an inch.
struct TGridCell
{
    QString Text;
    int Tenths = 0;
};
using TGridLine = QList<TGridCell>;

// The tenths of an inch a screen column of that many pixels takes on paper (100 pixels: an inch).
int ScreenWidthTenths(int screenPixels);

// How the lines of cells are spaced and ruled.
enum TGridLayout
{
    glPlain,          // a fifth of an inch from line to line
    glRuledRows,      // each line ruled off beneath, a fifth of an inch apart
    glRuledRowsClear, // as glRuledRows, but never less apart than a line is high, so that large
                      // type does not run into the next line
    glRuledCells,     // each cell ruled on its left and each line beneath, a fifth of an inch apart
    glCrossTable      // each cell ruled on its left and each line beneath, a quarter of an inch apart,
                      // title lines closer together and pages filled further down
};

struct TGridPageDescription
{
    QString Title; // the name of the job
    // The title lines of the first page and of every later one; an empty text is an empty line.
    QStringList FirstHead;
    QStringList LaterHead;
    // The type of the title lines: none, the printer's type at 12 points.
    std::optional<TFont> HeadFont;
    // One or two lines of column titles.
    QList<TGridLine> Header;
    QList<TGridLine> Rows;
    // The rows end at the first whose second cell is empty, as the grids that keep blank rows
    // below their last one.
    bool EndAtBlankSecondCell = false;
    // Centred lines after the rows and an empty line, tested against the page's end like rows.
    QStringList Summary;
    TGridLayout Layout = glPlain;
    // Takes the window out of use for the job and gives it back, on every way out.
    std::function<void(bool enabled)> EnableWindow;
    // Sets the canvas for a cell of a row (both counted from 0) before the cell is filled with the
    // brush and written; the brush comes back after each line, the type is left as set. None:
    // every cell prints on the canvas's brush.
    std::function<void(qsizetype row, qsizetype cell, TCanvas &canvas)> BeforeCell;
    // Runs once when the document has begun and before each row, so that the program keeps
    // answering during a long printout.
    std::function<void()> BeforeRow;
};

// One line of the title, centred across the page at PrnY in the head's type; a line wider than
// the page is set smaller until it fits.
void PrintCentredLine(TPrinter &printer, TGridPrintState &state, const TGridPageDescription &document,
                      const QString &text);
// One line of cells in the canvas's type, each cut at its column's right edge; beforeCell, when
// given, sets the canvas for each cell (counted from 0), and the brush comes back after the line.
void PrintColumns(TPrinter &printer, TGridPrintState &state, TGridLayout layout, const TGridLine &cells,
                  const std::function<void(qsizetype cell, TCanvas &canvas)> &beforeCell = {});
// The header lines, bold and underlined.
void PrintColumnHeader(TPrinter &printer, TGridPrintState &state, const TGridPageDescription &document);

// Prints the document as one job; the state's row range chooses the rows. An error of the printer
// aborts the job, so no half document is left, and gives the window back before it is raised.
void PrintGridPages(TPrinter &printer, const TGridPageDescription &document, TGridPrintState &state);

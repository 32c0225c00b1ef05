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

#pragma once

#include "platform/ui/canvas.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TPrinter;

namespace tav::analysis {

// A printed column of the league table: its title, its width in tenths of an inch and where its
// texts sit.
struct TLeagueTablePrintColumn
{
    QString Title;
    int Width = 0;
    TAlignment Alignment = taRightJustify;
};

// A title over a run of printed columns (the overall, home and away blocks).
struct TLeagueTablePrintBlock
{
    QString Title;
    int FirstColumn = 0;
    int LastColumn = 0;
};

// What the printout of the league table shows: the head texts and their font, the block titles
// over the columns, the columns and one row of cells per team.
struct TLeagueTablePrintPage
{
    QString Caption;
    QDate Today;
    QString Season;
    QString Category;
    QString StartMatchday;
    QString Matchday;
    TFont HeadFont;
    QList<TLeagueTablePrintBlock> Blocks;
    QList<TLeagueTablePrintColumn> Columns;
    QList<QStringList> Rows;
    // Runs before each row so that the program keeps answering during a long printout.
    std::function<void()> BeforeRow;
};

// The printed width of a column in tenths of an inch, from its width on the screen.
int LeagueTablePrintWidth(int screenPixels);

// The centred lines of the page head: the caption and the printing date, the program's line, an
// empty line, the season and category, the start matchday and the matchday.
QStringList LeagueTablePageHead(const TLeagueTablePrintPage &page);

// Prints the table: on every page the head, the block titles and the column titles in bold, then
// the rows, a new page when the next row would not fit. Raises EPrinter when the job cannot start
// or go on.
void PrintLeagueTable(TPrinter &printer, const TLeagueTablePrintPage &page);

} // namespace tav::analysis

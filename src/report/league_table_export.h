#pragma once

#include "report/export_language.h"

#include <QList>
#include <QString>
#include <QStringList>

// The files of a league table: the text per language (and the DOS copy of the Greek one), the
// tab-separated file for desktop publishing, the web page of the table and the web page of its
// fourteen special orderings. The writers take the table as the window shows it, already read in
// the language of the pass, so they can be driven without a window.

namespace tav::report {

// The cells of one row of the league table as the window shows them: place, team name, then the
// seven figures of the overall, home and away blocks.
inline constexpr int LeagueTableColumns = 23;

// A team that starts the season with points taken off: its names and the (negative) points.
struct TLeagueTablePenalty
{
    QString GrName;
    QString EnName;
    int Timvria = 0;
};

// One table of teams in the order shown, with the notes of its penalised teams in that order.
struct TLeagueTableRows
{
    QList<QStringList> Rows; // LeagueTableColumns cells each
    QList<TLeagueTablePenalty> Penalties;
};

// Where a competition marks its places: the title places, the promotion places after them and the
// relegation places at the bottom of its declared number of teams.
struct TLeagueTableMarks
{
    int Omades = 0;
    int Champions = 0;
    int OmadesUp = 0;
    int OmadesDn = 0;
};

struct TLeagueTableExport
{
    QString Onomasia;        // season, ", ", competition name: first line and page title
    QString CompetitionName; // the competition's name alone, a heading of the pages
    QString Caption;         // the window's caption: the ordering shown, a heading in Greek
    QString Matchday;        // the matchday as the window shows it
    QString MatchdayDate;    // the date of the matchday, for the pages' headings
    TLeagueTableMarks Marks;
    TLeagueTableRows Table;
};

// One special ordering for its page: the column (and title section) it orders by and the table in
// that order.
struct TSpecialOrdering
{
    int Column = 0;
    TLeagueTableRows Table;
};

// The columns of the fourteen special orderings, in the order the page shows them.
inline constexpr int SpecialOrderingColumns[] = {4, 5, 6, 7, 9, 11, 12, 13, 14, 16, 18, 19, 20, 21};

// The competition's name, the ordering or fixed title, the matchday, the column titles and one
// fixed-column line per team; code page 1253, CR LF.
void WriteLeagueTableText(const QString &path, TExportLanguage language, const TLeagueTableExport &table);

// The Greek text's lines in code page 737.
void WriteLeagueTableDosText(const QString &path, const TLeagueTableExport &table);

// One line per team: the 23 cells separated by tabs; no heading.
void WriteLeagueTableQXpress(const QString &path, const TLeagueTableExport &table);

// The web page of the table: headings, the title rows, one coloured row per team, the notes of the
// penalised teams, the back link and the program's line.
void WriteLeagueTablePage(const QString &path, TExportLanguage language, const TLeagueTableExport &table);

// The web page of the special orderings: the headings of the table and one table per ordering, the
// ordering's column in red.
void WriteSpecialOrderingsPage(const QString &path, TExportLanguage language, const TLeagueTableExport &table,
                               const QList<TSpecialOrdering> &orderings);

} // namespace tav::report

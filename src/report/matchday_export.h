#pragma once

#include "report/export_language.h"

#include <QList>
#include <QString>
#include <QVariant>

class TTable;
class TTavrolinDM;

// The files of one matchday of the match list: the text per language (and the DOS copy of the
// Greek one), the tab-separated listing for desktop publishing and the web page. The writers take
// what they print already read, in the language of the pass, so they can be driven without a window.

namespace tav::report {

struct TMatchdayExportRow
{
    QString Date;
    QString Home;
    QString Away;
    QString Teams; // home, " - ", away
    QString Score; // "%2d-%2d", or "? - ?" for a match without result
};

struct TMatchdayExport
{
    QString Onomasia; // season, ", ", competition name: the heading and page title
    QString Matchday; // the matchday as the match list shows it
    QList<TMatchdayExportRow> Rows;
};

// One matchday of the competition under the data module's cursor, as an export names it.
struct TMatchdayChoice
{
    QVariant DNo;
    QString Matchday; // the matchday's text, as the match list's edit shows it
    QString Group;    // a cup's group, which also names the pages; empty for every other competition
};

// The files of a matchday an export writes in one language.
struct TMatchdayFileKinds
{
    QString FileName; // of the text, DOS and listing files, without folder or extension
    bool Text = false;
    bool DosCopy = false; // beside the Greek text
    bool Page = false;
    bool Keywords = false; // the page's search-word lines
    bool Listing = false;
    QString PageNumber; // when given, the page is written again into "htm1" under this number
};

// Restricts the matches to one matchday of a competition on the index "DiorgNo;Agvnistikh;Omilos;
// Date"; the group is null for every competition but a cup.
void ApplyMatchdayRange(TTable &matches, const QVariant &dNo, int matchday, const QVariant &group);

// The competition under the cursor and the matches of the current range, with the names in the
// language the data module shows them in.
TMatchdayExport ReadMatchdayExport(TTavrolinDM &dm, const QString &matchday);

// "%-10s %-20S-%-20s %-5s" lines in Greek, "%-10s %-15S-%-15s %-5s" in English and Italian, under
// the competition, the matchday line and the column titles; code page 1253, CR LF.
void WriteMatchdayText(const QString &path, TExportLanguage language, const TMatchdayExport &matchday);

// The Greek text's lines in code page 737.
void WriteMatchdayDosText(const QString &path, const TMatchdayExport &matchday);

// One line per match: date, home, away and score separated by tabs; no heading.
void WriteMatchdayListing(const QString &path, const TMatchdayExport &matchday);

// The web page: the competition and matchday as headings and a table of date, teams and score.
void WriteMatchdayPage(const QString &path, TExportLanguage language, const TMatchdayExport &matchday,
                       bool keywords);

class TNameLanguageSwitch;

// One language pass of a matchday export: switches the names to the language, narrows the matches
// to the matchday and writes the chosen files into their folders. The web pages are named after
// the competition; the Greek page lower-cases the code's sub-letter, the others keep it as stored.
// A file that cannot be written raises EInOutError naming it; the files written before it stay.
void WriteMatchdayFiles(TTavrolinDM &dm, TNameLanguageSwitch &names, TExportLanguage language,
                        const TMatchdayChoice &matchday, const TMatchdayFileKinds &kinds);

} // namespace tav::report

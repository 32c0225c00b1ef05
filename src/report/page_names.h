#pragma once

#include "report/export_language.h"

#include <QString>

class TTavrolinDM;

// The names exported files take: web pages are named after their competition and matchday, text
// files after the name the user confirms in the export options.

namespace tav::report {

// The kinds of web page, each named by its page letter and kind letter.
enum class TPageKind
{
    MatchList,        // "a" … "n"
    Standings,        // "b" … "n"
    SpecialOrderings, // "b" … "e"
    Prediction,       // "a" … "p"
    SuggestedOdds,    // "a" … "o"
    History,          // "a" … "r"
    ResultsGrid,      // "a" … "s"
};

// Whether the sub-letter of a competition's code keeps the case it is stored in.
enum class TSubLetterCase
{
    Lower,
    AsStored,
};

// The pieces a competition's code is built from: the country's code, the competition's type, the
// category's code and the group the calling view shows (cups only).
struct TCompetitionCodeParts
{
    QString CountryCode;
    int Typos = 0;
    QString CategoryCode;
    QString Group;
};

// The code that names a competition in web page names: the country code in lower case cut to two
// characters, then "p" and the first character of the category's code for a league, "k" and the
// first character of the group for a cup, nothing more for any other type.
QString CompetitionFileCode(const TCompetitionCodeParts &parts, TSubLetterCase subLetterCase);

// The pieces of the competition under the cursor of the data module's competitions; its country
// and category are looked up afresh.
TCompetitionCodeParts CompetitionCodeParts(TTavrolinDM &dm, const QString &group);

// CompetitionFileCode of the competition under the cursor.
QString CompetitionFileCode(TTavrolinDM &dm, const QString &group, TSubLetterCase subLetterCase);

// The two-digit number of a matchday text: its first two characters, "0" in front of a single one.
QString MatchdayNumber(const QString &matchdayText);

// The web page's file name (without its folder): language prefix, competition code, page letter,
// matchday number, kind letter and ".html". Path separators in the code become "_", so a stored
// code can never place a page outside its folder.
QString PageFileName(TExportLanguage language, const QString &competitionCode, TPageKind kind,
                     const QString &matchdayText);

// The file name a view proposes in the export options: the competition's file name, the view's
// letter and the matchday text (none for the results grid).
QString ProposedFileName(const QString &competitionFileName, QChar viewLetter, const QString &matchdayText);

// A file name the user typed or a name was built into, checked before anything is written: path
// separators become "_"; a name that is "." or ".." after that raises EInOutError with a Greek
// message naming it.
QString CheckedFileName(const QString &name);

} // namespace tav::report

#pragma once

#include "report/export_language.h"
#include "report/page_names.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TTavrolinDM;

// The save and the bulk export of the analysis views (predictions, odds, head-to-head history,
// results grid): which files a run writes, where, under which names and in which order, with the
// names of the data module in the language being written. The views supply their writers; the
// options come from the dialogs, read once when they close with OK, so a run needs no dialog.

namespace tav::report {

// The kinds of file, in the order every export writes them.
enum class TExportKind
{
    Text,    // ".txt" in "GR/txt", "EN/txt", "IT/txt"
    Page,    // ".html" in "htm" (or "htm1"), under the competition's coded name
    Desktop, // ".doc" in "GR/QXpress", "EN/QXpress", "IT/QXpress", for desktop publishing
};

inline constexpr TExportKind ExportKinds[] = {TExportKind::Text, TExportKind::Page, TExportKind::Desktop};

// What an export dialog asked for.
struct TExportOptions
{
    QList<TExportLanguage> Languages;
    QList<TExportKind> Kinds;
    QString FileName; // of the text and desktop-publishing files, without folder or extension
    // The pages of a bulk export go into "htm1" instead of "htm".
    bool NumberedPages = false;
};

// One analysis view as its exports write it.
struct TAnalysisView
{
    TPageKind Page = TPageKind::Prediction;
    // The page names always take a league's code ("p" and the category's code) whatever the type of
    // the competition: the results grid.
    bool LeagueCode = false;
    // The page goes into "GR/htm", "EN/htm" or "IT/htm" under the file name typed: the odds saved
    // on their own.
    bool PageUnderFileName = false;
    // The desktop-publishing file takes the page's coded name instead of the file name typed, so
    // that the competitions of a bulk export do not overwrite each other's file.
    bool DesktopUnderPageName = false;
    // The names of the data module follow the language written.
    bool SwitchesNames = true;
    // The group the match list shows, which names a cup's pages.
    QString Group;
    // The matchday text of the page names, asked for each competition once it is current.
    std::function<QString()> Matchday;
    // The writers, each creating or overwriting one file: (path, language). A view without a writer
    // of a kind writes no file of it, and the user is told so once per run.
    std::function<void(const QString &path, TExportLanguage language)> WriteText;
    std::function<void(const QString &path, TExportLanguage language)> WritePage;
    std::function<void(const QString &path, TExportLanguage language)> WriteDesktop;
    // Lets the view show its texts in the language about to be written, and in Greek at the end.
    std::function<void(TExportLanguage language)> Refresh;
    // A bulk export readies the competition under the cursor for its pass number `pass` (0, 1, ...)
    // and writes it, until this answers false; a competition answering false at once is passed
    // over. Without it every competition is written once as it stands.
    std::function<bool(int pass)> Prepare;
};

// The path of the file of a kind in a language for the competition under the cursor of the data
// module's competitions; the folder is created when missing (EInOutError when it cannot be).
QString AnalysisFilePath(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options,
                         TExportKind kind, TExportLanguage language);

// Writes the files of the competition under the cursor: for each language in order, each kind in
// order. A file that cannot be written ends the run with an error message naming it; the files
// written before it stay. On every way out the names are Greek again and the view is refreshed in
// Greek. True when the run came to its end.
bool RunAnalysisExport(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options);

// The same for every competition of the season the Greek category names name, in their order,
// pass by pass as the view prepares them; a name without a competition in the season is passed
// over. The current competition stays on the last one visited. Returns the number of
// competitions written, or -1 when a file failed.
int RunMassAnalysisExport(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options,
                          const QString &season, const QStringList &competitions);

} // namespace tav::report

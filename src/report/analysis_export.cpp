#include "report/analysis_export.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "report/export_folders.h"
#include "report/name_language.h"

#include <QFileInfo>

#include <optional>

namespace tav::report {

namespace {

const char *const kNotWritten = "Η προβολή αυτή δεν δημιουργεί: %1.";

using TWriter = std::function<void(const QString &path, TExportLanguage language)>;

// The kind as the export dialogs name it.
QString KindCaption(TExportKind kind)
{
    switch (kind) {
    case TExportKind::Text:
        return QString::fromUtf8("Αρχείο Κειμένου");
    case TExportKind::Page:
        return QString::fromUtf8("Σελίδα Internet");
    case TExportKind::Desktop:
        break;
    }
    return QString::fromUtf8("Κείμενο για QXpress");
}

const TWriter &WriterOf(const TAnalysisView &view, TExportKind kind)
{
    switch (kind) {
    case TExportKind::Text:
        return view.WriteText;
    case TExportKind::Page:
        return view.WritePage;
    case TExportKind::Desktop:
        break;
    }
    return view.WriteDesktop;
}

// The kinds asked for that the view does not write, told before anything is written.
void TellUnwritten(const TAnalysisView &view, const TExportOptions &options)
{
    QStringList unwritten;
    for (const TExportKind kind : ExportKinds)
        if (options.Kinds.contains(kind) && !WriterOf(view, kind))
            unwritten.append(KindCaption(kind));
    if (!unwritten.isEmpty())
        MessageDlg(QString::fromUtf8(kNotWritten).arg(unwritten.join(QStringLiteral(", "))), mtInformation,
                   {mbOK});
}

void WriteCompetition(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options,
                      TNameLanguageSwitch *names)
{
    for (const TExportLanguage language : ExportLanguages) {
        if (!options.Languages.contains(language))
            continue;
        if (names)
            names->Switch(language);
        if (view.Refresh)
            view.Refresh(language);
        for (const TExportKind kind : ExportKinds)
            if (const TWriter &write = WriterOf(view, kind); options.Kinds.contains(kind) && write)
                write(AnalysisFilePath(dm, view, options, kind, language), language);
    }
}

// Runs the writing with the names switched on demand; whatever happens, the names are Greek again
// and the view shows Greek afterwards. An error is shown; false then.
template <class Writing>
bool Guarded(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options, Writing &&writing)
{
    TellUnwritten(view, options);
    std::optional<QString> failure;
    try {
        std::optional<TNameLanguageSwitch> names;
        if (view.SwitchesNames)
            names.emplace(dm, TExportLanguage::Greek);
        writing(names ? &*names : nullptr);
    } catch (const Exception &error) {
        failure = error.Message();
    }
    if (view.Refresh)
        view.Refresh(TExportLanguage::Greek);
    if (failure)
        MessageDlg(*failure, mtError, {mbOK});
    return !failure;
}

QString FileNamed(const TExportOptions &options, const char *extension)
{
    return CheckedFileName(options.FileName) + QLatin1String(extension);
}

} // namespace

QString AnalysisFilePath(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options,
                         TExportKind kind, TExportLanguage language)
{
    if (kind == TExportKind::Text)
        return InFolder(TextFolder(language), FileNamed(options, ".txt"));
    if (kind == TExportKind::Desktop && !view.DesktopUnderPageName)
        return InFolder(QXpressFolder(language), FileNamed(options, ".doc"));
    if (view.PageUnderFileName)
        return InFolder(OddsPageFolder(language), FileNamed(options, ".html"));
    TCompetitionCodeParts parts = CompetitionCodeParts(dm, view.Group);
    if (view.LeagueCode)
        parts.Typos = 0;
    const QString matchday = view.Matchday ? view.Matchday() : QString();
    const QString pageName =
        PageFileName(language, CompetitionFileCode(parts, TSubLetterCase::AsStored), view.Page, matchday);
    if (kind == TExportKind::Desktop)
        return InFolder(QXpressFolder(language),
                        QFileInfo(pageName).completeBaseName() + QStringLiteral(".doc"));
    return InFolder(options.NumberedPages ? NumberedPageFolder() : PageFolder(), pageName);
}

bool RunAnalysisExport(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options)
{
    return Guarded(dm, view, options,
                   [&](TNameLanguageSwitch *names) { WriteCompetition(dm, view, options, names); });
}

int RunMassAnalysisExport(TTavrolinDM &dm, const TAnalysisView &view, const TExportOptions &options,
                          const QString &season, const QStringList &competitions)
{
    int written = 0;
    const bool ended = Guarded(dm, view, options, [&](TNameLanguageSwitch *names) {
        for (const QString &competition : competitions) {
            if (!data::LocateCompetition(dm, {competition, season}))
                continue;
            int pass = 0;
            for (; view.Prepare ? view.Prepare(pass) : pass == 0; ++pass)
                WriteCompetition(dm, view, options, names);
            if (pass > 0)
                ++written;
        }
    });
    return ended ? written : -1;
}

} // namespace tav::report

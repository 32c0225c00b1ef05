// The results cross-table saved as web pages, alone or in bulk.
#include "analysis/plegma_pages.h"
#include "analysis/ui/analysis_view_output.h"
#include "analysis/ui/plegma_a_form.h"
#include "data/data_module.h"
#include "platform/core/modal_result.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/up_down_edit.h"
#include "report/page_names.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"

#include <QLineEdit>
#include <QSignalBlocker>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

// The numbered pages of a bulk export: one page per competition and language.
const char kNumberedMatchday[] = "01";

} // namespace

tav::report::TAnalysisView TPlegmaAForm::ExportView()
{
    tav::report::TAnalysisView view;
    view.Page = tav::report::TPageKind::ResultsGrid;
    view.LeagueCode = true;
    // The page shows the grid as it stands, its names too.
    view.SwitchesNames = false;
    view.Matchday = [this] { return AgvnEdit->Text(); };
    view.WritePage = [this](const QString &path, TExportLanguage language) {
        const TAnalysisPageHead page = MatchdayPageHead(TavrolinDM(), QString(), AgvnEdit->Text());
        const TPlegmaPageHead head{page.Onomasia, AgvnEdit->Text(), page.MatchdayDate.value_or(QString())};
        WriteGridHtml(path, language, head, GridRows(*PlegmaGrid, 0, PlegmaGrid->RowCount() - 1),
                      ColsPerTeam);
    };
    return view;
}

void TPlegmaAForm::Button1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    const QString fileName = dm.Diorganvseis.FieldByName(QStringLiteral("FileName")).AsString();
    TFileSaveForm &dialog = *FileSaveForm();
    if (dialog.ExecuteSave(tav::report::ProposedFileName(fileName, QLatin1Char('s'), QString())) != mrOk)
        return;
    RunAnalysisExport(dm, ExportView(), dialog.ExportOptions());
}

void TPlegmaAForm::RefreshFor(TExportLanguage language)
{
    TTavrolinDM &dm = TavrolinDM();
    if (dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger() != 0) {
        ClearPlegma();
        return;
    }
    BuildPlegma();
    if (language == TExportLanguage::Greek)
        return;
    std::map<int, QString> english;
    for (const TStandingsTeam &team : teams_)
        if (!team.EnName.trimmed().isEmpty())
            english.emplace(team.RecNo, team.EnName);
    RenamePlegmaTeams(plegma_, english);
    ShowPlegma();
}

void TPlegmaAForm::ExportAll()
{
    TTavrolinDM &dm = TavrolinDM();
    const TMassSaveForm &dialog = *MassSaveForm();
    const tav::report::TExportOptions options = dialog.ExportOptions(FileSaveForm()->FNameEdit->text());
    tav::report::TAnalysisView view = ExportView();
    // The category names follow the language written; the team names are the grid's own.
    view.SwitchesNames = true;
    if (options.NumberedPages)
        view.Matchday = [] { return QString::fromLatin1(kNumberedMatchday); };
    view.Prepare = [this, &dm](int pass) {
        // The window shows no cross-table of a cup, and neither do the pages.
        if (pass > 0 || dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger() != 0)
            return false;
        const QSignalBlocker blocker(AgvnEdit);
        AgvnEdit->SetPosition(NextMatchday());
        TakeRounds();
        return true;
    };
    view.Refresh = [this](TExportLanguage language) { RefreshFor(language); };
    RunMassAnalysisExport(dm, view, options, dialog.Season(), dialog.TickedCompetitions());
}

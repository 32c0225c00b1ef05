// The head-to-head history saved as pages and desktop-publishing files, alone or in bulk.
#include "analysis/history_pages.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "analysis/ui/analysis_view_output.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "data/data_module.h"
#include "platform/core/modal_result.h"
#include "platform/ui/showing_errors.h"
#include "report/page_names.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"

#include <QLabel>
#include <QLineEdit>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

// The numbered pages of a bulk export give the coming matchday the number of the second page.
const char *const kNumberedMatchday = "02";

} // namespace

tav::report::TAnalysisView TAgvnProistoriaForm::ExportView()
{
    tav::report::TAnalysisView view;
    view.Page = tav::report::TPageKind::History;
    view.Group = group_;
    view.Matchday = [this] { return pageMatchday_; };
    view.WritePage = [this](const QString &path, TExportLanguage language) {
        WriteHistoryHtml(path, language, MatchdayPageHead(TavrolinDM(), AgvnLabel->text(), matchday_),
                         GridRows(*ProistoriaGrid, 0, int(HistoryRows.size())), HistorySeasons);
    };
    view.WriteDesktop = [this](const QString &path, TExportLanguage language) {
        WriteHistoryQXpress(path, language, GridRows(*ProistoriaGrid, 0, int(HistoryRows.size())),
                            HistorySeasons);
    };
    view.Refresh = [this](TExportLanguage) { RetitleHistory(); };
    return view;
}

void TAgvnProistoriaForm::SaveButtonClick()
{
    TTavrolinDM &dm = TavrolinDM();
    const QString fileName = dm.Diorganvseis.FieldByName(QStringLiteral("FileName")).AsString();
    TFileSaveForm &dialog = *FileSaveForm();
    if (dialog.ExecuteSave(tav::report::ProposedFileName(fileName, QLatin1Char('r'), matchday_)) != mrOk)
        return;
    SetMatchday(matchday_);
    RunAnalysisExport(dm, ExportView(), dialog.ExportOptions());
}

void TAgvnProistoriaForm::ExportAll()
{
    TTavrolinDM &dm = TavrolinDM();
    const TMassSaveForm &dialog = *MassSaveForm();
    const tav::report::TExportOptions options = dialog.ExportOptions(FileSaveForm()->FNameEdit->text());
    group_.clear();
    tav::report::TAnalysisView view = ExportView();
    view.DesktopUnderPageName = true;
    view.Prepare = [&](int pass) {
        const int matchday = dm.GetCurrAgvnistikh() + 1;
        if (pass > 0 || matchday > dm.GetMaxAgvnistikh())
            return false;
        SetMatchday(QString::number(matchday));
        if (options.NumberedPages)
            pageMatchday_ = QString::fromLatin1(kNumberedMatchday);
        RangeOnMatchday(dm, matchday);
        ComputeHistory();
        FillHistoryGrid();
        return true;
    };
    RunMassAnalysisExport(dm, view, options, dialog.Season(), dialog.TickedCompetitions());
    ShowingErrors([&dm] { dm.Agvnes.CancelRange(); });
}

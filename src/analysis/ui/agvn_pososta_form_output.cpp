// The prediction window's printout, conditions file, pages and bulk export.
#include "analysis/conditions_file.h"
#include "analysis/prediction_pages.h"
#include "analysis/ui/agvn_pososta_form.h"
#include "analysis/ui/analysis_view_output.h"
#include "data/data_module.h"
#include "platform/core/modal_result.h"
#include "platform/ui/db_text.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/showing_errors.h"
#include "report/page_names.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

const char *const kPrintHeaders[11] = {"ΗΜ/ΝΙΑ", "ΟΜΑΔΕΣ", "1",     "Χ",    "2", "ΒΣ",
                                       "ΠΙΘ.",   "ΠΛΗΡ.",  "ΕΚΠΛ.", "ΣΚΟΡ", "ΝΣ"};
const char *const kDateGap = "    ";
constexpr int kResultColumn = 11;
// A bulk export writes the current matchday and the next one.
constexpr int kMatchdaysWritten = 2;

} // namespace

void TAgvnPosostaForm::PrintButtonClick()
{
    TGridPageDescription document;
    const QString competition = DBText1->text() + QString::fromUtf8(kDateGap) + AgvnLabel->text();
    document.FirstHead = {GridCaptionLine(windowTitle()), competition, GridProgramLine()};
    document.LaterHead = document.FirstHead;
    document.HeadFont = TFont::FromQFont(AnalyshGrid->font(), clBlack, AnalyshGrid->logicalDpiY());
    TGridLine header;
    for (int col = 1; col <= kResultColumn; ++col)
        header.append(
            {QString::fromUtf8(kPrintHeaders[col - 1]), ScreenWidthTenths(AnalyshGrid->ColWidths(col))});
    document.Header = {header};
    // The rows end at the first without a date: the hits row.
    for (int row = 1; row < AnalyshGrid->RowCount() && !AnalyshGrid->Cells(1, row).isEmpty(); ++row)
        document.Rows.append(GridLineOf(*AnalyshGrid, row, 1, kResultColumn));
    PrintWindowGrid(*this, document);
}

void TAgvnPosostaForm::BitBtn1Click()
{
    if (RunModal(*SaveDialog1) != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    const QString path = SaveDialog1->selectedFiles().constFirst();
    ShowingErrors([&] { WriteConditionsFile(path, Analysis); });
}

void TAgvnPosostaForm::ShowLanguage(TExportLanguage language)
{
    FillDatesAndTeams();
    AnalyshGrid->SetCell(2, Analysis.AnalysisCount + 1, PredictionSummaryLabel(language));
}

tav::report::TAnalysisView TAgvnPosostaForm::ExportView(int mode)
{
    const bool odds = mode == 1;
    tav::report::TAnalysisView view;
    view.Page = odds ? tav::report::TPageKind::SuggestedOdds : tav::report::TPageKind::Prediction;
    view.Group = group_;
    view.Matchday = [this] { return pageMatchday_; };
    view.WritePage = [this, odds](const QString &path, TExportLanguage language) {
        const TAnalysisPageHead head = MatchdayPageHead(TavrolinDM(), AgvnLabel->text(), matchday_);
        const std::vector<QStringList> matches = GridRows(*AnalyshGrid, 1, Analysis.AnalysisCount);
        if (odds)
            WriteOddsHtml(path, language, head, matches);
        else
            WritePredictionsHtml(
                path, language, head, matches,
                GridRows(*AnalyshGrid, Analysis.AnalysisCount + 1, Analysis.AnalysisCount + 1).front());
    };
    view.Refresh = [this](TExportLanguage language) { ShowLanguage(language); };
    return view;
}

void TAgvnPosostaForm::SaveButtonClick()
{
    TTavrolinDM &dm = TavrolinDM();
    const QString fileName = dm.Diorganvseis.FieldByName(QStringLiteral("FileName")).AsString();
    TFileSaveForm &dialog = *FileSaveForm();
    if (dialog.ExecuteSave(tav::report::ProposedFileName(fileName, QLatin1Char('p'), matchday_)) != mrOk)
        return;
    const int mode = DisplayMode();
    tav::report::TAnalysisView view = ExportView(mode);
    // The odds saved on their own go under the name typed.
    view.PageUnderFileName = mode == 1;
    pageMatchday_ = matchday_;
    RunAnalysisExport(dm, view, dialog.ExportOptions());
}

void TAgvnPosostaForm::ExportPredictionsAll()
{
    ExportAll(0);
}

void TAgvnPosostaForm::ExportOddsAll()
{
    ExportAll(1);
}

void TAgvnPosostaForm::ExportAll(int mode)
{
    SetDisplayMode(mode);
    FillAnalysisGrid();
    TTavrolinDM &dm = TavrolinDM();
    const TMassSaveForm &dialog = *MassSaveForm();
    const tav::report::TExportOptions options = dialog.ExportOptions(FileSaveForm()->FNameEdit->text());
    group_.clear();
    tav::report::TAnalysisView view = ExportView(mode);
    view.Prepare = [&](int pass) {
        if (pass >= kMatchdaysWritten)
            return false;
        const int matchday = dm.GetCurrAgvnistikh() + pass;
        if (matchday > dm.GetMaxAgvnistikh())
            return false;
        RangeOnMatchday(dm, matchday);
        PrepareAnalysis(QString::number(matchday));
        if (options.NumberedPages)
            pageMatchday_ = QStringLiteral("0") + QString::number(pass + 1);
        return true;
    };
    RunMassAnalysisExport(dm, view, options, dialog.Season(), dialog.TickedCompetitions());
    ShowingErrors([&dm] { dm.Agvnes.CancelRange(); });
}

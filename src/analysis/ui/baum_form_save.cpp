#include "analysis/ui/baum_form.h"

#include "analysis/standings_sort.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/modal_result.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"
#include "report/export_folders.h"
#include "report/name_language.h"
#include "report/page_names.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

using namespace tav::analysis;
using namespace tav::report;

namespace {

// The view letter of the league table in the names it proposes.
const QChar ViewLetter = QLatin1Char('b');
// The choices of GlvsaRadio.
constexpr int GreekNames = 0;
constexpr int LatinNames = 1;

QString CompetitionField(TTavrolinDM &dm, const char *name)
{
    return dm.Diorganvseis.FieldByName(QLatin1String(name)).AsString();
}

} // namespace

bool TBaumForm::ShowsTable() const
{
    return SGrd->RowCount() > 0 && !SGrd->Cells(1, 0).isEmpty();
}

void TBaumForm::Button1Click()
{
    if (!ShowsTable())
        return;
    TTavrolinDM &dm = TavrolinDM();
    ShowingErrors([&] {
        // The files name the competition of the table, whatever the data module moved to since.
        tav::data::OpenIfClosed(dm.Diorganvseis);
        if (!dm.Diorganvseis.Locate(QStringLiteral("DNo"), {engine_.Competition().DNo}))
            return;
        TFileSaveForm &options = *FileSaveForm();
        if (options.ExecuteSave(
                ProposedFileName(CompetitionField(dm, "FileName"), ViewLetter, AgvnEdit->Text())) != mrOk)
            return;
        TWaitCursor wait;
        TExportChoice choice{options.CheckBoxTxt->isChecked(),
                             options.CheckBoxHtm->isChecked(),
                             options.CheckBoxDoc->isChecked(),
                             {}};
        for (const TExportLanguage language : ExportLanguages)
            if (options.LanguageTicked(language))
                choice.Languages.append(language);
        WriteTableFiles(choice, CheckedFileName(options.FNameEdit->text()), false, false);
    });
}

void TBaumForm::ExportAll(bool special)
{
    const TMassSaveForm &mass = *MassSaveForm();
    TExportChoice choice{
        mass.CheckBoxTxt->isChecked(), mass.CheckBoxHtm->isChecked(), mass.CheckBoxDoc->isChecked(), {}};
    for (const TExportLanguage language : ExportLanguages)
        if (mass.LanguageTicked(language))
            choice.Languages.append(language);
    TTavrolinDM &dm = TavrolinDM();
    for (const QString &category : mass.TickedCompetitions()) {
        // A competition without a record for the season is passed over, and so is a cup: it
        // has no table, and the table in memory is another competition's.
        if (!tav::data::LocateCompetition(dm, {category, mass.Season()}) ||
            dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger() != 0)
            continue;
        LoadCompetition(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger());
        ShowLoadedRound(dm.GetCurrAgvnistikh());
        if (!ShowsTable())
            continue;
        const QString name =
            CheckedFileName(ProposedFileName(CompetitionField(dm, "FileName"), ViewLetter, AgvnEdit->Text()));
        WriteTableFiles(choice, name, mass.NumberedPages(), special);
    }
}

void TBaumForm::WriteTableFiles(const TExportChoice &choice, const QString &name, bool numbered, bool special)
{
    TTavrolinDM &dm = TavrolinDM();
    // The grid shows its own names again on every way out, after the data module's names are back
    // in Greek.
    const int shownNames = GlvsaButtons->checkedId();
    const auto showNames = qScopeGuard([this, shownNames] {
        GlvsaButtons->button(shownNames)->setChecked(true);
        FillGrid();
    });
    TNameLanguageSwitch names(dm, TExportLanguage::Greek);
    for (const TExportLanguage language : choice.Languages) {
        names.Switch(language);
        GlvsaButtons->button(language == TExportLanguage::Greek ? GreekNames : LatinNames)->setChecked(true);
        FillGrid();
        const TLeagueTableExport table = ReadLeagueTable();
        if (choice.Text) {
            WriteLeagueTableText(InFolder(TextFolder(language), name + ".txt"), language, table);
            if (language == TExportLanguage::Greek)
                WriteLeagueTableDosText(InFolder(DosFolder(), name + ".txt"), table);
        }
        if (choice.Page) {
            // The category's letter keeps its case in every language.
            const QString code = CompetitionFileCode(dm, QString(), TSubLetterCase::AsStored);
            const QString folder = numbered ? NumberedPageFolder() : PageFolder();
            const QString number = numbered ? QStringLiteral("1") : table.Matchday;
            WriteLeagueTablePage(InFolder(folder, PageFileName(language, code, TPageKind::Standings, number)),
                                 language, table);
            if (special)
                WriteSpecialOrderingsPage(
                    InFolder(folder, PageFileName(language, code, TPageKind::SpecialOrderings, number)),
                    language, table, ReadSpecialOrderings());
        }
        if (choice.QXpress)
            WriteLeagueTableQXpress(InFolder(QXpressFolder(language), name + ".doc"), table);
    }
}

TLeagueTableExport TBaumForm::ReadLeagueTable()
{
    TTavrolinDM &dm = TavrolinDM();
    TLeagueTableExport table;
    table.Onomasia = CompetitionField(dm, "Onomasia");
    table.CompetitionName = CompetitionField(dm, "KatName");
    table.Caption = windowTitle();
    table.Matchday = AgvnEdit->Text();
    dm.GetAgvnistikhDate(quint8(AgvnEdit->Position()), table.MatchdayDate);
    const TStandingsCompetition &competition = engine_.Competition();
    table.Marks = {competition.Omades, competition.Champions, competition.OmadesUp, competition.OmadesDn};
    table.Table = ReadTableRows();
    return table;
}

TLeagueTableRows TBaumForm::ReadTableRows() const
{
    TLeagueTableRows rows;
    for (int row = 0; row < SGrd->RowCount() && !SGrd->Cells(1, row).isEmpty(); ++row) {
        QStringList cells;
        for (int col = 0; col < LeagueTableColumns; ++col)
            cells.append(SGrd->Cells(col, row));
        rows.Rows.append(cells);
    }
    for (const TStandingsEntry &entry : engine_.StandingsTable()) {
        const TStandingsTeam *team = engine_.FindTeam(entry.TeamKey);
        if (team && team->Timvria != 0)
            rows.Penalties.append({team->GrName, team->EnName, team->Timvria});
    }
    return rows;
}

QList<TSpecialOrdering> TBaumForm::ReadSpecialOrderings()
{
    QList<TSpecialOrdering> orderings;
    for (const int column : SpecialOrderingColumns) {
        HeaderControl2SectionClick(column);
        orderings.append({column, ReadTableRows()});
    }
    // The orderings re-sort the table they find; the next language starts from the computed order
    // again, so every language shows the same tables.
    engine_.ComputeStandings(engine_.Matchday());
    setWindowTitle(QString::fromUtf8(OrderingCaptionPoints));
    FillGrid();
    return orderings;
}

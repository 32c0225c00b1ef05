#include "analysis/ui/baum_form.h"

#include "analysis/standings_rows.h"
#include "analysis/standings_store.h"
#include "analysis/ui/standings_window.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/db_image.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>

using namespace tav::data;

using namespace tav::analysis;

namespace {

const char FormCaption[] = "Βαθμολογία";
const char Button3Caption[] = "Τρέχον";
const char StartLabelCaption[] = "Εναρξη από Αγων.";
const char AgvnLabelCaption[] = "Αγωνιστική";
const char PrintCaption[] = "ΕΚΤΥΠΩΣΗ";
const char SaveCaption[] = "AΠΟ&ΘΗΚΕΥΣΗ";
const char SkippedMatchMessage[] = "Ο αγώνας %1 - %2 της %3ης αγωνιστικής (%4) δεν μετράει στη βαθμολογία, "
                                   "γιατί μία από τις δύο ομάδες του δεν ανήκει στη διοργάνωση.";

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

// A matchday edit counts from the first matchday.
TUpDownEdit *NewMatchdayEdit(QWidget *parent)
{
    auto *edit = new TUpDownEdit(parent);
    edit->SetMin(1);
    edit->SetPosition(1);
    return edit;
}

} // namespace

TBaumForm::TBaumForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(Text(FormCaption));
    // A hidden or open league table never keeps the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildControls();
    Connect();
}

TBaumForm::~TBaumForm() = default;

void TBaumForm::BuildControls()
{
    // The league table's lists of a category's seasons are newest first; a narrowed list keeps
    // the item shown before when the remembered one is not in it.
    Chooser = new tav::shared::CompetitionChooser({true, true}, this);
    PeriodCombo = Chooser->PeriodCombo;
    ChkP = Chooser->ChkP;
    DiorgCombo = Chooser->DiorgCombo;
    ChkD = Chooser->ChkD;
    Button3 = new QPushButton(Text(Button3Caption), this);
    Label1 = new QLabel(Text(StartLabelCaption), this);
    EdtStartAgvn = NewMatchdayEdit(this);
    AgvnLabel = new QLabel(Text(AgvnLabelCaption), this);
    AgvnEdit = NewMatchdayEdit(this);
    AddStandingsChoices(*this);
    BBtnPrint = new QPushButton(Text(PrintCaption), this);
    BBtnSave = new QPushButton(Text(SaveCaption), this);
    AddCountryFlag(*this, &TavrolinDM().Krath);

    LayOutStandingsWindow(*this, {Chooser, Button3, Label1, EdtStartAgvn, AgvnLabel, AgvnEdit, Label2,
                                  OmiloiEdit, GlvsaRadio, AgvnButton, BBtnPrint, BBtnSave, DBImage1});
}

void TBaumForm::Connect()
{
    Chooser->OnCompetitionChosen = [this](QComboBox *) { ShowChosenCompetition(); };
    connect(AgvnEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(); });
    connect(OmiloiEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(); });
    connect(EdtStartAgvn, &TUpDownEdit::Changed, this, [this] { EdtStartAgvnChange(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(GlvsaButtons, &QButtonGroup::idClicked, this, [this] { GlvsaRadioClick(); });
    connect(AgvnButton, &QPushButton::clicked, this, [this] { AgvnButtonClick(); });
    connect(BBtnPrint, &QPushButton::clicked, this, [this] { BBtnPrintClick(); });
    connect(BBtnSave, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(HeaderControl2, &TColumnBands::BandClicked, this,
            [this](int section) { HeaderControl2SectionClick(section); });
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        SGrdDrawCell(col, row, rect, state, canvas);
    };
}

void TBaumForm::SetColumnWidths()
{
    SetStandingsColumnWidths(*SGrd);
}

void TBaumForm::SetMatchday(int matchday)
{
    const QSignalBlocker blocker(AgvnEdit);
    AgvnEdit->SetPosition(matchday);
}

// --- opening ---

void TBaumForm::ShowForCompetition(tav::shared::ReturnToCaller onClose)
{
    onClose_ = std::move(onClose);
    if (!isVisible()) {
        ShowingErrors([this] {
            TTavrolinDM &dm = TavrolinDM();
            OpenIfClosed(dm.Krath);
            Chooser->FillAllSeasons();
            Chooser->FillAllCategories();
            ShowCategoryCountry(tav::data::CategoryKatNo(dm, DiorgCombo->currentText()));
            // The remembered choice decides; a choice that names no competition shows no table.
            if (!Chooser->ChooseShown()) {
                ClearGrid();
                return;
            }
            if (dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger() == 0)
                ShowRound(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger(),
                          dm.GetCurrAgvnistikh());
            else
                ClearGrid();
        });
    }
    ShowWindow();
}

void TBaumForm::ShowForCompetition(const tav::shared::ChooserLists &lists, int DNo, int matchday,
                                   tav::shared::ReturnToCaller onClose)
{
    onClose_ = std::move(onClose);
    ShowRound(DNo, matchday);
    Chooser->SetLists(lists);
    ShowWindow();
}

void TBaumForm::ShowWindow()
{
    // Opened for a competition, the table counts from the first matchday again.
    if (!isVisible()) {
        const QSignalBlocker blocker(EdtStartAgvn);
        EdtStartAgvn->SetPosition(1);
    }
    showMaximized();
    raise();
    activateWindow();
}

void TBaumForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBaumForm::FormShow()
{
    const QSignalBlocker blocker(EdtStartAgvn);
    EdtStartAgvn->SetPosition(1);
    SetColumnWidths();
}

void TBaumForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void TBaumForm::FormClose()
{
    ShowingErrors([this] { Chooser->ChooseShown(); });
    if (onClose_)
        onClose_(AgvnButton, {Chooser->Lists(), AgvnEdit->Text()});
}

void TBaumForm::AgvnButtonClick()
{
    close();
}

// --- choices ---

void TBaumForm::ChkPClick()
{
    Chooser->ChkPClick();
}

void TBaumForm::ChkDClick()
{
    Chooser->ChkDClick();
}

void TBaumForm::PeriodComboChange()
{
    Chooser->PeriodComboChange();
}

void TBaumForm::DiorgComboChange()
{
    Chooser->DiorgComboChange();
}

// The chooser has made the chosen pair the data module's current competition.
void TBaumForm::ShowChosenCompetition()
{
    TTavrolinDM &dm = TavrolinDM();
    const int typos = dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
    if (typos == 0) {
        ShowCategoryCountry(dm.Diorganvseis.FieldByName(QStringLiteral("KatNo")).Value());
        AgvnLabel->setText(Text(AgvnLabelCaption));
        Label2->hide();
        OmiloiEdit->hide();
        ShowRound(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger(), dm.GetCurrAgvnistikh());
    } else if (typos == 1) {
        ClearGrid();
    }
}

// --- matchdays ---

void TBaumForm::AgvnEditChange()
{
    if (!isVisible() || DiorgCombo->currentText().trimmed().isEmpty() ||
        PeriodCombo->currentText().trimmed().isEmpty())
        return;
    ShowingErrors([this] {
        TTable &competitions = TavrolinDM().Diorganvseis;
        OpenIfClosed(competitions);
        LoadCompetition(competitions.FieldByName(QStringLiteral("DNo")).AsInteger());
        if (engine_.HasMatchday(AgvnEdit->Position()))
            ShowLoadedRound(AgvnEdit->Position());
        else
            ClearGrid();
    });
}

void TBaumForm::EdtStartAgvnChange()
{
    AgvnEditChange();
}

void TBaumForm::Button3Click()
{
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        OpenIfClosed(dm.Diorganvseis);
        AgvnEdit->SetPosition(dm.GetCurrAgvnistikh());
    });
}

// --- computation ---

void TBaumForm::ShowRound(int DNo, int matchday)
{
    ShowingErrors([this, DNo, matchday] {
        if (!isVisible()) {
            const QSignalBlocker blocker(EdtStartAgvn);
            EdtStartAgvn->SetPosition(1);
        }
        LoadCompetition(DNo);
        ShowLoadedRound(matchday);
    });
}

void TBaumForm::LoadCompetition(int DNo)
{
    // Read afresh every time: results entered in the match list since the last table count.
    LoadStandingsEngine(engine_, TavrolinDM(), DNo);
    engine_.SetStartMatchday(EdtStartAgvn->Position());
}

void TBaumForm::ShowLoadedRound(int matchday)
{
    const int highest = engine_.HighestMatchday();
    AgvnEdit->SetMax(highest);
    if (engine_.Competition().Typos == 1) {
        ClearGrid();
        return;
    }
    const int shown = std::clamp(matchday, 1, highest);
    SetMatchday(shown);
    ComputeStandings(shown);
}

void TBaumForm::ComputeStandings(int matchday)
{
    TWaitCursor wait;
    engine_.SetStartMatchday(EdtStartAgvn->Position());
    engine_.ComputeStandings(matchday);
    WriteTeamStat(TavrolinDM(), engine_.TeamStatRows());
    // A new computation is in the normal order, whatever ordering the last one was shown in.
    setWindowTitle(Text(FormCaption));
    FillGrid();
    wait.Restore();
    ReportSkippedMatches();
}

void TBaumForm::ReportSkippedMatches()
{
    TTavrolinDM &dm = TavrolinDM();
    auto teamName = [&dm](int recNo) {
        const QString name = CompetitionTeamName(dm, recNo);
        return name.isEmpty() ? QString::number(recNo) : name;
    };
    QStringList lines;
    for (const TStandingsMatch &match : engine_.SkippedMatches()) {
        if (!reportedSkipped_.insert(match.GameNo).second)
            continue;
        lines.append(Text(SkippedMatchMessage)
                         .arg(teamName(match.Ghpedoyxos), teamName(match.Filojenoymenh))
                         .arg(match.Agvnistikh)
                         .arg(match.Date.isValid() ? DateToStr(match.Date) : QString()));
    }
    if (!lines.isEmpty())
        MessageDlg(lines.join(QLatin1Char('\n')), mtWarning, {mbOK});
}

// --- grid ---

void TBaumForm::ClearGrid()
{
    setWindowTitle(Text(FormCaption));
    SGrd->SetRowCount(0);
    SGrd->SetRowCount(1);
}

void TBaumForm::FillGrid()
{
    const TStandingsTable &table = engine_.StandingsTable();
    if (table.empty()) {
        ClearGrid();
        return;
    }
    const bool latin = GlvsaButtons->checkedId() == 1;
    SGrd->SetRowCount(int(table.size()));
    for (int row = 0; row < int(table.size()); ++row) {
        const TStandingsEntry &e = table[row];
        const TStandingsTeam *team = engine_.FindTeam(e.TeamKey);
        SetStandingsRow(
            *SGrd, row,
            StandingsRowTexts(e, row + 1, team ? (latin ? team->EnName : team->GrName) : QString()));
    }
    SGrd->viewport()->update();
}

void TBaumForm::GlvsaRadioClick()
{
    FillGrid();
}

void TBaumForm::HeaderControl2SectionClick(int section)
{
    OrderByColumnTitle(*this, engine_, section, [this] { FillGrid(); });
}

void TBaumForm::SGrdDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)
{
    DrawStandingsCell(SGrd->Cells(col, row), col, rect, state, canvas,
                      PlaceMark(engine_.Competition(), row + 1));
}

TBaumForm &BaumForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TBaumForm *form = nullptr;
    return *LongLived(form, [] { return new TBaumForm; });
}

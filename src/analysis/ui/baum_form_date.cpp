#include "analysis/ui/baum_form_date.h"

#include "analysis/ui/standings_window.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/season_dates.h"
#include "platform/db/data_source.h"
#include "platform/ui/application.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/db_image.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>

using namespace tav::analysis;

namespace {

const char FormCaption[] = "Βαθμολογία κατά Ημερομηνία";
const char StartLabelCaption[] = "Εναρξη από";
const char AgvnLabelCaption[] = "Εως";
const char PrintCaption[] = "ΕΚΤΥΠΩΣΗ";

// The lines of the printout's head.
const char ProgramLine[] = "ΠΡΟΓΡΑΜΜΑ Tavrolin - Βάση δεδομένων ποδοσφαίρου";
const char SeasonLine[] = "ΠΕΡΙΟΔΟΣ %1  ΔΙΟΡΓΑΝΩΣΗ %2";
const char FirstDatesLine[] = "ΕΝΑΡΞΗ ΑΠΟ ΗΜΕΡ. : %1 ΕΩΣ ΗΜΕΡ. : %2";
// Later pages write "HMEΡ" with a Latin H, M and E, and the end label without its full stop.
const char LaterDatesLine[] = "ΕΝΑΡΞΗ ΑΠΟ HMEΡ. : %1 ΕΩΣ ΗΜΕΡ : %2";

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

QDateEdit *NewDatePicker(QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return picker;
}

} // namespace

TBaumFormDate::TBaumFormDate(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(Text(FormCaption));
    // A hidden or open table never keeps the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildControls();
    Connect();
}

TBaumFormDate::~TBaumFormDate() = default;

void TBaumFormDate::BuildControls()
{
    Chooser =
        new tav::shared::CompetitionChooser(tav::shared::CompetitionChooser::Rules::DateStandings(), this);
    PeriodCombo = Chooser->PeriodCombo;
    ChkP = Chooser->ChkP;
    DiorgCombo = Chooser->DiorgCombo;
    ChkD = Chooser->ChkD;
    Label1 = new QLabel(Text(StartLabelCaption), this);
    EdtStartAgvn = NewDatePicker(this);
    AgvnLabel = new QLabel(Text(AgvnLabelCaption), this);
    AgvnEdit = NewDatePicker(this);
    AddStandingsChoices(*this);
    BBtnPrint = new TStyButton(this);
    BBtnPrint->setText(Text(PrintCaption));
    // The flag's data set is given when the window first opens: the window is made before the
    // data module.
    AddCountryFlag(*this, nullptr);

    LayOutStandingsWindow(*this, {Chooser, Label1, EdtStartAgvn, AgvnLabel, AgvnEdit, Label2, OmiloiEdit,
                                  GlvsaRadio, AgvnButton, BBtnPrint, DBImage1});
}

void TBaumFormDate::Connect()
{
    Chooser->OnCompetitionChosen = [this](QComboBox *) { ShowChosenCompetition(); };
    connect(AgvnEdit, &QDateEdit::dateChanged, this, [this] { AgvnEditChange(); });
    connect(EdtStartAgvn, &QDateEdit::dateChanged, this, [this] { EdtStartAgvnChange(); });
    connect(OmiloiEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(); });
    connect(GlvsaButtons, &QButtonGroup::idClicked, this, [this] { GlvsaRadioClick(); });
    connect(AgvnButton, &QPushButton::clicked, this, [this] { AgvnButtonClick(); });
    BBtnPrint->OnClick = [this](QObject *) { BBtnPrintClick(); };
    connect(HeaderControl2, &TColumnBands::BandClicked, this,
            [this](int section) { HeaderControl2SectionClick(section); });
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        SGrdDrawCell(col, row, rect, state, canvas);
    };
}

// --- opening ---

void TBaumFormDate::InitForm(const QString &category, const QString &season,
                             const tav::shared::ChooserLists &matchList, ReturnToMatchList onClose)
{
    onClose_ = std::move(onClose);
    ShowingErrors([&] {
        tav::data::OpenIfClosed(TavrolinDM().Krath);
        if (!DataSource1->DataSet())
            DataSource1->SetDataSet(&TavrolinDM().Krath);
        // A match list that has never been shown has no lists to hand over.
        if (!matchList.Categories.isEmpty())
            Chooser->SetLists({matchList.Categories, matchList.Seasons, {category, season}});
        if (!isVisible())
            OpenChosenCompetition();
    });
    showMaximized();
    raise();
    activateWindow();
}

void TBaumFormDate::OpenChosenCompetition()
{
    TTavrolinDM &dm = TavrolinDM();
    Chooser->FillAllSeasons();
    Chooser->FillAllCategories();
    ShowCategoryCountry(tav::data::CategoryKatNo(dm, DiorgCombo->currentText()));
    SetSeasonDates();
    // The table is counted only for the competition the pair names, never for whatever
    // competition happens to be current.
    if (!Chooser->ChooseShown()) {
        ClearGrid();
        const tav::data::CompetitionChoice choice = Chooser->Choice();
        if (!choice.Category.trimmed().isEmpty() && !choice.Season.trimmed().isEmpty())
            MessageDlg(Text(tav::shared::NoCompetitionWarning), mtWarning, {mbOK});
        return;
    }
    const int typos = dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
    if (typos == 0)
        ComputeStandings(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger());
    else
        ClearGrid();
}

void TBaumFormDate::SetSeasonDates()
{
    QDate first;
    QDate last;
    PeriodToDates(PeriodCombo->currentText(), first, last);
    const QSignalBlocker startBlocker(EdtStartAgvn);
    const QSignalBlocker endBlocker(AgvnEdit);
    EdtStartAgvn->setDate(first);
    AgvnEdit->setDate(last);
}

void TBaumFormDate::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBaumFormDate::FormShow()
{
    // The dates were set from the season before the table was first counted.
    SetStandingsColumnWidths(*SGrd);
}

void TBaumFormDate::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void TBaumFormDate::FormClose()
{
    ShowingErrors([this] { Chooser->ChooseShown(); });
    if (onClose_)
        onClose_(AgvnButton);
}

void TBaumFormDate::AgvnButtonClick()
{
    close();
}

// --- choices ---

void TBaumFormDate::ChkPClick()
{
    Chooser->ChkPClick();
}

void TBaumFormDate::ChkDClick()
{
    Chooser->ChkDClick();
}

void TBaumFormDate::PeriodComboChange()
{
    Chooser->PeriodComboChange();
}

void TBaumFormDate::DiorgComboChange()
{
    Chooser->DiorgComboChange();
}

// The chooser has made the chosen pair the data module's current competition.
void TBaumFormDate::ShowChosenCompetition()
{
    TTavrolinDM &dm = TavrolinDM();
    ShowingErrors([&] { ShowCategoryCountry(dm.Diorganvseis.FieldByName(QStringLiteral("KatNo")).Value()); });
    const int typos = dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
    if (typos == 0) {
        // The table counts the matches of every group.
        Label2->hide();
        OmiloiEdit->hide();
        ComputeStandings(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger());
    } else if (typos == 1) {
        ClearGrid();
    }
}

// --- dates ---

void TBaumFormDate::AgvnEditChange()
{
    if (isVisible() && shownDNo_)
        ComputeStandings(*shownDNo_);
}

void TBaumFormDate::EdtStartAgvnChange()
{
    AgvnEditChange();
}

// --- table ---

void TBaumFormDate::ComputeStandings(int DNo)
{
    TWaitCursor wait;
    try {
        engine_.ComputeStandings(TavrolinDM(), DNo, EdtStartAgvn->date(), AgvnEdit->date());
    } catch (const Exception &error) {
        wait.Restore();
        ClearGrid();
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    shownDNo_ = DNo;
    setWindowTitle(Text(DateStandingsCaption));
    FillGrid();
}

void TBaumFormDate::ClearGrid()
{
    engine_.Clear();
    shownDNo_.reset();
    SGrd->SetRowCount(0);
    SGrd->SetRowCount(1);
}

void TBaumFormDate::FillGrid()
{
    const int count = engine_.DateStandingsCount();
    const bool latin = GlvsaButtons->checkedId() == 1;
    // The grid keeps one row, empty when no team played between the dates.
    SGrd->SetRowCount(0);
    SGrd->SetRowCount(std::max(count, 1));
    for (int row = 0; row < count; ++row)
        SetStandingsRow(*SGrd, row, engine_.RowTexts(row, latin));
    SGrd->viewport()->update();
}

void TBaumFormDate::GlvsaRadioClick()
{
    FillGrid();
}

void TBaumFormDate::HeaderControl2SectionClick(int section)
{
    OrderByColumnTitle(*this, engine_, section, [this] { FillGrid(); });
}

void TBaumFormDate::SGrdDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)
{
    DrawStandingsCell(SGrd->Cells(col, row), col, rect, state, canvas, engine_.RowMark(row));
}

// --- printing ---

void TBaumFormDate::BBtnPrintClick()
{
    PrintState.PrnFromRow = -1;
    PrintState.PrnToRow = -1;
    if (!ExecutePrintDialog(this))
        return;
    PrintTable();
}

void TBaumFormDate::PrintTable()
{
    const QString captionLine = windowTitle() + QStringLiteral("    ") + DateToStr(QDate::currentDate());
    const QString seasonLine = Text(SeasonLine).arg(PeriodCombo->currentText(), DiorgCombo->currentText());
    const QString start = DateToStr(EdtStartAgvn->date());
    const QString end = DateToStr(AgvnEdit->date());
    TGridPageDescription document;
    document.Title = windowTitle();
    document.FirstHead = {captionLine, Text(ProgramLine), QString(), seasonLine,
                          Text(FirstDatesLine).arg(start, end)};
    document.LaterHead = {captionLine, QString(),  Text(ProgramLine),
                          QString(),   seasonLine, Text(LaterDatesLine).arg(start, end)};

    // The block captions as wide as on screen: the titles under them, each a grid line wider than
    // its column (the place title two).
    auto titleWidth = [this](int col) { return SGrd->ColWidths(col) + (col == 0 ? 2 : 1); };
    TGridLine blocks;
    for (const TColumnBands::TBand &band : HeaderControl1->Bands()) {
        int width = 0;
        for (int col = band.FirstColumn; col <= band.LastColumn; ++col)
            width += titleWidth(col);
        blocks.append({band.Caption, ScreenWidthTenths(width)});
    }
    TGridLine titles;
    for (const TColumnBands::TBand &band : HeaderControl2->Bands())
        titles.append({band.Caption, ScreenWidthTenths(SGrd->ColWidths(band.FirstColumn))});
    document.Header = {blocks, titles};
    for (int row = 0; row < SGrd->RowCount(); ++row) {
        TGridLine line;
        for (int col = 0; col < SGrd->ColCount(); ++col)
            line.append({SGrd->Cells(col, row), ScreenWidthTenths(SGrd->ColWidths(col))});
        document.Rows.append(line);
    }
    document.EndAtBlankSecondCell = true;
    document.EnableWindow = [this](bool enabled) { setEnabled(enabled); };
    document.BeforeRow = ProcessMessages;
    ShowingErrors([&] { PrintGridPages(Printer(), document, PrintState); });
}

TBaumFormDate &BaumFormDate()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TBaumFormDate *form = nullptr;
    return *LongLived(form, [] { return new TBaumFormDate; });
}

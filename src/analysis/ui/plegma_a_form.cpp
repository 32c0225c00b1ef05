#include "analysis/ui/plegma_a_form.h"

#include "analysis/standings_store.h"
#include "analysis/ui/analysis_view_output.h"
#include "controls/styled/sty_button.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace tav::analysis;

namespace {

const char kCaption[] = "Πλέγμα Αποτελεσμάτων";
const char kPeriodLabel[] = "Περίοδος";
const char kDiorgLabel[] = "Διοργάνωση";
const char kAgvnLabel[] = "Αγωνισ.";
const char kStartLabel[] = "Δημιουργία Πλέγματος ξεκινώντας από Αγωνιστική ";
const char kViewCaption[] = "Προβολή κατά";
const char *const kViews[] = {"Όνομα", "Βαθμολογία", "Βαθμολογία Εντός", "Βαθμολογία Εκτός"};
const char kPrint[] = "Ε&ΚΤΥΠΩΣΗ";
const char kSave[] = "&ΣΩΣΙΜΟ";
const char kHelp[] = "&ΒΟΗΘΕΙΑ";
const char kBack[] = "Ε&ΠΙΣΤΡΟΦΗ";
const char kCurrent[] = "Τρέχον";
const char kPrintHead[] = "%1    Περίοδος : %2   Διοργάνωση : %3   Αγωνιστική : %4";

constexpr int kPanelHeight = 65;
constexpr int kRowHeight = 20;
constexpr int kStatWidth = 24;
constexpr int kNameWidth = 80;
constexpr int kTeamWidth = 28;
constexpr int kNameRow = 5;
constexpr int kHighestMatchday = 9999;
// The widest a name row needs at least: as the names of eleven letters.
const char kNameRowMeasure[] = "aaaaaaaaaaa";

const QColor kAmber(248, 191, 36);
const QColor kDarkGreen(11, 79, 35);

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

int Typos(TTavrolinDM &dm)
{
    return dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
}

// The goals on one side of a score: the number before or after the first "-"; 0 when unreadable.
int Goals(const QString &text, bool home)
{
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return 0;
    bool ok = false;
    const int goals = (home ? text.left(dash) : text.mid(dash + 1)).trimmed().toInt(&ok);
    return ok ? goals : 0;
}

} // namespace

TPlegmaAForm::TPlegmaAForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(Text(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildControls();
    Connect();
}

TPlegmaAForm::~TPlegmaAForm() = default;

void TPlegmaAForm::BuildControls()
{
    Chooser =
        new tav::shared::CompetitionChooser(tav::shared::CompetitionChooser::Rules::ResultsGrid(), this);
    PeriodCombo = Chooser->PeriodCombo;
    DiorgCombo = Chooser->DiorgCombo;
    AgvnLabel = new QLabel(Text(kAgvnLabel), this);
    AgvnEdit = new TUpDownEdit(this);
    StartLabel = new QLabel(Text(kStartLabel), this);
    EdtAgvnStart = new TUpDownEdit(this);
    for (TUpDownEdit *edit : {AgvnEdit, EdtAgvnStart}) {
        edit->SetMin(1);
        edit->SetMax(kHighestMatchday);
        edit->SetText(QStringLiteral("1"));
    }
    RadioGroup1 = new QGroupBox(Text(kViewCaption), this);
    ViewButtons = new QButtonGroup(RadioGroup1);
    auto *views = new QGridLayout(RadioGroup1);
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(Text(kViews[i]), RadioGroup1);
        ViewButtons->addButton(button, i);
        views->addWidget(button, i / 2, i % 2);
    }
    ViewButtons->button(int(TPlegmaView::Points))->setChecked(true);
    BitBtn1 = new TStyButton(this);
    BitBtn1->setText(Text(kPrint));
    Button1 = new QPushButton(Text(kSave), this);
    BitBtn2 = new QPushButton(Text(kHelp), this);
    BtnBack = new QPushButton(Text(kBack), this);
    Button3 = new QPushButton(Text(kCurrent), this);
    Button3->hide();

    PlegmaGrid = new TStringGrid(this);
    PlegmaGrid->SetFixedRows(0);
    PlegmaGrid->SetFixedCols(0);
    PlegmaGrid->SetOptions({goVertLine, goHorzLine});
    PlegmaGrid->setFocusPolicy(Qt::ClickFocus);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    PlegmaGrid->setFont(font);
    PlegmaGrid->SetDefaultRowHeight(kRowHeight);
    PlegmaGrid->SetDefaultDrawing(false);
    PlegmaGrid->SetRowCount(1);
    PlegmaGrid->SetColCount(1);

    auto *panel = new QWidget(this);
    panel->setFixedHeight(kPanelHeight);
    auto *top = new QHBoxLayout(panel);
    top->setContentsMargins(4, 0, 4, 0);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             new QLabel(Text(kPeriodLabel), this), new QLabel(Text(kDiorgLabel), this), Chooser, AgvnLabel,
             AgvnEdit, StartLabel, EdtAgvnStart, RadioGroup1, BitBtn1, Button1, BitBtn2, BtnBack, Button3})
        top->addWidget(widget);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(PlegmaGrid, 1);
}

void TPlegmaAForm::Connect()
{
    Chooser->OnCompetitionChosen = [this](QComboBox *) { DiorgComboChange(); };
    connect(ViewButtons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    connect(AgvnEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(); });
    connect(EdtAgvnStart, &TUpDownEdit::Changed, this, [this] { EdtAgvnStartChange(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    BitBtn1->OnClick = [this](QObject *) { BitBtn1Click(); };
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BtnBack, &QPushButton::clicked, this, [this] { BtnBackClick(); });
    PlegmaGrid->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        PlegmaGridDrawCell(col, row, rect, canvas);
    };
}

// --- opening and closing ---

void TPlegmaAForm::ShowGrid(const std::optional<QString> &listMatchday, tav::shared::ReturnToCaller back)
{
    onClose_ = std::move(back);
    ShowingErrors([&] {
        TTavrolinDM &dm = TavrolinDM();
        if (!isVisible()) {
            Chooser->FillAllCategories();
            Chooser->FillAllSeasons();
            // Every showing counts from the first matchday.
            const QSignalBlocker blocker(EdtAgvnStart);
            EdtAgvnStart->SetText(QStringLiteral("1"));
            AgvnStart = 1;
        }
        // Nothing to locate still shows the window, with its lists to choose from.
        if (DiorgCombo->currentText().trimmed().isEmpty() ||
            !tav::data::LocateCompetition(dm, Chooser->Choice())) {
            ClearPlegma();
            return;
        }
        tav::data::OpenIfClosed(dm.POmades);
        {
            const QSignalBlocker blocker(AgvnEdit);
            if (listMatchday)
                AgvnEdit->SetText(*listMatchday);
            else
                AgvnEdit->SetPosition(NextMatchday());
        }
        FillEmptyBoxes();
        TakeRounds();
        Rebuild();
    });
    showMaximized();
    raise();
    activateWindow();
}

void TPlegmaAForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPlegmaAForm::FormShow()
{
    SetGridSizes();
}

void TPlegmaAForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void TPlegmaAForm::FormClose()
{
    ShowingErrors([this] { Chooser->ChooseShown(); });
    if (onClose_)
        onClose_(this, {Chooser->Lists(), AgvnEdit->Text()});
}

void TPlegmaAForm::BtnBackClick()
{
    close();
}

// --- choices ---

void TPlegmaAForm::DiorgComboChange()
{
    FillEmptyBoxes();
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        {
            const QSignalBlocker blocker(AgvnEdit);
            AgvnEdit->SetPosition(NextMatchday());
        }
        tav::data::OpenIfClosed(dm.POmades);
        TakeRounds();
        Rebuild();
    });
}

void TPlegmaAForm::RadioGroup1Click()
{
    Rebuild();
}

void TPlegmaAForm::AgvnEditChange()
{
    FillEmptyBoxes();
    if (isVisible())
        Rebuild();
}

void TPlegmaAForm::EdtAgvnStartChange()
{
    FillEmptyBoxes();
    AgvnStart = EdtAgvnStart->Position();
    AgvnEditChange();
}

void TPlegmaAForm::Button3Click()
{
    ShowingErrors([this] { AgvnEdit->SetPosition(NextMatchday()); });
}

void TPlegmaAForm::FillEmptyBoxes()
{
    for (TUpDownEdit *edit : {AgvnEdit, EdtAgvnStart})
        if (edit->Text().trimmed().isEmpty()) {
            const QSignalBlocker blocker(edit);
            edit->SetText(QStringLiteral("1"));
        }
}

int TPlegmaAForm::NextMatchday()
{
    TTavrolinDM &dm = TavrolinDM();
    const int current = dm.GetCurrAgvnistikh();
    return current < dm.GetMaxAgvnistikh() ? current + 1 : current;
}

void TPlegmaAForm::TakeRounds()
{
    TTavrolinDM &dm = TavrolinDM();
    DiorgRounds = Typos(dm) == 0 ? dm.Diorganvseis.FieldByName(QStringLiteral("Rounds")).AsInteger() : 2;
}

// --- the table ---

void TPlegmaAForm::Rebuild()
{
    ShowingErrors([this] {
        if (Typos(TavrolinDM()) == 0)
            BuildPlegma();
        else
            ClearPlegma();
    });
}

void TPlegmaAForm::BuildPlegma()
{
    TWaitCursor wait;
    TTavrolinDM &dm = TavrolinDM();
    const int DNo = dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger();
    const TStandingsCompetition competition = ReadStandingsCompetition(dm, DNo);
    TPlegmaSettings settings;
    settings.Rule = {competition.Nikh, competition.Isop, competition.Htta};
    settings.Rounds = DiorgRounds;
    settings.View = TPlegmaView(std::max(ViewButtons->checkedId(), 0));
    settings.First = AgvnStart;
    settings.Last = AgvnEdit->Position();
    settings.Current = dm.GetCurrAgvnistikh();
    std::vector<TStandingsTeam> teams = ReadStandingsTeams(dm, DNo);
    plegma_ = tav::analysis::BuildPlegma(teams, ReadPlegmaMatches(dm, DNo, AgvnStart), settings);
    teams_ = std::move(teams);
    ColsPerTeam = plegma_.ColsPerTeam;
    ShowPlegma();
}

void TPlegmaAForm::ClearPlegma()
{
    plegma_ = {};
    teams_.clear();
    PlegmaGrid->SetRowCount(0);
    PlegmaGrid->SetRowCount(1);
    PlegmaGrid->viewport()->update();
}

void TPlegmaAForm::ShowPlegma()
{
    PlegmaGrid->SetRowCount(0);
    PlegmaGrid->SetColCount(0);
    PlegmaGrid->SetColCount(plegma_.ColCount());
    PlegmaGrid->SetRowCount(plegma_.RowCount());
    for (int row = 0; row < plegma_.RowCount(); ++row)
        for (int col = 0; col < plegma_.ColCount(); ++col)
            PlegmaGrid->SetCell(col, row, plegma_.Cells[row][col]);
    SetGridSizes();
    PlegmaGrid->viewport()->update();
}

void TPlegmaAForm::SetGridSizes()
{
    for (int col = 0; col < PlegmaGrid->ColCount(); ++col)
        PlegmaGrid->SetColWidth(col, col < kNameRow ? kStatWidth : col == kNameRow ? kNameWidth : kTeamWidth);
    for (int row = 0; row < PlegmaGrid->RowCount(); ++row)
        PlegmaGrid->SetRowHeight(row, kRowHeight);
    if (PlegmaGrid->RowCount() <= kNameRow)
        return;
    // The upright names of the column teams need a row as tall as the longest of them.
    const QFontMetrics metrics(PlegmaGrid->font());
    int height = metrics.horizontalAdvance(Text(kNameRowMeasure));
    for (int col = kNameRow + 1; col < PlegmaGrid->ColCount(); ++col)
        height = std::max(height, metrics.horizontalAdvance(PlegmaGrid->Cells(col, kNameRow)) + 4);
    PlegmaGrid->SetRowHeight(kNameRow, height);
}

void TPlegmaAForm::PlegmaGridDrawCell(int col, int row, const TRect &rect, TCanvas &canvas)
{
    const QString text = PlegmaGrid->Cells(col, row);
    const bool crossing = col > kNameRow && row > kNameRow;
    QColor back = PlegmaGrid->Color().isValid() ? PlegmaGrid->Color() : QColor(Qt::white);
    canvas.Font.Color = QColor(Qt::black);
    if (IsOwnPlegmaCell(col, row, ColsPerTeam))
        back = QColor(Qt::black);
    if (col == 0 || row == 0 || (col <= kNameRow && row <= kNameRow)) {
        back = kAmber;
        canvas.Font.Style.Include(fsBold);
    }
    if (crossing && !text.trimmed().isEmpty()) {
        const int home = Goals(text, true);
        const int away = Goals(text, false);
        if (home < away) {
            canvas.Font.Color = QColor(255, 0, 0);
        } else if (home > away) {
            canvas.Font.Color = QColor(0, 0, 255);
        } else {
            back = kDarkGreen;
            canvas.Font.Color = QColor(Qt::white);
        }
    }
    canvas.Brush.Color = back;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(rect);
    const int centre = (rect.Left + rect.Right) / 2;
    if (row == kNameRow && col > kNameRow) {
        canvas.Font.Escapement = 900;
        canvas.TextOut(centre - canvas.TextHeight(text) / 2, rect.Bottom - 2, text);
        canvas.Font.Escapement = 0;
        return;
    }
    // Where a statistic row meets a statistic column, the later rule wins.
    const std::pair<bool, QColor> statColours[] = {{col == 2, QColor(0, 0, 255)},
                                                   {row == 2, QColor(255, 0, 0)},
                                                   {col == 4, QColor(255, 0, 0)},
                                                   {row == 4, QColor(0, 0, 255)},
                                                   {col == 3 || row == 3, kDarkGreen}};
    for (const auto &[applies, colour] : statColours)
        if (applies)
            canvas.Font.Color = colour;
    const int x = crossing ? centre - canvas.TextWidth(text) / 2 : rect.Left + 2;
    canvas.TextOut(x, rect.Top + 2, text);
}

// --- printing ---

void TPlegmaAForm::BitBtn1Click()
{
    TGridPageDescription document;
    document.FirstHead = {Text(kPrintHead)
                              .arg(GridCaptionLine(windowTitle()), PeriodCombo->currentText(),
                                   DiorgCombo->currentText(), AgvnEdit->Text()),
                          GridProgramLine()};
    document.LaterHead = document.FirstHead;
    document.HeadFont = TFont::FromQFont(PlegmaGrid->font(), clBlack, PlegmaGrid->logicalDpiY());
    document.Header = {GridLineOf(*PlegmaGrid, 0, 0, PlegmaGrid->ColCount() - 1)};
    for (int row = 1; row < PlegmaGrid->RowCount(); ++row)
        document.Rows.append(GridLineOf(*PlegmaGrid, row, 0, PlegmaGrid->ColCount() - 1));
    document.Layout = glCrossTable;
    PrintWindowGrid(*this, document);
}

TPlegmaAForm *PlegmaAForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TPlegmaAForm *form = nullptr;
    return LongLived(form, [] { return new TPlegmaAForm; });
}

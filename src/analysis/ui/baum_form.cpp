#include "analysis/ui/baum_form.h"

#include "analysis/standings_rows.h"
#include "analysis/standings_store.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/db_image.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace tav::data;

using namespace tav::analysis;

namespace {

const char FormCaption[] = "Βαθμολογία";
const char Button3Caption[] = "Τρέχον";
const char StartLabelCaption[] = "Εναρξη από Αγων.";
const char AgvnLabelCaption[] = "Αγωνιστική";
const char GroupLabelCaption[] = "Όμιλος";
const char GlvsaCaption[] = "Ονόματα Ομάδων";
const char GreekNamesCaption[] = "Ελληνικά";
const char LatinNamesCaption[] = "Λατινικά";
const char AgvnButtonCaption[] = "Αποτελέσματα";
const char PrintCaption[] = "ΕΚΤΥΠΩΣΗ";
const char SaveCaption[] = "AΠΟ&ΘΗΚΕΥΣΗ";
const char SkippedMatchMessage[] = "Ο αγώνας %1 - %2 της %3ης αγωνιστικής (%4) δεν μετράει στη βαθμολογία, "
                                   "γιατί μία από τις δύο ομάδες του δεν ανήκει στη διοργάνωση.";

const char PlaceTitle[] = "α/α";
const char NameTitle[] = "Ομάδα";
const char *const BlockTitles[] = {"  ", "ΣΥΝΟΛΙΚΑ", "ΕΝΤΟΣ ΕΔΡΑΣ", "ΕΚΤΟΣ ΕΔΡΑΣ"};
const char *const BlockColumnTitles[] = {"Β", "Α", "Ν", "Ι", "Η", "ΤΕΡ", "ΔΤ"};
constexpr std::array<int, 7> BlockSectionWidths = {25, 25, 25, 25, 25, 40, 30};
constexpr int PlaceSectionWidth = 34;
constexpr int NameSectionWidth = 154;
constexpr int ColumnCount = 23;
// The goals columns ("ΤΕΡ") of the three blocks are centred.
constexpr std::array<int, 3> GoalsColumns = {7, 14, 21};
const QColor ChampionColor{0, 153, 0};

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

TUpDownEdit *NewUpDownEdit(int minimum, QWidget *parent)
{
    auto *edit = new TUpDownEdit(parent);
    edit->SetMin(minimum);
    edit->SetPosition(std::max(minimum, 1));
    return edit;
}

} // namespace

TBaumForm::TBaumForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(Text(FormCaption));
    // A hidden or open league table never keeps the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildControls();
    BuildHeaders();
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
    EdtStartAgvn = NewUpDownEdit(1, this);
    AgvnLabel = new QLabel(Text(AgvnLabelCaption), this);
    AgvnEdit = NewUpDownEdit(1, this);
    Label2 = new QLabel(Text(GroupLabelCaption), this);
    OmiloiEdit = NewUpDownEdit(0, this);
    OmiloiEdit->SetPosition(0);

    GlvsaRadio = new QGroupBox(Text(GlvsaCaption), this);
    GlvsaButtons = new QButtonGroup(GlvsaRadio);
    auto *radioLayout = new QHBoxLayout(GlvsaRadio);
    const char *const names[] = {GreekNamesCaption, LatinNamesCaption};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(Text(names[i]), GlvsaRadio);
        GlvsaButtons->addButton(button, i);
        radioLayout->addWidget(button);
    }
    GlvsaButtons->button(0)->setChecked(true);

    AgvnButton = new QPushButton(Text(AgvnButtonCaption), this);
    BBtnPrint = new QPushButton(Text(PrintCaption), this);
    BBtnSave = new QPushButton(Text(SaveCaption), this);

    DataSource1 = new TDataSource(this);
    DataSource1->SetDataSet(&TavrolinDM().Krath);
    DBImage1 = new TDBImage(this);
    DBImage1->SetDataSource(DataSource1);
    DBImage1->SetDataField(QStringLiteral("Flag"));
    DBImage1->SetStretch(true);
    DBImage1->setFixedSize(64, 42);

    SGrd = new TStringGrid(this);
    SGrd->SetColCount(ColumnCount);
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(0);
    SGrd->SetRowCount(1);
    SGrd->SetDefaultDrawing(false);

    auto *top = new QHBoxLayout;
    for (QWidget *widget :
         std::initializer_list<QWidget *>{Chooser, Button3, Label1, EdtStartAgvn, AgvnLabel, AgvnEdit, Label2,
                                          OmiloiEdit, GlvsaRadio, AgvnButton, BBtnPrint, BBtnSave, DBImage1})
        top->addWidget(widget);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
}

void TBaumForm::BuildHeaders()
{
    SetColumnWidths();
    const int blockColumns = int(BlockSectionWidths.size());
    QList<TColumnBands::TBand> blocks{{Text(BlockTitles[0]), 0, 1}};
    QList<TColumnBands::TBand> titles{{Text(PlaceTitle), 0, 0}, {Text(NameTitle), 1, 1}};
    for (int block = 0; block < 3; ++block) {
        const int first = 2 + block * blockColumns;
        blocks.append({Text(BlockTitles[block + 1]), first, first + blockColumns - 1});
        for (int i = 0; i < blockColumns; ++i)
            titles.append({Text(BlockColumnTitles[i]), first + i, first + i});
    }
    HeaderControl1 = new TColumnBands(SGrd, this);
    HeaderControl1->SetBands(blocks);
    HeaderControl2 = new TColumnBands(SGrd, this);
    HeaderControl2->SetBands(titles);

    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    // The captions and titles sit on the grid like its own header rows.
    const int gap = layout->spacing();
    layout->setSpacing(0);
    layout->addSpacing(gap);
    layout->addWidget(HeaderControl1);
    layout->addWidget(HeaderControl2);
    layout->addWidget(SGrd, 1);
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
    // The widths are those of the titles over the cells, less the grid's line between columns.
    SGrd->SetColWidth(0, PlaceSectionWidth - 2);
    SGrd->SetColWidth(1, NameSectionWidth - 1);
    for (int col = 2; col < ColumnCount; ++col)
        SGrd->SetColWidth(col, BlockSectionWidths[std::size_t(col - 2) % BlockSectionWidths.size()] - 1);
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

void TBaumForm::ShowCategoryCountry(const QVariant &katNo)
{
    TTavrolinDM &dm = TavrolinDM();
    if (katNo.isNull())
        return;
    OpenIfClosed(dm.Krath);
    const QVariant country = dm.Kathgories.Lookup(QStringLiteral("KatNo"), {katNo}, QStringLiteral("Kratos"));
    if (!country.isNull())
        dm.Krath.Locate(QStringLiteral("RecNo"), {country});
}

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
        const QStringList cells =
            StandingsRowTexts(e, row + 1, team ? (latin ? team->EnName : team->GrName) : QString());
        for (int col = 0; col < ColumnCount; ++col)
            SGrd->SetCell(col, row, cells[col]);
    }
    SGrd->viewport()->update();
}

void TBaumForm::GlvsaRadioClick()
{
    FillGrid();
}

void TBaumForm::HeaderControl2SectionClick(int section)
{
    // The place and name titles order nothing.
    if (section < 2)
        return;
    const std::optional<QString> caption = engine_.ApplySpecialOrdering(section);
    FillGrid();
    if (caption)
        setWindowTitle(*caption);
}

void TBaumForm::SGrdDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)
{
    const QString text = SGrd->Cells(col, row);
    int x = rect.Right - canvas.TextWidth(text) - 2;
    if (col == 1)
        x = rect.Left + 2;
    else if (std::find(GoalsColumns.begin(), GoalsColumns.end(), col) != GoalsColumns.end())
        x = rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2 - 2;
    // A selected cell without focus and a focused cell alone keep the grid's colours.
    if (state != TGridDrawState{gdSelected} && state != TGridDrawState{gdFocused}) {
        switch (PlaceMark(engine_.Competition(), row + 1)) {
        case TPlaceMark::Promoted:
            canvas.Font.Color = clBlue;
            break;
        case TPlaceMark::Champion:
            canvas.Font.Color = ChampionColor;
            break;
        case TPlaceMark::Relegated:
            canvas.Font.Color = clRed;
            break;
        case TPlaceMark::None:
            break;
        }
    }
    canvas.FillRect(rect);
    canvas.TextOut(x, rect.Top + 2, text);
}

TBaumForm &BaumForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TBaumForm *form = nullptr;
    return *LongLived(form, [] { return new TBaumForm; });
}

#include "editors/ui/agvnes_form.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/match_list_engine.h"
#include "editors/pending_edit.h"
#include "editors/ui/br_date_form.h"
#include "editors/ui/match_list_print.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/db/data_source.h"
#include "platform/ui/application.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/db_edit_mask.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_image.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

// The background of a cell of the sign column: green for a home win, orange for an away win,
// light blue for a draw or a match without result.
QColor PointColour(const QString &point)
{
    switch (PointRole(point)) {
    case TPointRole::HomeWin:
        return {155, 241, 153};
    case TPointRole::AwayWin:
        return {247, 179, 105};
    case TPointRole::Other:
        break;
    }
    return {153, 241, 255};
}

const char *const kCaption = "Αγώνες";
const char *const kMatchday = "Αγωνιστική";
const char *const kRound = "Γύρος";
const char *const kGroup = "Όμιλος";
const char *const kDate = "Ημερομηνία";
const char *const kTime = "Ώρα";
const char *const kBaum = "&Βαθμολογία";
const char *const kAnalysis = "&Ανάλυση";
const char *const kHistory = "Π&ροϊστορία";
const char *const kGrid = "&Πλέγμα";
const char *const kForm = "&Φόρμα";
const char *const kSave = "&Αποθήκευση";
const char *const kPrint = "&Εκτύπωση";
const char *const kBack = "Ε&ΠΙΣΤΡΟΦΗ";
const char *const kHalfTime = "Ημίχρονο";
const char *const kFullTime = "Τελικό";
const char *const kHistoryHome = "Προϊστορία Εντός";
const char *const kHistoryAll = "Προϊστορία Γενικά";
const char *const kAwayTeam = "Φιλοξενούμενη";
const char *const kHomeGoals = "ΤΓ";
const char *const kAwayGoals = "ΤΦ";
const char *const kSign = "ΣΗΜΕΙΟ";
const char *const kTimeMask = "!90:00;1";
const char *const kMainIndex = "MainInd";
const char *const kMainPanel = "Panel1";

// Columns of the grid: field, title (empty: the field's label), width (0: the field's), centred.
struct GridColumn
{
    const char *field;
    const char *title;
    int width;
    bool centred;
};
const GridColumn kGridColumns[] = {
    {"Date", kDate, 0, false},
    {"Time", kTime, 68, true},
    {"GName", "", 0, false},
    {"FName", kAwayTeam, 0, false},
    {"HmGGoals", kHomeGoals, 35, true},
    {"HmFGoals", kAwayGoals, 35, true},
    {"TelGGoals", kHomeGoals, 35, true},
    {"TelFGoals", kAwayGoals, 35, true},
    {"Point", kSign, 0, true},
};
const char *const kPointField = "Point";
// The goal columns Enter walks through: half-time home goals to full-time away goals.
constexpr int kFirstGoalColumn = 4;
constexpr int kLastGoalColumn = 7;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void OpenTable(TTable &table)
{
    if (!table.Active())
        table.Open();
}

} // namespace

TAgvnesForm::TAgvnesForm(QWidget *parent)
    : QWidget(parent), Panel1(new QFrame(this)),
      // The match list's lists of a category's seasons are oldest first; a narrowed list without
      // the remembered item takes its first.
      Chooser(new tav::shared::CompetitionChooser({false, false}, Panel1)), PeriodCombo(Chooser->PeriodCombo),
      ChkP(Chooser->ChkP), DiorgCombo(Chooser->DiorgCombo), ChkD(Chooser->ChkD),
      AgvnLabel(new QLabel(Text(kMatchday), Panel1)), AgvnEdit(new TUpDownEdit(Panel1)),
      OmilosLbl(new QLabel(Text(kGroup), Panel1)), OmilosEdit(new TUpDownEdit(Panel1)),
      DateLabel(new QLabel(Text(kDate), Panel1)), EditDate(new QLineEdit(Panel1)),
      FromDateButton(new QToolButton(Panel1)), Label2(new QLabel(Text(kTime), Panel1)),
      TimeEdit(new QLineEdit(Panel1)), SpeedButton1(new QToolButton(Panel1)), DBImage1(new TDBImage(Panel1)),
      BaumButton(new QPushButton(Text(kBaum), Panel1)), Button1(new QPushButton(Text(kAnalysis), Panel1)),
      Button2(new QPushButton(Text(kHistory), Panel1)), Button3(new QPushButton(Text(kGrid), Panel1)),
      BtnForma(new QPushButton(Text(kForm), Panel1)), SaveButton(new QPushButton(Text(kSave), Panel1)),
      BitBtn1(new QPushButton(Text(kPrint), Panel1)), BtnBack(new QPushButton(Text(kBack), Panel1)),
      Panel2(new QFrame(this)), HeaderControl1(nullptr), DBGrid1(new TDBGrid(Panel2)),
      ProistoriaMenu(new QMenu(this)), N1(ProistoriaMenu->addAction(Text(kHistoryHome))),
      N2(ProistoriaMenu->addAction(Text(kHistoryAll))), DsAgvnes(new TDataSource(this)),
      DataSource1(new TDataSource(this))
{
    setWindowTitle(Text(kCaption));
    setWindowState(Qt::WindowMaximized);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2, 1);
    BuildPanel1();
    BuildPanel2();
}

TAgvnesForm::~TAgvnesForm() = default;

void TAgvnesForm::BuildPanel1()
{
    Panel1->setFixedHeight(92);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Chooser->setGeometry(8, 8, 426, 24);
    AgvnLabel->setGeometry(444, 4, 80, 16);
    AgvnEdit->setGeometry(444, 22, 60, 24);
    OmilosLbl->setGeometry(516, 4, 60, 16);
    OmilosEdit->setGeometry(516, 22, 60, 24);
    AgvnEdit->SetMin(1);
    AgvnEdit->SetPosition(1);
    for (QWidget *group : std::initializer_list<QWidget *>{OmilosLbl, OmilosEdit})
        group->hide();
    DateLabel->setGeometry(8, 40, 90, 16);
    EditDate->setGeometry(8, 58, 90, 24);
    FromDateButton->setGeometry(100, 58, 24, 24);
    FromDateButton->setAutoRaise(true);
    FromDateButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Label2->setGeometry(134, 40, 50, 16);
    TimeEdit->setGeometry(134, 58, 50, 24);
    TimeEdit->setInputMask(TEditMask(Text(kTimeMask)).InputMask());
    SpeedButton1->setGeometry(188, 58, 24, 24);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    DBImage1->setGeometry(590, 8, 64, 40);
    DBImage1->SetStretch(true);
    DataSource1->SetDataSet(&TavrolinDM().Krath);
    DBImage1->SetDataSource(DataSource1);
    DBImage1->SetDataField(QStringLiteral("Flag"));
    const QList<QPushButton *> buttons{BaumButton, Button1,    Button2, Button3,
                                       BtnForma,   SaveButton, BitBtn1, BtnBack};
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setGeometry(670 + (i % 4) * 100, i < 4 ? 8 : 50, 96, 30);

    Chooser->OnCompetitionChosen = [this](QComboBox *picked) { LoadMatchday(picked); };
    connect(AgvnEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(AgvnEdit); });
    connect(OmilosEdit, &TUpDownEdit::Changed, this, [this] { AgvnEditChange(OmilosEdit); });
    connect(FromDateButton, &QToolButton::clicked, this, &TAgvnesForm::FromDateButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TAgvnesForm::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TAgvnesForm::BitBtn1Click);
    connect(SaveButton, &QPushButton::clicked, this, &TAgvnesForm::SaveButtonClick);
    connect(BtnBack, &QPushButton::clicked, this, &TAgvnesForm::BtnBackClick);
    connect(BaumButton, &QPushButton::clicked, this, &TAgvnesForm::BaumButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TAgvnesForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAgvnesForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TAgvnesForm::Button3Click);
    connect(BtnForma, &QPushButton::clicked, this, &TAgvnesForm::BtnFormaClick);
}

void TAgvnesForm::BuildPanel2()
{
    auto *layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    HeaderControl1 = new TColumnBands(DBGrid1, Panel2);
    HeaderControl1->SetBands({{Text(kHalfTime), kFirstGoalColumn, kFirstGoalColumn + 1},
                              {Text(kFullTime), kLastGoalColumn - 1, kLastGoalColumn}});
    layout->addWidget(HeaderControl1);
    layout->addWidget(DBGrid1, 1);

    DsAgvnes->SetDataSet(&TavrolinDM().Agvnes);
    DsAgvnes->OnStateChange = [this](TDataSource &) { DsAgvnesStateChange(); };
    for (const GridColumn &layout : kGridColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(Text(layout.field));
        column.Title.Caption = Text(layout.title);
        column.Width = layout.width;
        if (layout.centred)
            column.Title.Alignment = Qt::AlignHCenter;
        column.DropDownRows = 20;
    }
    DBGrid1->SetDataSource(DsAgvnes);
    DBGrid1->SetDefaultDrawing(false);
    DBGrid1->OnDrawColumnCell = [this](const TRect &rect, int dataCol, TColumn &column, TGridDrawState state,
                                       TCanvas &canvas) {
        DBGrid1DrawColumnCell(rect, dataCol, column, state, canvas);
    };
    DBGrid1->OnKeyPress = [this](QChar &key) { DBGrid1KeyPress(key); };
    connect(N1, &QAction::triggered, this, &TAgvnesForm::N1Click);
    connect(N2, &QAction::triggered, this, &TAgvnesForm::N2Click);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { ProistoriaMenu->popup(DBGrid1->viewport()->mapToGlobal(at)); });
}

// --- showing --------------------------------------------------------------------------------

void TAgvnesForm::ShowForCaller(QObject *Sender)
{
    ShowFor(Sender, nullptr);
}

void TAgvnesForm::ShowForCaller(QObject *Sender, const TMatchListChoice &Choice)
{
    ShowFor(Sender, &Choice);
}

void TAgvnesForm::ShowFor(QObject *Sender, const TMatchListChoice *Choice)
{
    choiceCaller_ = Choice ? Sender : nullptr;
    if (Choice) {
        choiceMatchday_ = Choice->Matchday;
        Chooser->SetLists(Choice->Lists);
        SetMatchdayText(Choice->Matchday);
    }
    if (!isVisible()) {
        Chooser->FillAllSeasons();
        Chooser->FillAllCategories();
    }
    show();
    raise();
    activateWindow();
    LoadMatchday(Sender);
    DBGrid1->viewport()->update();
}

void TAgvnesForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAgvnesForm::FormShow()
{
    TWaitCursor wait;
    try {
        TTavrolinDM &dm = TavrolinDM();
        for (TTable *table : {&dm.Diorganvseis, &dm.POmades, &dm.Krath, &dm.Kathgories})
            OpenTable(*table);
        Chooser->FillAllSeasons();
        Chooser->FillAllCategories();
        dm.Agvnes.Close();
        dm.Agvnes.SetIndexName(Text(kMainIndex));
        dm.Agvnes.Open();
        // Reopened, the table holds every match: nothing is listed until a competition is.
        ShowNoCompetition();
        LoadMatchday(this);
    } catch (const std::exception &) {
        // The list opens with what it could load.
    }
}

void TAgvnesForm::closeEvent(QCloseEvent *event)
{
    // A match the table refuses now keeps the list open for its correction.
    if (!EndPendingEdit(TavrolinDM().Agvnes)) {
        event->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

void TAgvnesForm::FormClose()
{
    TTavrolinDM &dm = TavrolinDM();
    dm.Agvnes.SetFilter(QString());
    dm.Agvnes.SetFiltered(false);
    // The main window's logo comes back once no window covers it.
    if (QWidget *main = MainWindow())
        if (auto *panel = main->findChild<QFrame *>(Text(kMainPanel)))
            panel->setVisible(true);
    try {
        Chooser->ChooseShown();
    } catch (const std::exception &) {
        // The list closes all the same; the choice was remembered before the database failed.
    }
}

void TAgvnesForm::BtnBackClick()
{
    close();
}

void TAgvnesForm::BaumButtonClick()
{
    bool isNumber = false;
    const int matchday = AgvnEdit->Text().trimmed().toInt(&isNumber);
    if (listedTypos_ != 0 || listedDNo_.isNull() || !isNumber || !openers_.LeagueTable)
        return;
    openers_.LeagueTable(
        Chooser->Lists(), listedDNo_.toInt(), matchday,
        [this](QObject *caller, const TMatchListChoice &choice) { ShowForCaller(caller, choice); });
}

void TAgvnesForm::Button1Click()
{
    if (openers_.Analysis)
        openers_.Analysis(AgvnEdit->Text(), OmilosEdit->Text());
}

void TAgvnesForm::Button2Click()
{
    if (openers_.MatchdayHistory)
        openers_.MatchdayHistory(AgvnEdit->Text(), OmilosEdit->Text());
}

void TAgvnesForm::Button3Click()
{
    if (listedTypos_ != 0 || listedDNo_.isNull() || !openers_.ResultsGrid)
        return;
    openers_.ResultsGrid(AgvnEdit->Text(), [this](QObject *caller, const TMatchListChoice &choice) {
        ShowForCaller(caller, choice);
    });
}

// The team form window on the list's lists; the list then takes the window's lists and choice,
// its matchday unchanged.
void TAgvnesForm::BtnFormaClick()
{
    if (!openers_.TeamForm)
        return;
    const tav::shared::ChooserLists lists = openers_.TeamForm(Chooser->Lists());
    ShowForCaller(BtnForma, TMatchListChoice{lists, AgvnEdit->Text()});
}

void TAgvnesForm::N1Click()
{
    if (openers_.HomeHistory)
        openers_.HomeHistory();
}

void TAgvnesForm::N2Click()
{
    if (openers_.AllHistory)
        openers_.AllHistory();
}

void TAgvnesForm::SetOpeners(TMatchListOpeners openers)
{
    openers_ = std::move(openers);
}

// --- loading --------------------------------------------------------------------------------

void TAgvnesForm::LoadMatchday(QObject *Sender)
{
    if (bulkExporting_)
        return;
    TWaitCursor wait;
    try {
        const TSeasonRange range = MatchdaySeasonRange(PeriodCombo->currentText(), DiorgCombo->currentText());
        TimeEdit->clear();
        // Changes of the edits while the list is hidden wait for the next show.
        if (!isVisible())
            return;
        if (!Chooser->ChooseShown()) {
            ShowNoCompetition();
            return;
        }
        TTavrolinDM &dm = TavrolinDM();
        const int typos = dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
        listedDNo_ = dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value();
        listedTypos_ = typos;
        if (ShowCompetitionType(typos)) {
            AgvnEdit->SetMax(
                MatchdayUpperBound(dm.Diorganvseis.FieldByName(QStringLiteral("Omades")).AsInteger(),
                                   dm.Diorganvseis.FieldByName(QStringLiteral("Rounds")).AsInteger()));
            TakeCallerMatchday(Sender);
            SetMatchdayRange(range, typos);
        }
        ShowFlag();
        DBGrid1->viewport()->update();
    } catch (const std::exception &) {
        // A season or matchday that is no number or a database error leaves the list as it was.
    }
}

// Labels and group controls for the competition type; false for a type the list does not know.
bool TAgvnesForm::ShowCompetitionType(int typos)
{
    if (typos != LeagueTypos && typos != CupTypos)
        return false;
    AgvnLabel->setText(Text(typos == LeagueTypos ? kMatchday : kRound));
    DateLabel->setText(Text(kDate));
    EditDate->show();
    FromDateButton->show();
    for (QWidget *group : std::initializer_list<QWidget *>{OmilosLbl, OmilosEdit})
        group->setVisible(typos == CupTypos);
    return true;
}

void TAgvnesForm::TakeCallerMatchday(QObject *Sender)
{
    if (Sender && Sender == choiceCaller_)
        SetMatchdayText(choiceMatchday_);
    const bool menu = Sender && Sender->objectName() == Text(MenuCallerName);
    if (Sender == DiorgCombo || Sender == PeriodCombo || menu)
        SetMatchdayText(IntToStr(TavrolinDM().GetCurrAgvnistikh()));
}

void TAgvnesForm::ShowNoCompetition()
{
    listedDNo_ = QVariant();
    listedTypos_ = -1;
    TTable &agvnes = TavrolinDM().Agvnes;
    OpenTable(agvnes);
    if (agvnes.IndexName() != Text(kMainIndex))
        agvnes.SetIndexName(Text(kMainIndex));
    // Every match belongs to a competition: the range of none is empty.
    agvnes.SetRange({QVariant()}, {QVariant()});
    DBGrid1->SetReadOnly(true);
    DBGrid1->viewport()->update();
}

void TAgvnesForm::SetMatchdayRange(const TSeasonRange &range, int typos)
{
    TTavrolinDM &dm = TavrolinDM();
    TTable &agvnes = dm.Agvnes;
    OpenTable(agvnes);
    if (agvnes.IndexName() != Text(kMainIndex))
        agvnes.SetIndexName(Text(kMainIndex));
    const int matchday = StrToInt(AgvnEdit->Text());
    // League matches have no group.
    const QVariant group = typos == CupTypos ? QVariant(StrToInt(OmilosEdit->Text())) : QVariant();
    agvnes.SetRange({listedDNo_, matchday, group, range.StartDate},
                    {listedDNo_, matchday, group, range.EndDate});
    DBGrid1->SetReadOnly(false);
    if (typos == LeagueTypos) {
        QString date;
        dm.GetAgvnistikhDate(quint8(matchday), date);
        EditDate->setText(date);
    }
}

void TAgvnesForm::ShowFlag()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenTable(dm.Krath);
    const QVariant country = dm.Agvnes.FieldByName(QStringLiteral("DiorgKatKratos")).Value();
    if (dm.Krath.Locate(QStringLiteral("RecNo"), {country}))
        DBImage1->update();
}

// The program writes the matchday without the reload a typed change starts: its caller loads.
void TAgvnesForm::SetMatchdayText(const QString &text)
{
    const QSignalBlocker quiet(AgvnEdit);
    AgvnEdit->SetText(text);
}

void TAgvnesForm::AgvnEditChange(QObject *Sender)
{
    LoadMatchday(Sender);
}

// --- the category and season choices --------------------------------------------------------

void TAgvnesForm::DiorgComboChange()
{
    Chooser->DiorgComboChange();
}

void TAgvnesForm::PeriodComboChange()
{
    Chooser->PeriodComboChange();
}

void TAgvnesForm::ChkPClick()
{
    Chooser->ChkPClick();
}

void TAgvnesForm::ChkDClick()
{
    Chooser->ChkDClick();
}

// --- editing --------------------------------------------------------------------------------

QString TAgvnesForm::TimeText() const
{
    return TEditMask(Text(kTimeMask)).TextFromDisplay(TimeEdit->displayText());
}

void TAgvnesForm::DsAgvnesStateChange()
{
    const TDataSetState state = DsAgvnes->State();
    const bool inserted = state == TDataSetState::dsInsert && lastState_ != TDataSetState::dsInsert;
    lastState_ = state;
    TTable &agvnes = TavrolinDM().Agvnes;
    if (!inserted ||
        !ApplyNewMatchKeys(agvnes, listedTypos_, listedDNo_, AgvnEdit->Position(), OmilosEdit->Position()))
        return;
    try {
        ApplyMatchDateTime(agvnes, HeaderTime(TimeText()), HeaderDate(EditDate->text()));
    } catch (const EConvertError &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TAgvnesForm::SpeedButton1Click()
{
    TTable &agvnes = TavrolinDM().Agvnes;
    ShowingErrors([&] {
        // Everything is read before anything changes: a bad entry changes nothing.
        const int matchday = StrToInt(AgvnEdit->Text());
        const std::optional<QTime> time = HeaderTime(TimeText());
        const std::optional<QDate> date = HeaderDate(EditDate->text());
        if (agvnes.State() == TDataSetState::dsInsert)
            ApplyMatchDateTime(agvnes, time, date);
        ApplyDateTimeToMatchday(agvnes, listedDNo_, matchday, time, date);
        agvnes.Refresh();
    });
}

void TAgvnesForm::FromDateButtonClick()
{
    TBrDateForm *picker = BrDateForm();
    try {
        picker->SetDate(HeaderDate(EditDate->text()).value_or(QDate::currentDate()));
    } catch (const EConvertError &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    if (picker->exec() == mrOk)
        EditDate->setText(DateToStr(picker->GetDate()));
}

void TAgvnesForm::DBGrid1KeyPress(QChar &Key)
{
    if (Key != QLatin1Char('\r'))
        return;
    const int column = DBGrid1->SelectedIndex();
    if (column < kFirstGoalColumn || column > kLastGoalColumn)
        return;
    Key = QChar();
    if (column < kLastGoalColumn) {
        DBGrid1->SetSelectedIndex(column + 1);
        return;
    }
    DBGrid1->SetSelectedIndex(kFirstGoalColumn);
    ShowingErrors([] { TavrolinDM().Agvnes.Next(); });
}

void TAgvnesForm::DBGrid1DrawColumnCell(const TRect &Rect, int DataCol, TColumn &Column, TGridDrawState State,
                                        TCanvas &Canvas)
{
    if (Column.FieldName() == Text(kPointField)) {
        Canvas.Brush.Color = PointColour(DBGrid1->CellText(DBGrid1->DrawingRow(), DataCol));
        Canvas.Font.Style.Include(fsBold);
    }
    DBGrid1->DefaultDrawColumnCell(Rect, DataCol, Column, State, Canvas);
}

// --- printing -------------------------------------------------------------------------------

void TAgvnesForm::BitBtn1Click()
{
    if (!ExecutePrintDialog(this))
        return;
    setEnabled(false);
    TMatchListPage page;
    page.Caption = windowTitle();
    page.Season = PeriodCombo->currentText();
    page.Category = DiorgCombo->currentText();
    page.Matchday = AgvnEdit->Text();
    page.Today = QDate::currentDate();
    page.HeadFont = TFont::FromQFont(DBGrid1->font(), clBlack, DBGrid1->logicalDpiY());
    page.BeforeRow = ProcessMessages;
    const int columns = DBGrid1->Columns().Count();
    for (int column = 0; column < columns; ++column)
        page.Titles.append(
            {DBGrid1->Columns()[column].Caption(), PrintCellWidth(DBGrid1->columnWidth(column))});
    for (int row = 0; row < DBGrid1->Model().rowCount(); ++row) {
        if (DBGrid1->Model().RecordOfRow(row) < 0)
            continue;
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(DBGrid1->CellText(row, column));
        page.Rows.append(cells);
    }
    try {
        TMatchListPrintout(Printer()).Print(page);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    setEnabled(true);
}

TAgvnesForm *AgvnesForm()
{
    // Owned by no window: it lives as long as the program.
    static TAgvnesForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnesForm; });
}

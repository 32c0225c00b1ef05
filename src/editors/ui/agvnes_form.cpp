#include "editors/ui/agvnes_form.h"

#include "analysis/ui/baum_form.h"
#include "analysis/ui/proistoria_form.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/match_list_engine.h"
#include "editors/pending_edit.h"
#include "editors/ui/br_date_form.h"
#include "editors/ui/match_list_print.h"
#include "editors/ui/up_down.h"
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
const char *const kAllSeasonsHint = "Τσεκαρισμένο δείχνει όλες τις περιόδους";
const char *const kAllCategoriesHint = "Τσεκαρισμένο δείχνει όλες τις διοργανώσεις";
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
const char *const kNoCompetition = "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε";
const char *const kTimeMask = "!90:00;1";
const char *const kMainIndex = "MainInd";
const char *const kMainPanel = "Panel1";

const QStringList kAllSeasonsSql{
    QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc")};
const QStringList kAllCategoriesSql{QStringLiteral("Select GrName from Kathgories"),
                                    QStringLiteral(" order by Kathgories.GrName")};
const QStringList kSeasonCategoriesSql{QStringLiteral("Select GrName from Kathgories, Diorganvseis"),
                                       QStringLiteral("where Diorganvseis.Katno=kathgories.katno and"),
                                       QStringLiteral("diorganvseis.periodos = :Periodos"),
                                       QStringLiteral("order by Kathgories.GrName")};
const QStringList kCategorySeasonsSql{
    QStringLiteral("Select DISTINCT diorganvseis.periodos from Diorganvseis,Kathgories "),
    QStringLiteral("where Diorganvseis.KatNo=:KatNo"), QStringLiteral(" order by diorganvseis.periodos")};

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

// Fills a combo with the items and selects the one equal to the text; without one, the first
// item when asked, else none.
void FillCombo(QComboBox *combo, const QStringList &items, const QString &selected, bool firstWhenAbsent)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    int index = combo->findText(selected, Qt::MatchExactly);
    if (index < 0 && firstWhenAbsent && combo->count() > 0)
        index = 0;
    combo->setCurrentIndex(index);
}

void OpenTable(TTable &table)
{
    if (!table.Active())
        table.Open();
}

} // namespace

TAgvnesForm::TAgvnesForm(QWidget *parent)
    : QWidget(parent), Panel1(new QFrame(this)), PeriodCombo(new QComboBox(Panel1)),
      ChkP(new QCheckBox(Panel1)), DiorgCombo(new QComboBox(Panel1)), ChkD(new QCheckBox(Panel1)),
      AgvnLabel(new QLabel(Text(kMatchday), Panel1)), AgvnEdit(new QLineEdit(QStringLiteral("1"), Panel1)),
      UpDown1(new TUpDown(Panel1)), OmilosLbl(new QLabel(Text(kGroup), Panel1)),
      OmilosEdit(new QLineEdit(QStringLiteral("0"), Panel1)), UpDown2(new TUpDown(Panel1)),
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
    PeriodCombo->setGeometry(8, 8, 110, 24);
    ChkP->setGeometry(122, 8, 20, 24);
    ChkP->setToolTip(Text(kAllSeasonsHint));
    DiorgCombo->setGeometry(150, 8, 260, 24);
    ChkD->setGeometry(414, 8, 20, 24);
    ChkD->setToolTip(Text(kAllCategoriesHint));
    for (QComboBox *combo : {PeriodCombo, DiorgCombo})
        combo->setMaxVisibleItems(20);
    AgvnLabel->setGeometry(444, 4, 80, 16);
    AgvnEdit->setGeometry(444, 22, 44, 24);
    UpDown1->setGeometry(488, 22, 16, 24);
    OmilosLbl->setGeometry(516, 4, 60, 16);
    OmilosEdit->setGeometry(516, 22, 44, 24);
    UpDown2->setGeometry(560, 22, 16, 24);
    UpDown1->SetAssociate(AgvnEdit);
    UpDown1->SetMin(1);
    UpDown2->SetAssociate(OmilosEdit);
    UpDown2->SetMin(0);
    for (QWidget *group : std::initializer_list<QWidget *>{OmilosLbl, OmilosEdit, UpDown2})
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
    // The windows these buttons open are not part of the program yet.
    for (QPushButton *button : {Button1, Button2, Button3, BtnForma, SaveButton})
        button->setEnabled(false);

    connect(PeriodCombo, &QComboBox::activated, this, &TAgvnesForm::PeriodComboChange);
    connect(DiorgCombo, &QComboBox::activated, this, &TAgvnesForm::DiorgComboChange);
    connect(ChkP, &QCheckBox::clicked, this, &TAgvnesForm::ChkPClick);
    connect(ChkD, &QCheckBox::clicked, this, &TAgvnesForm::ChkDClick);
    connect(AgvnEdit, &QLineEdit::textChanged, this, [this] { AgvnEditChange(AgvnEdit); });
    connect(OmilosEdit, &QLineEdit::textChanged, this, [this] { AgvnEditChange(OmilosEdit); });
    connect(FromDateButton, &QToolButton::clicked, this, &TAgvnesForm::FromDateButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TAgvnesForm::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TAgvnesForm::BitBtn1Click);
    connect(BtnBack, &QPushButton::clicked, this, &TAgvnesForm::BtnBackClick);
    connect(BaumButton, &QPushButton::clicked, this, &TAgvnesForm::BaumButtonClick);
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
        FillCombo(DiorgCombo, Choice->Categories, Choice->Category, false);
        FillCombo(PeriodCombo, Choice->Seasons, Choice->Season, false);
        SetMatchdayText(Choice->Matchday);
    }
    if (!isVisible()) {
        FillAllSeasons();
        FillAllCompetitions();
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
        FillAllSeasons();
        FillAllCompetitions();
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
    dm.CurrDiorgName = DiorgCombo->currentText();
    dm.CurrPeriodos = PeriodCombo->currentText();
    // The main window's logo comes back once no window covers it.
    if (QWidget *main = MainWindow())
        if (auto *panel = main->findChild<QFrame *>(Text(kMainPanel)))
            panel->setVisible(true);
    WriteChoice();
}

void TAgvnesForm::BtnBackClick()
{
    close();
}

void TAgvnesForm::BaumButtonClick()
{
    bool isNumber = false;
    const int matchday = AgvnEdit->text().trimmed().toInt(&isNumber);
    if (listedTypos_ != 0 || listedDNo_.isNull() || !isNumber)
        return;
    BaumForm().ShowRound(listedDNo_.toInt(), matchday);
    BaumForm().ShowForCompetition(BaumButton);
}

void TAgvnesForm::N1Click()
{
    ProistoriaForm()->ShowHomeHistory();
}

void TAgvnesForm::N2Click()
{
    ProistoriaForm()->ShowAllHistory();
}

// --- loading --------------------------------------------------------------------------------

void TAgvnesForm::LoadMatchday(QObject *Sender)
{
    TWaitCursor wait;
    try {
        const TSeasonRange range = MatchdaySeasonRange(PeriodCombo->currentText(), DiorgCombo->currentText());
        TimeEdit->clear();
        // Changes of the edits while the list is hidden wait for the next show.
        if (!isVisible())
            return;
        if (!LocateChosenCompetition()) {
            ShowNoCompetition();
            return;
        }
        TTavrolinDM &dm = TavrolinDM();
        const int typos = dm.Diorganvseis.FieldByName(QStringLiteral("Typos")).AsInteger();
        listedDNo_ = dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value();
        listedTypos_ = typos;
        if (ShowCompetitionType(typos)) {
            UpDown1->SetMax(
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

QVariant TAgvnesForm::CategoryKey() const
{
    return TavrolinDM().Kathgories.Lookup(QStringLiteral("GrName"), {DiorgCombo->currentText()},
                                          QStringLiteral("KatNo"));
}

// Moves the program's current competition to the chosen category and season. A category that is
// not stored, or a pair that forms no competition, keeps the list on what it shows.
bool TAgvnesForm::LocateChosenCompetition()
{
    const QVariant katNo = CategoryKey();
    return !katNo.isNull() && TavrolinDM().Diorganvseis.Locate(QStringLiteral("KatNo;Periodos"),
                                                               {katNo, PeriodCombo->currentText()});
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
    for (QWidget *group : std::initializer_list<QWidget *>{OmilosLbl, OmilosEdit, UpDown2})
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
    const int matchday = StrToInt(AgvnEdit->text());
    // League matches have no group.
    const QVariant group = typos == CupTypos ? QVariant(StrToInt(OmilosEdit->text())) : QVariant();
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
    AgvnEdit->setText(text);
}

void TAgvnesForm::AgvnEditChange(QObject *Sender)
{
    LoadMatchday(Sender);
}

// --- the category and season choices --------------------------------------------------------

QStringList TAgvnesForm::ComboItems(const QStringList &sql, const QString &param, const QVariant &value)
{
    TQuery &query = TavrolinDM().ComboQuery;
    query.Close();
    query.SQL().Clear();
    for (const QString &line : sql)
        query.SQL().Add(line);
    if (!param.isEmpty())
        query.ParamByName(param).SetValue(value);
    query.Open();
    QStringList items;
    for (int row = 0; row < query.RecordCount(); ++row)
        items.append(query.ValueAt(row, 0).toString());
    return items;
}

void TAgvnesForm::FillAllSeasons()
{
    FillCombo(PeriodCombo, ComboItems(kAllSeasonsSql), ReadNameP(), false);
}

void TAgvnesForm::FillAllCompetitions()
{
    FillCombo(DiorgCombo, ComboItems(kAllCategoriesSql), ReadNameD(), false);
}

void TAgvnesForm::FillSeasonCompetitions()
{
    FillCombo(DiorgCombo,
              ComboItems(kSeasonCategoriesSql, QStringLiteral("Periodos"), PeriodCombo->currentText()),
              ReadNameD(), true);
}

void TAgvnesForm::FillCompetitionSeasons()
{
    FillCombo(PeriodCombo, ComboItems(kCategorySeasonsSql, QStringLiteral("KatNo"), CategoryKey()),
              ReadNameP(), true);
}

void TAgvnesForm::DiorgComboChange()
{
    if (PeriodCombo->currentText().trimmed().isEmpty())
        return;
    TavrolinDM().CurrDiorgName = DiorgCombo->currentText();
    ComboChanged(DiorgCombo);
}

void TAgvnesForm::PeriodComboChange()
{
    if (DiorgCombo->currentText().trimmed().isEmpty())
        return;
    TavrolinDM().CurrPeriodos = PeriodCombo->currentText();
    ComboChanged(PeriodCombo);
}

// The other combo takes the choices that go with the changed one; the pair then loads, or is
// reported as no competition. The registry records the pair either way.
void TAgvnesForm::ComboChanged(QComboBox *changed)
{
    const bool category = changed == DiorgCombo;
    QComboBox *partner = category ? PeriodCombo : DiorgCombo;
    try {
        if (category)
            ChkP->isChecked() ? FillAllSeasons() : FillCompetitionSeasons();
        else
            ChkD->isChecked() ? FillAllCompetitions() : FillSeasonCompetitions();
        if (!partner->currentText().trimmed().isEmpty()) {
            if (TavrolinDM().Diorganvseis.Locate(QStringLiteral("Periodos;KatNo"),
                                                 {PeriodCombo->currentText(), CategoryKey()}))
                LoadMatchday(changed);
            else
                MessageDlg(Text(kNoCompetition), mtWarning, {mbOK});
        }
    } catch (const std::exception &) {
        // A database error while loading keeps the lists and the matches as they were.
    }
    WriteChoice();
}

void TAgvnesForm::ChkPClick()
{
    try {
        ChkP->isChecked() ? FillAllSeasons() : FillCompetitionSeasons();
    } catch (const std::exception &) {
        // The list keeps its items.
    }
}

void TAgvnesForm::ChkDClick()
{
    try {
        ChkD->isChecked() ? FillAllCompetitions() : FillSeasonCompetitions();
    } catch (const std::exception &) {
        // The list keeps its items.
    }
}

void TAgvnesForm::WriteChoice()
{
    WriteNameD(DiorgCombo->currentText());
    WriteNameP(PeriodCombo->currentText());
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
        !ApplyNewMatchKeys(agvnes, listedTypos_, listedDNo_, UpDown1->Position(), UpDown2->Position()))
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
    try {
        // Everything is read before anything changes: a bad entry changes nothing.
        const int matchday = StrToInt(AgvnEdit->text());
        const std::optional<QTime> time = HeaderTime(TimeText());
        const std::optional<QDate> date = HeaderDate(EditDate->text());
        if (agvnes.State() == TDataSetState::dsInsert)
            ApplyMatchDateTime(agvnes, time, date);
        ApplyDateTimeToMatchday(agvnes, listedDNo_, matchday, time, date);
        agvnes.Refresh();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
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
    try {
        TavrolinDM().Agvnes.Next();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
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
    page.Matchday = AgvnEdit->text();
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
    // Owned by no window: it lives as long as the program. The league table, which cannot see
    // this library, reaches it through the match-list link.
    static TAgvnesForm *form = nullptr;
    return LongLived(form, [] {
        auto *created = new TAgvnesForm;
        MatchListLink() = {
            created->BaumButton, created->DiorgCombo, created->PeriodCombo,
            [](QObject *caller, const TBaumChoice &choice) { AgvnesForm()->ShowForCaller(caller, choice); }};
        return created;
    });
}

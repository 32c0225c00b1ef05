#include "editors/ui/diorganvsh_form.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/diorganvsh_delete.h"
#include "editors/pending_edit.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_radio_group.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::data;

using namespace tav::editors;

namespace {

const QString kCaption = QStringLiteral("Διοργανώσεις");
const QString kSearch = QStringLiteral("Αναζήτηση :");
const QString kDeleteButton = QStringLiteral("Διαγραφή Διοργάνωσης");
const QString kDeleteQuestion = QStringLiteral("ΝΑ ΔΙΑΓΡΑΨΩ ΤΗΝ ΔΙΟΡΓΑΝΩΣΗ;");
const QString kDeleteCaption = QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ");
const QString kCategory = QStringLiteral("Κατηγορία");
const QString kTeamCount = QStringLiteral("Αρ. Ομάδων :");
const QString kWinPoints = QStringLiteral("Βαθμοί Νίκης");
const QString kDrawPoints = QStringLiteral("Βαθμοί Ισοπαλίας");
const QString kLossPoints = QStringLiteral("Βαθμοί Ήττας");
const QString kSeason = QStringLiteral("Περίοδος");
const QString kPromoted = QStringLiteral("Προβιβάζονται :");
const QString kRelegated = QStringLiteral("Υποβιβάζονται :");
const QString kFileName = QStringLiteral("Όνομα αρχείου :");
const QString kRounds = QStringLiteral("Αρ. Γύρων :");
const QString kChampions = QStringLiteral("Πρωταθλητές :");
const QString kCountry = QStringLiteral("Κράτος");
const QString kType = QStringLiteral("Τύπος Διοργάνωσης");
const QString kLeague = QStringLiteral("Πρωτάθλημα");
const QString kCup = QStringLiteral("Κύπελο");
const QString kEnglishName = QStringLiteral("Λατινική Ονομασία");
const QString kConfirmSave = QStringLiteral("Θέλετε να αποθηκεύσετε τις αλλαγές;");

struct TGridColumn
{
    const char *field;
    const char *caption;
    int width;
};
const TGridColumn kTeamColumns[] = {
    {"TeamName", "Ομάδες", 220},
    {"GrName", "Ελληνική Ονομασία", 150},
    {"EnName", "Λατινική Ονομασία", 150},
    {"Timvria", "Τιμωρία", 56},
    {"Isxys", "Ισχύς", 0},
};

const QString kDNo = QStringLiteral("DNo");
const QString kKatNo = QStringLiteral("KatNo");
const QString kKratos = QStringLiteral("Kratos");
const QString kKratosNo = QStringLiteral("KratosNo");
const QString kPeriodos = QStringLiteral("Periodos");
const QString kTeamNo = QStringLiteral("TeamNo");
const QString kEnName = QStringLiteral("EnName");
const QString kRecNo = QStringLiteral("RecNo");

constexpr int kLeagueItem = 0;
constexpr int kCupItem = 1;
constexpr int kFewestLeagueRounds = 2;
constexpr int kMostLeagueRounds = 4;

const TButtonSet kNavigatorButtons{nbFirst, nbPrior, nbNext,   nbLast,   nbInsert,
                                   nbEdit,  nbPost,  nbCancel, nbRefresh};

QPointer<TDiorganvshForm> &OpenForm()
{
    static QPointer<TDiorganvshForm> form;
    return form;
}

// "Field=value" for an integer field; a record without the value matches no record.
QString IntegerFilter(const QString &name, const TDataSet &dataSet, const QString &field)
{
    const TField *source = dataSet.Active() ? dataSet.FindField(field) : nullptr;
    const bool known = source && !source->IsNull();
    return name + QLatin1Char('=') + (known ? QString::number(source->AsInteger()) : QStringLiteral("null"));
}

void SetFilter(TDataSet &dataSet, const QString &filter)
{
    dataSet.SetFilter(filter);
    dataSet.SetFiltered(true);
}

// A closed list is reopened so that it reads its records again.
void Reopen(TDataSet &dataSet)
{
    if (dataSet.Active())
        dataSet.Close();
    dataSet.Open();
}

// Moves a list to the record whose key equals the value, when there is one.
void LocateValue(TDataSet &list, const QString &key, const QVariant &value)
{
    if (list.Active() && !value.isNull())
        list.Locate(key, {value});
}

TDataSource *ListSource(QObject *owner, TDataSet &dataSet)
{
    auto *source = new TDataSource(owner);
    source->SetDataSet(&dataSet);
    source->SetAutoEdit(false);
    return source;
}

TDBEdit *FieldEdit(QWidget *parent, TDataSource *source, const char *field)
{
    auto *edit = new TDBEdit(parent);
    edit->SetDataSource(source);
    edit->SetDataField(QString::fromUtf8(field));
    return edit;
}

TDBLookupComboBox *LookupCombo(QWidget *parent, TDataSource *list, const QString &key, const QString &shown,
                               TDataSource *data, const QString &field)
{
    auto *combo = new TDBLookupComboBox(parent);
    combo->SetListSource(list);
    combo->SetKeyField(key);
    combo->SetListField(shown);
    combo->SetDataSource(data);
    combo->SetDataField(field);
    return combo;
}

TDBNavigator *Navigator(QWidget *parent, TDataSource *source)
{
    auto *navigator = new TDBNavigator(parent);
    navigator->SetDataSource(source);
    navigator->SetVisibleButtons(kNavigatorButtons);
    navigator->SetShowHint(true);
    return navigator;
}

void AddRow(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control)
{
    grid->addWidget(new QLabel(caption, grid->parentWidget()), row, column);
    grid->addWidget(control, row, column + 1);
}

} // namespace

TDiorganvshForm::TDiorganvshForm(QWidget *parent)
    : QWidget(parent), Panel1(new QFrame(this)), Label1(new QLabel(kSearch, Panel1)),
      DBLookupComboBox3(nullptr), DBNavigator(nullptr), BitBtn1(new QPushButton(kDeleteButton, Panel1)),
      Panel2(new QFrame(this)), Panel3(new QFrame(this)), DBGrid1(new TDBGrid(Panel3)),
      N1(new QAction(kEnglishName, this)), DBNavigator1(nullptr)
{
    setObjectName(QStringLiteral("DiorganvshForm"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    OpenForm() = this;

    TTavrolinDM &dm = TavrolinDM();
    dsKathgories = ListSource(this, dm.Kathgories);
    dsPeriodos = ListSource(this, dm.Periodos);
    DataSource1 = ListSource(this, dm.Krath);
    dsPOmades = new TDataSource(this);
    dsPOmades->SetDataSet(&dm.POmades);

    BuildSearchBar();
    BuildCompetitionPanel();
    BuildTeamsPanel();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2);
    layout->addWidget(Panel3, 1);

    connect(&dm.dsDiorganvseis, &TDataSource::Scrolled, this, &TDiorganvshForm::FollowCompetition);
    connect(&dm.dsDiorganvseis, &TDataSource::DataSetChanged, this, &TDiorganvshForm::FollowCompetition);
    connect(dsPOmades, &TDataSource::DataChanged, this, &TDiorganvshForm::FollowTeam);
}

TDiorganvshForm::~TDiorganvshForm()
{
    TavrolinDM().CompetitionEditorOpen = false;
    ShowAllCategories();
}

void TDiorganvshForm::BuildSearchBar()
{
    TTavrolinDM &dm = TavrolinDM();
    // The search box keeps its own choice: choosing moves the competitions to it.
    DBLookupComboBox3 =
        LookupCombo(Panel1, &dm.dsDiorganvseis, kDNo, QStringLiteral("Onomasia"), nullptr, {});
    DBLookupComboBox3->setMinimumWidth(260);
    DBNavigator = Navigator(Panel1, &dm.dsDiorganvseis);
    DBNavigator->OnClick = [this](TNavigateBtn button) { DBNavigatorClick(button); };
    auto *bar = new QHBoxLayout(Panel1);
    bar->addWidget(Label1);
    bar->addWidget(DBLookupComboBox3);
    bar->addWidget(DBNavigator);
    bar->addWidget(BitBtn1);
    bar->addStretch();
    connect(BitBtn1, &QPushButton::clicked, this, &TDiorganvshForm::BitBtn1Click);
}

void TDiorganvshForm::BuildCompetitionPanel()
{
    TDataSource *competition = &TavrolinDM().dsDiorganvseis;
    DBLookupComboBox1 =
        LookupCombo(Panel2, dsKathgories, kKatNo, QStringLiteral("GrName"), competition, kKatNo);
    EditOmadesNo = FieldEdit(Panel2, competition, "Omades");
    EditBauNikhs = FieldEdit(Panel2, competition, "Nikh");
    EditBauIsop = FieldEdit(Panel2, competition, "Isop");
    EditBauHttas = FieldEdit(Panel2, competition, "Htta");
    DBLookupComboBox2 = LookupCombo(Panel2, dsPeriodos, kPeriodos, kPeriodos, competition, kPeriodos);
    DBEdit1 = FieldEdit(Panel2, competition, "OmadesUp");
    DBEdit2 = FieldEdit(Panel2, competition, "OmadesDn");
    DBEdit3 = FieldEdit(Panel2, competition, "FileName");
    DBEdit4 = FieldEdit(Panel2, competition, "Rounds");
    DBEdit5 = FieldEdit(Panel2, competition, "Champions");
    DBLookupComboBox4 =
        LookupCombo(Panel2, DataSource1, kRecNo, QStringLiteral("Name"), competition, kKratosNo);
    DBRadioGroup1 = new TDBRadioGroup(Panel2);
    DBRadioGroup1->setTitle(kType);
    DBRadioGroup1->SetItems({kLeague, kCup});
    DBRadioGroup1->SetValues({QStringLiteral("0"), QStringLiteral("1")});
    DBRadioGroup1->SetColumns(2);
    DBRadioGroup1->SetDataSource(competition);
    DBRadioGroup1->SetDataField(QStringLiteral("Typos"));

    auto *grid = new QGridLayout(Panel2);
    AddRow(grid, 0, 0, kCategory, DBLookupComboBox1);
    AddRow(grid, 1, 0, kTeamCount, EditOmadesNo);
    AddRow(grid, 2, 0, kWinPoints, EditBauNikhs);
    AddRow(grid, 3, 0, kDrawPoints, EditBauIsop);
    AddRow(grid, 4, 0, kLossPoints, EditBauHttas);
    AddRow(grid, 5, 0, kSeason, DBLookupComboBox2);
    AddRow(grid, 0, 2, kPromoted, DBEdit1);
    AddRow(grid, 1, 2, kRelegated, DBEdit2);
    AddRow(grid, 2, 2, kFileName, DBEdit3);
    AddRow(grid, 3, 2, kRounds, DBEdit4);
    AddRow(grid, 4, 2, kChampions, DBEdit5);
    AddRow(grid, 5, 2, kCountry, DBLookupComboBox4);
    grid->addWidget(DBRadioGroup1, 6, 0, 1, 4);
    grid->setColumnStretch(4, 1);

    for (TDBEdit *digits : {EditOmadesNo, EditBauNikhs, DBEdit1, DBEdit2, DBEdit4, DBEdit5})
        digits->OnKeyPress = [this](QChar &key) { DBEdit4KeyPress(key); };
    DBEdit4->OnChange = [this] { DBEdit4Change(); };
    DBLookupComboBox1->OnClick = [this] { DBLookupComboBox1Click(); };
    DBLookupComboBox4->OnClick = [this] { DBLookupComboBox4Click(); };
    DBRadioGroup1->OnChange = [this] { DBRadioGroup1Change(); };
}

void TDiorganvshForm::BuildTeamsPanel()
{
    DBGrid1->SetDataSource(dsPOmades);
    for (const TGridColumn &entry : kTeamColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        column.Title.Caption = QString::fromUtf8(entry.caption);
        column.Width = entry.width;
    }
    DBGrid1->OnCellClick = [this](TColumn &column) { DBGrid1CellClick(column); };
    DBGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    DBGrid1->addAction(N1);
    connect(N1, &QAction::triggered, this, &TDiorganvshForm::N1Click);
    DBNavigator1 = Navigator(Panel3, dsPOmades);
    auto *layout = new QVBoxLayout(Panel3);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(DBNavigator1, 0, Qt::AlignLeft);
}

void TDiorganvshForm::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    dm.CompetitionEditorOpen = true;
    try {
        for (TDataSet *table : std::initializer_list<TDataSet *>{&dm.Omades, &dm.Krath, &dm.Kathgories,
                                                                 &dm.Periodos, &dm.Diorganvseis})
            OpenIfClosed(*table);
        dm.Diorganvseis.EnableControls();
        dm.POmades.SetIndexName(QStringLiteral("diar"));
        OpenIfClosed(dm.POmades);
        dm.POmades.EnableControls();
        OpenIfClosed(dm.Agvnes);
        // The window opens on the competition chosen last, when it still exists.
        tav::data::Choose(dm, tav::data::CurrentChoice());
        FollowCompetition();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorganvshForm::FollowCompetition()
{
    TTavrolinDM &dm = TavrolinDM();
    TTable &competition = dm.Diorganvseis;
    if (!competition.Active() || competition.State() != TDataSetState::dsBrowse)
        return;
    // The country's categories were offered while the competition was edited; the competition
    // now shown has its category among all of them.
    ShowAllCategories();
    if (competition.IsEmpty())
        return;
    LocateValue(dm.Kathgories, kKatNo, competition.FieldByName(kKatNo).Value());
    LocateValue(dm.Periodos, kPeriodos, competition.FieldByName(kPeriodos).Value());
    LocateValue(dm.Krath, kRecNo, competition.FieldByName(kKratosNo).Value());
}

void TDiorganvshForm::ShowAllCategories()
{
    TTable &categories = TavrolinDM().Kathgories;
    if (categories.Filter().isEmpty() && !categories.Filtered())
        return;
    try {
        categories.SetFiltered(false);
        categories.SetFilter(QString());
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorganvshForm::FollowTeam(TField *field)
{
    if (field && field->FieldName().compare(kTeamNo, Qt::CaseInsensitive) == 0)
        LocateValue(TavrolinDM().Omades, kTeamNo, field->Value());
}

void TDiorganvshForm::DBLookupComboBox1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    if (dm.Diorganvseis.State() != TDataSetState::dsInsert)
        return;
    const TField &typos = dm.Kathgories.FieldByName(QStringLiteral("Typos"));
    DBRadioGroup1->SetItemIndex(typos.IsNull() ? -1 : typos.AsInteger());
}

void TDiorganvshForm::DBLookupComboBox4Click()
{
    TTavrolinDM &dm = TavrolinDM();
    try {
        SetFilter(dm.Omades, IntegerFilter(kKratosNo, dm.Kathgories, kKratos));
        // The category list offers only the chosen country's categories.
        SetFilter(dm.Kathgories, IntegerFilter(kKratos, dm.Krath, kRecNo));
        Reopen(dm.POmades);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorganvshForm::DBNavigatorClick(TNavigateBtn Button)
{
    TTavrolinDM &dm = TavrolinDM();
    const bool moved = Button == nbFirst || Button == nbPrior || Button == nbNext || Button == nbLast;
    // A new competition narrows the teams to none while it is typed in; once it is stored (or
    // given up) the competition shown gets its own teams again, as a move gives them.
    const bool settled = (Button == nbPost || Button == nbCancel) &&
                         dm.Diorganvseis.State() == TDataSetState::dsBrowse && !dm.Diorganvseis.IsEmpty();
    if (!moved && !settled)
        return;
    try {
        if (settled) {
            dm.DiorganvseisAfterScroll(dm.Diorganvseis);
            FollowCompetition();
        }
        ShowCompetitionTeams();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorganvshForm::ShowCompetitionTeams()
{
    TTavrolinDM &dm = TavrolinDM();
    SetFilter(dm.Omades, IntegerFilter(kKratosNo, dm.Kathgories, kKratos));
    Reopen(dm.POmades);
}

void TDiorganvshForm::DBRadioGroup1Change()
{
    DBLookupComboBox4->setEnabled(DBRadioGroup1->ItemIndex() == kCupItem);
}

void TDiorganvshForm::DBEdit4Change()
{
    if (DBRadioGroup1->ItemIndex() != kLeagueItem)
        return;
    const QString text = DBEdit4->Text();
    bool number = false;
    const int rounds = text.toInt(&number);
    if (!number) {
        if (!text.isEmpty())
            DBEdit4->SetText(QString());
        return;
    }
    if (rounds < kFewestLeagueRounds || rounds > kMostLeagueRounds)
        DBEdit4->SetText(QString::number(kFewestLeagueRounds));
}

void TDiorganvshForm::DBEdit4KeyPress(QChar &Key)
{
    if (Key != QLatin1Char('\b') && (Key < QLatin1Char('0') || Key > QLatin1Char('9')))
        Key = QChar();
}

void TDiorganvshForm::DBGrid1CellClick(TColumn &)
{
    TTavrolinDM &dm = TavrolinDM();
    if (dm.POmades.Active() && !dm.POmades.IsEmpty())
        LocateValue(dm.Omades, kTeamNo, dm.POmades.FieldByName(kTeamNo).Value());
}

void TDiorganvshForm::N1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    try {
        OpenIfClosed(dm.Omades);
        if (!dm.POmades.Active() || dm.POmades.IsEmpty())
            return;
        if (!dm.Omades.Locate(kTeamNo, {dm.POmades.FieldByName(kTeamNo).Value()}))
            return;
        if (!dm.POmades.Edit())
            return;
        dm.POmades.FieldByName(kEnName).SetValue(dm.Omades.FieldByName(kEnName).Value());
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorganvshForm::BitBtn1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    TTable &competitions = dm.Diorganvseis;
    const bool inserting = competitions.State() == TDataSetState::dsInsert;
    if (!competitions.Active() || (competitions.IsEmpty() && !inserting))
        return;
    if (ApplicationMessageBox(kDeleteQuestion, kDeleteCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
        IDYES)
        return;
    // The competition on the screen is the one deleted. One being typed in is not stored yet: it
    // is dropped, and the competition the cursor goes back to stays.
    if (Editing(competitions))
        competitions.Cancel();
    if (inserting) {
        try {
            dm.DiorganvseisAfterScroll(competitions);
            FollowCompetition();
            ShowCompetitionTeams();
        } catch (const Exception &error) {
            MessageDlg(error.Message(), mtError, {mbOK});
        }
        return;
    }
    const QVariant dNo = competitions.FieldByName(kDNo).Value();
    if (dNo.isNull())
        return;
    try {
        DeleteCompetition(TavrolinDM(), dNo);
        competitions.Refresh();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

bool TDiorganvshForm::FormCloseQuery()
{
    TTavrolinDM &dm = TavrolinDM();
    const QList<TDataSet *> tables{&dm.POmades, &dm.Diorganvseis};
    bool changed = false;
    try {
        for (TDataSet *table : tables) {
            table->UpdateRecord();
            changed = changed || (Editing(*table) && table->Modified());
        }
        const bool store = changed && MessageDlg(kConfirmSave, mtConfirmation, {mbYes, mbNo}) == mrYes;
        for (TDataSet *table : tables) {
            if (!Editing(*table))
                continue;
            if (!store || !table->Modified())
                table->Cancel();
            // A record that cannot be stored stays as typed, with the window, for correction.
            else if (!dm.PostConfirmed(*table))
                return false;
        }
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return false;
    }
    return true;
}

void TDiorganvshForm::FormClose()
{
    TTavrolinDM &dm = TavrolinDM();
    // Nobody could store what is left half typed once the window is gone.
    for (TDataSet *table : std::initializer_list<TDataSet *>{&dm.POmades, &dm.Diorganvseis})
        if (Editing(*table))
            table->Cancel();
    ShowAllCategories();
    dm.CompetitionEditorOpen = false;
    emit Closed();
}

void TDiorganvshForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TDiorganvshForm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

TDiorganvshForm *DiorganvshForm()
{
    return OpenForm();
}

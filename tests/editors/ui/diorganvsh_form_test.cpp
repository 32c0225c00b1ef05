#include "editors/ui/diorganvsh_form.h"

#include "editors/diorganvsh_fixture.h"
#include "editors/refused_writes.h"
#include "editors/ui/agvnes_form.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_radio_group.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// A league and a cup of two countries, with teams; the window is built but not shown.
class DiorganvshFormTest : public CompetitionWindowsTest
{
protected:
    void SetUp() override
    {
        CompetitionWindowsTest::SetUp();
        greece_ = AddCountry("Ελλάδα");
        cyprus_ = AddCountry("Κύπρος");
        league_ = AddCategory("Α' ΕΘΝΙΚΗ", greece_, 0);
        cup_ = AddCategory("ΚΥΠΕΛΛΟ ΚΥΠΡΟΥ", cyprus_, 1);
        AddSeason("2005-06");
        leagueDNo_ = AddCompetition(league_, "2004'05", 4);
        cupDNo_ = AddCompetition(cup_, "2004'05", 8);
        olympiakos_ = AddTeam(greece_, "Ολυμπιακός", "Olympiakos");
        panathinaikos_ = AddTeam(greece_, "Παναθηναϊκός", "Panathinaikos");
        aek_ = AddTeam(greece_, "ΑΕΚ", "AEK");
        apoel_ = AddTeam(cyprus_, "ΑΠΟΕΛ", "APOEL");
        AddCompetitionTeam(cupDNo_, apoel_);
        form = std::make_unique<TDiorganvshForm>();
        messages.Clear();
    }

    void TearDown() override
    {
        form.reset();
        CompetitionWindowsTest::TearDown();
    }

    // What a user does with the mouse in a lookup list: picks the item showing this text.
    static void Choose(TDBLookupComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        emit combo->activated(index);
    }

    // Types the text into the edit key by key, as the keyboard delivers it.
    static void Type(TDBEdit *edit, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
        }
    }

    // The names the team column offers for the competition team under the cursor.
    QStringList TeamChoices()
    {
        QStringList names;
        for (const TLookupItem &item : Dm().POmades.FieldByName("TeamName").LookupList())
            names.append(item.text);
        return names;
    }

    // Stores a new competition team chosen by name in the grid's team column.
    bool AddTeamThroughGrid(const QString &name)
    {
        form->DBNavigator1->BtnClick(nbInsert);
        if (Dm().POmades.State() != TDataSetState::dsInsert)
            return false;
        form->DBGrid1->Model().SetCellText(0, name);
        form->DBNavigator1->BtnClick(nbPost);
        return Dm().POmades.State() == TDataSetState::dsBrowse;
    }

    // Types a new league of the category "Α' ΕΘΝΙΚΗ" in the season into the competition fields.
    void TypeCompetition(TDiorganvshForm &editor, const QString &season, const QString &teams = "2")
    {
        editor.DBNavigator->Button(nbInsert)->click();
        Choose(editor.DBLookupComboBox1, "Α' ΕΘΝΙΚΗ");
        Choose(editor.DBLookupComboBox2, season);
        Type(editor.EditOmadesNo, teams);
        Type(editor.EditBauNikhs, "3");
        Type(editor.EditBauIsop, "1");
        Type(editor.EditBauHttas, "0");
        Type(editor.DBEdit4, "2");
    }

    int CompetitionsOf(const QString &season)
    {
        return Count("SELECT count(*) FROM Diorganvseis WHERE Periodos = ?1", {season});
    }

    int greece_ = 0, cyprus_ = 0, league_ = 0, cup_ = 0, leagueDNo_ = 0, cupDNo_ = 0;
    int olympiakos_ = 0, panathinaikos_ = 0, aek_ = 0, apoel_ = 0;
    std::unique_ptr<TDiorganvshForm> form;
};

TEST_F(DiorganvshFormTest, ShowOpensOnTheRememberedCompetitionAndMarksTheEditorOpen)
{
    Remember("Α' ΕΘΝΙΚΗ", "2004'05");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {cupDNo_}));

    form->FormShow();

    EXPECT_TRUE(Dm().CompetitionEditorOpen);
    EXPECT_EQ(DiorganvshForm(), form.get());
    EXPECT_EQ(form->windowTitle(), QString("Διοργανώσεις"));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), leagueDNo_);
    EXPECT_EQ(Dm().POmades.IndexName(), QString("diar"));
    EXPECT_EQ(form->DBLookupComboBox1->Text(), QString("Α' ΕΘΝΙΚΗ"));
    EXPECT_EQ(form->DBLookupComboBox2->Text(), QString("2004'05"));
    EXPECT_EQ(form->DBLookupComboBox4->Text(), QString("Ελλάδα"));
    EXPECT_EQ(form->EditOmadesNo->Text(), QString("4"));
    EXPECT_EQ(form->DBRadioGroup1->ItemIndex(), 0);
    EXPECT_FALSE(form->DBLookupComboBox4->isEnabled()) << "a league takes the country of its category";
    EXPECT_EQ(Dm().Kathgories.FieldByName("KatNo").AsInteger(), league_) << "the rules read this category";
    EXPECT_FALSE(form->DBNavigator->Button(nbDelete)->isVisibleTo(form.get()));
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

TEST_F(DiorganvshFormTest, ForgottenCompetitionLeavesTheCursorWhereItWas)
{
    Remember("ΚΑΜΙΑ", "2004'05");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {cupDNo_}));

    form->FormShow();

    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), cupDNo_);
    EXPECT_TRUE(form->DBLookupComboBox4->isEnabled());
}

TEST_F(DiorganvshFormTest, CloseEndsTheEditorAndTellsTheMainWindow)
{
    auto *shown = new TDiorganvshForm;
    shown->show();
    ASSERT_TRUE(Dm().CompetitionEditorOpen);
    int closed = 0;
    QObject::connect(shown, &TDiorganvshForm::Closed, [&closed] { ++closed; });
    Dm().Diorganvseis.Insert();

    shown->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(Dm().CompetitionEditorOpen);
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse) << "no competition is left half typed";
    EXPECT_EQ(DiorganvshForm(), nullptr);
}

TEST_F(DiorganvshFormTest, ClosingAsksWhetherToStoreAHalfTypedCompetition)
{
    const QString ask = "Θέλετε να αποθηκεύσετε τις αλλαγές;";
    struct Case
    {
        const char *name;
        int answer;
        int stored;
    };
    for (const Case &c : {Case{"No drops it", mrNo, 0}, Case{"Yes stores it", mrYes, 1}}) {
        SCOPED_TRACE(c.name);
        QPointer<TDiorganvshForm> editor = new TDiorganvshForm;
        editor->show();
        TypeCompetition(*editor, "2005-06");
        messages.Clear();
        messages.QueueAnswer(c.answer);

        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_TRUE(editor.isNull());
        // Asked once: the competition rule does not ask again what the window has asked.
        EXPECT_EQ(messages.Texts(), QStringList{ask});
        EXPECT_EQ(messages.Last().buttons, (QList<TMsgDlgBtn>{mbYes, mbNo}));
        EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse);
        EXPECT_EQ(CompetitionsOf("2005-06"), c.stored);
    }
}

TEST_F(DiorganvshFormTest, ACompetitionTheRulesRefuseKeepsTheEditorOpenForItsCorrection)
{
    QPointer<TDiorganvshForm> editor = new TDiorganvshForm;
    editor->show();
    // The same competition as the stored league.
    TypeCompetition(*editor, "2004'05", "4");
    messages.Clear();
    messages.QueueAnswer(mrYes);

    editor->close();

    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(messages.Texts(),
              (QStringList{"Θέλετε να αποθηκεύσετε τις αλλαγές;", "Η Διοργάνωση αυτή υπάρχει!"}));
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsInsert) << "the typed competition stays";

    messages.QueueAnswer(mrNo);
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(CompetitionsOf("2004'05"), 2);
}

class DiorganvshRefusedTest : public DiorganvshFormTest, public testing::WithParamInterface<TRefusal>
{
};

// The database refuses the new competition, first from the navigator and then from the close.
TEST_P(DiorganvshRefusedTest, ARefusedCompetitionStaysForCorrectionUntilTheUserDropsIt)
{
    QPointer<TDiorganvshForm> editor = new TDiorganvshForm;
    editor->show();
    Refuse(Dm().TavrolinDb, GetParam(), DiorganvseisFill);
    TypeCompetition(*editor, "2005-06");
    messages.QueueAnswer(mrYes);
    editor->DBNavigator->Button(nbPost)->click();
    ASSERT_EQ(messages.Count(), 2) << messages.Texts().join('\n').toStdString();
    EXPECT_TRUE(messages.Last().text.contains(RefusalWords(GetParam())))
        << messages.Last().text.toStdString();
    ASSERT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsInsert);

    messages.Clear();
    messages.QueueAnswer(mrYes);
    editor->close();
    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(editor->isVisible()) << "a store that failed keeps the window";
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Calls().at(0).text, "Θέλετε να αποθηκεύσετε τις αλλαγές;");
    EXPECT_TRUE(messages.Last().text.contains(RefusalWords(GetParam())));
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsInsert);

    messages.Clear();
    messages.QueueAnswer(mrNo);
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(messages.Texts(), QStringList{"Θέλετε να αποθηκεύσετε τις αλλαγές;"});
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(CompetitionsOf("2005-06"), 0);
}

INSTANTIATE_TEST_SUITE_P(Refusals, DiorganvshRefusedTest,
                         testing::Values(TRefusal::ReadOnly, TRefusal::FullDisk),
                         [](const testing::TestParamInfo<TRefusal> &info) {
                             return std::string(RefusalName(info.param));
                         });

TEST_F(DiorganvshFormTest, NewCompetitionWithItsTeamsUpToTheDeclaredNumber)
{
    form->FormShow();
    form->DBNavigator->BtnClick(nbInsert);
    Choose(form->DBLookupComboBox1, "Α' ΕΘΝΙΚΗ");
    Choose(form->DBLookupComboBox2, "2005-06");
    Type(form->EditOmadesNo, "2");
    Type(form->EditBauNikhs, "3");
    Type(form->EditBauIsop, "1");
    Type(form->EditBauHttas, "0");
    Type(form->DBEdit4, "2");
    Type(form->DBEdit3, "greece");
    form->DBNavigator->BtnClick(nbPost);

    ASSERT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse)
        << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(messages.Last().text, QString("Θέλετε να αποθηκεύσετε τις αλλαγές;"));
    const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    EXPECT_EQ(
        Count("SELECT count(*) FROM Diorganvseis WHERE DNo = ?1 AND KatNo = ?2 AND Periodos = '2005-06' AND "
              "Omades = 2 AND Typos = 0 AND KratosNo = ?3 AND FileName = 'greece'",
              {dNo, league_, greece_}),
        1);

    Dm().CompetitionEditorOpen = true;
    EXPECT_TRUE(AddTeamThroughGrid("Ολυμπιακός"));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), olympiakos_)
        << "the team table follows the choice";
    EXPECT_TRUE(AddTeamThroughGrid("ΑΕΚ"));
    EXPECT_EQ(
        Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1 AND ((TeamNo = ?2 AND GrName = 'Ολυμπιακός' "
              "AND EnName = 'Olympiakos') OR (TeamNo = ?3 AND GrName = 'ΑΕΚ' AND EnName = 'AEK'))",
              {dNo, olympiakos_, aek_}),
        2);
    EXPECT_EQ(form->DBGrid1->CellText(0, 0), QString("Ολυμπιακός-Olympiakos"));

    messages.Clear();
    EXPECT_FALSE(AddTeamThroughGrid("Παναθηναϊκός"));
    EXPECT_EQ(messages.Texts(),
              QStringList{
                  "Δεν μπορείτε να καταχωρήσετε άλλη ομάδα ,έχετε καλύψει τον αριθμό ομάδων που δηλώσατε."});
    EXPECT_EQ(Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1", {dNo}), 2);
}

TEST_F(DiorganvshFormTest, ChoosingTheCategoryOfANewCompetitionSetsItsType)
{
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {leagueDNo_}));
    form->FormShow();
    Choose(form->DBLookupComboBox1, "ΚΥΠΕΛΛΟ ΚΥΠΡΟΥ");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatNo").AsInteger(), league_)
        << "browsing: the choice is refused";

    form->DBNavigator->BtnClick(nbInsert);
    Choose(form->DBLookupComboBox1, "ΚΥΠΕΛΛΟ ΚΥΠΡΟΥ");
    EXPECT_EQ(form->DBRadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("Typos").AsInteger(), 1);
    EXPECT_TRUE(form->DBLookupComboBox4->isEnabled());

    Choose(form->DBLookupComboBox1, "Α' ΕΘΝΙΚΗ");
    EXPECT_EQ(form->DBRadioGroup1->ItemIndex(), 0);
    EXPECT_FALSE(form->DBLookupComboBox4->isEnabled());
}

TEST_F(DiorganvshFormTest, RoundsOfALeagueStayBetweenTwoAndFour)
{
    struct Case
    {
        int type;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {{0, "5", "2"}, {0, "1", "2"}, {0, "3", "3"}, {0, "4", "4"},
                          {0, "x", ""},  {1, "5", "5"}, {1, "x", "x"}};
    form->FormShow();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        form->DBNavigator->BtnClick(nbInsert);
        form->DBRadioGroup1->SetItemIndex(c.type);
        form->DBEdit4->SetText(c.typed);
        EXPECT_EQ(form->DBEdit4->Text(), QString(c.shown));
        form->DBNavigator->BtnClick(nbCancel);
    }
}

TEST_F(DiorganvshFormTest, NumberFieldsTakeOnlyDigits)
{
    form->FormShow();
    form->DBNavigator->BtnClick(nbInsert);
    for (TDBEdit *digits : {form->EditOmadesNo, form->EditBauNikhs, form->DBEdit1, form->DBEdit2,
                            form->DBEdit4, form->DBEdit5}) {
        Type(digits, "3a-4");
        EXPECT_EQ(digits->Text(), QString("34")) << digits->DataField().toStdString();
    }
    for (TDBEdit *anything : {form->EditBauIsop, form->EditBauHttas, form->DBEdit3}) {
        Type(anything, "1a");
        EXPECT_EQ(anything->Text(), QString("1a")) << anything->DataField().toStdString();
    }
    QChar backspace('\b');
    form->DBEdit4KeyPress(backspace);
    EXPECT_EQ(backspace, QChar('\b'));
}

TEST_F(DiorganvshFormTest, MovingToAnotherCompetitionShowsItsTeamsAndOffersItsCountrysTeams)
{
    form->FormShow();
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {leagueDNo_}));

    form->DBNavigator->BtnClick(nbNext);

    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), cupDNo_);
    EXPECT_EQ(Dm().Omades.Filter(), QString("KratosNo=%1").arg(cyprus_));
    EXPECT_EQ(Dm().Omades.RecordCount(), 1);
    EXPECT_EQ(Dm().POmades.RecordCount(), 1);
    EXPECT_EQ(form->DBGrid1->CellText(0, 0), QString("ΑΠΟΕΛ-APOEL"));
    EXPECT_EQ(form->DBLookupComboBox1->Text(), QString("ΚΥΠΕΛΛΟ ΚΥΠΡΟΥ"));
    EXPECT_TRUE(form->DBLookupComboBox4->isEnabled());
    EXPECT_EQ(TeamChoices(), QStringList{"ΑΠΟΕΛ"});

    // A new team of the league is one of Greece's clubs; a club of another country typed into the
    // team column is not taken.
    form->DBNavigator->BtnClick(nbPrior);
    form->DBNavigator1->BtnClick(nbInsert);
    EXPECT_EQ(TeamChoices(), (QStringList{"ΑΕΚ", "Ολυμπιακός", "Παναθηναϊκός"}));
    form->DBGrid1->Model().SetCellText(0, "ΑΠΟΕΛ");
    EXPECT_TRUE(Dm().POmades.FieldByName("TeamNo").IsNull());
    form->DBGrid1->Model().SetCellText(0, "ΑΕΚ");
    EXPECT_EQ(Dm().POmades.FieldByName("TeamNo").AsInteger(), aek_);
}

TEST_F(DiorganvshFormTest, TheCountrysCategoriesAreOfferedOnlyWhileTheCompetitionIsEdited)
{
    struct Case
    {
        const char *name;
        std::function<void(TDiorganvshForm &)> end;
    };
    const Case cases[] = {
        {"cancel", [](TDiorganvshForm &editor) { editor.DBNavigator->Button(nbCancel)->click(); }},
        {"post",
         [this](TDiorganvshForm &editor) {
             messages.QueueAnswer(mrYes);
             editor.DBNavigator->Button(nbPost)->click();
         }},
        {"move", [](TDiorganvshForm &editor) { editor.DBNavigator->Button(nbFirst)->click(); }},
        {"close",
         [this](TDiorganvshForm &editor) {
             messages.QueueAnswer(mrNo);
             editor.close();
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {cupDNo_}));
        QPointer<TDiorganvshForm> editor = new TDiorganvshForm;
        editor->show();
        editor->DBNavigator->Button(nbEdit)->click();
        Choose(editor->DBLookupComboBox4, "Ελλάδα");
        ASSERT_TRUE(Dm().Kathgories.Filtered());

        c.end(*editor);

        EXPECT_FALSE(Dm().Kathgories.Filtered());
        EXPECT_EQ(Dm().Kathgories.Filter(), "");
        EXPECT_EQ(Dm().Kathgories.RecordCount(), 2);
        delete editor;
    }
}

TEST_F(DiorganvshFormTest, AfterTheCountryBoxTheMatchListChoosesAnotherCountrysCategory)
{
    Remember("ΚΥΠΕΛΛΟ ΚΥΠΡΟΥ", "2004'05");
    auto *editor = new TDiorganvshForm;
    editor->show();
    editor->DBNavigator->Button(nbEdit)->click();
    Choose(editor->DBLookupComboBox4, "Κύπρος");
    messages.QueueAnswer(mrNo);
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QAction menuItem;
    menuItem.setObjectName(TAgvnesForm::MenuCallerName);
    TAgvnesForm &list = *AgvnesForm();
    list.ShowForCaller(&menuItem);
    const int index = list.DiorgCombo->findText("Α' ΕΘΝΙΚΗ");
    ASSERT_GE(index, 0);
    list.DiorgCombo->setCurrentIndex(index);
    emit list.DiorgCombo->activated(index);

    EXPECT_EQ(list.PeriodCombo->currentText(), "2004'05");
    EXPECT_EQ(TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadString("Options", "NameP", "<none>"),
              "2004'05");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), leagueDNo_);
    list.close();
}

TEST_F(DiorganvshFormTest, ChoosingTheCountryOffersItsCategoriesAndTheCategorysTeams)
{
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {cupDNo_}));
    form->FormShow();
    form->DBNavigator->BtnClick(nbEdit);

    Choose(form->DBLookupComboBox4, "Ελλάδα");

    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KratosNo").AsInteger(), greece_);
    EXPECT_EQ(Dm().Kathgories.Filter(), QString("Kratos=%1").arg(greece_));
    EXPECT_EQ(form->DBLookupComboBox1->count(), 1);
    EXPECT_EQ(Dm().Omades.Filter(), QString("KratosNo=%1").arg(cyprus_)) << "the category's country";
}

TEST_F(DiorganvshFormTest, TeamRowClickMovesTheTeamTableAndTheMenuRefreshesTheEnglishName)
{
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {leagueDNo_}));
    const int recNo = AddCompetitionTeam(leagueDNo_, panathinaikos_);
    AddCompetitionTeam(leagueDNo_, olympiakos_);
    ASSERT_TRUE(Dm().Omades.Locate("TeamNo", {panathinaikos_}));
    ASSERT_TRUE(Dm().Omades.Edit());
    Dm().Omades.FieldByName("EnName").SetValue("PAO");
    ASSERT_TRUE(Dm().Omades.Post());
    form->FormShow();
    ASSERT_TRUE(Dm().POmades.Locate("RecNo", {recNo}));
    Dm().Omades.Last();

    form->DBGrid1CellClick(form->DBGrid1->Columns()[1]);
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), panathinaikos_);

    form->N1->trigger();
    EXPECT_EQ(Dm().POmades.State(), TDataSetState::dsEdit);
    EXPECT_EQ(Dm().POmades.FieldByName("EnName").AsString(), QString("PAO"));
    form->DBNavigator1->BtnClick(nbPost);
    EXPECT_EQ(Count("SELECT count(*) FROM PerOmades WHERE RecNo = ?1 AND EnName = 'PAO'", {recNo}), 1);
}

TEST_F(DiorganvshFormTest, DeleteAsksFirstAndRemovesEverythingOfTheCompetition)
{
    const int home = AddCompetitionTeam(leagueDNo_, olympiakos_);
    const int away = AddCompetitionTeam(leagueDNo_, aek_);
    AddMatch(leagueDNo_, 1, home, away, QDate(2004, 9, 12), 1, 0);
    AddTeamStat(home, 1);
    AddTeamStat(away, 1);
    Remember("Α' ΕΘΝΙΚΗ", "2004'05");
    form->FormShow();
    auto rows = [&] {
        return QList<int>{Count("SELECT count(*) FROM Agvnes WHERE DiorgNo = ?1", {leagueDNo_}),
                          Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1", {leagueDNo_}),
                          Count("SELECT count(*) FROM TeamStat"),
                          Count("SELECT count(*) FROM Diorganvseis WHERE DNo = ?1", {leagueDNo_})};
    };

    messages.QueueAnswer(mrNo);
    form->BitBtn1Click();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().kind, MessageKind::MessageBox);
    EXPECT_EQ(messages.Last().text, QString("ΝΑ ΔΙΑΓΡΑΨΩ ΤΗΝ ΔΙΟΡΓΑΝΩΣΗ;"));
    EXPECT_EQ(messages.Last().caption, QString("ΕΠΙΒΕΒΑΙΩΣΗ"));
    EXPECT_EQ(messages.Last().buttons, (QList<TMsgDlgBtn>{mbYes, mbNo}));
    EXPECT_EQ(messages.Last().defaultButton, mbNo);
    EXPECT_EQ(rows(), (QList<int>{1, 2, 2, 1}));

    messages.QueueAnswer(mrYes);
    form->BitBtn1Click();
    EXPECT_EQ(rows(), (QList<int>{0, 0, 0, 0}));
    EXPECT_EQ(Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1", {cupDNo_}), 1);
    EXPECT_EQ(Dm().Diorganvseis.RecordCount(), 1);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), cupDNo_);
}

TEST_F(DiorganvshFormTest, DeleteWhileACompetitionIsTypedInDropsItAndDeletesNothing)
{
    const int home = AddCompetitionTeam(leagueDNo_, olympiakos_);
    const int away = AddCompetitionTeam(leagueDNo_, aek_);
    AddMatch(leagueDNo_, 1, home, away, QDate(2004, 9, 12), 1, 0);
    Remember("Α' ΕΘΝΙΚΗ", "2004'05");
    auto *editor = new TDiorganvshForm;
    editor->show();
    editor->DBNavigator->Button(nbInsert)->click();
    ASSERT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsInsert);
    messages.Clear();
    messages.QueueAnswer(mrYes);

    editor->BitBtn1->click();

    EXPECT_EQ(messages.Texts(), QStringList{"ΝΑ ΔΙΑΓΡΑΨΩ ΤΗΝ ΔΙΟΡΓΑΝΩΣΗ;"});
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Count("SELECT count(*) FROM Diorganvseis"), 2);
    EXPECT_EQ(Count("SELECT count(*) FROM Agvnes WHERE DiorgNo = ?1", {leagueDNo_}), 1);
    EXPECT_EQ(Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1", {leagueDNo_}), 2);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), leagueDNo_);
    EXPECT_EQ(Dm().POmades.RecordCount(), 2) << "the competition shown has its teams again";
    delete editor;
}

} // namespace

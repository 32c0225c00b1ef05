#include "editors/agvnes_form_fixture.h"
#include "editors/match_list_engine.h"
#include "editors/ui/agvnes_form.h"
#include "platform/core/format.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/printer.h"
#include "platform/ui/up_down_edit.h"
#include "shared/file_save_form.h"
#include "support/column_bands_check.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

// Two leagues and a cup of season 2004-05 and a league of 2003-04:
// "Α Εθνική" (6 teams): matchday 1 played on 12/09 (two matches) and 13/09 (one), matchday 2 half
// played on 19/09 plus a match stored with a group, matchday 3 not played;
// "Β Εθνική" (4 teams): matchdays 1 and 2 not played; "Γ Εθνική" only in 2003-04;
// "Κύπελλο": round 1 with two matches in group 1 and one in group 2.
class AgvnesFormTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        const int country = AddCountry("Ελλάδα");
        AddSeason("2003-04");
        AddSeason("2004-05");
        a = AddCompetition(country, AddCategory("Α Εθνική", country), "2004-05", 6);
        aNo = lastDNo;
        AddMatch(aNo, 1, a[0], a[1], QDate(2004, 9, 12), 2, 1);
        AddMatch(aNo, 1, a[2], a[3], QDate(2004, 9, 12), 0, 0);
        AddMatch(aNo, 1, a[4], a[5], QDate(2004, 9, 13), 1, 1);
        AddMatch(aNo, 2, a[1], a[2], QDate(2004, 9, 19), 1, 0);
        AddMatch(aNo, 2, a[3], a[4], QDate(2004, 9, 19));
        AddMatch(aNo, 2, a[0], a[5], QDate(2004, 9, 19), {}, {}, 1);
        AddMatch(aNo, 3, a[0], a[3], QDate(2004, 9, 26));
        b = AddCompetition(country, AddCategory("Β Εθνική", country), "2004-05", 4);
        bNo = lastDNo;
        AddMatch(bNo, 1, b[0], b[1], QDate(2004, 9, 12));
        AddMatch(bNo, 2, b[2], b[3], QDate(2004, 9, 19));
        AddMatch(bNo, 2, b[0], b[1], QDate(2004, 9, 19));
        g = AddCompetition(country, AddCategory("Γ Εθνική", country), "2003-04", 4);
        gNo = lastDNo;
        cup = AddCompetition(country, AddCategory("Κύπελλο", country, CupTypos), "2004-05", 8);
        cupNo = lastDNo;
        AddMatch(cupNo, 1, cup[0], cup[1], QDate(2004, 10, 1), {}, {}, 1);
        AddMatch(cupNo, 1, cup[2], cup[3], QDate(2004, 10, 1), {}, {}, 1);
        AddMatch(cupNo, 1, cup[4], cup[5], QDate(2004, 10, 2), {}, {}, 2);
        menuItem.setObjectName("N18");
        messages.Clear();
    }

    void TearDown() override { Printer().SetOutputFileName(QString()); }

    // The match list as the main menu brings it up, on the remembered choice.
    TAgvnesForm &ShowFromMenu(const QString &category, const QString &season = "2004-05")
    {
        RememberChoice(category, season);
        AgvnesForm()->ShowForCaller(&menuItem);
        return *AgvnesForm();
    }

    int Listed() { return Dm().Agvnes.RecordCount(); }
    static void PressKey(QWidget *target, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
    static QString HomeTeamAt(int row) { return AgvnesForm()->DBGrid1->CellText(row, 2); }
    static QString TeamName(int dNo, int team) { return QString("Ομάδα %1-%2").arg(dNo).arg(team); }

    QList<int> a, b, cup, g;
    int aNo = 0, bNo = 0, cupNo = 0, gNo = 0;
    QAction menuItem;
};

TEST_F(AgvnesFormTest, MenuShowsTheRememberedLeagueOnItsCurrentMatchday)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    EXPECT_EQ(form.windowTitle(), "Αγώνες");
    EXPECT_EQ(form.DiorgCombo->currentText(), "Α Εθνική");
    EXPECT_EQ(form.PeriodCombo->currentText(), "2004-05");
    EXPECT_EQ(form.PeriodCombo->itemText(0), "2004-05");
    EXPECT_EQ(form.AgvnEdit->Text(), "2");
    EXPECT_EQ(form.AgvnLabel->text(), "Αγωνιστική");
    EXPECT_TRUE(form.OmilosEdit->isHidden());
    // The match with a group is no league match of the matchday.
    ASSERT_EQ(Listed(), 2);
    EXPECT_EQ(HomeTeamAt(0), TeamName(aNo, 2));
    EXPECT_EQ(form.DBGrid1->CellText(0, 8), "1");
    EXPECT_EQ(form.DBGrid1->CellText(1, 8), "");
    EXPECT_EQ(form.EditDate->text(), "19/09/2004");
    // Six teams, two rounds.
    EXPECT_EQ(form.AgvnEdit->Max(), 10);
    EXPECT_TRUE(form.BaumButton->isEnabled());
    EXPECT_TRUE(form.Button1->isEnabled());
    EXPECT_TRUE(form.Button2->isEnabled());
    EXPECT_TRUE(form.Button3->isEnabled());
    EXPECT_TRUE(form.BtnForma->isEnabled());
    EXPECT_TRUE(form.SaveButton->isEnabled());
    EXPECT_TRUE(form.BitBtn1->isEnabled());
    EXPECT_EQ(messages.Count(), 0);
}

// Confirms the export options with Greek and English, text, page and listing, under the name alpha.
void AnswerExportOptions()
{
    QTimer::singleShot(0, [] {
        TFileSaveForm *options = FileSaveForm();
        options->CheckBoxIt->setChecked(false);
        options->CheckBoxTxt->setChecked(true);
        options->CheckBoxDoc->setChecked(true);
        options->FNameEdit->setText("alpha");
        QTest::mouseClick(options->OkBtn, Qt::LeftButton);
    });
}

TEST_F(AgvnesFormTest, SaveButtonWritesTheChosenFilesOfTheMatchdayAndLeavesTheListAsItWas)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    AnswerExportOptions();
    QTest::mouseClick(form.SaveButton, Qt::LeftButton);

    const QDir home(CurrentTestFolders().ProgramHome());
    for (const char *file :
         {"GR/txt/alpha.txt", "GR/dos/alpha.txt", "EN/txt/alpha.txt", "GR/QXpress/alpha.doc",
          "EN/QXpress/alpha.doc", "htm/grpa02n.html", "htm/enpa02n.html"})
        EXPECT_TRUE(QFile::exists(home.filePath(file))) << file;
    for (const char *file : {"IT/txt/alpha.txt", "htm/itpa02n.html"})
        EXPECT_FALSE(QFile::exists(home.filePath(file))) << file;
    QFile listing(home.filePath("GR/QXpress/alpha.doc"));
    ASSERT_TRUE(listing.open(QIODevice::ReadOnly));
    EXPECT_EQ(listing.readAll().count("\r\n"), 2);
    // Back in Greek on the same matchday.
    ASSERT_EQ(Listed(), 2);
    EXPECT_EQ(HomeTeamAt(0), TeamName(aNo, 2));
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(AgvnesFormTest, AFileThatCannotBeWrittenIsReportedAndTheNamesComeBackInGreek)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    // A file where the English text folder should be.
    const QDir home(CurrentTestFolders().ProgramHome());
    ASSERT_TRUE(home.mkpath("EN"));
    QFile blocker(home.filePath("EN/txt"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    AnswerExportOptions();
    QTest::mouseClick(form.SaveButton, Qt::LeftButton);

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "Δεν είναι δυνατή η δημιουργία του φακέλου " +
                                        QDir::toNativeSeparators(home.filePath("EN/txt")));
    EXPECT_TRUE(QFile::exists(home.filePath("GR/txt/alpha.txt")));
    EXPECT_FALSE(QFile::exists(home.filePath("htm/enpa02n.html")));
    ASSERT_EQ(Listed(), 2);
    EXPECT_EQ(HomeTeamAt(0), TeamName(aNo, 2));
}

TEST_F(AgvnesFormTest, MatchdayEditAndUpDownReloadTheList)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.AgvnEdit->SetText("1");
    EXPECT_EQ(Listed(), 3);
    // The date with the fewest matches of the matchday.
    EXPECT_EQ(form.EditDate->text(), "13/09/2004");
    form.AgvnEdit->StepBy(2);
    EXPECT_EQ(form.AgvnEdit->Text(), "3");
    EXPECT_EQ(Listed(), 1);
    form.AgvnEdit->StepBy(-5);
    EXPECT_EQ(form.AgvnEdit->Text(), "1");
    // Letters leave the list as it was, without a message.
    form.AgvnEdit->SetText("αβ");
    EXPECT_EQ(Listed(), 3);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(AgvnesFormTest, CupListsOneGroupOfTheRound)
{
    TAgvnesForm &form = ShowFromMenu("Κύπελλο");
    EXPECT_EQ(form.AgvnLabel->text(), "Γύρος");
    EXPECT_FALSE(form.OmilosEdit->isHidden());
    EXPECT_EQ(form.AgvnEdit->Text(), "1");
    form.EditDate->setText("05/10/2004");
    form.OmilosEdit->SetText("1");
    EXPECT_EQ(Listed(), 2);
    form.OmilosEdit->SetText("2");
    ASSERT_EQ(Listed(), 1);
    EXPECT_EQ(HomeTeamAt(0), TeamName(cupNo, 5));
    EXPECT_EQ(form.EditDate->text(), "05/10/2004");
    // Eight teams in two rounds.
    EXPECT_EQ(form.AgvnEdit->Max(), 14);
}

TEST_F(AgvnesFormTest, NewRowTakesTheHeaderDefaults)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.AgvnEdit->SetText("3");
    form.TimeEdit->setText("18:30");
    form.EditDate->setText("27/09/2004");
    ASSERT_TRUE(Dm().Agvnes.Insert());
    EXPECT_EQ(Dm().Agvnes.FieldByName("DiorgNo").AsInteger(), aNo);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Agvnistikh").AsInteger(), 3);
    EXPECT_TRUE(Dm().Agvnes.FieldByName("Omilos").IsNull());
    EXPECT_EQ(Dm().Agvnes.FieldByName("Time").Value(), QVariant(QTime(18, 30)));
    EXPECT_EQ(Dm().Agvnes.FieldByName("Date").Value(), QVariant(QDate(2004, 9, 27)));
    Dm().Agvnes.FieldByName("Ghpedoyxos").SetAsInteger(a[1]);
    Dm().Agvnes.FieldByName("Filojenoymenh").SetAsInteger(a[4]);
    ASSERT_TRUE(Dm().Agvnes.Post());
    EXPECT_EQ(Listed(), 2);
    EXPECT_EQ(StoredValue(aNo, a[1], a[4], "Agvnistikh").toInt(), 3);

    // A blank time is not applied.
    form.TimeEdit->clear();
    EXPECT_EQ(form.TimeText(), "  :  ");
    ASSERT_TRUE(Dm().Agvnes.Insert());
    EXPECT_TRUE(Dm().Agvnes.FieldByName("Time").IsNull());
    EXPECT_EQ(Dm().Agvnes.FieldByName("Date").Value(), QVariant(QDate(2004, 9, 27)));
    Dm().Agvnes.Cancel();
}

TEST_F(AgvnesFormTest, NewCupRowTakesTheGroup)
{
    TAgvnesForm &form = ShowFromMenu("Κύπελλο");
    form.OmilosEdit->SetText("2");
    ASSERT_TRUE(Dm().Agvnes.Insert());
    EXPECT_EQ(Dm().Agvnes.FieldByName("DiorgNo").AsInteger(), cupNo);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Agvnistikh").AsInteger(), 1);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Omilos").AsInteger(), 2);
    Dm().Agvnes.Cancel();
    EXPECT_EQ(form.OmilosEdit->Position(), 2);
}

TEST_F(AgvnesFormTest, ResultsTypedInTheGridAreStoredWithScoreAndSign)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    ASSERT_TRUE(Dm().Agvnes.Locate("Ghpedoyxos", {a[3]}));
    TDBGridModel &cells = form.DBGrid1->Model();
    cells.SetCellText(4, "0");
    cells.SetCellText(5, "1");
    cells.SetCellText(6, "0");
    cells.SetCellText(7, "3");
    ASSERT_TRUE(Dm().Agvnes.Post());
    EXPECT_EQ(StoredValue(aNo, a[3], a[4], "TelGGoals").toInt(), 0);
    EXPECT_EQ(StoredValue(aNo, a[3], a[4], "TelFGoals").toInt(), 3);
    EXPECT_EQ(StoredValue(aNo, a[3], a[4], "HmFGoals").toInt(), 1);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Score").AsString(), " 0- 3");
    EXPECT_EQ(Dm().Agvnes.FieldByName("Point").AsString(), "2");
    const int row = form.DBGrid1->Row();
    EXPECT_EQ(form.DBGrid1->CellText(row, 8), "2");

    // The sign column is painted by its sign, in bold; other columns as they are.
    TCanvas canvas;
    form.DBGrid1DrawColumnCell({0, 0, 40, 20}, 8, form.DBGrid1->Columns()[8], {}, canvas);
    EXPECT_EQ(canvas.Brush.Color, QColor(247, 179, 105));
    EXPECT_TRUE(canvas.Font.Style.Contains(fsBold));
    TCanvas plain;
    form.DBGrid1DrawColumnCell({0, 0, 40, 20}, 7, form.DBGrid1->Columns()[7], {}, plain);
    EXPECT_EQ(plain.Brush.Color, clWhite);
    EXPECT_FALSE(plain.Font.Style.Contains(fsBold));
}

TEST_F(AgvnesFormTest, ATeamChosenByNameIsTheTeamOfTheListedCompetition)
{
    // "Γ Εθνική" goes on into 2004-05 with the same clubs.
    TTable teams;
    teams.SetSessionName("Session1_1");
    teams.SetDatabaseName("Tavrolin");
    teams.SetTableName("PerOmades.DB");
    teams.Open();
    QList<int> clubs;
    for (int recNo : g)
        clubs.append(teams.Lookup("RecNo", {recNo}, "TeamNo").toInt());
    ASSERT_TRUE(Dm().Kathgories.Locate("GrName", {"Γ Εθνική"}));
    Post(Dm().Diorganvseis, {{"KatNo", Dm().Kathgories.FieldByName("KatNo").Value()},
                             {"Periodos", "2004-05"},
                             {"Omades", 4},
                             {"Nikh", 3},
                             {"Isop", 1},
                             {"Htta", 0},
                             {"Rounds", 2},
                             {"Typos", 0}});
    const int newNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    QList<int> current;
    for (int club : clubs) {
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {newNo}));
        ASSERT_TRUE(Dm().Omades.Locate("TeamNo", {club}));
        Post(Dm().POmades, {{"TeamNo", club}});
        current.append(Dm().POmades.FieldByName("RecNo").AsInteger());
    }

    messages.Clear();
    TAgvnesForm &form = ShowFromMenu("Γ Εθνική");
    form.EditDate->setText("12/09/2004");
    ASSERT_TRUE(Dm().Agvnes.Insert());
    form.DBGrid1->Model().SetCellText(2, TeamName(gNo, 1));
    form.DBGrid1->Model().SetCellText(3, TeamName(gNo, 2));
    EXPECT_EQ(Dm().Agvnes.FieldByName("Ghpedoyxos").AsInteger(), current[0]);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Filojenoymenh").AsInteger(), current[1]);
    ASSERT_TRUE(Dm().Agvnes.Post());
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(StoredValue(newNo, current[0], current[1], "GTeamNo").toInt(), clubs[0]);
    EXPECT_EQ(form.DBGrid1->CellText(0, 2), TeamName(gNo, 1));
}

TEST_F(AgvnesFormTest, ApplyCommandSetsDateAndTimeOnTheWholeMatchday)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.AgvnEdit->SetText("1");
    form.TimeEdit->setText("17:00");
    form.EditDate->setText("20/09/2004");
    form.SpeedButton1Click();
    EXPECT_EQ(messages.Count(), 0);
    for (const auto &[home, away] : {std::pair{a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}}) {
        EXPECT_EQ(StoredValue(aNo, home, away, "Date"), QVariant(QDate(2004, 9, 20)));
        EXPECT_EQ(StoredValue(aNo, home, away, "Time"), QVariant(QTime(17, 0)));
    }
    EXPECT_EQ(StoredValue(aNo, a[1], a[2], "Date"), QVariant(QDate(2004, 9, 19)));
    EXPECT_EQ(form.DBGrid1->CellText(0, 1), "17:00");
    EXPECT_EQ(form.DBGrid1->CellText(0, 0), "20/09/2004");
}

TEST_F(AgvnesFormTest, ApplyCommandChangesNothingForABadMatchdayOrNoEntry)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.AgvnEdit->SetText("1 OR 1=1");
    form.EditDate->setText("20/09/2004");
    form.SpeedButton1Click();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.contains("δεν είναι έγκυρος ακέραιος"));
    EXPECT_EQ(StoredValue(aNo, a[0], a[1], "Date"), QVariant(QDate(2004, 9, 12)));
    EXPECT_EQ(StoredValue(aNo, a[1], a[2], "Date"), QVariant(QDate(2004, 9, 19)));

    messages.Clear();
    form.AgvnEdit->SetText("1");
    form.EditDate->clear();
    form.TimeEdit->clear();
    form.SpeedButton1Click();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(StoredValue(aNo, a[4], a[5], "Date"), QVariant(QDate(2004, 9, 13)));
    EXPECT_TRUE(StoredValue(aNo, a[4], a[5], "Time").isNull());
}

TEST_F(AgvnesFormTest, ShowForCallerKeepsTheCallersCompetitionAndMatchday)
{
    QPushButton caller;
    caller.setObjectName("AgvnButton");
    const QStringList categories{"Α Εθνική", "Β Εθνική"};
    const QStringList seasons{"2004-05", "2003-04"};
    // A caller writes its choice to the registry first.
    RememberChoice("Β Εθνική", "2004-05");
    AgvnesForm()->ShowForCaller(&caller, {{categories, seasons, {"Β Εθνική", "2004-05"}}, "2"});
    TAgvnesForm &form = *AgvnesForm();
    EXPECT_EQ(form.DiorgCombo->currentText(), "Β Εθνική");
    EXPECT_EQ(form.PeriodCombo->currentText(), "2004-05");
    EXPECT_EQ(form.AgvnEdit->Text(), "2");
    ASSERT_EQ(Listed(), 2);
    EXPECT_EQ(HomeTeamAt(0), TeamName(bNo, 3));

    // Already showing, it takes the caller's lists and matchday as they are.
    RememberChoice("Α Εθνική", "2004-05");
    form.ShowForCaller(&caller, {{categories, seasons, {"Α Εθνική", "2004-05"}}, "3"});
    EXPECT_EQ(form.DiorgCombo->count(), 2);
    EXPECT_EQ(form.AgvnEdit->Text(), "3");
    ASSERT_EQ(Listed(), 1);
    EXPECT_EQ(HomeTeamAt(0), TeamName(aNo, 1));

    // The menu goes to the current matchday.
    form.ShowForCaller(&menuItem);
    EXPECT_EQ(form.AgvnEdit->Text(), "2");
    EXPECT_EQ(Listed(), 2);
}

TEST_F(AgvnesFormTest, CategoryChangeLoadsItsCurrentMatchdayOrWarns)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.DiorgCombo->setCurrentIndex(form.DiorgCombo->findText("Β Εθνική"));
    form.DiorgComboChange();
    EXPECT_EQ(form.AgvnEdit->Text(), "1");
    EXPECT_EQ(Listed(), 1);
    EXPECT_EQ(Remembered("NameD"), "Β Εθνική");
    EXPECT_EQ(Dm().CurrDiorgName, "Β Εθνική");

    // With every season offered, a category without a competition in the season only warns.
    form.ChkP->setChecked(true);
    form.ChkPClick();
    form.DiorgCombo->setCurrentIndex(form.DiorgCombo->findText("Γ Εθνική"));
    form.DiorgComboChange();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε");
    EXPECT_EQ(messages.Last().icon, mtWarning);
    EXPECT_EQ(Listed(), 1);
    EXPECT_EQ(Remembered("NameD"), "Γ Εθνική");
    EXPECT_EQ(Remembered("NameP"), "2004-05");

    // With the category's own seasons it goes to one it has.
    form.ChkP->setChecked(false);
    form.DiorgComboChange();
    EXPECT_EQ(form.PeriodCombo->currentText(), "2003-04");
    EXPECT_EQ(form.PeriodCombo->count(), 1);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(Listed(), 0);
}

TEST_F(AgvnesFormTest, SeasonChangeOffersTheSeasonsCategories)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.PeriodCombo->setCurrentIndex(form.PeriodCombo->findText("2003-04"));
    form.PeriodComboChange();
    EXPECT_EQ(form.DiorgCombo->count(), 1);
    EXPECT_EQ(form.DiorgCombo->currentText(), "Γ Εθνική");
    EXPECT_EQ(Dm().CurrPeriodos, "2003-04");
    EXPECT_EQ(Remembered("NameP"), "2003-04");
    form.ChkD->setChecked(true);
    form.ChkDClick();
    EXPECT_EQ(form.DiorgCombo->count(), 4);
}

TEST_F(AgvnesFormTest, EnterWalksTheGoalColumns)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    form.AgvnEdit->SetText("1");
    Dm().Agvnes.First();
    form.DBGrid1->SetSelectedIndex(4);
    for (int expected : {5, 6, 7}) {
        QChar key('\r');
        form.DBGrid1KeyPress(key);
        EXPECT_TRUE(key.isNull());
        EXPECT_EQ(form.DBGrid1->SelectedIndex(), expected);
        EXPECT_EQ(Dm().Agvnes.RecNo(), 1);
    }
    QChar key('\r');
    form.DBGrid1KeyPress(key);
    EXPECT_EQ(form.DBGrid1->SelectedIndex(), 4);
    EXPECT_EQ(Dm().Agvnes.RecNo(), 2);

    form.DBGrid1->SetSelectedIndex(2);
    QChar other('\r');
    form.DBGrid1KeyPress(other);
    EXPECT_EQ(other, QChar('\r'));
    EXPECT_EQ(form.DBGrid1->SelectedIndex(), 2);
}

TEST_F(AgvnesFormTest, ClosingKeepsTheRangeAndRemembersTheChoice)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    RememberChoice("", "");
    Dm().Agvnes.SetFilter("TelGGoals = 1");
    Dm().Agvnes.SetFiltered(true);
    form.BtnBackClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(Dm().Agvnes.Filtered());
    EXPECT_TRUE(Dm().Agvnes.Filter().isEmpty());
    EXPECT_EQ(Listed(), 2);
    EXPECT_EQ(Remembered("NameD"), "Α Εθνική");
    EXPECT_EQ(Remembered("NameP"), "2004-05");
    EXPECT_EQ(Dm().CurrDiorgName, "Α Εθνική");
    EXPECT_EQ(Dm().CurrPeriodos, "2004-05");
}

TEST_F(AgvnesFormTest, WithoutARememberedChoiceNothingIsChosen)
{
    TAgvnesForm &form = ShowFromMenu("", "");
    EXPECT_EQ(form.DiorgCombo->currentIndex(), -1);
    EXPECT_EQ(form.PeriodCombo->currentIndex(), -1);
    EXPECT_EQ(form.DiorgCombo->count(), 4);
    EXPECT_EQ(form.PeriodCombo->count(), 2);
    EXPECT_EQ(form.AgvnEdit->Text(), "1");
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(AgvnesFormTest, WithoutACompetitionTheListShowsNoMatchAndTakesNone)
{
    struct Case
    {
        const char *category;
        const char *season;
    };
    // Nothing remembered, a category without season, a pair that forms no competition.
    for (const Case &c : {Case{"", ""}, Case{"Α Εθνική", ""}, Case{"Γ Εθνική", "2004-05"}}) {
        SCOPED_TRACE(std::string(c.category) + "/" + c.season);
        TAgvnesForm &form = ShowFromMenu(c.category, c.season);
        EXPECT_EQ(Listed(), 0);
        EXPECT_EQ(form.DBGrid1->Model().rowCount(), 0);
        EXPECT_TRUE(form.DBGrid1->ReadOnly());
        PressKey(form.DBGrid1, Qt::Key_Insert);
        EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
        form.close();
    }

    // Choosing a competition lists its matchday, open to new matches.
    TAgvnesForm &form = ShowFromMenu("", "");
    form.PeriodCombo->setCurrentIndex(form.PeriodCombo->findText("2004-05"));
    const int category = form.DiorgCombo->findText("Α Εθνική");
    form.DiorgCombo->setCurrentIndex(category);
    emit form.DiorgCombo->activated(category);
    EXPECT_EQ(Listed(), 2);
    EXPECT_FALSE(form.DBGrid1->ReadOnly());
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(AgvnesFormTest, AFullMatchdayRefusesANewMatchAtItsStart)
{
    const QString full = "Δεν μπορείτε να καταχωρήσετε άλλο αγώνα ,έχετε καλύψει τον αριθμό αγώνων.";
    // "Β Εθνική" has four teams, two matches a matchday: matchday 2 has both, matchday 1 one.
    TAgvnesForm &form = ShowFromMenu("Β Εθνική");
    form.AgvnEdit->SetText("2");
    ASSERT_EQ(Listed(), 2);

    PressKey(form.DBGrid1, Qt::Key_Insert);

    EXPECT_EQ(messages.Texts(), QStringList{full});
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(form.DBGrid1->Model().rowCount(), 2);

    messages.Clear();
    form.AgvnEdit->SetText("1");
    PressKey(form.DBGrid1, Qt::Key_Insert);
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
    Dm().Agvnes.Cancel();

    // A stored match moved into the full matchday is refused when it is stored.
    ASSERT_TRUE(Dm().Agvnes.Locate("Ghpedoyxos", {b[0]}));
    ASSERT_TRUE(Dm().Agvnes.Edit());
    Dm().Agvnes.FieldByName("Agvnistikh").SetAsInteger(2);
    EXPECT_FALSE(Dm().Agvnes.Post());
    EXPECT_EQ(messages.Texts(), QStringList{full});
    Dm().Agvnes.Cancel();
}

// "Ημίχρονο" and "Τελικό" lie over their two goal columns each, wherever the columns are: as
// laid out, resized, scrolled, and in a bigger font.
TEST_F(AgvnesFormTest, GoalCaptionsLieOverTheirColumns)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    QApplication::processEvents();
    const QList<TColumnBands::TBand> &bands = form.HeaderControl1->Bands();
    ASSERT_EQ(bands.size(), 2);
    EXPECT_EQ(bands[0].Caption, QStringLiteral("Ημίχρονο"));
    EXPECT_EQ(bands[1].Caption, QStringLiteral("Τελικό"));
    for (const TColumnBands::TBand &band : bands) {
        EXPECT_EQ(form.DBGrid1->Columns()[band.FirstColumn].Caption(), QStringLiteral("ΤΓ"));
        EXPECT_EQ(form.DBGrid1->Columns()[band.LastColumn].Caption(), QStringLiteral("ΤΦ"));
    }
    EXPECT_EQ(BandsOffTheirColumns(*form.HeaderControl1, *form.DBGrid1), QStringList()) << "as laid out";

    form.DBGrid1->horizontalHeader()->resizeSection(2, 260);
    EXPECT_EQ(BandsOffTheirColumns(*form.HeaderControl1, *form.DBGrid1), QStringList()) << "resized";

    form.DBGrid1->horizontalHeader()->resizeSection(3, 1500);
    QApplication::processEvents();
    QScrollBar *scroll = form.DBGrid1->horizontalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum());
    EXPECT_EQ(BandsOffTheirColumns(*form.HeaderControl1, *form.DBGrid1), QStringList()) << "scrolled";

    QFont bigger = form.font();
    bigger.setPointSize(bigger.pointSize() + 6);
    form.setFont(bigger);
    QApplication::processEvents();
    EXPECT_EQ(BandsOffTheirColumns(*form.HeaderControl1, *form.DBGrid1), QStringList()) << "bigger font";
}

TEST_F(AgvnesFormTest, PrintoutCarriesThePageHeadAndTheMatches)
{
    TAgvnesForm &form = ShowFromMenu("Α Εθνική");
    const QString pdf = CurrentTestFolders().Root() + "/matchday.pdf";
    Printer().SetOutputFileName(pdf);
    form.BitBtn1Click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(messages.Count(), 0);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("ΗΜ.ΕΚΤΥΠΩΣΗΣ " + FormatDateTime("dd/mm/yyyy", QDate::currentDate())))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Αγώνες"));
    EXPECT_TRUE(text.contains("Περίοδος : 2004-05"));
    EXPECT_TRUE(text.contains("Διοργάνωση : Α Εθνική"));
    EXPECT_TRUE(text.contains("Αγωνιστική :2"));
    for (const char *title : {"Ημερομηνία", "Ώρα", "Γηπεδούχος", "Φιλοξενούμενη", "ΣΗΜΕΙΟ"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(title))) << title;
    EXPECT_TRUE(text.contains(TeamName(aNo, 2)));
    EXPECT_TRUE(text.contains(TeamName(aNo, 4)));
    EXPECT_TRUE(text.contains("19/09/2004"));
}

} // namespace

#include "editors/agvn_enhm_fixture.h"
#include "editors/ui/agvn_enhm_form.h"
#include "platform/db/query.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::editors;

namespace {

const QDate kWednesday(2004, 10, 6);
const QDate kSaturday(2004, 10, 9);

// Grid columns.
const int kOmades = 3;
const int kDiorgName = 2;

class AgvnEnhmFormTest : public AgvnEnhmTest
{
protected:
    // Two leagues of this season and one of the last, with matches around the weekend of 8 to 11
    // October 2004: played, unplayed, and outside the dates.
    void AddWeekend()
    {
        const int alpha = AddCategory("Α Εθνική");
        const int beta = AddCategory("Β Εθνική");
        AddCategory("Γ Εθνική");
        alpha_ = AddCompetition(alpha, "2004-05");
        beta_ = AddCompetition(beta, "2004-05");
        const int alphaOld = AddCompetition(alpha, "2003-04");
        const int a1 = AddTeam(alpha_, "Άρης");
        const int a2 = AddTeam(alpha_, "Βόλος");
        const int a3 = AddTeam(alpha_, "Δράμα");
        const int a4 = AddTeam(alpha_, "Ζάκυνθος");
        const int b1 = AddTeam(beta_, "Ηρακλής");
        const int b2 = AddTeam(beta_, "Θήβα");
        const int o1 = AddTeam(alphaOld, "Ιωνικός");
        const int o2 = AddTeam(alphaOld, "Καβάλα");
        AddMatch(alpha_, 5, a1, a2, {2004, 10, 9}, 2, 1);
        AddMatch(alpha_, 5, a3, a4, {2004, 10, 10});
        AddMatch(alpha_, 4, a2, a3, {2004, 10, 3}, 0, 0);
        AddMatch(alpha_, 6, a4, a1, {2004, 10, 12});
        AddMatch(beta_, 5, b1, b2, {2004, 10, 8}, 1, 1);
        AddMatch(alphaOld, 30, o1, o2, {2004, 10, 9}, 3, 0);
        // The confirmations of the competitions entered.
        messages_.Clear();
    }

    void ShowOn(const QDate &today)
    {
        form_ = std::make_unique<TAgvnEnhmForm>();
        form_->Today = [today] { return today; };
        form_->show();
    }

    void Check(const QString &category)
    {
        const QList<QListWidgetItem *> items = form_->DiorgListBox->findItems(category, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        items.first()->setCheckState(Qt::Checked);
    }

    // The teams of every listed match, in the grid's order.
    QStringList ListedTeams() const
    {
        QStringList teams;
        for (int row = 0; row < form_->DBGrid1->Model().rowCount(); ++row)
            teams.append(form_->DBGrid1->CellText(row, kOmades));
        return teams;
    }

    int alpha_ = 0;
    int beta_ = 0;
    std::unique_ptr<TAgvnEnhmForm> form_;
};

TEST_F(AgvnEnhmFormTest, OnAWednesdayItProposesTheComingWeekendsUnplayedMatches)
{
    AddWeekend();
    ShowOn(kWednesday);
    EXPECT_EQ(form_->windowTitle(), QString("Ενημέρωση Αποτελεσμάτων"));
    EXPECT_EQ(form_->DateFrom->date(), QDate(2004, 10, 8));
    EXPECT_EQ(form_->DateTo->date(), QDate(2004, 10, 11));
    EXPECT_TRUE(form_->ChkxSkor->isChecked());
    EXPECT_FALSE(form_->Chkskor->isChecked());
    EXPECT_TRUE(form_->DCheckBox->isChecked());
    EXPECT_EQ(form_->PeriodCombo->currentText(), QString("2004-05"));
    EXPECT_EQ(form_->PeriodCombo->count(), 2);
    ASSERT_EQ(form_->DiorgListBox->count(), 3);
    EXPECT_EQ(form_->DiorgListBox->item(0)->text(), QString("Α Εθνική"));
    EXPECT_EQ(form_->DiorgListBox->currentRow(), 0);
    EXPECT_TRUE(form_->CheckedCategories().isEmpty());
    // The shared matches are left closed, without filter, until the list is built.
    EXPECT_FALSE(Dm().Agvnes.Active());
    EXPECT_FALSE(Dm().Agvnes.Filtered());

    Check("Α Εθνική");
    Check("Β Εθνική");
    form_->Button2->click();
    EXPECT_EQ(ListedTeams(), QStringList({"Δράμα - Ζάκυνθος"}));
    EXPECT_EQ(form_->DBGrid1->CellText(0, kDiorgName), QString("Α Εθνική"));
}

TEST_F(AgvnEnhmFormTest, OnASaturdayItListsThisWeekendsPlayedMatches)
{
    AddWeekend();
    ShowOn(kSaturday);
    EXPECT_EQ(form_->DateFrom->date(), QDate(2004, 10, 8));
    EXPECT_EQ(form_->DateTo->date(), QDate(2004, 10, 11));
    EXPECT_TRUE(form_->Chkskor->isChecked());
    EXPECT_FALSE(form_->ChkxSkor->isChecked());
    Check("Α Εθνική");
    Check("Β Εθνική");
    form_->Button2Click();
    // In the table's order: competition, matchday, group, date.
    EXPECT_EQ(ListedTeams(), QStringList({"Άρης - Βόλος", "Ηρακλής - Θήβα"}));
}

TEST_F(AgvnEnhmFormTest, TheBoxesChooseCompetitionsAndScores)
{
    AddWeekend();
    ShowOn(kSaturday);
    // "Διοργανώσεις" ticked and nothing checked: nothing.
    form_->Button2Click();
    EXPECT_TRUE(ListedTeams().isEmpty());
    // A category without a competition this season adds nothing.
    Check("Γ Εθνική");
    form_->Button2Click();
    EXPECT_TRUE(ListedTeams().isEmpty());
    Check("Α Εθνική");
    form_->ChkxSkor->setChecked(true);
    form_->Button2Click();
    EXPECT_EQ(ListedTeams(), QStringList({"Άρης - Βόλος", "Δράμα - Ζάκυνθος"}));
    // Every competition of every season.
    form_->DCheckBox->setChecked(false);
    form_->Button2Click();
    EXPECT_EQ(ListedTeams(),
              QStringList({"Άρης - Βόλος", "Δράμα - Ζάκυνθος", "Ηρακλής - Θήβα", "Ιωνικός - Καβάλα"}));
    form_->Chkskor->setChecked(false);
    form_->Button2Click();
    EXPECT_EQ(ListedTeams(), QStringList({"Δράμα - Ζάκυνθος"}));
}

TEST_F(AgvnEnhmFormTest, TypedResultsAreStoredAndEnterWalksTheGoalColumns)
{
    AddWeekend();
    ShowOn(kWednesday);
    Check("Α Εθνική");
    form_->Chkskor->setChecked(true);
    form_->Button2Click();
    ASSERT_EQ(ListedTeams(), QStringList({"Άρης - Βόλος", "Δράμα - Ζάκυνθος"}));
    TDBGrid &grid = *form_->DBGrid1;
    TTable &agvnes = Dm().Agvnes;
    agvnes.Last();

    // A click left of the goals puts the cursor on the first goal column.
    grid.SetSelectedIndex(1);
    form_->DBGrid1CellClick(grid.Columns()[1]);
    EXPECT_EQ(grid.SelectedIndex(), 6);
    const char *goals[] = {"1", "0", "3", "2"};
    for (int column = 6; column <= 9; ++column) {
        grid.Model().SetCellText(column, goals[column - 6]);
        QChar enter('\r');
        form_->DBGrid1KeyPress(enter);
        EXPECT_TRUE(enter.isNull());
        EXPECT_EQ(grid.SelectedIndex(), column < 9 ? column + 1 : 6);
    }
    // Enter in the last goal column went on to the next match, which stored this one.
    EXPECT_EQ(agvnes.State(), TDataSetState::dsBrowse);

    TQuery stored;
    stored.SetDatabase(&Dm().TavrolinDb);
    stored.SQL().Add(
        "select HmGGoals, HmFGoals, TelGGoals, TelFGoals, GTeamNo from Agvnes where DiorgNo = :d and "
        "Agvnistikh = 5 and TelGGoals = 3");
    stored.ParamByName("d").SetAsInteger(alpha_);
    stored.Open();
    ASSERT_EQ(stored.RecordCount(), 1);
    EXPECT_EQ(stored.FieldByName("HmGGoals").AsInteger(), 1);
    EXPECT_EQ(stored.FieldByName("HmFGoals").AsInteger(), 0);
    EXPECT_EQ(stored.FieldByName("TelFGoals").AsInteger(), 2);
    EXPECT_FALSE(stored.FieldByName("GTeamNo").IsNull());
    EXPECT_TRUE(messages_.Calls().isEmpty()) << messages_.Texts().join('|').toStdString();
}

TEST_F(AgvnEnhmFormTest, HidingTheWindowRemovesItsFilter)
{
    AddWeekend();
    ShowOn(kSaturday);
    Check("Α Εθνική");
    form_->Button2Click();
    EXPECT_TRUE(Dm().Agvnes.Filtered());
    form_->hide();
    EXPECT_FALSE(Dm().Agvnes.Filtered());
    EXPECT_TRUE(Dm().Agvnes.Filter().isEmpty());
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 6);
}

TEST_F(AgvnEnhmFormTest, ThreeHundredCheckedCategoriesAreAllWalked)
{
    QList<int> competitions;
    for (int i = 1; i <= 300; ++i)
        competitions.append(
            AddCompetition(AddCategory(QString("Κατηγορία %1").arg(i, 3, 10, QChar('0'))), "2004-05"));
    const int first = competitions.first();
    const int last = competitions.last();
    AddMatch(first, 1, AddTeam(first, "Πρώτη Α"), AddTeam(first, "Πρώτη Β"), {2004, 10, 9}, 1, 0);
    AddMatch(last, 1, AddTeam(last, "Τελευταία Α"), AddTeam(last, "Τελευταία Β"), {2004, 10, 10}, 0, 2);
    messages_.Clear();
    ShowOn(kSaturday);
    ASSERT_EQ(form_->DiorgListBox->count(), 300);
    for (int row = 0; row < 300; ++row)
        form_->DiorgListBox->item(row)->setCheckState(Qt::Checked);
    EXPECT_EQ(form_->Choice().Competitions, competitions);
    form_->Button2Click();
    EXPECT_EQ(ListedTeams(), QStringList({"Πρώτη Α - Πρώτη Β", "Τελευταία Α - Τελευταία Β"}));
    EXPECT_TRUE(messages_.Calls().isEmpty()) << messages_.Texts().join('|').toStdString();
}

TEST_F(AgvnEnhmFormTest, PrintingWritesTheListedMatches)
{
    AddWeekend();
    ShowOn(kSaturday);
    Check("Α Εθνική");
    Check("Β Εθνική");
    form_->Button2Click();
    const QString pdf = CurrentTestFolders().Root() + "/enhm.pdf";
    Printer().SetOutputFileName(pdf);
    form_->Button1Click();
    Printer().SetOutputFileName(QString());
    const QString text = PdfText(pdf);
    for (const char *expected : {"Ενημέρωση Αποτελεσμάτων", "08/10/2004", "11/10/2004", "2004-05", "Ομάδες",
                                 "Άρης - Βόλος", "Ηρακλής - Θήβα"})
        EXPECT_TRUE(text.contains(QString(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Δράμα"));
    EXPECT_TRUE(form_->isEnabled());

    // Measured on the page: the whole head inside it, the column titles apart from each other.
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_FALSE(pages.isEmpty());
    const QStringList head = WordsOf({"Ενημέρωση Αποτελεσμάτων Από Ημερομηνία : 08/10/2004 Έως Ημερομηνία : "
                                      "11/10/2004 Περίοδος: 2004-05"});
    const qsizetype headStart = FindWords(pages.first(), head);
    ASSERT_GE(headStart, 0) << text.toStdString();
    EXPECT_EQ(WordsOutsidePage(pages.first(), headStart, head.size()), QStringList());
    QStringList titles;
    for (int column = 0; column < form_->DBGrid1->Columns().Count(); ++column)
        titles.append(form_->DBGrid1->Columns()[column].Caption());
    const qsizetype titleStart = FindWords(pages.first(), WordsOf(titles));
    ASSERT_GE(titleStart, 0) << text.toStdString();
    EXPECT_EQ(WordsNotApart(pages.first(), titleStart, WordsOf(titles).size()), QStringList());
}

} // namespace

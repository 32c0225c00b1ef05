#include "analysis/prediction_fixture.h"
#include "analysis/ui/agvn_pososta_analysh_form.h"
#include "analysis/ui/agvn_pososta_form.h"
#include "platform/ui/db_grid.h"
#include "support/qstring_printer.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class AgvnPosostaFormTest : public PredictionTest
{
protected:
    QStringList Row(int row)
    {
        QStringList cells;
        for (int col = 0; col < form.AnalyshGrid->ColCount(); ++col)
            cells.append(form.AnalyshGrid->Cells(col, row));
        return cells;
    }

    QStringList Percents(int row) { return Row(row).mid(3, 3); }

    QPoint CellCentre(int col, int row)
    {
        TStringGrid &grid = *form.AnalyshGrid;
        return grid.visualRect(grid.model()->index(row, col)).center();
    }

    QString Team(int place) { return QString("Ομάδα %1-%2").arg(league_).arg(place); }

    TAgvnPosostaForm form;
};

} // namespace

TEST_F(AgvnPosostaFormTest, TheListedMatchdayIsPredictedAndShown)
{
    List(3);
    form.ShowAnalysis("3");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Ανάλυση Αγώνων");
    EXPECT_EQ(form.AgvnLabel->text(), "Αγωνιστική 3η");
    EXPECT_EQ(form.AgBack->text(), "9");
    EXPECT_EQ(Row(0), QStringList({"", "Ημ/νία", "Ομάδες", "1", "X", "2", "ΒΣ", "Πιθ.", "Πλήρ.", "Εκπλ.",
                                   "Σκόρ", "ΝΣ"}));
    ASSERT_EQ(form.AnalyshGrid->RowCount(), 4);
    EXPECT_EQ(Row(1), QStringList({"1", "26/09/2004", Team(1) + " - " + Team(4), "50", "33", "17", "1", "1X",
                                   "1X", "2", "? - ?", "?"}));
    EXPECT_EQ(Row(2), QStringList({"2", "26/09/2004", Team(2) + " - " + Team(3), "40", "40", "20", "X1", "X1",
                                   "1X2", "", " 3- 1", "1"}));
    EXPECT_EQ(Row(3), QStringList({"", "", "Επιτυχίες :", "90", "40", "44 %", "1", "1", "1", "0", "", ""}));
    for (QPushButton *button : {form.Button2, form.Button3, form.Button4, form.Button5})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    for (QPushButton *button : {form.SaveButton, form.PrintButton, form.BitBtn1})
        EXPECT_TRUE(button->isEnabled() && !button->isHidden()) << button->text().toStdString();
    EXPECT_TRUE(form.OkBtn->isHidden());
    EXPECT_EQ(form.Button6->text(), "Α5");
    EXPECT_EQ(form.Button7->text(), "Α6");
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

TEST_F(AgvnPosostaFormTest, TheButtonsAndTheGridWorkThroughTheMouse)
{
    List(3);
    form.ShowAnalysis("3");
    QTest::mouseClick(form.RadioButtons->button(1), Qt::LeftButton);
    EXPECT_EQ(Percents(1), QStringList({"1,80", "2,75", "5,30"}));
    EXPECT_EQ(Row(1)[6], "1");
    QTest::mouseClick(form.RadioButtons->button(0), Qt::LeftButton);
    EXPECT_EQ(Percents(1), QStringList({"50", "33", "17"}));

    // Α3: two home wins of weight 9 against one away draw of weight 9, over 18 teams.
    QTest::mouseClick(form.Button4, Qt::LeftButton);
    EXPECT_EQ(Percents(1), QStringList({"44", "34", "22"}));
    QTest::mouseClick(form.Button3, Qt::LeftButton);
    EXPECT_EQ(Percents(1), QStringList({"50", "33", "17"}));

    // The user's own percentages are classified again.
    form.AnalyshGrid->SetCell(3, 1, "20");
    form.AnalyshGrid->SetCell(4, 1, "30");
    form.AnalyshGrid->SetCell(5, 1, "50");
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_EQ(Row(1).mid(6, 4), QStringList({"2", "2X", "1X2", ""}));

    QTest::mouseClick(form.AnalyshGrid->viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    QTest::mouseDClick(form.AnalyshGrid->viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    TAgvnPosostaAnalyshForm &detail = *AgvnPosostaAnalyshForm();
    EXPECT_TRUE(detail.isVisible());
    EXPECT_EQ(detail.GhpNameLabel->text(), "Γηπεδούχος: " + Team(1));
    EXPECT_EQ(detail.GhpIsxyslabel->text(), "Θέση:  0 ( 0/ 0), Εντός:  0 ( 0/ 0), Πόντοι: 2");
    EXPECT_EQ(detail.FilNameLabel->text(), "Φιλοξενούμενη: " + Team(4));
    EXPECT_EQ(detail.Query1.RecordCount(), 2);
    EXPECT_EQ(detail.Query2.RecordCount(), 1);
    EXPECT_EQ(detail.DBGrid1->CellText(0, 1), "2004-05, Α Εθνική");
    EXPECT_EQ(detail.DBGrid1->CellText(0, 4), Team(3));
    EXPECT_EQ(detail.DBGrid1->CellText(0, 12), "1");
    EXPECT_EQ(detail.DBGrid2->CellText(0, 12), "X");
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
    detail.close();
}

TEST_F(AgvnPosostaFormTest, TheDetailShowsTheStandingBeforeTheMatch)
{
    AddTeamStat(teams_[0], 2, {4, 1, 0, 2, 1, 1, 3, 2, 5});
    ShowMatchDetail(*AgvnPosostaAnalyshForm(), unplayed_);
    TAgvnPosostaAnalyshForm &detail = *AgvnPosostaAnalyshForm();
    EXPECT_EQ(detail.GhpIsxyslabel->text(), "Θέση:  3 (20/ 9), Εντός:  2 (13/ 5), Πόντοι: 94");
    EXPECT_EQ(detail.FilIsxyslabel->text(), "Θέση:  0 ( 0/ 0), Εκτός:  0 ( 0/ 0), Πόντοι: 2");
    detail.close();
}

TEST_F(AgvnPosostaFormTest, ACountOfRecentMatchesThatIsNoWholeNumberIsRefused)
{
    List(3);
    form.ShowAnalysis("3");
    form.AgBack->setText("9α");
    QTest::mouseClick(form.Button4, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text, "Ο αριθμός των προηγούμενων αγώνων πρέπει να είναι ακέραιος αριθμός.");
    EXPECT_EQ(Percents(1), QStringList({"50", "33", "17"}));
}

TEST_F(AgvnPosostaFormTest, MatchesWithoutAStrengthAreLeftOutAndTheUserIsTold)
{
    List(3);
    form.ShowAnalysis("3");
    QTest::mouseClick(form.Button6, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text,
              "Η ισχύς δεν έδωσε αριθμό σε 3 από τους προηγούμενους αγώνες· υπολογίστηκαν χωρίς αυτούς.");
    EXPECT_EQ(Percents(1), QStringList({"31", "38", "31"}));
    EXPECT_EQ(form.AnalyshGrid->RowCount(), 4);
}

TEST_F(AgvnPosostaFormTest, PreparingForAnExportLeavesTheWindowHidden)
{
    List(3);
    EXPECT_TRUE(form.PrepareAnalysis("3"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.OkBtn->isHidden());
    EXPECT_TRUE(form.SaveButton->isHidden());
    EXPECT_EQ(form.Analysis.AnalysisCount, 2);
    EXPECT_EQ(form.AgvnLabel->text(), "Αγωνιστική 3η");
}

TEST_F(AgvnPosostaFormTest, PercentagesThatAreNoWholeNumberUpTo100AreRefusedNamingTheRow)
{
    List(3);
    form.ShowAnalysis("3");
    for (const QString &wrong : {QString("4α"), QString("101"), QString("-1"), QString("")}) {
        SCOPED_TRACE(wrong.toStdString());
        messages_.Clear();
        form.AnalyshGrid->SetCell(3, 1, "20");
        form.AnalyshGrid->SetCell(5, 2, wrong);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().text,
                  "Τα ποσοστά της γραμμής 2 πρέπει να είναι ακέραιοι αριθμοί από 0 έως 100.");
        // Nothing taken, not even the good row before it.
        EXPECT_EQ(PercentOf(form.Analysis.AnalysisRows[1]), (tav::analysis::TPercentages{50, 33, 17}));
        EXPECT_EQ(Row(1)[6], "1");
    }
}

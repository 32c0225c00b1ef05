// The statistics window over a real database: a season beside the nearest older season with played
// matches, the halves left empty where there is nothing to show, and its choice remembered.
#include "analysis/ui/stat_frm.h"

#include "analysis/league_sql_fixture.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString League = QStringLiteral("Α Εθνική");

// "Α Εθνική" in three seasons: 2005-06 with four played matches, 2004-05 with none played,
// 2003-04 with one.
class StatFrmTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const int katNo = AddCategory(League);
        const QList<int> newest = AddLeague(3, katNo, QStringLiteral("2005-06"), {"Α", "Β"});
        AddMatch(3, newest, 2, 1, 0, 1);
        AddMatch(3, newest, 0, 2, 0, 0);
        AddMatch(3, newest, 5, 4, {}, {});
        AddMatch(3, newest, 1, 6, 1, 2);
        AddMatch(3, newest, {}, {}, {}, {});
        AddMatch(2, AddLeague(2, katNo, QStringLiteral("2004-05"), {"Α", "Β"}), {}, {}, {}, {});
        AddMatch(1, AddLeague(1, katNo, QStringLiteral("2003-04"), {"Α", "Β"}), 1, 0, 1, 0);
        Remember(League, QStringLiteral("2005-06"));
        form = std::make_unique<TStatFrm>();
    }

    void AddMatch(int DNo, const QList<int> &teams, const QVariant &home, const QVariant &away,
                  const QVariant &halfHome, const QVariant &halfAway)
    {
        // One match a matchday, so that no two meet twice in one.
        AddGame(DNo, ++matchday, teams[0], teams[1], QDate(2005, 9, 1), home, away);
        Exec(QStringLiteral(
                 "UPDATE Agvnes SET HmGGoals = ?1, HmFGoals = ?2 WHERE GameNo = (SELECT MAX(GameNo) "
                 "FROM Agvnes)"),
             {halfHome, halfAway});
    }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), category);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), season);
    }

    static QStringList Texts(const TStatFrm::THalf &half)
    {
        return {half.Season->text(), half.Played->text(), half.FullTime->text(), half.HalfTime->text()};
    }

    int matchday = 0;
    std::unique_ptr<TStatFrm> form;
};

TEST_F(StatFrmTest, ViewShowsTheSeasonBesideTheNearestOlderPlayedSeason)
{
    form->show();
    ASSERT_EQ(form->PeriodCombo->currentText(), QStringLiteral("2005-06"));

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);

    EXPECT_EQ(Texts(form->Chosen), (QStringList{"ΠΕΡΙΟΔΟΣ : 2005-06", "4", "1: 2(50)    X: 0(0)    2: 2(50)",
                                                "1: 0(0)    X: 1(33)    2: 2(67)"}));
    const struct
    {
        bool scores;
        int col;
        int row;
        const char *label;
        const char *count;
    } cells[] = {
        {false, 0, 3, "2-1", "1"},  {false, 4, 2, "X-2", "1"}, {false, 4, 3, "2-2", "1"},
        {false, 0, 1, "1-1", "0"},  {true, 0, 3, "2-1", "1"},  {true, 4, 2, "0-2", "1"},
        {true, 2, 5, "4+-4+", "1"}, {true, 4, 8, "1-4+", "1"}, {true, 2, 6, "", "0"},
        {false, 0, 0, " 1", " Φ"},
    };
    for (const auto &c : cells) {
        SCOPED_TRACE(c.label);
        const TStringGrid *grid = c.scores ? form->Chosen.Scores : form->Chosen.HalfFull;
        EXPECT_EQ(grid->Cells(c.col, c.row), QString::fromUtf8(c.label));
        EXPECT_EQ(grid->Cells(c.col + 1, c.row), QString::fromUtf8(c.count));
    }
    EXPECT_EQ(Texts(form->Older), (QStringList{"ΠΕΡΙΟΔΟΣ : 2003-04", "1", "1: 1(100)    X: 0(0)    2: 0(0)",
                                               "1: 1(100)    X: 0(0)    2: 0(0)"}));
    EXPECT_EQ(form->Older.Scores->Cells(1, 1), QStringLiteral("1"));
    EXPECT_EQ(form->PeriodCombo->currentText(), QStringLiteral("2005-06"));
}

TEST_F(StatFrmTest, TheOldestSeasonLeavesTheOlderHalfEmpty)
{
    form->show();
    QTest::keyClick(form->PeriodCombo, Qt::Key_Down);
    QTest::keyClick(form->PeriodCombo, Qt::Key_Down);
    ASSERT_EQ(form->PeriodCombo->currentText(), QStringLiteral("2003-04"));

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);

    EXPECT_EQ(Texts(form->Chosen)[0], QStringLiteral("ΠΕΡΙΟΔΟΣ : 2003-04"));
    EXPECT_EQ(Texts(form->Older), (QStringList{"", "", "", ""}));
    EXPECT_EQ(form->Older.Scores->RowCount(), 1);
    EXPECT_EQ(form->Older.Scores->Cells(0, 0), QString());
}

TEST_F(StatFrmTest, ASeasonWithoutTheCompetitionWarnsAndShowsNothing)
{
    Exec(QStringLiteral("INSERT INTO Periodos (Periodos) VALUES ('2006-07')"));
    form->show();
    // Ticked, the season box lists every season.
    QTest::mouseClick(form->ChkP, Qt::LeftButton);
    form->PeriodCombo->setCurrentIndex(form->PeriodCombo->findText(QStringLiteral("2006-07")));
    ASSERT_EQ(form->PeriodCombo->currentText(), QStringLiteral("2006-07"));

    form->BitBtn1Click();

    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text,
              QStringLiteral("Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε"));
    EXPECT_EQ(Texts(form->Chosen), (QStringList{"", "", "", ""}));
    // The older half is the nearest played season before it.
    EXPECT_EQ(Texts(form->Older)[0], QStringLiteral("ΠΕΡΙΟΔΟΣ : 2005-06"));
}

TEST_F(StatFrmTest, ABlankBoxShowsNothingAndExitRemembersTheChoice)
{
    Remember(QString(), QStringLiteral("2005-06"));
    form->show();
    ASSERT_TRUE(form->DiorgCombo->currentText().isEmpty());

    form->BitBtn1Click();
    EXPECT_EQ(Texts(form->Chosen), (QStringList{"", "", "", ""}));
    EXPECT_EQ(messages_.Count(), 0);

    form->DiorgCombo->setCurrentText(League);
    QTest::mouseClick(form->dxfPictureButton1, Qt::LeftButton);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(TRegIniFile(QStringLiteral("Software\\Tavrolin\\Diorganvsh"))
                  .ReadString(QStringLiteral("Options"), QStringLiteral("NameD"), QString()),
              League);
}

} // namespace

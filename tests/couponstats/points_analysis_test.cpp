#include "couponstats/points_analysis.h"

#include "couponstats/operations/history_fixture.h"
#include "couponstats/points_columns.h"
#include "platform/core/errors.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// A points page row of the match with coupon code 7 on the fixture's day, with every statistic
// cell holding what an earlier page left in it.
QStringList CouponRow(const QString &diorg = "GR1")
{
    QStringList row(PtColumnCount, "99");
    row[0] = "1";
    row[1] = "7";
    row[2] = diorg;
    row[3] = "05/03/2005";
    row[5] = "Γηπεδούχος";
    row[6] = "Φιλοξενούμενη";
    row[11] = "1";
    return row;
}

QStringList Cells(const QStringList &row, int from, int to)
{
    return row.mid(from, to - from + 1);
}

TEST(FillPointsRowTest, PercentagesRoundHalvesToEven)
{
    const struct
    {
        TSideRecord home;
        QStringList percentages;
    } cases[] = {
        {{1, 0, 7, 8}, {"12", "0", "88"}},
        {{3, 0, 5, 8}, {"38", "0", "62"}},
        {{1, 1, 0, 2}, {"50", "50", "0"}},
    };
    for (const auto &c : cases) {
        QStringList row = CouponRow();
        FillPointsRow(row, c.home, {1, 0, 0, 1}, kDefaultsB);
        EXPECT_EQ(Cells(row, PtHomeWinPct, PtHomeWinPct + 2), c.percentages);
    }
}

TEST(FillPointsRowTest, WritesEveryColumnOfBothSides)
{
    QStringList row = CouponRow();
    FillPointsRow(row, {3, 2, 1, 6}, {1, 2, 3, 6}, kDefaultsB);
    EXPECT_EQ(Cells(row, 12, 28), QStringList({"6", "11", "3", "2", "1", "50", "33", "17", "5", "3", "2", "1",
                                               "50", "33", "17", "6", "1"}));
    EXPECT_EQ(Cells(row, 29, 31), QStringList({"50", "33", "17"}));
    EXPECT_EQ(row[PtFree], "99");
    EXPECT_EQ(Cells(row, 33, 41), QStringList({"6", "4", "2", "0", "-4", "-8", "10", "6", "4"}));
}

TEST(FillPointsRowTest, SidesWithoutMatchesLeaveNothingOfTheEarlierPage)
{
    QStringList row = CouponRow();
    FillPointsRow(row, {}, {}, kDefaultsB);
    EXPECT_EQ(Cells(row, 12, 16), QStringList({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(Cells(row, 17, 19), QStringList(3));
    EXPECT_EQ(Cells(row, 24, 26), QStringList(3));
    EXPECT_EQ(Cells(row, 29, 31), QStringList(3));
    EXPECT_EQ(Cells(row, 33, 41), QStringList(9));
    EXPECT_EQ(row[PtDifference], "0");
    EXPECT_EQ(row[PtProposal], "X");

    // Only the away side played: ΔB is minus its points.
    row = CouponRow();
    FillPointsRow(row, {}, {2, 1, 0, 3}, kDefaultsB);
    EXPECT_EQ(row[PtDifference], "-7");
    EXPECT_EQ(row[PtProposal], "2");
    EXPECT_EQ(Cells(row, 24, 26), QStringList({"0", "33", "67"}));
    EXPECT_EQ(Cells(row, 29, 31), QStringList(3));
}

TEST(FillPointsRowTest, DefaultThresholdsOfThePointsPages)
{
    const std::pair<int, const char *> cases[] = {{1, "1"},    {500, "1"}, {0, "X"},  {-1, "2"},
                                                  {-500, "2"}, {501, ""},  {-501, ""}};
    for (const auto &[d, proposal] : cases)
        EXPECT_EQ(ProposalFor(d, kDefaultsB), proposal) << d;
}

class PointsAnalysisTest : public TeamHistoryTest
{
protected:
    static constexpr int kAway = 2;

    void SetUp() override
    {
        TeamHistoryTest::SetUp();
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, \"Date\", OPAPAr) "
             "VALUES (1, 90, ?1, ?2, 0, ?3, 7)",
             {kTeam, kAway, day.toString(Qt::ISODate)});
    }

    // Runs the analysis over the rows, all checked unless said otherwise.
    void Run(
        TPageRows &rows, int n, QByteArray checks = {}, std::function<bool()> step = [] { return true; })
    {
        if (checks.isEmpty())
            checks = QByteArray(rows.size(), 1);
        TPageRun run{rows, checks, periods, thresholds, 0, n, std::move(step)};
        TPointsAnalysis(Dm()).RunPointsAnalysis(run);
    }

    QStringList periods{"2003-04", "2004-05"};
    TThresholdTexts thresholds;
};

TEST_F(PointsAnalysisTest, CountsHomeMatchesOfTheHomeTeamAndAwayMatchesOfTheAwayTeam)
{
    // The home team at home: 3 wins, 5 losses; away it won, which does not count.
    for (int i = 1; i <= 8; ++i)
        Add(kTeam, 10 + i, DaysBefore(i), i <= 3 ? 2 : 0, 1);
    Add(20, kTeam, DaysBefore(9), 0, 3);
    // The away team away: a draw and a win; at home a loss, which does not count.
    Add(30, kAway, DaysBefore(1), 1, 1);
    Add(31, kAway, DaysBefore(2), 0, 2);
    Add(kAway, 32, DaysBefore(3), 0, 5);

    TPageRows rows{CouponRow()};
    Run(rows, 0);

    EXPECT_EQ(Cells(rows[0], 12, 28), QStringList({"8", "9", "3", "0", "5", "38", "0", "62", "4", "0", "1",
                                                   "1", "0", "50", "50", "5", "1"}));
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsB));
}

TEST_F(PointsAnalysisTest, FewerMatchesThanNEmptyThePercentages)
{
    for (int i = 1; i <= 4; ++i)
        Add(kTeam, 10 + i, DaysBefore(i), 2, 0);
    for (int i = 1; i <= 6; ++i)
        Add(20 + i, kAway, DaysBefore(i), 0, 1);

    TPageRows rows{CouponRow()};
    Run(rows, 6);

    EXPECT_EQ(Cells(rows[0], 12, 16), QStringList({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(Cells(rows[0], 17, 19), QStringList(3));
    EXPECT_EQ(Cells(rows[0], 33, 41), QStringList(9));
    EXPECT_EQ(rows[0][PtAwayPoints], "18");
    EXPECT_EQ(rows[0][PtDifference], "-18");
    EXPECT_EQ(rows[0][PtProposal], "2");
}

TEST_F(PointsAnalysisTest, RowsWithoutTheirMatchKeepWhatTheyCarried)
{
    Add(kTeam, 11, DaysBefore(1), 2, 0);
    QStringList otherDay = CouponRow();
    otherDay[3] = "06/03/2005";
    QStringList otherCode = CouponRow();
    otherCode[1] = "8";
    TPageRows rows{CouponRow("XX"), otherDay, otherCode, CouponRow()};
    const TPageRows before = rows;

    Run(rows, 0, QByteArray::fromHex("01010100"));
    EXPECT_EQ(rows, before);

    periods = {"1999-00"};
    Run(rows, 0);
    EXPECT_EQ(rows, before);
    periods.clear();
    Run(rows, 0);
    EXPECT_EQ(rows, before);
}

TEST_F(PointsAnalysisTest, CancelStopsBeforeTheNextRow)
{
    Add(kTeam, 11, DaysBefore(1), 2, 0);
    TPageRows rows{CouponRow(), CouponRow()};
    int steps = 0;
    Run(rows, 0, {}, [&] { return ++steps < 2; });
    EXPECT_EQ(rows[0][PtHomePoints], "3");
    EXPECT_EQ(rows[1][PtHomePoints], "99");
}

TEST_F(PointsAnalysisTest, AThresholdThatIsNoNumberChangesNoRow)
{
    TThresholdTexts texts = ThresholdTextsOf(kDefaultsB);
    texts[2] = "";
    WriteThresholdTexts(texts);
    TPageRows rows{CouponRow()};
    EXPECT_THROW(Run(rows, 0), EConvertError);
    EXPECT_EQ(rows[0][PtHomePoints], "99");
}

} // namespace

#include "couponstats/operations/history_fixture.h"
#include "couponstats/operations/match_odds.h"
#include "couponstats/operations/operations_math.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::operations;

namespace {

TEST(OperationsMath, HelpersKeepTheirEdges)
{
    EXPECT_DOUBLE_EQ(PowerXY(2.5, 1), 2.5);
    EXPECT_DOUBLE_EQ(PowerXY(0.4, -1), 2.5);
    EXPECT_DOUBLE_EQ(PowerXY(4, 0.5), 2);
    EXPECT_EQ(MaxByte(200, 7), 200);
    EXPECT_EQ(MaxByte(3, 255), 255);
    EXPECT_EQ(SignOrOne(-0.5), -1);
    EXPECT_EQ(SignOrOne(0), 1);
    EXPECT_EQ(SignOrOne(7), 1);
    EXPECT_EQ(NonZeroOrOne(0), 1);
    EXPECT_EQ(NonZeroOrOne(-3), -3);
}

TEST(MatchOddsText, MarginToFiveHundredthsAndThreeDigits)
{
    const struct
    {
        int percent;
        const char *text;
    } cases[] = {{33, "2,75"}, {34, "2,65"}, {68, "1,30"}, {28, "3,20"},
                 {4, "22,50"}, {7, "12,90"}, {9, "10,00"}};
    for (const auto &c : cases)
        EXPECT_EQ(OddText(c.percent), c.text) << c.percent;
}

TEST(MatchOddsEstimate, DrawCountRisesTowardsTheDecisiveOnes)
{
    const struct
    {
        TMatchCounts counts;
        int nx;
        int p1;
        int px;
        int p2;
    } cases[] = {
        {{}, 1, 33, 34, 33},
        {{9, 0, 0, 9, 0, 0}, 8, 68, 28, 4},
        // The decisive counts 5 and 2 are exactly 2.5 apart: 40 % of 7 rounds to 3, half would be 4.
        {{4, 1, 0, 0, 0, 0}, 3, 50, 30, 20},
        {{0, 0, 0, 1, 4, 0}, 3, 20, 30, 50},
        // Balanced: half of 5, rounded to even.
        {{2, 1, 0, 0, 0, 0}, 2, 43, 28, 29},
        // Draws already above the share stay.
        {{0, 0, 6, 0, 0, 3}, 10, 8, 84, 8},
    };
    for (const auto &c : cases) {
        const TMatchEstimate e = EstimateFromCounts(c.counts);
        SCOPED_TRACE(testing::Message() << c.p1 << '/' << c.px << '/' << c.p2);
        EXPECT_EQ(e.NX, c.nx);
        EXPECT_EQ(e.P1, c.p1);
        EXPECT_EQ(e.PX, c.px);
        EXPECT_EQ(e.P2, c.p2);
        EXPECT_EQ(e.Odd1Text, OddText(c.p1));
        EXPECT_EQ(e.OddXText, OddText(c.px));
        EXPECT_EQ(e.Odd2Text, OddText(c.p2));
    }
}

using MatchOddsTest = TeamHistoryTest;

TEST_F(MatchOddsTest, NoHistoryGivesTheEvenOdds)
{
    const TMatchEstimate e = EstimateMatchOdds(Dm(), 1, 2, day);
    EXPECT_EQ(QStringList({e.Odd1Text, e.OddXText, e.Odd2Text}), QStringList({"2,75", "2,65", "2,75"}));
}

TEST_F(MatchOddsTest, OnlyTheNineLatestPlayedMatchesBeforeTheDateCount)
{
    for (int i = 1; i <= 9; ++i) {
        Add(1, 10 + i, DaysBefore(i), 2, 0);
        Add(20 + i, 2, DaysBefore(i), 1, 0);
    }
    // Older results, results of the day itself and matches without a result change nothing.
    Add(1, 40, DaysBefore(10), 0, 3);
    Add(41, 2, DaysBefore(10), 0, 3);
    Add(1, 42, day, 0, 1);
    Add(43, 2, day, 0, 1);
    Add(1, 44, DaysBefore(1).addDays(-20), QVariant(), QVariant());
    const TMatchEstimate e = EstimateMatchOdds(Dm(), 1, 2, day);
    EXPECT_EQ(e.N1, 19);
    EXPECT_EQ(e.N2, 1);
    EXPECT_EQ(QList<int>({e.P1, e.PX, e.P2}), QList<int>({68, 28, 4}));
    EXPECT_EQ(QStringList({e.Odd1Text, e.OddXText, e.Odd2Text}), QStringList({"1,30", "3,20", "22,50"}));
}

} // namespace

#include "couponstats/proistoria_analysis.h"
#include "page_analysis_fixture.h"

#include "couponstats/kind_analysis.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

constexpr int kHome = 1;
constexpr int kAway = 2;
constexpr int kCode = 12;

class ProistoriaAnalysisTest : public PageAnalysisTest
{
protected:
    // Earlier meetings with team 1 at home, newest first, as (home goals, away goals).
    void StoreMeetings(const QList<std::pair<int, int>> &scores)
    {
        for (int k = 0; k < scores.size(); ++k)
            Add(kHome, kAway, DaysBefore(10 * (k + 1)), scores[k].first, scores[k].second);
        AddCouponMatch(kHome, kAway, kCode);
        AddRow(kCode);
    }

    bool Signs(int n) { return TProistoriaAnalysis(Dm(), Grid()).RunProistoriaAnalysis(n, {}); }
    bool Goals(int n) { return TProistoriaAnalysis(Dm(), Grid()).RunProistoriaGoalsAnalysis(n, {}); }
};

TEST_F(ProistoriaAnalysisTest, SignsGivePointsAndTheProposalOfDefaultsB)
{
    // A draw and a loss for the home side: 1 against 4, which the defaults B propose as 2.
    StoreMeetings({{1, 1}, {0, 2}, {3, 0}});
    EXPECT_TRUE(Signs(2));
    EXPECT_EQ(Values(0), (QStringList{"1", "4", "-3", "2"}));
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsB));
    EXPECT_TRUE(Signs(3));
    EXPECT_EQ(Values(0), (QStringList{"4", "4", "0", "X"}));
}

TEST_F(ProistoriaAnalysisTest, FewerMeetingsThanAskedOrNoneAskedLeaveTheRowEmpty)
{
    StoreMeetings({{2, 0}, {1, 0}});
    for (int n : {3, 0}) {
        rows[1][PgHomeValue] = "6";
        rows[1][PgProposal] = "1";
        EXPECT_TRUE(Signs(n));
        EXPECT_EQ(Values(0), QStringList(4)) << "signs N " << n;
        rows[1][PgHomeValue] = "6";
        EXPECT_TRUE(Goals(n));
        EXPECT_EQ(Values(0), QStringList(4)) << "goals N " << n;
    }
}

TEST_F(ProistoriaAnalysisTest, MeetingsWithTheSidesReversedNeverCount)
{
    Add(kAway, kHome, DaysBefore(5), 0, 3);
    StoreMeetings({{2, 1}});
    EXPECT_TRUE(Signs(1));
    EXPECT_EQ(Values(0), (QStringList{"3", "0", "3", "1"}));
    EXPECT_TRUE(Signs(2));
    EXPECT_EQ(Values(0), QStringList(4));
}

TEST_F(ProistoriaAnalysisTest, GoalsGiveAveragesAndNoProposalBetweenTheBands)
{
    StoreMeetings({{2, 1}, {1, 1}, {0, 3}});
    EXPECT_TRUE(Goals(2));
    // d = 0,5 lies between the X and the 1 band of the defaults A.
    EXPECT_EQ(Values(0), (QStringList{"1,5", "1,0", "2,5", ""}));
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsA));
    EXPECT_TRUE(Goals(3));
    EXPECT_EQ(Values(0), (QStringList{"1,0", "1,7", "2,7", "X"}));
}

TEST_F(ProistoriaAnalysisTest, TheKindChoosesTheAnalysis)
{
    StoreMeetings({{1, 1}, {0, 2}});
    const struct
    {
        int kind;
        QStringList values;
    } cases[] = {{2, {"1", "4", "-3", "2"}}, {10, {"0,5", "1,5", "2,0", "X"}}, {11, {"", "", "", ""}}};
    for (const auto &c : cases) {
        rows[1] = rows[1].mid(0, PgHomeValue) + QStringList(kPageColumns - PgHomeValue);
        EXPECT_TRUE(RunKindAnalysis(Dm(), Grid(), c.kind, 2, {}));
        EXPECT_EQ(Values(0), c.values) << "kind " << c.kind;
    }
}

} // namespace

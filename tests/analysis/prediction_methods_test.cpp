#include "analysis/prediction_methods.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TWeighedResult Result(char sign, std::optional<int> opponentPosition = {},
                      std::optional<int> ownPosition = {}, std::optional<int> opponentStrength = {})
{
    return {QLatin1Char(sign), ownPosition, opponentPosition, opponentStrength};
}

} // namespace

TEST(PredictionMethods, OpponentRankWeighsResultsByTheOpponentsThird)
{
    // 18 teams: thirds of six places.
    const struct
    {
        std::vector<TWeighedResult> home, away;
        TPercentages expected;
    } cases[] = {
        {{}, {}, {25, 50, 25}},
        // A home win over the leader gives 1, over the last 3.
        {{Result('1', 1)}, {}, {40, 40, 20}},
        {{Result('1', 18)}, {}, {57, 29, 14}},
        // A home loss to the leader gives 3 to sign 2, to the last 1.
        {{Result('2', 1)}, {}, {14, 29, 57}},
        {{Result('2', 18)}, {}, {20, 40, 40}},
        {{Result('X', 4)}, {}, {14, 72, 14}},
        // An away win at the last gives 3 to sign 2; a home side missing from the table counts as eighth.
        {{}, {Result('2', 18)}, {14, 29, 57}},
        {{}, {Result('2')}, {17, 33, 50}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PredictByOpponentRank(18, c.home, c.away), c.expected);
}

TEST(PredictionMethods, OpponentRankWorksInCompetitionsOfFewerThanThreeTeams)
{
    EXPECT_EQ(PredictByOpponentRank(2, {Result('1', 2)}, {}), (TPercentages{50, 33, 17}));
    EXPECT_EQ(PredictByOpponentRank(0, {Result('1')}, {Result('X')}), (TPercentages{25, 63, 12}));
}

TEST(PredictionMethods, RankGapWithoutHistoryGivesEqualShares)
{
    EXPECT_EQ(PredictByRankGap(18, {}, {}), (TPercentages{33, 34, 33}));
    // Weight 9 + |3 - 12| = 18 for the home win.
    EXPECT_EQ(PredictByRankGap(18, {Result('1', 12, 3)}, {}), (TPercentages{50, 25, 25}));
    EXPECT_EQ(PredictByRankGap(0, {}, {}), (TPercentages{33, 34, 33}));
}

TEST(PredictionMethods, PointsRateComparesTheSidesRatings)
{
    const TStandingFigures none;
    EXPECT_EQ(PredictByPointsRate(18, none, none), (TPercentages{33, 34, 33}));
    // SH 6 against SF 2: the ratio 3 gives a draw weight of 0.4 x 8.
    TStandingFigures strong;
    strong.Points = 1;
    strong.Games = 1;
    strong.SidePoints = 1;
    strong.SideGames = 1;
    EXPECT_DOUBLE_EQ(PointsRating(1, strong), 6.0);
    EXPECT_EQ(PredictByPointsRate(1, strong, none), (TPercentages{54, 28, 18}));
}

TEST(PredictionMethods, StrengthWeighsResultsByTheStrengths)
{
    TPredictionCompetition competition;
    competition.Omades = 18;
    competition.Isxys = 3;
    TStrengthSide home{2, 3, {Result('1', 5, 2, 2)}};
    const TStrengthResult result = PredictByStrength(competition, home, {});
    // (3 + 2) / (2 + 3) x (18 - 5 + 2 + 1) = 16 for sign 1.
    EXPECT_EQ(result.Percent, (TPercentages{37, 31, 32}));
    EXPECT_EQ(result.Skipped, 0);
    EXPECT_EQ(PredictByStrength(competition, {}, {}).Percent, (TPercentages{33, 34, 33}));
}

TEST(PredictionMethods, StrengthLeavesOutMatchesWhoseWeightIsNoNumber)
{
    // No strength anywhere: a win divides 0 by 0, a draw of equal places keeps the factor 1.
    TPredictionCompetition competition;
    competition.Omades = 18;
    const TStrengthSide home{{}, {}, {Result('1', 5, 2), Result('X', 4, 4)}};
    const TStrengthSide away{{}, {}, {Result('1', 5, 2)}};
    const TStrengthResult result = PredictByStrength(competition, home, away);
    EXPECT_EQ(result.Skipped, 2);
    // The draw adds 0 + 18 + 4 - 4 = 18 to X.
    EXPECT_EQ(result.Percent, (TPercentages{31, 38, 31}));
}

TEST(PredictionMethods, TheStandingLineShowsPlacesPointsAndRating)
{
    TPredictionCompetition competition;
    competition.Omades = 18;
    competition.Nikh = 3;
    competition.Isop = 1;
    TTeamStatRow row;
    row.NikesIn = 4;
    row.IsopIn = 1;
    row.NikesOut = 2;
    row.IsopOut = 1;
    row.HttesOut = 1;
    row.Position = 3;
    row.PositionEntos = 2;
    row.PositionEktos = 7;
    const TStandingFigures home = StandingFigures(row, true, competition);
    EXPECT_EQ(StandingLineText(18, home, "Εντός"), "Θέση:  3 (20/ 9), Εντός:  2 (13/ 5), Πόντοι: 94");
    const TStandingFigures away = StandingFigures(row, false, competition);
    EXPECT_EQ(StandingLineText(18, away, "Εκτός"), "Θέση:  3 (20/ 9), Εκτός:  7 ( 7/ 4), Πόντοι: 77");
    EXPECT_EQ(StandingLineText(18, StandingFigures({}, true, competition), "Εντός"),
              "Θέση:  0 ( 0/ 0), Εντός:  0 ( 0/ 0), Πόντοι: 2");
}

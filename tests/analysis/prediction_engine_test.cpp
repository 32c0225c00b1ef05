#include "analysis/prediction_engine.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TListedMatch Listed(int gameNo, int home, int away, std::optional<int> homeGoals = {},
                    std::optional<int> awayGoals = {})
{
    TListedMatch match;
    match.GameNo = gameNo;
    match.Agvnistikh = 12;
    match.Ghpedoyxos = 100 + home;
    match.Filojenoymenh = 100 + away;
    match.GTeamNo = home;
    match.FTeamNo = away;
    match.TelGGoals = homeGoals;
    match.TelFGoals = awayGoals;
    match.Teams = QString("Ομάδα %1 - Ομάδα %2").arg(home).arg(away);
    match.Score = homeGoals ? QString("%1-%2").arg(*homeGoals, 2).arg(*awayGoals, 2) : QString("? - ?");
    return match;
}

// `wins` results 1, `losses` results 2 and `draws` results X of a club on one side.
void AddResults(std::vector<TRecentResult> &history, int club, bool home, int ones, int twos, int draws)
{
    const auto add = [&](int count, int homeGoals, int awayGoals) {
        for (int i = 0; i < count; ++i)
            history.push_back({home ? club : 90, home ? 90 : club, homeGoals, awayGoals});
    };
    add(ones, 2, 0);
    add(twos, 0, 1);
    add(draws, 1, 1);
}

TPercentages PercentOf(const TAnalysisRow &row)
{
    return {row.Percent[Percent1], row.Percent[PercentX], row.Percent[Percent2]};
}

TAnalysisRow RowWith(int p1, int pX, int p2)
{
    TAnalysisRow row;
    row.Percent[Percent1] = std::uint8_t(p1);
    row.Percent[PercentX] = std::uint8_t(pX);
    row.Percent[Percent2] = std::uint8_t(p2);
    return row;
}

} // namespace

TEST(PredictionEngine, TheResultSignFollowsTheFinalScore)
{
    EXPECT_EQ(ResultSign(2, 1), "1");
    EXPECT_EQ(ResultSign(1, 1), "X");
    EXPECT_EQ(ResultSign(0, 0), "X");
    EXPECT_EQ(ResultSign(0, 3), "2");
    EXPECT_EQ(ResultSign({}, {}), "?");
}

TEST(PredictionEngine, CombinedCountsGiveThePercentagesOfTheSigns)
{
    const struct
    {
        TSignCounts home, away;
        TPercentages expected;
    } cases[] = {
        // 10, 4, 7 after the combination: the ratio 2.5 keeps X at 7.
        {{5, 1, 3}, {4, 2, 3}, {48, 33, 19}},
        // 6, 2, 2: the ratio 3 raises X to Nearest(3.2) = 3.
        {{5, 1, 1}, {0, 0, 0}, {55, 27, 18}},
        // Two sides without history.
        {{0, 0, 0}, {0, 0, 0}, {33, 34, 33}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CombineCounts(c.home, c.away), c.expected);
}

TEST(PredictionEngine, TheNineMatchExampleGivesPercentagesAndSignClasses)
{
    std::vector<TListedMatch> matches;
    for (int k = 0; k < 9; ++k)
        matches.push_back(Listed(k + 1, 2 * k + 1, 2 * k + 2));
    std::vector<TRecentResult> home, away;
    // Newest first: the nine latest results count; the tenth, older ones do not.
    AddResults(home, 1, true, 5, 1, 3);
    AddResults(home, 1, true, 0, 4, 0);
    AddResults(away, 2, false, 4, 2, 3);
    TAnalysisTable table;
    PredictFromRecentResults(table, matches, home, away, 9, true);
    ClassifySigns(table);
    ASSERT_EQ(table.AnalysisCount, 9);
    const TAnalysisRow &first = table.AnalysisRows[1];
    EXPECT_EQ(PercentOf(first), (TPercentages{48, 33, 19}));
    EXPECT_EQ(first.BaseSigns, "1");
    EXPECT_EQ(first.ProbableSigns, "1X");
    EXPECT_EQ(first.FullSigns, "1X2");
    EXPECT_EQ(first.SurpriseSigns, "");
    EXPECT_EQ(first.HomeTeam, 101);
    EXPECT_EQ(first.AwayTeam, 102);
    EXPECT_EQ(first.ResultSign, "?");
    for (int k = 2; k <= 9; ++k) {
        const TAnalysisRow &row = table.AnalysisRows[k];
        EXPECT_EQ(PercentOf(row), (TPercentages{33, 34, 33})) << k;
        EXPECT_EQ(row.BaseSigns, "X12") << k;
        EXPECT_EQ(row.ProbableSigns, "X12") << k;
    }
    EXPECT_EQ(table.TopPercentTotal, 48 + 8 * 34);
    EXPECT_EQ(table.AnalysisRows[10].GameNo, 0);
}

TEST(PredictionEngine, NothingIsCountedWithoutRecentMatchesOrWithoutTheCombination)
{
    const std::vector<TListedMatch> matches{Listed(1, 1, 2)};
    std::vector<TRecentResult> home, away;
    AddResults(home, 1, true, 5, 1, 3);
    AddResults(away, 2, false, 4, 2, 3);
    TAnalysisTable table;
    PredictFromRecentResults(table, matches, home, away, 0, true);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{33, 34, 33}));
    PredictFromRecentResults(table, matches, home, away, 9, false);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{0, 0, 0}));
}

TEST(PredictionEngine, AClubListedTwiceIsCountedForEachOfItsMatches)
{
    // Club 1 plays at home in the first match and away in the rescheduled third one; club 5 has a
    // home match twice.
    const std::vector<TListedMatch> matches{Listed(1, 1, 2), Listed(2, 5, 6), Listed(3, 3, 1),
                                            Listed(4, 5, 4)};
    std::vector<TRecentResult> home, away;
    AddResults(home, 1, true, 6, 0, 0);
    AddResults(home, 5, true, 0, 4, 0);
    AddResults(away, 1, false, 5, 0, 1);
    TAnalysisTable table;
    PredictFromRecentResults(table, matches, home, away, 9, true);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), CombineCounts({6, 0, 0}, {}));
    EXPECT_EQ(PercentOf(table.AnalysisRows[3]), CombineCounts({}, {5, 0, 1}));
    EXPECT_EQ(PercentOf(table.AnalysisRows[2]), CombineCounts({0, 4, 0}, {}));
    EXPECT_EQ(PercentOf(table.AnalysisRows[4]), PercentOf(table.AnalysisRows[2]));
}

TEST(PredictionEngine, BothSidesTeamStatRowsTakeTheMatchPercentages)
{
    const std::vector<TListedMatch> matches{Listed(1, 1, 2), Listed(2, 3, 4)};
    std::vector<TRecentResult> home, away;
    AddResults(home, 1, true, 5, 1, 3);
    AddResults(away, 2, false, 4, 2, 3);
    TAnalysisTable table;
    PredictFromRecentResults(table, matches, home, away, 9, true);
    const std::vector<TTeamStatPercent> rows = TeamStatPercentages(table, 12);
    ASSERT_EQ(rows.size(), 4u);
    const int teams[4] = {102, 101, 104, 103};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].TeamNo, teams[i]);
        EXPECT_EQ(rows[i].Agvnistikh, 12);
    }
    EXPECT_EQ(rows[0].Percent, (TPercentages{48, 33, 19}));
    EXPECT_EQ(rows[1].Percent, (TPercentages{48, 33, 19}));
    EXPECT_EQ(rows[3].Percent, (TPercentages{33, 34, 33}));
}

TEST(PredictionEngine, SignClassesFollowTheSharesOfTheSigns)
{
    const struct
    {
        int p1, pX, p2;
        const char *base, *probable, *full, *surprise;
    } cases[] = {
        {35, 30, 35, "21", "21", "1X2", ""},   {48, 33, 19, "1", "1X", "1X2", ""},
        {63, 19, 18, "1", "1", "1X", "2"},     {51, 30, 19, "1", "1", "1X2", ""},
        {50, 30, 20, "1", "1X", "1X2", ""},    {20, 41, 39, "X", "X2", "1X2", ""},
        {33, 34, 33, "X12", "X12", "1X2", ""},
    };
    for (const auto &c : cases) {
        TAnalysisTable table;
        table.AnalysisCount = 1;
        table.AnalysisRows[1] = RowWith(c.p1, c.pX, c.p2);
        ClassifySigns(table);
        const TAnalysisRow &row = table.AnalysisRows[1];
        const std::string shares =
            std::to_string(c.p1) + "/" + std::to_string(c.pX) + "/" + std::to_string(c.p2);
        EXPECT_EQ(row.BaseSigns, c.base) << shares;
        EXPECT_EQ(row.ProbableSigns, c.probable) << shares;
        EXPECT_EQ(row.FullSigns, c.full) << shares;
        EXPECT_EQ(row.SurpriseSigns, c.surprise) << shares;
    }
}

TEST(PredictionEngine, SuggestedOddsSnapToFiveCents)
{
    const struct
    {
        int percent;
        const char *odds;
    } cases[] = {{45, "2,00"}, {30, "3,00"}, {19, "4,75"},  {50, "1,80"}, {60, "1,50"},
                 {80, "1,15"}, {1, "90,10"}, {100, "0,90"}, {0, "-"}};
    for (const auto &c : cases)
        EXPECT_EQ(SuggestedOdds(c.percent), c.odds) << c.percent;
}

TEST(PredictionEngine, TheDisplayModeChangesOnlyThePercentCells)
{
    const TAnalysisRow row = RowWith(45, 55, 0);
    EXPECT_EQ(PercentCells(row, TDisplayMode::Percentages), (std::array<QString, 3>{"45", "55", "0"}));
    EXPECT_EQ(PercentCells(row, TDisplayMode::Odds), (std::array<QString, 3>{"2,00", "1,65", "-"}));
}

TEST(PredictionEngine, TheTotalsRowCountsTheHitsOfThePlayedMatches)
{
    TAnalysisTable table;
    table.AnalysisCount = 3;
    table.AnalysisRows[1] = RowWith(48, 33, 19);
    table.AnalysisRows[1].ResultSign = "1";
    table.AnalysisRows[2] = RowWith(63, 19, 18);
    table.AnalysisRows[2].ResultSign = "2";
    table.AnalysisRows[3] = RowWith(35, 30, 35);
    table.AnalysisRows[3].ResultSign = "?";
    ClassifySigns(table);
    const std::array<QString, 12> cells = TotalsRow(table);
    EXPECT_EQ(cells[2], "Επιτυχίες :");
    EXPECT_EQ(cells[3], "146");
    EXPECT_EQ(cells[4], "66");
    EXPECT_EQ(cells[5], "45 %");
    EXPECT_EQ(cells[6], "1");
    EXPECT_EQ(cells[7], "1");
    EXPECT_EQ(cells[8], "1");
    EXPECT_EQ(cells[9], "1");
    EXPECT_EQ(table.HitPercentTotal, 66);
}

TEST(PredictionEngine, TheTotalsRowOfAnUnplayedMatchdayShowsQuestionMarks)
{
    TAnalysisTable table;
    table.AnalysisCount = 1;
    table.AnalysisRows[1] = RowWith(48, 33, 19);
    table.AnalysisRows[1].ResultSign = "?";
    ClassifySigns(table);
    const std::array<QString, 12> cells = TotalsRow(table);
    EXPECT_EQ(cells[3], "48");
    for (int column = 4; column <= 9; ++column)
        EXPECT_EQ(cells[column], "?") << column;
}

TEST(PredictionEngine, ATotalOfZeroPercentShowsAZeroHitShare)
{
    TAnalysisTable table;
    table.AnalysisCount = 1;
    table.AnalysisRows[1].ResultSign = "1";
    ClassifySigns(table);
    const std::array<QString, 12> cells = TotalsRow(table);
    EXPECT_EQ(cells[3], "0");
    EXPECT_EQ(cells[4], "0");
    EXPECT_EQ(cells[5], "0 %");
}

#include "analysis/prediction_fixture.h"
#include "analysis/prediction_runs.h"
#include "support/qstring_printer.h"

using namespace tav::analysis;

namespace {

using PredictionRunsTest = PredictionTest;

} // namespace

TEST_F(PredictionRunsTest, TheListedMatchesAreReadInOrderAndTheCursorStays)
{
    List(3);
    Dm().Agvnes.Next();
    const std::vector<TListedMatch> listed = ReadListedMatches(Dm().Agvnes);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].GameNo, unplayed_);
    EXPECT_EQ(listed[0].Teams, QString("Ομάδα %1-1 - Ομάδα %1-4").arg(league_));
    EXPECT_EQ(listed[0].Date, QDate(2004, 9, 26));
    EXPECT_FALSE(listed[0].TelGGoals.has_value());
    EXPECT_EQ(listed[1].TelGGoals, 3);
    EXPECT_EQ(Dm().Agvnes.FieldByName("GameNo").AsInteger(), listed[1].GameNo);
}

TEST_F(PredictionRunsTest, RecentResultsGiveThePercentagesAndWriteThemForBothSides)
{
    for (int team : {teams_[0], teams_[3], teams_[1]})
        AddTeamStat(team, 3);
    List(3);
    TAnalysisTable table;
    RunRecentResults(Dm(), table, ReadListedMatches(Dm().Agvnes), 9, true);
    ASSERT_EQ(table.AnalysisCount, 2);
    // Two home wins against one away draw: 3, 1 and 2 after the combination.
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{50, 33, 17}));
    EXPECT_EQ(table.AnalysisRows[1].ResultSign, "?");
    // No home match against one away loss: 2, 1 and 1, X raised to Nearest(1.5) = 2.
    EXPECT_EQ(PercentOf(table.AnalysisRows[2]), (TPercentages{40, 40, 20}));
    EXPECT_EQ(table.AnalysisRows[2].ResultSign, "1");
    EXPECT_EQ(Percentages(teams_[0], 3), (QVariantList{50.0, 33.0, 17.0}));
    EXPECT_EQ(Percentages(teams_[3], 3), (QVariantList{50.0, 33.0, 17.0}));
    EXPECT_EQ(Percentages(teams_[1], 3), (QVariantList{40.0, 40.0, 20.0}));
    // A side without a statistics row gets none.
    EXPECT_TRUE(Percentages(teams_[2], 3).isEmpty());

    RunRecentResults(Dm(), table, ReadListedMatches(Dm().Agvnes), 9, false);
    EXPECT_EQ(Percentages(teams_[0], 3), (QVariantList{0.0, 0.0, 0.0}));
}

TEST_F(PredictionRunsTest, TheOtherMethodsWithoutHistory)
{
    List(1);
    const std::vector<TListedMatch> listed = ReadListedMatches(Dm().Agvnes);
    TAnalysisTable table;
    RunRankGap(Dm(), table, listed, 9);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{33, 34, 33}));
    RunOpponentRank(Dm(), table, listed, 9);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{25, 50, 25}));
    RunPointsRate(Dm(), table, listed);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{33, 34, 33}));
    EXPECT_EQ(RunStrength(Dm(), table, listed, 9), 0);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{33, 34, 33}));
    EXPECT_EQ(table.AnalysisCount, 2);
}

TEST_F(PredictionRunsTest, OpponentRankReadsThePlaceOfTheOpponentAtThatMatchday)
{
    // The first team's latest home win, of matchday 2, was over the last of eighteen.
    AddTeamStat(teams_[2], 2, {0, 0, 1, 0, 1, 0, 18, 0, 18});
    List(3);
    TAnalysisTable table;
    RunOpponentRank(Dm(), table, ReadListedMatches(Dm().Agvnes), 1);
    // S1 = 3 against the away side's draw (SX = 3): 4, 5 and 1 over 10.
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{40, 50, 10}));
}

TEST_F(PredictionRunsTest, StrengthCountsTheMatchesWithoutAStrength)
{
    List(3);
    TAnalysisTable table;
    // No team or category has a strength: the two home wins of the first team and the away loss
    // of the third have no weight; the draw of equal places keeps its own.
    EXPECT_EQ(RunStrength(Dm(), table, ReadListedMatches(Dm().Agvnes), 9), 3);
    EXPECT_EQ(table.AnalysisCount, 2);
    EXPECT_EQ(PercentOf(table.AnalysisRows[1]), (TPercentages{31, 38, 31}));
}

TEST_F(PredictionRunsTest, TheStandingLineOfEachSide)
{
    AddTeamStat(teams_[0], 2, {4, 1, 0, 2, 1, 1, 3, 2, 5});
    EXPECT_EQ(StandingLine(Dm(), unplayed_, true, "Εντός"),
              "Θέση:  3 (20/ 9), Εντός:  2 (13/ 5), Πόντοι: 94");
    EXPECT_EQ(StandingLine(Dm(), unplayed_, false, "Εκτός"),
              "Θέση:  0 ( 0/ 0), Εκτός:  0 ( 0/ 0), Πόντοι: 2");
    EXPECT_THROW(StandingLine(Dm(), 0, true, "Εντός"), EDatabaseError);
}

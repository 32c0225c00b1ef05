#include "couponstats/operations/history_fixture.h"
#include "couponstats/operations/team_history.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <map>

using namespace tav::operations;

namespace {

// Every result of a record: those named hold their values, every other one is 0.
template <int C> void ExpectResults(const TNumberedResults<C> &r, const std::map<int, int> &named)
{
    for (int number = 1; number <= C; ++number) {
        const auto it = named.find(number);
        EXPECT_EQ(r[number], it == named.end() ? 0 : it->second) << "result " << number;
    }
}

TEST_F(TeamHistoryTest, TwoNilAwayWinFillsTheRecord)
{
    Add(2, kTeam, DaysBefore(1), 0, 2);
    for (TTeamMatches mode : {TTeamMatches::Away, TTeamMatches::All}) {
        const TTeamRecord r = GetTeamRecord(Dm(), mode, dayText, kLeague, kTeam, 0, "Ομάδα");
        EXPECT_TRUE(r.Found);
        ExpectResults(r, {{2, 1},
                          {7, 1},
                          {13, 1},
                          {19, 1},
                          {22, 1},
                          {36, 1},
                          {39, 1},
                          {46, 1},
                          {11, 2},
                          {12, 2},
                          {16, 2}});
    }
    const TTeamRecord home = GetTeamRecord(Dm(), TTeamMatches::Home, dayText, kLeague, kTeam, 0, "Ομάδα");
    EXPECT_FALSE(home.Found);
    ExpectResults(home, {});
}

TEST_F(TeamHistoryTest, HomeScoresFillTheHistograms)
{
    const struct
    {
        int g;
        int f;
        std::map<int, int> named;
    } cases[] = {
        {0, 0, {{5, 1}, {9, 1}, {13, 1}, {19, 1}, {20, 1}, {37, 1}, {39, 1}, {40, 1}}},
        {3,
         1,
         {{1, 1},
          {7, 1},
          {10, 2},
          {12, 2},
          {13, 1},
          {14, 3},
          {15, 1},
          {18, 1},
          {23, 1},
          {36, 1},
          {38, 1},
          {42, 1}}},
        {8,
         1,
         {{1, 1},
          {7, 1},
          {10, 7},
          {12, 7},
          {13, 1},
          {14, 8},
          {15, 1},
          {18, 1},
          {27, 1},
          {36, 1},
          {38, 1},
          {44, 1}}},
        {0,
         4,
         {{3, 1}, {8, 1}, {10, -4}, {12, -4}, {13, 1}, {15, 4}, {18, 1}, {20, 1}, {37, 1}, {39, 1}, {48, 1}}},
    };
    int team = 10;
    for (const auto &c : cases) {
        Add(team, 99, DaysBefore(1), c.g, c.f);
        const TTeamRecord r = GetTeamRecord(Dm(), TTeamMatches::Home, dayText, kLeague, team, 0, "Ομάδα");
        SCOPED_TRACE(testing::Message() << c.g << '-' << c.f);
        ExpectResults(r, c.named);
        ++team;
    }
}

TEST_F(TeamHistoryTest, FewerMatchesThanAskedForCountNothing)
{
    for (int i = 1; i <= 4; ++i)
        Add(kTeam, 10 + i, DaysBefore(i), 2, 1);
    const QString team = "Ομάδα";
    const auto all = TTeamMatches::All;
    const TTeamRecord record = GetTeamRecord(Dm(), all, dayText, kLeague, kTeam, 6, team);
    EXPECT_TRUE(record.Found);
    ExpectResults(record, {});
    const TTeamGoals goals = GetTeamGoals(Dm(), all, dayText, kLeague, kTeam, 6, team);
    EXPECT_TRUE(goals.Found);
    ExpectResults(goals, {});
    const TTeamGoalRecord goalRecord = GetTeamGoalRecord(Dm(), all, dayText, kLeague, kTeam, 6, team);
    EXPECT_TRUE(goalRecord.Found);
    ExpectResults(goalRecord, {});
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {kLeague}));
    const TTeamSpecialPoints points = GetTeamSpecialPoints(Dm(), all, dayText, kLeague, kTeam, 6, team);
    EXPECT_TRUE(points.Found);
    ExpectResults(points, {});

    // Exactly as many as asked for, or all of them.
    EXPECT_EQ(GetTeamRecord(Dm(), all, dayText, kLeague, kTeam, 4, team)[1], 4);
    EXPECT_EQ(GetTeamRecord(Dm(), all, dayText, kLeague, kTeam, 3, team)[13], 3);
    EXPECT_EQ(GetTeamRecord(Dm(), all, dayText, kLeague, kTeam, 0, team)[13], 4);
}

TEST_F(TeamHistoryTest, OnlyPlayedMatchesBeforeTheDateCount)
{
    Add(kTeam, 11, day, 1, 0);
    Add(kTeam, 12, DaysBefore(1), 2, 2);
    Add(kTeam, 13, DaysBefore(2), QVariant(), QVariant());
    const TTeamGoals goals = GetTeamGoals(Dm(), TTeamMatches::All, dayText, kLeague, kTeam, 0, "Ομάδα");
    ExpectResults(goals, {{5, 1}, {9, 1}, {10, 4}, {12, 4}, {13, 1}});
    const TTeamGoals later = GetTeamGoals(Dm(), TTeamMatches::All, "06/03/2005", kLeague, kTeam, 0, "Ομάδα");
    ExpectResults(later, {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {10, 5}, {12, 5}, {13, 2}});
}

TEST_F(TeamHistoryTest, GoalRecordsCountGoalsForAndAgainst)
{
    const struct
    {
        int g;
        int f;
        int scored;
        int conceded;
        int scored3;
        int conceded3;
    } cases[] = {
        {3, 1, 3, 1, 3, 0},
        {2, 4, 2, 4, 0, 4},
        {1, 1, 1, 1, 0, 0},
    };
    int team = 10;
    for (const auto &c : cases) {
        Add(team, 99, DaysBefore(1), c.g, c.f);
        const TTeamGoalRecord plain =
            GetTeamGoalRecord(Dm(), TTeamMatches::Home, dayText, kLeague, team, 0, "Ομάδα");
        const TTeamGoalRecord plus =
            GetTeamGoalRecord3Plus(Dm(), TTeamMatches::Home, dayText, kLeague, team, 0, "Ομάδα");
        SCOPED_TRACE(testing::Message() << c.g << '-' << c.f);
        EXPECT_EQ(plain[13], c.scored);
        EXPECT_EQ(plain[14], c.conceded);
        EXPECT_EQ(plus[13], c.scored3);
        EXPECT_EQ(plus[14], c.conceded3);
        EXPECT_EQ(plus[15], 1);
        EXPECT_EQ(plus[12], c.g - c.f);
        ++team;
    }
}

TEST_F(TeamHistoryTest, SpecialPointsWeighTheNewestMost)
{
    Add(kTeam, 11, DaysBefore(1), 2, 0); // win, newest
    Add(12, kTeam, DaysBefore(2), 1, 1); // draw
    Add(kTeam, 13, DaysBefore(3), 0, 1); // loss
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {kLeague}));
    const struct
    {
        int n;
        int points;
        int counted;
    } cases[] = {{3, 11, 3}, {0, 11, 3}, {2, 7, 2}};
    for (const auto &c : cases) {
        const TTeamSpecialPoints r =
            GetTeamSpecialPoints(Dm(), TTeamMatches::All, dayText, kLeague, kTeam, c.n, "Ομάδα");
        ExpectResults(r, {{7, c.points}, {13, c.counted}});
    }
}

TEST_F(TeamHistoryTest, DrawGivesBothSidesAPoint)
{
    Add(kTeam, 2, DaysBefore(1), 1, 1);
    const TDynamhResults r = FillDynamhTemp(Dm(), dayText, kLeague, kTeam, 0);
    EXPECT_TRUE(r.Found);
    ExpectResults(r, {{5, 1}, {6, 1}, {9, 2}, {13, 1}});
    EXPECT_EQ(
        Rows("SELECT Omada, BEntos, BEktos, DiorgId, CountAgvnesFoundG, CountAgvnesFoundF FROM TADynamhTemp "
             "ORDER BY BEntos DESC"),
        QList<QVariantList>({{kTeam, 1, 0, kLeague, 1, QVariant()}, {2, 0, 1, kLeague, QVariant(), 1}}));
}

TEST_F(TeamHistoryTest, DynamhTempWalksAtMostNMatchesOfTheCompetition)
{
    Add(1, 2, DaysBefore(1), 2, 0);
    Add(3, 4, DaysBefore(2), 0, 1);
    Add(5, 6, DaysBefore(3), 3, 3);
    const TDynamhResults two = FillDynamhTemp(Dm(), dayText, kLeague, kTeam, 2);
    // The last match walked is the away win.
    ExpectResults(two, {{2, 1}, {3, 1}, {7, 1}, {8, 1}, {10, -1}, {11, 1}, {13, 2}});
    EXPECT_EQ(Count("SELECT SUM(BEntos + BEktos) FROM TADynamhTemp"), 6);
    EXPECT_EQ(Count("SELECT MAX(CountAgvnesFoundG) FROM TADynamhTemp"), 2);

    // Asking for more matches than there are keeps the rows but counts nothing.
    const TDynamhResults five = FillDynamhTemp(Dm(), dayText, kLeague, kTeam, 5);
    EXPECT_TRUE(five.Found);
    ExpectResults(five, {});
    EXPECT_EQ(Count("SELECT COUNT(*) FROM TADynamhTemp"), 4 + 6);
}

TEST_F(TeamHistoryTest, AFailureIsShownAndCountsNothing)
{
    Add(kTeam, 2, DaysBefore(1), 2, 0);
    MessageRecorder messages;
    const TTeamRecord r = GetTeamRecord(Dm(), TTeamMatches::All, "32/13/2005", kLeague, kTeam, 0, "Ομάδα");
    EXPECT_FALSE(r.Found);
    ExpectResults(r, {});
    EXPECT_EQ(messages.Texts(),
              QStringList({"'32/13/2005' δεν είναι έγκυρη ημερομηνία Ομάδα DNo=1 TeamNo=1"}));
    EXPECT_THROW(GetTeamSpecialPoints(Dm(), TTeamMatches::All, "x", kLeague, kTeam, 0, "Ομάδα"),
                 EConvertError);
}

TEST_F(TeamHistoryTest, AFailedFillLeavesNoRows)
{
    Add(1, 2, DaysBefore(1), 2, 0);
    Add(3, 4, DaysBefore(2), 1, 0);
    // A table of that name that cannot take the second side's count.
    Exec("CREATE TABLE TADynamhTemp (Omada INTEGER, BEntos INTEGER, BEktos INTEGER, DiorgId INTEGER, "
         "CountAgvnesFoundG INTEGER, CountAgvnesFoundF INTEGER CHECK (CountAgvnesFoundF < 2))");
    MessageRecorder messages;
    const TDynamhResults r = FillDynamhTemp(Dm(), dayText, kLeague, 7, 0);
    EXPECT_FALSE(r.Found);
    ExpectResults(r, {});
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.endsWith("  DNo=1 TeamNo=7")) << messages.Last().text.toStdString();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM TADynamhTemp"), 0);
}

} // namespace

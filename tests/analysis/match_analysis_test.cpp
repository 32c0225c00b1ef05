#include "analysis/match_analysis.h"
#include "analysis/match_analysis_fixture.h"
#include "analysis/match_analysis_grid.h"
#include "data/data_module.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TEST(MatchAnalysisFigures, FormPercentagesPutAFloorUnderTheDraw)
{
    const struct
    {
        FormCounts home;
        FormCounts away;
        TOutcomePercent expected;
    } cases[] = {
        {{}, {}, {33, 34, 33}},
        {{6, 1, 2}, {3, 4, 2}, {42, 33, 25}},
        {{8, 0, 1}, {}, {64, 29, 7}},
        {{0, 8, 1}, {}, {7, 29, 64}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormPercentages(c.home, c.away), c.expected) << c.expected.P1;
}

TEST(MatchAnalysisFigures, OnlyNineResultsCount)
{
    FormCounts counts;
    for (int i = 0; i < 9; ++i)
        counts.Add(2, 1);
    counts.Add(0, 3);
    EXPECT_EQ(counts.Count1, 9);
    EXPECT_EQ(counts.Count2, 0);
    EXPECT_TRUE(counts.Full());
}

TEST(MatchAnalysisFigures, TeamsKeepTheirFirstSlot)
{
    TeamSlots teamSlots;
    EXPECT_EQ(teamSlots.Add(7), 0);
    EXPECT_EQ(teamSlots.Add(9), 1);
    EXPECT_EQ(teamSlots.Add(7), 0);
    EXPECT_EQ(teamSlots.SlotOf(9), 1);
    EXPECT_EQ(teamSlots.SlotOf(4), -1);
    EXPECT_EQ(teamSlots.Teams(), QList<int>({7, 9}));
}

TEST(MatchAnalysisFigures, OddsImplyPercentagesOnlyWhenAllThreeAreThere)
{
    const struct
    {
        const char *o1;
        const char *oX;
        const char *o2;
        std::optional<TOutcomePercent> expected;
    } cases[] = {
        {"1,50", "3,80", "6,00", TOutcomePercent{61, 24, 15}},
        {"1.5", "3.8", "6", TOutcomePercent{61, 24, 15}},
        {"1,5", "3,8", "", std::nullopt},
        {"1,5", " ", "6", std::nullopt},
        {"0", "0", "0", TOutcomePercent{0, 100, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OddsImpliedPercent(c.o1, c.oX, c.o2), c.expected) << c.o1 << ' ' << c.oX << ' ' << c.o2;
}

TEST(MatchAnalysisFigures, ExtraEstimateWeighsPointsPerGame)
{
    const struct
    {
        int teams;
        TTeamStatCounts home;
        TTeamStatCounts away;
        TOutcomePercent expected;
    } cases[] = {
        // 40 points in 20 games, 25 in 10 at home; 20 in 20, 8 in 10 away.
        {16, {8, 1, 1, 5, 0, 5}, {4, 0, 6, 2, 2, 6}, {47, 33, 20}},
        // 70 in 30, 40 in 15 at home; 25 in 30, 9 in 15 away.
        {20, {13, 1, 1, 10, 0, 5}, {5, 1, 9, 3, 0, 12}, {55, 29, 16}},
        // Nothing stored before the first matchday.
        {16, {}, {}, {33, 34, 33}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ComputeExtraEstimate(c.teams, TPointsRule{3, 1, 0}, c.home, c.away), c.expected) << c.teams;
}

TEST(MatchAnalysisFigures, TheWindowRunsFromAFridayToTheMonday)
{
    const QDate monday(2005, 3, 7);
    const QDate pastFriday(2005, 3, 4);
    const QDate comingFriday(2005, 3, 11);
    const struct
    {
        int day; // days after Monday 7 March 2005
        QDate from;
    } cases[] = {{0, pastFriday},   {1, comingFriday}, {2, comingFriday}, {3, comingFriday},
                 {4, comingFriday}, {5, comingFriday}, {6, comingFriday}};
    for (const auto &c : cases) {
        const TAnalysisDays days = DefaultAnalysisDays(monday.addDays(c.day));
        EXPECT_EQ(days.From, c.from) << c.day;
        EXPECT_EQ(days.To, c.from.addDays(3)) << c.day;
    }
}

TEST_F(MatchAnalysisTest, RowsCarryFormOddsAndResultOfEveryMatchOfTheWindow)
{
    AddTeam(1, "Ολυμπιακός");
    AddTeam(2, "Παναθηναϊκός");
    AddTeam(3, "ΑΕΚ");
    // The home team at home: 6 home wins, 1 away win, 2 draws, then an older defeat that is a
    // tenth match; the away team away: 3 home wins, 4 away wins, 2 draws.
    AddHistory(1, true, friday,
               {{1, 0}, {2, 0}, {0, 1}, {3, 1}, {1, 1}, {2, 1}, {4, 0}, {0, 0}, {1, 0}, {0, 5}}, 100);
    AddHistory(2, false, friday, {{1, 0}, {0, 1}, {2, 0}, {1, 2}, {0, 0}, {3, 0}, {0, 2}, {1, 1}, {0, 1}},
               200);
    // Two matches of the home team in the window: the first one's result is no history for the
    // second, and the second starts from the team's own record alone.
    Add({1, 3, friday, 3, 0, 0, kLeague, {1.5, 3.8}, QString("20:30:00"), 7});
    Add({1, 2, friday.addDays(2), {}, {}, 0, kLeague, {1.5, 3.8, 6.0}, {}, 12});
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {kCup}));

    const TMatchAnalysisResult result = RunMatchAnalysis(Dm(), {friday, monday});
    ASSERT_EQ(result.Status, TMatchAnalysisStatus::Done);
    ASSERT_EQ(result.Rows.size(), 2);
    EXPECT_EQ(result.Rows[0], QStringList({"04/03/2005", "20:30", "GR1", "Ολυμπιακός-ΑΕΚ", "3", "0", "54",
                                           "31", "15", "1", "7", "", "", "", "1,5", "3,8", "", "1"}));
    EXPECT_EQ(result.Rows[1],
              QStringList({"06/03/2005", "00:00", "GR1", "Ολυμπιακός-Παναθηναϊκός", "", "", "42", "33", "25",
                           "?", "12", "61", "24", "15", "1,5", "3,8", "6", "2"}));
    EXPECT_EQ(result.LastCompetition, kLeague);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), kLeague);
}

TEST_F(MatchAnalysisTest, ResultBoxesAndCompetitionsChooseTheMatches)
{
    AddTeam(1, "Ολυμπιακός");
    AddTeam(2, "Παναθηναϊκός");
    Add({1, 2, friday, 1, 0});
    Add({2, 1, monday, {}, {}, 0, kCup});
    Add({2, 1, monday.addDays(1), 1, 1});
    const struct
    {
        bool withScore;
        bool withoutScore;
        std::optional<std::set<int>> competitions;
        TMatchAnalysisStatus status;
        QStringList dates;
    } cases[] = {
        {true, true, std::nullopt, TMatchAnalysisStatus::Done, {"04/03/2005", "07/03/2005"}},
        {true, false, std::nullopt, TMatchAnalysisStatus::Done, {"04/03/2005"}},
        {false, true, std::nullopt, TMatchAnalysisStatus::Done, {"07/03/2005"}},
        {true, true, std::set<int>{kCup}, TMatchAnalysisStatus::Done, {"07/03/2005"}},
        {true, true, std::set<int>{}, TMatchAnalysisStatus::NoMatch, {}},
        {true, false, std::set<int>{kCup}, TMatchAnalysisStatus::NoMatch, {}},
        {false, false, std::nullopt, TMatchAnalysisStatus::NoResultKind, {}},
    };
    for (const auto &c : cases) {
        const TMatchAnalysisResult result =
            RunMatchAnalysis(Dm(), {friday, monday, c.withScore, c.withoutScore, c.competitions});
        EXPECT_EQ(result.Status, c.status) << c.withScore << c.withoutScore;
        QStringList dates;
        for (const QStringList &row : result.Rows)
            dates.append(row[macDate]);
        EXPECT_EQ(dates, c.dates) << c.withScore << c.withoutScore;
    }
    // The current competition is the last row's.
    RunMatchAnalysis(Dm(), {friday, monday});
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), kCup);
}

TEST_F(MatchAnalysisTest, ASideWithoutAClubLeavesItsNameOut)
{
    AddTeam(1, "Ολυμπιακός");
    Add({1, 50, friday});
    Add({60, 1, friday.addDays(1)});
    const TMatchAnalysisResult result = RunMatchAnalysis(Dm(), {friday, monday});
    ASSERT_EQ(result.Rows.size(), 2);
    EXPECT_EQ(result.Rows[0][macTeams], QString("Ολυμπιακός"));
    EXPECT_EQ(result.Rows[1][macTeams], QString("-Ολυμπιακός"));
}

TEST_F(MatchAnalysisTest, ExtraEstimateReadsTheStandingsOfThePreviousMatchday)
{
    AddTeam(1, "Ολυμπιακός");
    AddTeam(2, "Παναθηναϊκός");
    AddTeamStat(1, 20, {8, 1, 1, 5, 0, 5});
    AddTeamStat(2, 20, {4, 0, 6, 2, 2, 6});
    Add({1, 2, friday, {}, {}, 21});
    Add({2, 1, friday, {}, {}, 1});
    TMatchAnalysisRequest request{friday, monday};
    request.Extra = true;
    const TMatchAnalysisResult result = RunMatchAnalysis(Dm(), request);
    ASSERT_EQ(result.Rows.size(), 2);
    ASSERT_EQ(result.Rows[0].size(), kMatchAnalysisExtraColumns);
    const auto extra = [](const QStringList &row) { return row.mid(macExtra1); };
    EXPECT_EQ(extra(result.Rows[0]), QStringList({"47", "33", "20"}));
    EXPECT_EQ(extra(result.Rows[1]), QStringList({"33", "34", "33"})); // matchday 1
}

// Hundreds of teams in the window stay within what one statement of the database may hold.
TEST_F(MatchAnalysisTest, AWeekendOfEveryCompetitionIsAnalysed)
{
    constexpr int kMatches = 1500;
    {
        TransactionGuard transaction(Dm().TavrolinDb.Connection());
        for (int match = 0; match < kMatches; ++match) {
            const int home = 1000 + 2 * match;
            Add({home, home + 1, friday.addDays(match % 4)});
            Add({home, home + 1, friday.addDays(-7), 2, 0});
        }
        transaction.Commit();
    }
    const TMatchAnalysisResult result = RunMatchAnalysis(Dm(), {friday, monday});
    ASSERT_EQ(result.Rows.size(), kMatches);
    // One home win of the home team and one away defeat of the away team: c1 3, c2 1, cX 1
    // raised to the floor of 2.
    for (const QStringList &row : result.Rows)
        ASSERT_EQ(row.mid(macForm1, 3), QStringList({"50", "33", "17"})) << row.join('|').toStdString();
}

} // namespace

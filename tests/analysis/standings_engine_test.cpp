#include "analysis/standings_engine.h"

#include "platform/core/errors.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav::analysis;

namespace {

constexpr int Dno = 7;

TStandingsCompetition League(int omades, int rounds = 2)
{
    TStandingsCompetition competition;
    competition.DNo = Dno;
    competition.Omades = omades;
    competition.Rounds = rounds;
    return competition;
}

TStandingsTeam Team(int recNo, int timvria = 0)
{
    TStandingsTeam team;
    team.RecNo = recNo;
    team.TeamNo = 1000 + recNo;
    team.GrName = QString::fromUtf8("Ομάδα %1").arg(recNo);
    team.EnName = QString::fromUtf8("Team %1").arg(recNo);
    team.Timvria = timvria;
    return team;
}

std::vector<TStandingsTeam> Teams(int count, int firstRecNo = 1)
{
    std::vector<TStandingsTeam> teams;
    for (int i = 0; i < count; ++i)
        teams.push_back(Team(firstRecNo + i));
    return teams;
}

TStandingsMatch Match(int matchday, int home, int away, std::optional<int> homeGoals = std::nullopt,
                      std::optional<int> awayGoals = std::nullopt)
{
    static int gameNo = 0;
    TStandingsMatch match;
    match.DiorgNo = Dno;
    match.Agvnistikh = matchday;
    match.Ghpedoyxos = home;
    match.Filojenoymenh = away;
    match.GameNo = ++gameNo;
    match.TelGGoals = homeGoals;
    match.TelFGoals = awayGoals;
    match.Date = QDate(2024, 8, 1).addDays(7 * matchday);
    return match;
}

// Every pairing of a double round robin (circle method), the second half with home and away swapped.
std::vector<TStandingsMatch> RoundRobin(int teamCount, int rounds)
{
    std::vector<TStandingsMatch> matches;
    std::vector<int> circle;
    for (int i = 1; i <= teamCount; ++i)
        circle.push_back(i);
    const int perRound = teamCount - 1;
    for (int round = 0; round < rounds; ++round) {
        for (int day = 0; day < perRound; ++day) {
            for (int k = 0; k < teamCount / 2; ++k) {
                int home = circle[k], away = circle[teamCount - 1 - k];
                if ((round + day) % 2 == 1)
                    std::swap(home, away);
                matches.push_back(Match(round * perRound + day + 1, home, away));
            }
            std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
        }
    }
    return matches;
}

std::vector<int> Keys(const TStandingsTable &table)
{
    std::vector<int> keys;
    for (const TStandingsEntry &entry : table)
        keys.push_back(entry.TeamKey);
    return keys;
}

TStandingsEngine Engine(const TStandingsCompetition &competition, std::vector<TStandingsTeam> teams,
                        std::vector<TStandingsMatch> matches)
{
    TStandingsEngine engine;
    engine.SetCompetition(competition);
    engine.SetTeams(std::move(teams));
    engine.SetMatches(std::move(matches));
    return engine;
}

enum
{
    A = 11,
    B = 12,
    C = 13,
    D = 14
};

// Three played matchdays of four clubs, a fourth not played yet, and a match of another competition.
std::vector<TStandingsMatch> SmallLeagueMatches()
{
    std::vector<TStandingsMatch> matches = {
        Match(1, A, B, 2, 0), Match(1, C, D, 1, 1), Match(2, B, C, 0, 1), Match(2, D, A, 2, 2),
        Match(3, A, C, 0, 3), Match(3, B, D, 1, 0), Match(4, C, A),       Match(4, D, B),
    };
    TStandingsMatch elsewhere = Match(2, A, D, 9, 0);
    elsewhere.DiorgNo = Dno + 1;
    matches.push_back(elsewhere);
    return matches;
}

} // namespace

TEST(StandingsEngine, TeamStatRowsOfASmallLeague)
{
    TStandingsEngine engine = Engine(League(4), {Team(D), Team(B), Team(A), Team(C)}, SmallLeagueMatches());
    const TShowRoundResult result = engine.ShowRound(Dno, 3);
    EXPECT_TRUE(result.Computed);
    EXPECT_EQ(result.Matchday, 3);

    EXPECT_EQ(Keys(engine.StandingsTable()), (std::vector<int>{C, A, B, D}));
    EXPECT_EQ(Keys(engine.HomeStandingsTable()), (std::vector<int>{B, A, C, D}));
    EXPECT_EQ(Keys(engine.AwayStandingsTable()), (std::vector<int>{C, A, D, B}));
    EXPECT_EQ(engine.StandingsCount(), 4);

    // TeamNo, Agvnistikh, home W D L, away W D L, home goals for/against, away for/against, places.
    const std::vector<TTeamStatRow> expected = {
        {C, 3, 0, 1, 0, 2, 0, 0, 1, 1, 4, 0, 1, 3, 1},
        {A, 3, 1, 0, 1, 0, 1, 0, 2, 3, 2, 2, 2, 2, 2},
        {B, 3, 1, 0, 1, 0, 0, 1, 1, 1, 0, 2, 3, 1, 4},
        {D, 3, 0, 1, 0, 0, 1, 1, 2, 2, 1, 2, 4, 4, 3},
    };
    EXPECT_EQ(engine.TeamStatRows(), expected);

    const TStandingsEntry &leader = engine.StandingsTable().front();
    EXPECT_EQ(leader.Points, 7);
    EXPECT_EQ(leader.HomePoints, 1);
    EXPECT_EQ(leader.AwayPoints, 6);
    EXPECT_EQ(leader.GoalsFor, 5);
    EXPECT_EQ(leader.GoalsAgainst, 1);
    EXPECT_EQ(leader.GoalDiff, 4);
    EXPECT_EQ(GamesPlayed(leader), 3);
    EXPECT_TRUE(engine.SkippedMatches().empty());

    // An earlier matchday counts only the matches up to it.
    engine.ComputeStandings(1);
    EXPECT_EQ(Keys(engine.StandingsTable()), (std::vector<int>{A, C, D, B}));
    EXPECT_EQ(engine.TeamStatRows().front(), (TTeamStatRow{A, 1, 1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 1, 3}));
}

TEST(StandingsEngine, TiesFollowTheEntryOrderOfTheClubs)
{
    // Points come from Timvria alone; the clubs are handed over out of RecNo order.
    enum
    {
        TA = 1,
        TB1 = 2,
        TB2 = 3,
        TC = 4
    };
    TStandingsEngine first = Engine(League(4), {Team(TC, 9), Team(TB2, 5), Team(TA, 1), Team(TB1, 5)}, {});
    first.ComputeStandings(1);
    EXPECT_EQ(Keys(first.StandingsTable()), (std::vector<int>{TC, TB2, TB1, TA}));

    // B1, A, B2 in RecNo order.
    TStandingsEngine second = Engine(League(3), {Team(3, 5), Team(1, 5), Team(2, 1)}, {});
    second.ComputeStandings(1);
    EXPECT_EQ(Keys(second.StandingsTable()), (std::vector<int>{1, 3, 2}));
}

TEST(StandingsEngine, DeductionsStartBelowZero)
{
    TStandingsEngine engine =
        Engine(League(3), {Team(1, -6), Team(2), Team(3, -1)}, {Match(1, 1, 2, 1, 0), Match(2, 3, 1, 2, 0)});
    engine.ComputeStandings(2);
    EXPECT_EQ(Keys(engine.StandingsTable()), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(engine.StandingsTable()[0].Points, 2);
    EXPECT_EQ(engine.StandingsTable()[1].Points, 0);
    EXPECT_EQ(engine.StandingsTable()[2].Points, -3);
}

TEST(StandingsEngine, DeductionBelowZeroSortsUnderAClubWithoutPoints)
{
    TStandingsEngine engine = Engine(League(2), {Team(1, -2), Team(2)}, {Match(1, 1, 2, 0, 0)});
    engine.ComputeStandings(1);
    EXPECT_EQ(Keys(engine.StandingsTable()), (std::vector<int>{2, 1}));
    EXPECT_EQ(engine.StandingsTable()[0].Points, 1);
    EXPECT_EQ(engine.StandingsTable()[1].Points, -1);
}

TEST(StandingsEngine, HomeGoalsWithoutAwayGoalsCountAsPlayedAgainstNone)
{
    TStandingsEngine engine = Engine(League(2), Teams(2), {Match(1, 1, 2, 2, std::nullopt), Match(2, 2, 1)});
    engine.ComputeStandings(2);
    const TStandingsEntry &home = engine.StandingsTable()[0];
    EXPECT_EQ(home.TeamKey, 1);
    EXPECT_EQ(home.HomeWins, 1);
    EXPECT_EQ(home.HomeGoalsFor, 2);
    EXPECT_EQ(home.HomeGoalsAgainst, 0);
    EXPECT_EQ(GamesPlayed(engine.StandingsTable()[1]), 1);
}

TEST(StandingsEngine, StartMatchdayFiveWithMatchdayTenCountsOnlyFiveToTen)
{
    std::vector<TStandingsMatch> matches;
    for (int matchday = 1; matchday <= 12; ++matchday)
        matches.push_back(Match(matchday, matchday % 2 == 0 ? 1 : 2, matchday % 2 == 0 ? 2 : 1, 1, 0));
    TStandingsEngine engine = Engine(League(2, 12), Teams(2), matches);
    engine.SetStartMatchday(5);
    const TShowRoundResult result = engine.ShowRound(Dno, 10);
    EXPECT_EQ(result.Matchday, 10);

    const std::vector<TStandingsEntry> &table = engine.StandingsTable();
    EXPECT_EQ(GamesPlayed(table[0]) + GamesPlayed(table[1]), 12);
    EXPECT_EQ(engine.TeamStatRows()[0], (TTeamStatRow{1, 10, 3, 0, 0, 0, 0, 3, 3, 0, 0, 3, 1, 1, 1}));
    EXPECT_EQ(engine.TeamStatRows()[1], (TTeamStatRow{2, 10, 3, 0, 0, 0, 0, 3, 3, 0, 0, 3, 2, 2, 2}));

    EXPECT_TRUE(engine.HasMatchday(10));
    EXPECT_TRUE(engine.HasMatchday(5));
    EXPECT_FALSE(engine.HasMatchday(4));
    EXPECT_FALSE(engine.HasMatchday(13));
}

struct THighestCase
{
    int omades;
    int rounds;
    int highest;
};

TEST(StandingsEngine, HighestMatchday)
{
    const std::vector<THighestCase> cases = {
        {18, 2, 34}, {17, 2, 34}, {20, 4, 76}, {16, 3, 45}, {2, 2, 2},
        {3, 2, 6},   {1, 2, 2},   {0, 2, 1},   {18, 0, 1},
    };
    for (const THighestCase &c : cases)
        EXPECT_EQ(HighestMatchday(c.omades, c.rounds), c.highest)
            << c.omades << " teams, " << c.rounds << " rounds";
}

TEST(StandingsEngine, MatchdayAboveTheHighestComputesTheHighest)
{
    for (int omades : {17, 18}) {
        TStandingsEngine engine = Engine(League(omades), Teams(omades), RoundRobin(18, 2));
        const TShowRoundResult result = engine.ShowRound(Dno, 40);
        EXPECT_TRUE(result.Computed);
        EXPECT_EQ(result.Matchday, 34);
        EXPECT_EQ(engine.Matchday(), 34);
        EXPECT_EQ(engine.TeamStatRows().front().Agvnistikh, 34);
    }
}

TEST(StandingsEngine, PointsAndGoalsPast127InLongLeagues)
{
    // Twenty clubs over four rounds; club 1 wins every match 4-0, every other match is 1-1.
    std::vector<TStandingsMatch> matches = RoundRobin(20, 4);
    for (TStandingsMatch &match : matches) {
        const bool clubOne = match.Ghpedoyxos == 1 || match.Filojenoymenh == 1;
        match.TelGGoals = clubOne ? (match.Ghpedoyxos == 1 ? 4 : 0) : 1;
        match.TelFGoals = clubOne ? (match.Ghpedoyxos == 1 ? 0 : 4) : 1;
    }
    TStandingsEngine engine = Engine(League(20, 4), Teams(20), matches);

    ASSERT_EQ(engine.ShowRound(Dno, 38).Matchday, 38);
    const TStandingsEntry &after38 = engine.StandingsTable().front();
    EXPECT_EQ(after38.TeamKey, 1);
    EXPECT_EQ(after38.Points, 114);
    EXPECT_EQ(after38.GoalsFor, 152);
    EXPECT_EQ(after38.GoalDiff, 152);
    EXPECT_EQ(engine.StandingsTable().back().Draws, 36);

    ASSERT_EQ(engine.ShowRound(Dno, 80).Matchday, 76);
    const TStandingsEntry &after76 = engine.StandingsTable().front();
    EXPECT_EQ(after76.Points, 228);
    EXPECT_EQ(after76.HomePoints + after76.AwayPoints, 228);
    EXPECT_EQ(after76.Wins, 76);
    EXPECT_EQ(after76.GoalsFor, 304);
    const TTeamStatRow &row = engine.TeamStatRows().front();
    EXPECT_EQ(row.NikesIn + row.NikesOut, 76);
    EXPECT_EQ(row.GoalYpIn + row.GoalYpOut, 304);
    EXPECT_EQ(engine.StandingsTable().back().Points, 72);
}

TEST(StandingsEngine, MatchOfAForeignTeamIsSkippedAndReported)
{
    std::vector<TStandingsMatch> matches = SmallLeagueMatches();
    const TStandingsMatch foreign = Match(2, A, 99, 5, 0);
    matches.push_back(foreign);
    matches.push_back(Match(3, 98, B, 0, 7));
    matches.push_back(Match(3, 97, C));       // not played: nothing to leave out
    matches.push_back(Match(9, 99, A, 3, 3)); // after the matchday
    TStandingsEngine engine = Engine(League(4), Teams(4, A), matches);
    engine.ComputeStandings(3);

    TStandingsEngine clean = Engine(League(4), Teams(4, A), SmallLeagueMatches());
    clean.ComputeStandings(3);
    EXPECT_EQ(engine.StandingsTable(), clean.StandingsTable());
    EXPECT_EQ(engine.TeamStatRows(), clean.TeamStatRows());

    ASSERT_EQ(engine.SkippedMatches().size(), 2u);
    EXPECT_EQ(engine.SkippedMatches()[0], foreign);
    EXPECT_EQ(engine.SkippedMatches()[1].Ghpedoyxos, 98);

    // Each computation reports its own matches once.
    engine.ComputeStandings(1);
    EXPECT_TRUE(engine.SkippedMatches().empty());
}

TEST(StandingsEngine, MoreThan255TeamsAreRefused)
{
    TStandingsEngine engine;
    EXPECT_NO_THROW(engine.SetTeams(Teams(MaxStandingsTeams)));
    try {
        engine.SetTeams(Teams(256));
        FAIL() << "256 teams accepted";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(),
                  QString::fromUtf8(
                      "Η διοργάνωση έχει 256 ομάδες. Η βαθμολογία υπολογίζεται για 255 ομάδες το πολύ."));
    }
    EXPECT_EQ(engine.Teams().size(), 255u);
}

TEST(StandingsEngine, CupLeavesTheLastTablesAsTheyWere)
{
    TStandingsEngine engine = Engine(League(4), Teams(4, A), SmallLeagueMatches());
    engine.ShowRound(Dno, 3);
    const TStandingsTable before = engine.StandingsTable();

    TStandingsCompetition cup = League(4);
    cup.Typos = 1;
    engine.SetCompetition(cup);
    const TShowRoundResult result = engine.ShowRound(Dno, 9);
    EXPECT_FALSE(result.Computed);
    EXPECT_EQ(result.Matchday, 6);
    EXPECT_EQ(engine.StandingsTable(), before);
    EXPECT_EQ(engine.Matchday(), 3);
}

TEST(StandingsEngine, CompetitionWithoutTeamsGivesAnEmptyTable)
{
    TStandingsEngine engine = Engine(League(4), {}, SmallLeagueMatches());
    EXPECT_TRUE(engine.ShowRound(Dno, 2).Computed);
    EXPECT_EQ(engine.StandingsCount(), 0);
    EXPECT_TRUE(engine.TeamStatRows().empty());
    EXPECT_EQ(engine.SkippedMatches().size(), 4u);
}

TEST(StandingsEngine, ShowRoundForAnotherCompetitionIsRefused)
{
    TStandingsEngine engine = Engine(League(4), Teams(4, A), SmallLeagueMatches());
    EXPECT_THROW(engine.ShowRound(Dno + 1, 3), Exception);
    EXPECT_EQ(engine.StandingsCount(), 0);
}

TEST(StandingsEngine, TeamsAreFoundByTheirRecordNumber)
{
    TStandingsEngine engine = Engine(League(4), Teams(4, A), {});
    ASSERT_NE(engine.FindTeam(C), nullptr);
    EXPECT_EQ(engine.FindTeam(C)->EnName, QString::fromUtf8("Team 13"));
    EXPECT_EQ(engine.FindTeam(99), nullptr);
}

TEST(StandingsEngine, PlaceMarks)
{
    TStandingsCompetition competition = League(18);
    competition.Champions = 1;
    competition.OmadesUp = 3;
    competition.OmadesDn = 3;
    for (int place = 1; place <= 18; ++place) {
        const TPlaceMark expected = place == 1    ? TPlaceMark::Champion
                                    : place <= 4  ? TPlaceMark::Promoted
                                    : place >= 16 ? TPlaceMark::Relegated
                                                  : TPlaceMark::None;
        EXPECT_EQ(PlaceMark(competition, place), expected) << place;
    }
}

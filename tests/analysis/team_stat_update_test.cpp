#include "analysis/team_stat_update.h"

#include "analysis/league_sql_fixture.h"
#include "analysis/standings_store.h"
#include "platform/db/db_errors.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

const QString Season = QStringLiteral("2004-05");

// Four-team leagues numbered 1 and 12 of two categories, each with matchdays 1 to 7 played in the
// season; competition 12's last matchday is still to be played.
class TeamStatUpdateTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        first = AddLeague(1, AddCategory(QStringLiteral("Α Εθνική")), Season, Names());
        twelfth = AddLeague(12, AddCategory(QStringLiteral("Β Εθνική")), Season, Names());
        AddSeason(first, 1, 7);
        AddSeason(twelfth, 12, 7);
        AddGame(12, 8, twelfth[0], twelfth[1], QDate(2004, 11, 30));
    }

    static QStringList Names()
    {
        return {QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ"), QStringLiteral("Δ")};
    }

    // Two matches a matchday with scores that vary.
    void AddSeason(const QList<int> &teams, int DNo, int matchdays)
    {
        for (int day = 1; day <= matchdays; ++day) {
            const QDate date = QDate(2004, 9, 1).addDays(7 * day);
            AddGame(DNo, day, teams[day % 4], teams[(day + 1) % 4], date, day % 3, day % 2);
            AddGame(DNo, day, teams[(day + 2) % 4], teams[(day + 3) % 4], date, (day + 1) % 4, 1);
        }
    }

    // The league table's rows of a matchday, as the league table window computes and stores them.
    std::vector<TTeamStatRow> TableRows(int DNo, int matchday)
    {
        TStandingsEngine engine;
        LoadStandingsEngine(engine, Dm(), DNo);
        engine.ComputeStandings(matchday);
        return engine.TeamStatRows();
    }

    // The stored rows of the competition's teams on a matchday, best place first.
    std::vector<TTeamStatRow> StoredRows(int DNo, int matchday)
    {
        std::vector<TTeamStatRow> rows;
        for (const QVariantList &row :
             Rows(QStringLiteral(
                      "SELECT TeamStat.TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, "
                      "HttesOut, GoalYpIn, "
                      "GoalKaIn, GoalYpOut, GoalKaOut, Position, PositionEntos, PositionEktos FROM TeamStat "
                      "JOIN PerOmades ON RecNo = TeamStat.TeamNo WHERE DiorNo = ?1 AND Agvnistikh = ?2 ORDER "
                      "BY Position"),
                  {DNo, matchday})) {
            TTeamStatRow stored;
            int *fields[] = {&stored.TeamNo,   &stored.Agvnistikh,    &stored.NikesIn,      &stored.IsopIn,
                             &stored.HttesIn,  &stored.NikesOut,      &stored.IsopOut,      &stored.HttesOut,
                             &stored.GoalYpIn, &stored.GoalKaIn,      &stored.GoalYpOut,    &stored.GoalKaOut,
                             &stored.Position, &stored.PositionEntos, &stored.PositionEktos};
            for (int i = 0; i < row.size(); ++i)
                *fields[i] = row[i].toInt();
            rows.push_back(stored);
        }
        return rows;
    }

    int StoredCount(int DNo)
    {
        return Count(QStringLiteral("SELECT COUNT(*) FROM TeamStat JOIN PerOmades ON RecNo = TeamStat.TeamNo "
                                    "WHERE DiorNo = ?1"),
                     {DNo});
    }

    // A row whose numbers no table gives, so that a rewrite shows.
    void StoreMarkedRow(int team, int matchday, double anal1 = 0)
    {
        Exec(QStringLiteral("INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, Position, Anal1) "
                            "VALUES (?1, ?2, 99, 99, ?3)"),
             {team, matchday, anal1});
    }

    QList<int> first;
    QList<int> twelfth;
};

TEST_F(TeamStatUpdateTest, StoresOnlyTheMissingMatchdaysAsTheLeagueTableHasThem)
{
    for (int day = 1; day <= 5; ++day)
        for (int team : first)
            StoreMarkedRow(team, day);
    // Matchday 6 has the last team's row only, carrying a prediction.
    StoreMarkedRow(first[3], 6, 40.0);

    const TTeamStatUpdateResult result = UpdateTeamStat(Dm(), {QStringLiteral("Α Εθνική")}, {Season});

    EXPECT_EQ(result.MatchdaysStored, 2);
    EXPECT_FALSE(result.Stopped);
    for (int day = 1; day <= 5; ++day)
        EXPECT_EQ(
            Count(QStringLiteral("SELECT COUNT(*) FROM TeamStat WHERE Agvnistikh = ?1 AND NikesIn = 99"),
                  {day}),
            4);
    EXPECT_EQ(StoredRows(1, 6), TableRows(1, 6));
    EXPECT_EQ(StoredRows(1, 7), TableRows(1, 7));
    EXPECT_EQ(
        Count(QStringLiteral("SELECT Anal1 FROM TeamStat WHERE TeamNo = ?1 AND Agvnistikh = 6"), {first[3]}),
        40);
    EXPECT_EQ(Count(QStringLiteral("SELECT MAX(Agvnistikh) FROM TeamStat")), 7);
    EXPECT_EQ(StoredCount(12), 0);
}

TEST_F(TeamStatUpdateTest, OnlyTheTickedCompetitionsAreVisited)
{
    QStringList shown;
    TTeamStatUpdateHooks hooks;
    hooks.ShowCompetition = [&](const QString &name) { shown.append(name); };

    UpdateTeamStat(Dm(), {QStringLiteral("Β Εθνική"), QStringLiteral("Γ Εθνική")},
                   {Season, QStringLiteral("1999")}, hooks);

    EXPECT_EQ(shown, (QStringList{QStringLiteral("Α Εθνική"), QStringLiteral("Β Εθνική")}));
    EXPECT_EQ(StoredCount(1), 0);
    // Up to the current matchday, 7: the unplayed eighth is not stored.
    EXPECT_EQ(StoredCount(12), 4 * 7);
    EXPECT_EQ(StoredRows(12, 7), TableRows(12, 7));
}

TEST_F(TeamStatUpdateTest, LevelTeamsTakeThePlacesOfTheExchangeSort)
{
    const QList<int> teams = AddLeague(20, AddCategory(QStringLiteral("Γ Εθνική")), Season,
                                       {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    const int points[] = {5, 5, 7};
    for (int i = 0; i < 3; ++i)
        Exec(QStringLiteral("UPDATE PerOmades SET Timvria = ?1 WHERE RecNo = ?2"), {points[i], teams[i]});

    UpdateTeamStat(Dm(), {QStringLiteral("Γ Εθνική")}, {Season});

    const std::vector<TTeamStatRow> rows = StoredRows(20, 1);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].TeamNo, teams[2]);
    EXPECT_EQ(rows[1].TeamNo, teams[1]);
    EXPECT_EQ(rows[2].TeamNo, teams[0]);
}

TEST_F(TeamStatUpdateTest, StopKeepsTheMatchdaysStoredSoFar)
{
    const QList<int> third = AddLeague(30, AddCategory(QStringLiteral("Γ Εθνική")), Season, Names());
    AddSeason(third, 30, 4);
    QString competition;
    bool stop = false;
    TTeamStatUpdateHooks hooks;
    hooks.ShowCompetition = [&](const QString &name) { competition = name; };
    hooks.ShowMatchday = [&](int matchday) {
        stop = competition == QStringLiteral("Β Εθνική") && matchday == 3;
    };
    hooks.StopRequested = [&] { return stop; };

    const TTeamStatUpdateResult result = UpdateTeamStat(
        Dm(), {QStringLiteral("Α Εθνική"), QStringLiteral("Β Εθνική"), QStringLiteral("Γ Εθνική")}, {Season},
        hooks);

    EXPECT_TRUE(result.Stopped);
    EXPECT_EQ(result.MatchdaysStored, 7 + 3);
    EXPECT_EQ(StoredCount(1), 4 * 7);
    EXPECT_EQ(StoredCount(12), 4 * 3);
    EXPECT_EQ(StoredRows(12, 3), TableRows(12, 3));
    EXPECT_EQ(StoredCount(30), 0);
}

TEST_F(TeamStatUpdateTest, ADatabaseErrorRollsBackThatCompetitionAndNamesIt)
{
    Exec(QStringLiteral("CREATE TRIGGER RefuseMatchday3 BEFORE INSERT ON TeamStat WHEN NEW.Agvnistikh = 3 "
                        "AND NEW.TeamNo IN (SELECT RecNo FROM PerOmades WHERE DiorNo = 12) "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END"));

    try {
        UpdateTeamStat(Dm(), {QStringLiteral("Α Εθνική"), QStringLiteral("Β Εθνική")}, {Season});
        FAIL() << "no error";
    } catch (const EDatabaseError &error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("«Β Εθνική» (2004-05)"))) << error.what();
        EXPECT_TRUE(error.Message().contains(QStringLiteral("αγωνιστική 3"))) << error.what();
    }
    EXPECT_EQ(StoredCount(1), 4 * 7);
    EXPECT_EQ(StoredCount(12), 0);
}

TEST_F(TeamStatUpdateTest, NothingTickedStoresNothing)
{
    EXPECT_EQ(UpdateTeamStat(Dm(), {}, {Season}).MatchdaysStored, 0);
    EXPECT_EQ(UpdateTeamStat(Dm(), {QStringLiteral("Α Εθνική")}, {}).MatchdaysStored, 0);
    EXPECT_EQ(Count(QStringLiteral("SELECT COUNT(*) FROM TeamStat")), 0);
}

TEST_F(TeamStatUpdateTest, TheCurrentMatchdayIsTheLastWithGoals)
{
    EXPECT_EQ(CurrentMatchday(Dm(), 12), 7);
    const QList<int> empty = AddLeague(40, 1, QStringLiteral("2005-06"), Names());
    EXPECT_EQ(CurrentMatchday(Dm(), 40), 1);
    AddGame(40, 1, empty[0], empty[1], QDate(2005, 9, 1), 0, 0);
    AddGame(40, 2, empty[0], empty[2], QDate(2005, 9, 8), 0, 1);
    AddGame(40, 3, empty[1], empty[2], QDate(2005, 9, 15), 0, 0);
    EXPECT_EQ(CurrentMatchday(Dm(), 40), 2);
}

} // namespace

#include "analysis/standings_store.h"

#include "analysis/standings_fixture.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

using StandingsStoreTest = StandingsDataTest;

TEST_F(StandingsStoreTest, ReadsTheCompetitionItsTeamsAndItsMatchesInMatchdayOrder)
{
    Exec(QStringLiteral("UPDATE Diorganvseis SET Champions = 1, OmadesUp = 2, OmadesDn = 1 WHERE DNo = %1")
             .arg(dNo));
    const TStandingsInputs inputs = ReadStandingsInputs(Dm(), dNo);

    EXPECT_EQ(inputs.Competition.DNo, dNo);
    EXPECT_EQ(inputs.Competition.Omades, 4);
    EXPECT_EQ(inputs.Competition.Nikh, 3);
    EXPECT_EQ(inputs.Competition.Isop, 1);
    EXPECT_EQ(inputs.Competition.Htta, 0);
    EXPECT_EQ(inputs.Competition.Typos, 0);
    EXPECT_EQ(inputs.Competition.Rounds, 2);
    EXPECT_EQ(inputs.Competition.Champions, 1);
    EXPECT_EQ(inputs.Competition.OmadesUp, 2);
    EXPECT_EQ(inputs.Competition.OmadesDn, 1);

    ASSERT_EQ(inputs.Teams.size(), 4u);
    EXPECT_EQ(inputs.Teams[0].RecNo, A);
    EXPECT_EQ(inputs.Teams[3].RecNo, D);
    EXPECT_EQ(inputs.Teams[3].Timvria, -2);
    EXPECT_EQ(inputs.Teams[0].GrName, QStringLiteral("Ομάδα %1 1").arg(dNo));
    EXPECT_EQ(inputs.Teams[0].EnName, QStringLiteral("T%1 1").arg(dNo));

    ASSERT_EQ(inputs.Matches.size(), 6u);
    for (std::size_t i = 1; i < inputs.Matches.size(); ++i)
        EXPECT_LE(inputs.Matches[i - 1].Agvnistikh, inputs.Matches[i].Agvnistikh);
    const TStandingsMatch &first = inputs.Matches[0];
    EXPECT_EQ(first.Agvnistikh, 1);
    EXPECT_EQ(first.Date, QDate(2004, 9, 5));
    const TStandingsMatch &unplayed = inputs.Matches[5];
    EXPECT_EQ(unplayed.Ghpedoyxos, B);
    EXPECT_FALSE(unplayed.TelGGoals.has_value());
    EXPECT_FALSE(unplayed.TelFGoals.has_value());
}

TEST_F(StandingsStoreTest, AnUnknownCompetitionIsADatabaseError)
{
    EXPECT_THROW(ReadStandingsInputs(Dm(), dNo + 100), EDatabaseError);
}

TEST_F(StandingsStoreTest, StoresTheTeamStatRowsOfTheMatchday)
{
    TStandingsEngine engine;
    LoadStandingsEngine(engine, Dm(), dNo);
    engine.ComputeStandings(3);
    WriteTeamStat(Dm(), engine.TeamStatRows());

    EXPECT_EQ(TeamStatRows(3), ExpectedMatchday3());
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM TeamStat")).toInt(), 4);
    EXPECT_TRUE(Value(QStringLiteral("SELECT Anal1 FROM TeamStat WHERE TeamNo = %1").arg(A)).isNull());
}

TEST_F(StandingsStoreTest, ARecomputationRewritesTheRowsAndKeepsThePredictions)
{
    TStandingsEngine engine;
    LoadStandingsEngine(engine, Dm(), dNo);
    engine.ComputeStandings(2);
    WriteTeamStat(Dm(), engine.TeamStatRows());
    engine.ComputeStandings(3);
    WriteTeamStat(Dm(), engine.TeamStatRows());
    Exec(QStringLiteral("UPDATE TeamStat SET Anal1 = 55, AnalX = 25, Anal2 = 20 WHERE TeamNo = %1 AND "
                        "Agvnistikh = 3")
             .arg(B));
    const QList<QList<int>> matchday2 = TeamStatRows(2);

    // B wins the match still to play 3-0 at home: B and D change places.
    Exec(QStringLiteral("UPDATE Agvnes SET TelGGoals = 3, TelFGoals = 0 WHERE Ghpedoyxos = %1 AND "
                        "Filojenoymenh = %2")
             .arg(B)
             .arg(D));
    LoadStandingsEngine(engine, Dm(), dNo);
    engine.ComputeStandings(3);
    WriteTeamStat(Dm(), engine.TeamStatRows());

    const QList<QList<int>> rows = TeamStatRows(3);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2], (QList<int>{B, 1, 0, 1, 0, 0, 1, 3, 3, 0, 2, 3, 2, 4}));
    EXPECT_EQ(rows[3][0], D);
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM TeamStat WHERE Agvnistikh = 3")).toInt(), 4);
    EXPECT_EQ(Value(QStringLiteral("SELECT Anal1 FROM TeamStat WHERE TeamNo = %1 AND Agvnistikh = 3").arg(B))
                  .toDouble(),
              55.0);
    EXPECT_EQ(TeamStatRows(2), matchday2);
}

TEST_F(StandingsStoreTest, ARefusedRowLeavesEveryRowAsItWas)
{
    TStandingsEngine engine;
    LoadStandingsEngine(engine, Dm(), dNo);
    engine.ComputeStandings(3);
    // The last club's new row is refused by the database.
    Exec(QStringLiteral("CREATE TRIGGER RefuseB BEFORE INSERT ON TeamStat WHEN NEW.TeamNo = %1 "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")
             .arg(B));

    EXPECT_THROW(WriteTeamStat(Dm(), engine.TeamStatRows()), EDatabaseError);
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM TeamStat")).toInt(), 0);
}

TEST_F(StandingsStoreTest, TheTablesOfManyMatchdaysShareTheCallersTransaction)
{
    TStandingsEngine engine;
    LoadStandingsEngine(engine, Dm(), dNo);
    const auto writeEveryMatchday = [&] {
        for (int matchday = 1; matchday <= 3; ++matchday) {
            engine.ComputeStandings(matchday);
            WriteTeamStat(Dm(), engine.TeamStatRows());
        }
    };
    {
        TransactionGuard abandoned(Dm().TavrolinDb.Handle());
        writeEveryMatchday();
    }
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM TeamStat")).toInt(), 0)
        << "nothing is kept of a transaction the caller did not commit";

    TransactionGuard transaction(Dm().TavrolinDb.Handle());
    writeEveryMatchday();
    transaction.Commit();
    EXPECT_FALSE(Dm().TavrolinDb.InTransaction());
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM TeamStat")).toInt(), 12);
    EXPECT_EQ(TeamStatRows(3), ExpectedMatchday3());
}

TEST_F(StandingsStoreTest, NamesACompetitionTeamByItsNumber)
{
    EXPECT_EQ(CompetitionTeamName(Dm(), C), QStringLiteral("Ομάδα %1 3").arg(dNo));
    EXPECT_EQ(CompetitionTeamName(Dm(), D + 100), QString());
}

} // namespace

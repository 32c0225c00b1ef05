// The league table of every matchday of a 30-season history of an 18-team league (two rounds,
// 34 matchdays, 9,180 matches), as the automatic standings update and the window's matchday
// changes compute them: per season the engine is loaded once and computes each matchday. The
// same history stored in a real database through the data module's schema is then read, computed
// and written back as TeamStat rows for every matchday, and set against one SQL aggregate query
// that gives the same points and goal figures for the same matchday. The stored runs are timed on
// the wall clock, as waiting for the disk costs no processor time, and compared at the end.
#include "analysis/standings_engine.h"
#include "analysis/standings_store.h"
#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "scores.h"
#include "wall_timer.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace tav::analysis;

namespace {

constexpr int SeasonCount = 30;
constexpr int TeamCount = 18;
constexpr int Rounds = 2;

struct TSeason
{
    TStandingsCompetition competition;
    std::vector<TStandingsTeam> teams;
    std::vector<TStandingsMatch> matches;
};

std::vector<TSeason> History()
{
    TScores scores;
    std::vector<TSeason> seasons(SeasonCount);
    for (int s = 0; s < SeasonCount; ++s) {
        TSeason &season = seasons[s];
        season.competition.DNo = s + 1;
        season.competition.Omades = TeamCount;
        season.competition.Rounds = Rounds;
        std::vector<int> circle;
        for (int i = 0; i < TeamCount; ++i) {
            TStandingsTeam team;
            team.RecNo = s * 100 + i + 1;
            team.TeamNo = i + 1;
            season.teams.push_back(team);
            circle.push_back(team.RecNo);
        }
        // Circle method: every pairing once per round, home and away alternating.
        for (int round = 0; round < Rounds; ++round) {
            for (int day = 0; day < TeamCount - 1; ++day) {
                for (int k = 0; k < TeamCount / 2; ++k) {
                    TStandingsMatch match;
                    match.DiorgNo = s + 1;
                    match.Agvnistikh = round * (TeamCount - 1) + day + 1;
                    match.Ghpedoyxos = circle[k];
                    match.Filojenoymenh = circle[TeamCount - 1 - k];
                    if ((round + day) % 2 == 1)
                        std::swap(match.Ghpedoyxos, match.Filojenoymenh);
                    match.TelGGoals = scores.Next();
                    match.TelFGoals = scores.Next() % 3;
                    match.Date = QDate(1990 + s, 8, 20).addDays(7 * match.Agvnistikh);
                    season.matches.push_back(match);
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    return seasons;
}

void BM_StandingsEveryMatchdayOfThirtySeasons(benchmark::State &state)
{
    const std::vector<TSeason> seasons = History();
    const int matchdays = HighestMatchday(TeamCount, Rounds);
    TStandingsEngine engine;
    for (auto _ : state) {
        for (const TSeason &season : seasons) {
            engine.SetCompetition(season.competition);
            engine.SetTeams(season.teams);
            engine.SetMatches(season.matches);
            for (int matchday = 1; matchday <= matchdays; ++matchday) {
                engine.ShowRound(season.competition.DNo, matchday);
                benchmark::DoNotOptimize(engine.TeamStatRows().data());
            }
        }
    }
    const auto perItem = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["per_table"] = benchmark::Counter(double(SeasonCount) * matchdays, perItem);
    state.counters["per_season"] = benchmark::Counter(SeasonCount, perItem);
    state.counters["matches"] = double(SeasonCount) * matchdays * (TeamCount / 2);
}

// --- the history in a real database ---

QString SeasonText(int s)
{
    return QString::number(1990 + s) + QLatin1Char('-') + QString::number(91 + s).right(2);
}

void Store(sqlite3 *db, const std::vector<TSeason> &seasons)
{
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral(
                    "INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα');"
                    "INSERT INTO Kathgories (KatNo, GrName, Kratos, Typos) VALUES (1, 'Α Εθνική', 1, 0)"));
    for (int t = 1; t <= TeamCount; ++t)
        ExecSql(db,
                QStringLiteral("INSERT INTO Omades (KratosNo, Name, EnName, TeamNo) VALUES (1, 'Ομάδα %1', "
                               "'Team %1', %1)")
                    .arg(t));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, "
                           "Isop, Htta, Typos, Rounds, KratosNo) VALUES (?1, 1, ?2, ?3, 3, "
                           "1, 0, 0, ?4, 1)"));
    SqliteStatement team(
        db, QStringLiteral("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName, EnName, Timvria) "
                           "VALUES (?1, ?2, ?3, ?4, ?4, 0)"));
    SqliteStatement match(
        db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, "
                           "Omilos, TelGGoals, TelFGoals, Date) VALUES (?1, ?2, ?3, ?4, 0, ?5, "
                           "?6, ?7)"));
    auto run = [](SqliteStatement &statement, const QVariantList &values) {
        statement.BindAll(values);
        statement.Execute();
        statement.Reset();
    };
    for (int s = 0; s < SeasonCount; ++s) {
        const TSeason &history = seasons[s];
        run(season, {SeasonText(s)});
        run(competition, {history.competition.DNo, SeasonText(s), TeamCount, Rounds});
        for (const TStandingsTeam &t : history.teams)
            run(team, {t.RecNo, t.TeamNo, history.competition.DNo, QStringLiteral("Ομάδα %1").arg(t.TeamNo)});
        for (const TStandingsMatch &m : history.matches)
            run(match, {m.DiorgNo, m.Agvnistikh, m.Ghpedoyxos, m.Filojenoymenh, *m.TelGGoals, *m.TelFGoals,
                        m.Date.toString(Qt::ISODate)});
    }
    transaction.Commit();
}

// A data module on a new program folder whose database holds the history.
TTavrolinDM &StoredHistory()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [] {
        const QString data = UseBenchProgramFolder(folder.path());
        auto *module = new TTavrolinDM;
        // The first use of the connection creates the program's tables.
        Store(module->TavrolinDb.Handle(), History());
        return module;
    }();
    return *dm;
}

// Points, goals for and goals against of every team after a matchday, from one SQL statement:
// each played match once for its home side and once for its away side, summed per team of the
// competition, starting from the team's penalty points, in table order.
const char AggregateSql[] =
    "SELECT p.RecNo, p.Timvria + coalesce(sum(m.Pts), 0), coalesce(sum(m.GF), 0), coalesce(sum(m.GA), 0) "
    "FROM PerOmades p LEFT JOIN ("
    " SELECT a.Ghpedoyxos AS Team, a.TelGGoals AS GF, coalesce(a.TelFGoals, 0) AS GA,"
    "  CASE WHEN a.TelGGoals > coalesce(a.TelFGoals, 0) THEN d.Nikh"
    "   WHEN a.TelGGoals = coalesce(a.TelFGoals, 0) THEN d.Isop ELSE d.Htta END AS Pts"
    " FROM Agvnes a JOIN Diorganvseis d ON d.DNo = a.DiorgNo"
    " WHERE a.DiorgNo = ?1 AND a.Agvnistikh BETWEEN 1 AND ?2 AND a.TelGGoals IS NOT NULL"
    " UNION ALL"
    " SELECT a.Filojenoymenh, coalesce(a.TelFGoals, 0), a.TelGGoals,"
    "  CASE WHEN a.TelGGoals < coalesce(a.TelFGoals, 0) THEN d.Nikh"
    "   WHEN a.TelGGoals = coalesce(a.TelFGoals, 0) THEN d.Isop ELSE d.Htta END"
    " FROM Agvnes a JOIN Diorganvseis d ON d.DNo = a.DiorgNo"
    " WHERE a.DiorgNo = ?1 AND a.Agvnistikh BETWEEN 1 AND ?2 AND a.TelGGoals IS NOT NULL"
    ") m ON m.Team = p.RecNo WHERE p.DiorNo = ?1 GROUP BY p.RecNo";

using TFigures = std::map<int, std::tuple<int, int, int>>; // RecNo -> points, goals for, goals against

TFigures AggregateFigures(SqliteStatement &aggregate, int DNo, int matchday)
{
    aggregate.Bind(1, DNo);
    aggregate.Bind(2, matchday);
    TFigures figures;
    while (aggregate.Step())
        figures[int(aggregate.Int64(0))] = {int(aggregate.Int64(1)), int(aggregate.Int64(2)),
                                            int(aggregate.Int64(3))};
    aggregate.Reset();
    return figures;
}

TFigures EngineFigures(const TStandingsEngine &engine)
{
    TFigures figures;
    for (const TStandingsEntry &entry : engine.StandingsTable())
        figures[entry.TeamKey] = {entry.Points, entry.GoalsFor, entry.GoalsAgainst};
    return figures;
}

void SetPerTableCounters(benchmark::State &state)
{
    const int matchdays = HighestMatchday(TeamCount, Rounds);
    const auto perItem = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["per_table"] = benchmark::Counter(double(SeasonCount) * matchdays, perItem);
    state.counters["per_season"] = benchmark::Counter(SeasonCount, perItem);
}

// The SQL aggregate must give the same figures as the engine, or the comparison means nothing.
bool AggregateAgreesWithEngine(TTavrolinDM &dm)
{
    TStandingsEngine engine;
    SqliteStatement aggregate(dm.TavrolinDb.Handle(), QString::fromUtf8(AggregateSql));
    LoadStandingsEngine(engine, dm, SeasonCount / 2);
    engine.ShowRound(SeasonCount / 2, 20);
    return AggregateFigures(aggregate, SeasonCount / 2, 20) == EngineFigures(engine);
}

// Every matchday of every season: read the competition, compute, store.
void StoreEveryMatchday(TTavrolinDM &dm, TStandingsEngine &engine)
{
    const int matchdays = HighestMatchday(TeamCount, Rounds);
    for (int DNo = 1; DNo <= SeasonCount; ++DNo) {
        for (int matchday = 1; matchday <= matchdays; ++matchday) {
            LoadStandingsEngine(engine, dm, DNo);
            engine.ShowRound(DNo, matchday);
            WriteTeamStat(dm, engine.TeamStatRows());
        }
    }
}

void SetTeamStatCounter(benchmark::State &state, TTavrolinDM &dm)
{
    SqliteStatement stored(dm.TavrolinDb.Handle(), QStringLiteral("SELECT count(*) FROM TeamStat"));
    state.counters["teamstat_rows"] = stored.Step() ? double(stored.Int64(0)) : 0.0;
}

// What the league-table window does for each matchday shown: one commit per matchday.
void BM_StoredStandingsEveryMatchdayOfThirtySeasons(benchmark::State &state)
{
    TTavrolinDM &dm = StoredHistory();
    if (!AggregateAgreesWithEngine(dm)) {
        state.SkipWithError("the SQL aggregate and the engine disagree");
        return;
    }
    TStandingsEngine engine;
    WallTimer timer(state, "commit per matchday");
    for (auto _ : state)
        StoreEveryMatchday(dm, engine);
    SetPerTableCounters(state);
    SetTeamStatCounter(state, dm);
}

// Bulk work, as the update of every matchday's statistics runs: one transaction around all.
void BM_StoredStandingsInOneTransaction(benchmark::State &state)
{
    TTavrolinDM &dm = StoredHistory();
    TStandingsEngine engine;
    WallTimer timer(state, "one transaction");
    for (auto _ : state) {
        TransactionGuard transaction(dm.TavrolinDb.Handle());
        StoreEveryMatchday(dm, engine);
        transaction.Commit();
    }
    SetPerTableCounters(state);
    SetTeamStatCounter(state, dm);
}

// The same points and goals straight from SQLite: one aggregate query per matchday.
void BM_SqlAggregateEveryMatchdayOfThirtySeasons(benchmark::State &state)
{
    TTavrolinDM &dm = StoredHistory();
    const int matchdays = HighestMatchday(TeamCount, Rounds);
    SqliteStatement aggregate(dm.TavrolinDb.Handle(), QString::fromUtf8(AggregateSql));
    WallTimer timer(state, "SQL aggregate");
    for (auto _ : state) {
        for (int DNo = 1; DNo <= SeasonCount; ++DNo) {
            for (int matchday = 1; matchday <= matchdays; ++matchday)
                benchmark::DoNotOptimize(AggregateFigures(aggregate, DNo, matchday));
        }
    }
    SetPerTableCounters(state);
}

BENCHMARK(BM_StandingsEveryMatchdayOfThirtySeasons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoredStandingsEveryMatchdayOfThirtySeasons)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoredStandingsInOneTransaction)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqlAggregateEveryMatchdayOfThirtySeasons)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    const auto aggregate = WallTimes().find("SQL aggregate");
    if (aggregate == WallTimes().end())
        return;
    std::printf("\n%-22s %12s %8s\n", "stored, wall clock", "ms", "vs SQL");
    for (const char *run : {"commit per matchday", "one transaction"}) {
        const auto stored = WallTimes().find(run);
        if (stored == WallTimes().end())
            continue;
        const double ratio = stored->second / aggregate->second;
        std::printf("%-22s %12.1f %7.2fx%s\n", run, stored->second / 1e6, ratio,
                    ratio <= 3.0 ? "" : "  (over 3x)");
    }
    std::printf("%-22s %12.1f\n", "SQL aggregate", aggregate->second / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

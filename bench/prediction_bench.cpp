// The percentages of one matchday (nine matches of an 18-team league) by each prediction method on
// a database of 30 seasons of 55 such leagues (504,900 matches), as the prediction window computes
// them, set against one SQL query that reads the rows the recent-results method counts (each home
// side's last nine home results and each away side's last nine away results) in the same run. All
// runs read a real database file and are timed on the wall clock.
#include "analysis/prediction_runs.h"
#include "analysis/prediction_store.h"
#include "data/data_module.h"
#include "league_database.h"
#include "platform/db/sqlite_statement.h"
#include "scores.h"
#include "wall_timer.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <vector>

using namespace tav::analysis;

namespace {

constexpr int TeamCount = 18;
constexpr int Matchdays = 2 * (TeamCount - 1);
const TLeagueShape kLeagues{.seasons = 30,
                            .leagues = 55,
                            .firstYear = 1990,
                            .teamsOf = [](int) { return TeamCount; },
                            .spanSeasonNames = true};
constexpr int Recent = 9;
// The predicted matchday: league 1 of the last season.
const int PredictedDNo = kLeagues.CompetitionOf(kLeagues.seasons - 1, 1);
constexpr int PredictedMatchday = 20;

// A statistics row for every matchday of every competition team of league 1, season by season.
void StoreTeamStats(sqlite3 *db)
{
    TransactionGuard transaction(db);
    SqliteStatement stat(db,
                         QStringLiteral("INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, "
                                        "NikesOut, IsopOut, HttesOut, Position, PositionEntos, "
                                        "PositionEktos) VALUES (?1, ?2, ?3, 1, 1, ?4, 1, 1, ?5, ?5, ?5)"));
    for (int s = 0; s < kLeagues.seasons; ++s)
        for (int i = 0; i < TeamCount; ++i)
            for (int day = 1; day <= Matchdays; ++day)
                Run(stat, {kLeagues.CompetitionOf(s, 1) * 100 + i + 1, day, day / 3, day / 4,
                           1 + (i + day) % TeamCount});
    transaction.Commit();
}

// Every league of every season, all played, its categories and competition teams of five and four
// strengths in turn; the predicted league's competition teams have a statistics row for every
// matchday.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues,
                 {.categoryStrength = [](int league) { return QVariant(1 + league % 5); },
                  .entries = TEntryColumns::Rated,
                  .entryStrength = [](int club) { return 1 + (club - 1) % 4; },
                  .match = [&](const TFixture &f) { return FridayMatch(kLeagues, f, scores); }});
    StoreTeamStats(db);
}

struct TBench
{
    TTavrolinDM *dm = nullptr;
    std::vector<TListedMatch> listed;
};

TBench &Bench()
{
    static TBench bench = [] {
        TBench made;
        made.dm = &FilledDataModule(Store);
        SqliteStatement games(
            made.dm->TavrolinDb.Handle(),
            QStringLiteral("SELECT GameNo FROM Agvnes WHERE DiorgNo = ?1 AND Agvnistikh = ?2 "
                           "ORDER BY GameNo"));
        games.BindAll({PredictedDNo, PredictedMatchday});
        while (games.Step())
            made.listed.push_back(*ReadMatch(*made.dm, int(games.Int64(0))));
        return made;
    }();
    return bench;
}

// Each home side's last nine home results and each away side's last nine away results before the
// date of the first listed match, in one statement.
QString RecentRowsSql(const std::vector<TListedMatch> &listed)
{
    QStringList home, away;
    for (const TListedMatch &match : listed) {
        home.append(QString::number(match.GTeamNo));
        away.append(QString::number(match.FTeamNo));
    }
    return QStringLiteral("SELECT Side, Club, TelGGoals, TelFGoals FROM ("
                          " SELECT 0 AS Side, GTeamNo AS Club, TelGGoals, TelFGoals,"
                          "  row_number() OVER (PARTITION BY GTeamNo ORDER BY Date DESC) AS Nth"
                          " FROM Agvnes WHERE Date < ?1 AND TelGGoals >= 0 AND GTeamNo IN (%1)"
                          " UNION ALL"
                          " SELECT 1, FTeamNo, TelGGoals, TelFGoals,"
                          "  row_number() OVER (PARTITION BY FTeamNo ORDER BY Date DESC)"
                          " FROM Agvnes WHERE Date < ?1 AND TelFGoals >= 0 AND FTeamNo IN (%2)"
                          ") WHERE Nth <= ?2")
        .arg(home.join(QLatin1Char(',')), away.join(QLatin1Char(',')));
}

void SetCounters(benchmark::State &state)
{
    const auto perItem = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["per_match"] = benchmark::Counter(double(Bench().listed.size()), perItem);
    state.counters["matches"] = double(kLeagues.seasons) * kLeagues.leagues * Matchdays * (TeamCount / 2);
}

template <class Method> void Predict(benchmark::State &state, const char *name, Method method)
{
    TBench &bench = Bench();
    TAnalysisTable table;
    WallTimer timer(state, name);
    for (auto _ : state) {
        method(*bench.dm, table, bench.listed);
        ClassifySigns(table);
        benchmark::DoNotOptimize(table.TopPercentTotal);
    }
    SetCounters(state);
}

void BM_RecentResults(benchmark::State &state)
{
    Predict(state, "A2 recent results", [](TTavrolinDM &dm, TAnalysisTable &table, const auto &listed) {
        RunRecentResults(dm, table, listed, Recent, true);
    });
}

void BM_RankGap(benchmark::State &state)
{
    Predict(state, "A3 rank gap", [](TTavrolinDM &dm, TAnalysisTable &table, const auto &listed) {
        RunRankGap(dm, table, listed, Recent);
    });
}

void BM_OpponentRank(benchmark::State &state)
{
    Predict(state, "A4 opponent rank", [](TTavrolinDM &dm, TAnalysisTable &table, const auto &listed) {
        RunOpponentRank(dm, table, listed, Recent);
    });
}

void BM_Strength(benchmark::State &state)
{
    Predict(state, "A5 strength", [](TTavrolinDM &dm, TAnalysisTable &table, const auto &listed) {
        benchmark::DoNotOptimize(RunStrength(dm, table, listed, Recent));
    });
}

void BM_PointsRate(benchmark::State &state)
{
    Predict(state, "A6 points rate", [](TTavrolinDM &dm, TAnalysisTable &table, const auto &listed) {
        RunPointsRate(dm, table, listed);
    });
}

// The rows the recent-results method counts, straight from SQLite.
void BM_SqlRecentRows(benchmark::State &state)
{
    TBench &bench = Bench();
    SqliteStatement rows(bench.dm->TavrolinDb.Handle(), RecentRowsSql(bench.listed));
    const QString before = bench.listed.front().Date.toString(Qt::ISODate);
    std::int64_t read = 0;
    WallTimer timer(state, "SQL recent rows");
    for (auto _ : state) {
        rows.BindAll({before, Recent});
        read = 0;
        while (rows.Step())
            read += rows.Int64(2) - rows.Int64(3) + 1;
        rows.Reset();
        benchmark::DoNotOptimize(read);
    }
    SetCounters(state);
}

BENCHMARK(BM_SqlRecentRows)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecentResults)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RankGap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpponentRank)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Strength)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PointsRate)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    PrintBesideSql("one matchday", "SQL recent rows");
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

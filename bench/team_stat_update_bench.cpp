// The automatic standings update over a database of 30 seasons of 50 leagues (1,500 leagues of 18
// or 20 clubs, 514,500 matches, every match played): every league from an empty TeamStat, in
// matchdays per second, set against inserting the same rows through the SQLite C API in the same
// transactions (one per competition) in the same run; then the update again with every matchday
// stored, which has nothing to compute. All runs use a real database file, timed on the wall clock.
#include "analysis/standings_engine.h"
#include "analysis/standings_store.h"
#include "analysis/team_stat_update.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "scores.h"
#include "wall_timer.h"

#include <QStringList>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <vector>

using namespace tav::analysis;

namespace {

const TLeagueShape kLeagues{.seasons = 30, .leagues = 50, .firstYear = 1990, .spanSeasonNames = true};

// Every league of every season, all played, each matchday's matches on its Friday.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues, {.entries = TEntryColumns::Rated, .match = [&](const TFixture &f) {
                                    const int g = scores.Next();
                                    const int a = scores.Next() % 3;
                                    return TMatchRow{.homeGoals = g,
                                                     .awayGoals = a,
                                                     .date = kLeagues.Friday(f.season, f.day)};
                                }});
}

struct TBench
{
    TTavrolinDM *dm = nullptr;
    QStringList categories;
    QStringList seasons; // newest first, as the window lists them
    // The rows the update stores, by competition, for the direct inserts.
    std::vector<std::vector<TTeamStatRow>> rows;
    int matchdays = 0;
};

TBench &Bench()
{
    static TBench bench = [] {
        TBench made;
        made.dm = &FilledDataModule(Store);
        for (int league = 1; league <= kLeagues.leagues; ++league)
            made.categories.append(kLeagues.CategoryName(league));
        for (int s = 0; s < kLeagues.seasons; ++s)
            made.seasons.prepend(kLeagues.SeasonName(s));
        for (int DNo = 1; DNo <= kLeagues.seasons * kLeagues.leagues; ++DNo) {
            TStandingsEngine engine;
            LoadStandingsEngine(engine, *made.dm, DNo);
            std::vector<TTeamStatRow> rows;
            const int current = CurrentMatchday(*made.dm, DNo);
            for (int day = 1; day <= current; ++day) {
                engine.ComputeStandings(day);
                rows.insert(rows.end(), engine.TeamStatRows().begin(), engine.TeamStatRows().end());
                ++made.matchdays;
            }
            made.rows.push_back(std::move(rows));
        }
        return made;
    }();
    return bench;
}

void EmptyTeamStat()
{
    ExecSql(Bench().dm->TavrolinDb.Handle(), QStringLiteral("DELETE FROM TeamStat"));
}

// Times only the work of each iteration, not the emptying of TeamStat before it.
class WorkTimer
{
public:
    WorkTimer(benchmark::State &state, std::string name) : state_(state), name_(std::move(name)) {}
    ~WorkTimer()
    {
        if (state_.iterations() > 0)
            WallTimes()[name_] = total_.count() / double(state_.iterations());
    }
    template <class Work> void Time(Work work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        total_ += std::chrono::steady_clock::now() - start;
    }

private:
    benchmark::State &state_;
    std::string name_;
    std::chrono::duration<double, std::nano> total_{0};
};

void SetCounters(benchmark::State &state, int matchdays)
{
    state.counters["matchdays"] = double(matchdays);
    state.counters["matchdays_per_s"] =
        benchmark::Counter(double(matchdays), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_UpdateFromEmpty(benchmark::State &state)
{
    TBench &bench = Bench();
    int stored = 0;
    {
        WorkTimer timer(state, "update from empty");
        for (auto _ : state) {
            state.PauseTiming();
            EmptyTeamStat();
            state.ResumeTiming();
            timer.Time(
                [&] { stored = UpdateTeamStat(*bench.dm, bench.categories, bench.seasons).MatchdaysStored; });
        }
    }
    SetCounters(state, stored);
}

void BM_UpdateAllStored(benchmark::State &state)
{
    TBench &bench = Bench();
    EmptyTeamStat();
    UpdateTeamStat(*bench.dm, bench.categories, bench.seasons);
    {
        WallTimer timer(state, "update all stored");
        for (auto _ : state)
            benchmark::DoNotOptimize(UpdateTeamStat(*bench.dm, bench.categories, bench.seasons));
    }
    SetCounters(state, bench.matchdays);
}

// The same rows, one transaction per competition, through the SQLite C API.
void BM_SqliteInsert(benchmark::State &state)
{
    TBench &bench = Bench();
    sqlite3 *db = bench.dm->TavrolinDb.Handle();
    sqlite3_stmt *insert =
        Prepare(db, "INSERT INTO TeamStat (TeamNo, Agvnistikh, NikesIn, IsopIn, HttesIn, NikesOut, "
                    "IsopOut, HttesOut, GoalYpIn, GoalKaIn, GoalYpOut, GoalKaOut, Position, "
                    "PositionEntos, PositionEktos) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    {
        WorkTimer timer(state, "SQLite C API inserts");
        for (auto _ : state) {
            state.PauseTiming();
            EmptyTeamStat();
            state.ResumeTiming();
            timer.Time([&] {
                for (const std::vector<TTeamStatRow> &competition : bench.rows) {
                    Check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
                    for (const TTeamStatRow &row : competition) {
                        const int values[] = {row.TeamNo,   row.Agvnistikh,    row.NikesIn,
                                              row.IsopIn,   row.HttesIn,       row.NikesOut,
                                              row.IsopOut,  row.HttesOut,      row.GoalYpIn,
                                              row.GoalKaIn, row.GoalYpOut,     row.GoalKaOut,
                                              row.Position, row.PositionEntos, row.PositionEktos};
                        for (int i = 0; i < 15; ++i)
                            sqlite3_bind_int(insert, i + 1, values[i]);
                        Check(db, sqlite3_step(insert));
                        sqlite3_reset(insert);
                    }
                    Check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
                }
            });
        }
    }
    sqlite3_finalize(insert);
    SetCounters(state, bench.matchdays);
}

BENCHMARK(BM_SqliteInsert)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_UpdateFromEmpty)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_UpdateAllStored)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void PrintComparison()
{
    const std::map<std::string, double> &times = WallTimes();
    const auto sql = times.find("SQLite C API inserts");
    const auto empty = times.find("update from empty");
    const auto stored = times.find("update all stored");
    if (sql == times.end() || empty == times.end() || stored == times.end())
        return;
    std::printf("\n%-24s %12s\n", "every league", "ms");
    std::printf("%-24s %12.1f\n", sql->first.c_str(), sql->second / 1e6);
    std::printf("%-24s %12.1f %9.2fx the inserts (at most 3x)\n", empty->first.c_str(), empty->second / 1e6,
                empty->second / sql->second);
    std::printf("%-24s %12.1f %9.1fx faster than from empty (at least 20x)\n", stored->first.c_str(),
                stored->second / 1e6, empty->second / stored->second);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

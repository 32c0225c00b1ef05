// The head-to-head history of one matchday (nine matches of an 18-team league) on a database of 30
// seasons of 55 such leagues (504,900 matches), as the history window computes it, set against one
// SQL query that returns every earlier meeting of the nine pairs both ways in the same run. All
// runs read a real database file and are timed on the wall clock.
#include "analysis/history_engine.h"
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
const TLeagueShape kLeagues{.seasons = 30,
                            .leagues = 55,
                            .firstYear = 1990,
                            .teamsOf = [](int) { return TeamCount; },
                            .spanSeasonNames = true};
// The matchday whose history is asked for: league 1 of the last season.
const int ListedDNo = kLeagues.CompetitionOf(kLeagues.seasons - 1, 1);
constexpr int ListedMatchday = 20;

// Every league of every season, all played, so that every listed pair has met about once a season
// each way.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues,
                 {.match = [&](const TFixture &f) { return FridayMatch(kLeagues, f, scores); }});
}

struct TBench
{
    TTavrolinDM *dm = nullptr;
    std::vector<THistoryListedMatch> listed;
};

TBench &Bench()
{
    static TBench bench = [] {
        TBench made;
        made.dm = &FilledDataModule(Store);
        SqliteStatement games(made.dm->TavrolinDb.Handle(),
                              QStringLiteral("SELECT DiorgNo, GTeamNo, FTeamNo, Date FROM Agvnes "
                                             "WHERE DiorgNo = ?1 AND Agvnistikh = ?2 ORDER BY GameNo"));
        games.BindAll({ListedDNo, ListedMatchday});
        while (games.Step()) {
            THistoryListedMatch match;
            match.DiorgNo = int(games.Int64(0));
            match.GTeamNo = int(games.Int64(1));
            match.FTeamNo = int(games.Int64(2));
            match.Date = QDate::fromString(games.Text(3), Qt::ISODate);
            made.listed.push_back(match);
        }
        return made;
    }();
    return bench;
}

// Every earlier meeting of the listed pairs, both ways, in competitions of the listed type, in one
// statement whose pairs each reach the index on home club, away club and date.
QString MeetingsSql(const std::vector<THistoryListedMatch> &listed)
{
    QStringList pairs;
    for (const THistoryListedMatch &match : listed) {
        const QString pair = QStringLiteral("(a.GTeamNo = %1 AND a.FTeamNo = %2)");
        pairs.append(pair.arg(match.GTeamNo).arg(match.FTeamNo));
        pairs.append(pair.arg(match.FTeamNo).arg(match.GTeamNo));
    }
    return QStringLiteral("SELECT a.GTeamNo, a.FTeamNo, a.TelGGoals, a.TelFGoals, d.Periodos FROM Agvnes a "
                          "JOIN Diorganvseis d ON d.DNo = a.DiorgNo "
                          "WHERE (%1) AND a.Date < ?1 AND d.Typos = 0 "
                          "AND a.TelGGoals IS NOT NULL AND a.TelFGoals IS NOT NULL "
                          "ORDER BY a.GTeamNo, a.FTeamNo, a.Date, a.GameNo")
        .arg(pairs.join(QStringLiteral(" OR ")));
}

void SetCounters(benchmark::State &state, double meetings)
{
    const auto perItem = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["per_match"] = benchmark::Counter(double(Bench().listed.size()), perItem);
    state.counters["meetings"] = meetings;
}

void BM_ComputeHistory(benchmark::State &state)
{
    TBench &bench = Bench();
    THistoryEngine engine(*bench.dm);
    std::size_t meetings = 0;
    WallTimer timer(state, "ComputeHistory");
    for (auto _ : state) {
        const THistoryRows rows = engine.ComputeHistory(bench.listed);
        meetings = 0;
        for (const THistoryEntry &entry : rows)
            meetings += entry.Meetings.size();
        benchmark::DoNotOptimize(HistorySeasons(rows));
    }
    SetCounters(state, double(meetings));
}

// The same meetings straight from SQLite.
void BM_SqlMeetings(benchmark::State &state)
{
    TBench &bench = Bench();
    SqliteStatement rows(bench.dm->TavrolinDb.Handle(), MeetingsSql(bench.listed));
    const QString before = bench.listed.front().Date.toString(Qt::ISODate);
    std::int64_t read = 0;
    std::size_t meetings = 0;
    WallTimer timer(state, "SQL meetings");
    for (auto _ : state) {
        rows.BindAll({before});
        read = 0;
        meetings = 0;
        while (rows.Step()) {
            read += rows.Int64(2) - rows.Int64(3) + rows.Text(4).size();
            ++meetings;
        }
        rows.Reset();
        benchmark::DoNotOptimize(read);
    }
    SetCounters(state, double(meetings));
}

BENCHMARK(BM_SqlMeetings)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComputeHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    PrintBesideSql("one matchday", "SQL meetings", {"ComputeHistory"});
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

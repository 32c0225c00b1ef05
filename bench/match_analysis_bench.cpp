// The match analysis of one weekend over every competition of a database of 6 seasons of 250
// leagues (1,500 leagues of 18 or 20 clubs, 514,500 matches; the weekend analysed holds 2,375 of them, and
// the season stops before it), set against its three queries (the window's matches with their names and
// codes, and the home and away history of its teams) run through the SQLite C API, in the same run.
#include "analysis/match_analysis.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tav::analysis;

namespace {

const TLeagueShape kLeagues{.seasons = 6, .leagues = 250, .spanSeasonNames = true};

// The last season stops before this matchday: its weekend is the one analysed.
constexpr int WindowMatchday = 33;

QDate WindowFriday()
{
    return kLeagues.MatchDate(kLeagues.seasons - 1, WindowMatchday, 0);
}

// Every match numbered on the coupon by its place in its matchday.
void Store(sqlite3 *db)
{
    StoreWeekendLeagues(db, kLeagues, WindowMatchday, [](const TFixture &f) { return QVariant(f.slot + 1); });
}

TTavrolinDM &Bench()
{
    return FilledDataModule(Store);
}

TMatchAnalysisRequest Weekend()
{
    return {WindowFriday(), WindowFriday().addDays(3)};
}

void BM_RunMatchAnalysis(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    qsizetype rows = 0;
    {
        WallTimer timer(state, "match analysis");
        for (auto _ : state)
            rows = RunMatchAnalysis(dm, Weekend()).Rows.size();
    }
    state.counters["matches"] = double(rows);
}

// Steps a statement to its end, reading every column as the analysis does; the team numbers of
// the first column when asked.
void StepAll(sqlite3 *db, sqlite3_stmt *statement, std::vector<int> *teams, std::vector<int> *awayTeams)
{
    int rc = 0;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
        if (teams) {
            teams->push_back(sqlite3_column_int(statement, 11));
            awayTeams->push_back(sqlite3_column_int(statement, 12));
        }
    }
    Check(db, rc);
    sqlite3_reset(statement);
}

std::string List(const std::vector<int> &numbers)
{
    std::string text = "[";
    for (int number : numbers)
        text += (text.size() > 1 ? "," : "") + std::to_string(number);
    return text + "]";
}

// The analysis's three queries, as it words them.
const char kWindow[] =
    "SELECT a.\"Date\", a.\"Time\", k.OPAP,"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Ghpedoyxos LIMIT 1),"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Filojenoymenh LIMIT 1),"
    " a.TelGGoals, a.TelFGoals, a.OPAPAr, a.AP1, a.APX, a.AP2, a.GTeamNo, a.FTeamNo, a.DiorgNo,"
    " a.Agvnistikh, a.Ghpedoyxos, a.Filojenoymenh, d.Omades, d.Nikh, d.Isop, d.Htta"
    " FROM Agvnes a LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo LEFT JOIN Kathgories k ON k.KatNo = d.KatNo"
    " WHERE a.\"Date\" >= ?1 AND a.\"Date\" <= ?2 ORDER BY a.\"Date\", a.\"Time\", a.DiorgNo, a.GameNo";
const char kHomeHistory[] = "SELECT GTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE \"Date\" < ?1 AND TelGGoals >= 0"
                            " AND GTeamNo IN (SELECT value FROM json_each(?2))"
                            " ORDER BY \"Date\" DESC, GameNo DESC";
const char kAwayHistory[] = "SELECT FTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE \"Date\" < ?1 AND TelFGoals >= 0"
                            " AND FTeamNo IN (SELECT value FROM json_each(?2))"
                            " ORDER BY \"Date\" DESC, GameNo DESC";

void BM_SqliteQueries(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const std::string from = WindowFriday().toString(Qt::ISODate).toStdString();
    const std::string to = WindowFriday().addDays(3).toString(Qt::ISODate).toStdString();
    sqlite3_stmt *window = Prepare(db, kWindow);
    sqlite3_stmt *home = Prepare(db, kHomeHistory);
    sqlite3_stmt *away = Prepare(db, kAwayHistory);
    {
        WallTimer timer(state, "SQLite C API queries");
        for (auto _ : state) {
            std::vector<int> homeTeams;
            std::vector<int> awayTeams;
            sqlite3_bind_text(window, 1, from.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(window, 2, to.c_str(), -1, SQLITE_TRANSIENT);
            StepAll(db, window, &homeTeams, &awayTeams);
            for (auto [statement, teams] : {std::pair{home, &homeTeams}, {away, &awayTeams}}) {
                const std::string list = List(*teams);
                sqlite3_bind_text(statement, 1, from.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 2, list.c_str(), -1, SQLITE_TRANSIENT);
                StepAll(db, statement, nullptr, nullptr);
            }
        }
    }
    for (sqlite3_stmt *statement : {window, home, away})
        sqlite3_finalize(statement);
}

BENCHMARK(BM_SqliteQueries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RunMatchAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void PrintComparison()
{
    const std::map<std::string, double> &times = WallTimes();
    const auto sql = times.find("SQLite C API queries");
    const auto run = times.find("match analysis");
    if (sql == times.end() || run == times.end())
        return;
    std::printf("\n%-24s %12s\n", "a weekend", "ms");
    std::printf("%-24s %12.1f\n", sql->first.c_str(), sql->second / 1e6);
    std::printf("%-24s %12.1f %9.2fx the queries (at most 2x)\n", run->first.c_str(), run->second / 1e6,
                run->second / sql->second);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

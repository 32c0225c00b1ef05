// The team history procedures and the match odds estimate over every team of one competition of a
// database of 6 seasons of 60 leagues (360 leagues of 18 or 20 clubs, 123,480 matches), each set
// against one SQL statement run through the SQLite C API that gives the same counts, in the same
// run. A count that differs ends the program.
#include "couponstats/operations/match_odds.h"
#include "couponstats/operations/team_history.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "platform/core/format.h"
#include "scores.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace tav::operations;

namespace {

constexpr int SeasonCount = 6;
constexpr int LeagueCount = 60;
// The competition counted: a league of 20 clubs of the last season, up to this matchday.
constexpr int Competition = (SeasonCount - 1) * LeagueCount + 2;
constexpr int CountedMatchday = 30;

const TLeagueShape kLeagues{.seasons = SeasonCount, .leagues = LeagueCount};

// Every match played.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues, {.match = [&](const TFixture &f) {
                     TMatchRow row = PlayedMatch(kLeagues, f, scores);
                     row.homeClub = f.HomeEntry();
                     row.awayClub = f.AwayEntry();
                     return row;
                 }});
}

TTavrolinDM &Bench()
{
    static TTavrolinDM *dm = [] {
        TTavrolinDM *made = &FilledDataModule(Store);
        made->Diorganvseis.Open();
        made->Diorganvseis.Locate(QStringLiteral("DNo"), {Competition});
        return made;
    }();
    return *dm;
}

QDate CountedDate()
{
    return kLeagues.MatchDate(SeasonCount - 1, CountedMatchday, 0);
}

std::vector<int> Teams()
{
    std::vector<int> teams;
    for (int i = 1; i <= 20; ++i)
        teams.push_back(Competition * 100 + i);
    return teams;
}

// The counts the engine and the statement must agree on, by team.
std::map<std::string, std::vector<std::vector<qint64>>> &Counts()
{
    static std::map<std::string, std::vector<std::vector<qint64>>> counts;
    return counts;
}

void Keep(const std::string &name, std::vector<std::vector<qint64>> counts)
{
    Counts()[name] = std::move(counts);
}

// The first row of a prepared statement with the values bound, as integers.
std::vector<qint64> Row(sqlite3 *db, sqlite3_stmt *statement, const std::vector<QVariant> &values)
{
    for (int i = 0; i < int(values.size()); ++i) {
        const QVariant &value = values[i];
        if (value.typeId() == QMetaType::QString)
            sqlite3_bind_text(statement, i + 1, value.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_int64(statement, i + 1, value.toLongLong());
    }
    std::vector<qint64> row;
    int rc = 0;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            row.push_back(sqlite3_column_int64(statement, column));
    Check(db, rc);
    sqlite3_reset(statement);
    return row;
}

// Wins, draws, matches and goals scored of the team's latest N matches (all when N is -1).
const char kTeamRecordSql[] =
    "SELECT SUM(CASE WHEN Ghpedoyxos = ?2 THEN TelGGoals > TelFGoals ELSE TelGGoals < TelFGoals END),"
    " SUM(TelGGoals = TelFGoals), COUNT(*), SUM(CASE WHEN Ghpedoyxos = ?2 THEN TelGGoals ELSE TelFGoals END)"
    " FROM (SELECT Ghpedoyxos, TelGGoals, TelFGoals FROM Agvnes WHERE DiorgNo = ?1"
    " AND (Filojenoymenh = ?2 OR Ghpedoyxos = ?2) AND TelGGoals >= 0 AND \"Date\" < ?3"
    " ORDER BY \"Date\" DESC LIMIT ?4)";

void BM_GetTeamRecord(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    const int n = int(state.range(0));
    const QString date = DateToStr(CountedDate());
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "GetTeamRecord N=" + std::to_string(n));
        for (auto _ : state) {
            counts.clear();
            for (int team : Teams()) {
                const TTeamRecord r = GetTeamRecord(dm, TTeamMatches::All, date, Competition, team, n, "");
                counts.push_back({r[7], r[9], r[13], r[14] + r[16]});
            }
        }
    }
    Keep("GetTeamRecord N=" + std::to_string(n), counts);
}

void BM_TeamRecordSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const int n = int(state.range(0));
    sqlite3_stmt *statement = Prepare(db, kTeamRecordSql);
    const QString date = CountedDate().toString(Qt::ISODate);
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "SQL team record N=" + std::to_string(n));
        for (auto _ : state) {
            counts.clear();
            for (int team : Teams())
                counts.push_back(Row(db, statement, {Competition, team, date, n > 0 ? n : -1}));
        }
    }
    sqlite3_finalize(statement);
    Keep("SQL team record N=" + std::to_string(n), counts);
}

// The points of each match, weighted from the number of matches down to 1 for the oldest.
const char kSpecialPointsSql[] =
    "SELECT SUM((total + 1 - rank) * CASE WHEN g > f THEN 3 WHEN g = f THEN 1 ELSE 0 END), COUNT(*)"
    " FROM (SELECT ROW_NUMBER() OVER (ORDER BY \"Date\" DESC) rank, COUNT(*) OVER () total,"
    " CASE WHEN Ghpedoyxos = ?2 THEN TelGGoals ELSE TelFGoals END g,"
    " CASE WHEN Ghpedoyxos = ?2 THEN TelFGoals ELSE TelGGoals END f"
    " FROM Agvnes WHERE DiorgNo = ?1 AND (Filojenoymenh = ?2 OR Ghpedoyxos = ?2) AND TelGGoals >= 0"
    " AND \"Date\" < ?3)";

void BM_GetTeamSpecialPoints(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    const QString date = DateToStr(CountedDate());
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "GetTeamSpecialPoints");
        for (auto _ : state) {
            counts.clear();
            for (int team : Teams()) {
                const TTeamSpecialPoints r =
                    GetTeamSpecialPoints(dm, TTeamMatches::All, date, Competition, team, 0, "");
                counts.push_back({r[7], r[13]});
            }
        }
    }
    Keep("GetTeamSpecialPoints", counts);
}

void BM_SpecialPointsSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    sqlite3_stmt *statement = Prepare(db, kSpecialPointsSql);
    const QString date = CountedDate().toString(Qt::ISODate);
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "SQL special points");
        for (auto _ : state) {
            counts.clear();
            for (int team : Teams())
                counts.push_back(Row(db, statement, {Competition, team, date}));
        }
    }
    sqlite3_finalize(statement);
    Keep("SQL special points", counts);
}

const char kDynamhSumsSql[] =
    "SELECT COUNT(*), SUM(BEntos), SUM(BEktos), MAX(CountAgvnesFoundG) FROM TADynamhTemp";
const char kEmptyDynamhSql[] = "DELETE FROM TADynamhTemp";
// Both sides of every played match of the competition before the date, in one statement.
const char kFillDynamhSql[] =
    "INSERT INTO TADynamhTemp (Omada, BEntos, BEktos, DiorgId, CountAgvnesFoundG, CountAgvnesFoundF)"
    " SELECT Ghpedoyxos, CASE WHEN TelGGoals > TelFGoals THEN 3 WHEN TelGGoals = TelFGoals THEN 1 ELSE 0 END,"
    " 0, DiorgNo, ROW_NUMBER() OVER (ORDER BY \"Date\" DESC), NULL FROM Agvnes"
    " WHERE DiorgNo = ?1 AND TelGGoals >= 0 AND \"Date\" < ?2"
    " UNION ALL SELECT Filojenoymenh, 0,"
    " CASE WHEN TelGGoals < TelFGoals THEN 3 WHEN TelGGoals = TelFGoals THEN 1 ELSE 0 END,"
    " DiorgNo, NULL, ROW_NUMBER() OVER (ORDER BY \"Date\" DESC) FROM Agvnes"
    " WHERE DiorgNo = ?1 AND TelGGoals >= 0 AND \"Date\" < ?2";

void BM_FillDynamhTemp(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    sqlite3 *db = dm.TavrolinDb.Handle();
    const QString date = DateToStr(CountedDate());
    // The first fill makes the table; the caller empties it before each fill.
    FillDynamhTemp(dm, date, Competition, 0, 0);
    {
        WallTimer timer(state, "FillDynamhTemp");
        for (auto _ : state) {
            Check(db, sqlite3_exec(db, kEmptyDynamhSql, nullptr, nullptr, nullptr));
            FillDynamhTemp(dm, date, Competition, 0, 0);
        }
    }
    sqlite3_stmt *sums = Prepare(db, kDynamhSumsSql);
    Keep("FillDynamhTemp", {Row(db, sums, {})});
    sqlite3_finalize(sums);
}

void BM_FillDynamhSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    // After the engine's run, which made the table.
    sqlite3_stmt *fill = Prepare(db, kFillDynamhSql);
    const QString date = CountedDate().toString(Qt::ISODate);
    {
        WallTimer timer(state, "SQL fill");
        for (auto _ : state) {
            Check(db, sqlite3_exec(db, kEmptyDynamhSql, nullptr, nullptr, nullptr));
            Row(db, fill, {Competition, date});
        }
    }
    sqlite3_finalize(fill);
    sqlite3_stmt *sums = Prepare(db, kDynamhSumsSql);
    Keep("SQL fill", {Row(db, sums, {})});
    sqlite3_finalize(sums);
}

// The latest 9 played home matches of the home team and away matches of the away team, by the
// home side's outcome.
const char kOddsCountsSql[] =
    "SELECT 0, SUM(g > f), SUM(g < f), SUM(g = f) FROM (SELECT TelGGoals g, TelFGoals f FROM Agvnes"
    " WHERE \"Date\" < ?1 AND TelGGoals >= 0 AND Ghpedoyxos = ?2 ORDER BY \"Date\" DESC, GameNo DESC LIMIT 9)"
    " UNION ALL SELECT 1, SUM(g > f), SUM(g < f), SUM(g = f) FROM (SELECT TelGGoals g, TelFGoals f FROM "
    "Agvnes"
    " WHERE \"Date\" < ?1 AND TelFGoals >= 0 AND Filojenoymenh = ?3 ORDER BY \"Date\" DESC, GameNo DESC "
    "LIMIT 9)";

// The pairs of the competition's matchday after the date counted.
std::vector<std::pair<int, int>> Pairs()
{
    std::vector<std::pair<int, int>> pairs;
    const std::vector<int> teams = Teams();
    for (int k = 0; k < 10; ++k)
        pairs.push_back({teams[k], teams[19 - k]});
    return pairs;
}

void BM_EstimateMatchOdds(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "EstimateMatchOdds");
        for (auto _ : state) {
            counts.clear();
            for (const auto &[home, away] : Pairs()) {
                const TMatchEstimate e = EstimateMatchOdds(dm, home, away, CountedDate());
                counts.push_back({e.P1, e.PX, e.P2});
            }
        }
    }
    Keep("EstimateMatchOdds", counts);
}

void BM_OddsCountsSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    sqlite3_stmt *statement = Prepare(db, kOddsCountsSql);
    const QString date = CountedDate().toString(Qt::ISODate);
    std::vector<std::vector<qint64>> counts;
    {
        WallTimer timer(state, "SQL odds counts");
        for (auto _ : state) {
            counts.clear();
            for (const auto &[home, away] : Pairs()) {
                const std::vector<qint64> c = Row(db, statement, {date, home, away});
                const TMatchEstimate e =
                    EstimateFromCounts({int(c[1]), int(c[2]), int(c[3]), int(c[5]), int(c[6]), int(c[7])});
                counts.push_back({e.P1, e.PX, e.P2});
            }
        }
    }
    sqlite3_finalize(statement);
    Keep("SQL odds counts", counts);
}

BENCHMARK(BM_TeamRecordSql)->Arg(6)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GetTeamRecord)->Arg(6)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpecialPointsSql)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GetTeamSpecialPoints)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillDynamhTemp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillDynamhSql)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OddsCountsSql)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EstimateMatchOdds)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"GetTeamRecord N=6", "SQL team record N=6"},   {"GetTeamRecord N=0", "SQL team record N=0"},
        {"GetTeamSpecialPoints", "SQL special points"}, {"FillDynamhTemp", "SQL fill"},
        {"EstimateMatchOdds", "SQL odds counts"},
    };
    for (const auto &[engine, sql] : pairs) {
        if (Counts().contains(engine) && Counts().contains(sql) && Counts()[engine] != Counts()[sql]) {
            std::fprintf(stderr, "%s counts differ from the SQL statement's\n", engine.c_str());
            std::exit(1);
        }
    }
    PrintEngineBesideSql("one competition", pairs);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

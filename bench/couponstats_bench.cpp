// The analyses of a statistics page of 60 checked coupon rows, one match of each of 60 leagues, on
// a database of 6 seasons of 60 leagues (360 leagues of 18 or 20 clubs, 123,480 matches): the
// standings points over the latest 6 and over all matches, the positions in the points table and
// the head-to-head points, each beside the simplest direct way of filling the same cells (the
// same look-ups and counts as SQL statements through the SQLite C API) in the same run. Cells that
// differ end the program.
#include "coupon_page.h"
#include "couponstats/kind_analysis.h"
#include "platform/core/format.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tav::couponstats;
using namespace coupon_page;

namespace {

void BM_Engine(benchmark::State &state, int kind, int n, const std::string &name)
{
    RunAnalysis(state, name, {}, [&](TTavrolinDM &dm, TPageGrid grid) {
        RunKindAnalysis(dm, grid, kind, n, [] { return true; });
    });
}

// Points (3 a win, 1 a draw) and matches of the team's latest N matches (all when N is -1).
const char kPointsSql[] =
    "SELECT 3 * SUM(CASE WHEN Ghpedoyxos = ?2 THEN g > f ELSE g < f END) + SUM(g = f), COUNT(*)"
    " FROM (SELECT Ghpedoyxos, TelGGoals g, TelFGoals f FROM Agvnes WHERE DiorgNo = ?1"
    " AND (Filojenoymenh = ?2 OR Ghpedoyxos = ?2) AND TelGGoals >= 0 AND \"Date\" < ?3"
    " ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?4)";

const char kEmptyDynamhSql[] = "DELETE FROM TADynamhTemp";
const char kFillDynamhSql[] =
    "INSERT INTO TADynamhTemp (Omada, BEntos, BEktos, DiorgId, CountAgvnesFoundG, CountAgvnesFoundF)"
    " SELECT Ghpedoyxos, CASE WHEN TelGGoals > TelFGoals THEN 3 WHEN TelGGoals = TelFGoals THEN 1 ELSE 0 END,"
    " 0, DiorgNo, NULL, NULL FROM Agvnes WHERE DiorgNo = ?1 AND TelGGoals >= 0 AND \"Date\" < ?2"
    " UNION ALL SELECT Filojenoymenh, 0,"
    " CASE WHEN TelGGoals < TelFGoals THEN 3 WHEN TelGGoals = TelFGoals THEN 1 ELSE 0 END,"
    " DiorgNo, NULL, NULL FROM Agvnes WHERE DiorgNo = ?1 AND TelGGoals >= 0 AND \"Date\" < ?2";
// The dense positions from the fewest points of two teams; 0 for a team without a row.
const char kPositionsSql[] =
    "WITH tot AS (SELECT Omada t, SUM(BEntos + BEktos) s FROM TADynamhTemp GROUP BY DiorgId, Omada)"
    " SELECT (SELECT COUNT(DISTINCT s) FROM tot WHERE s <= (SELECT s FROM tot WHERE t = ?1)),"
    " (SELECT COUNT(DISTINCT s) FROM tot WHERE s <= (SELECT s FROM tot WHERE t = ?2))";

// Wins, losses and draws of the home side in the latest N played meetings with the same sides.
const char kMeetingsSql[] =
    "SELECT SUM(g > f), SUM(g < f), SUM(g = f), COUNT(*) FROM (SELECT TelGGoals g, TelFGoals f FROM Agvnes"
    " WHERE GTeamNo = ?1 AND FTeamNo = ?2 AND \"Date\" < ?3 AND TelGGoals >= 0"
    " ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?4)";

void WriteValues(QStringList &row, qint64 home, qint64 away, const TProposalThresholds &thresholds)
{
    row[PgHomeValue] = IntToStr(home);
    row[PgAwayValue] = IntToStr(away);
    row[PgDifference] = IntToStr(home - away);
    row[PgProposal] = ProposalFor(double(home - away), thresholds);
}

void BM_PointsSql(benchmark::State &state, int n, const std::string &name)
{
    Statement points(Bench().TavrolinDb.Handle(), kPointsSql);
    RunDirect(state, name, {}, [&](const auto &m, const QString &date, QStringList &row) {
        const auto home = points.Row({*m[0], *m[1], date, n > 0 ? n : -1});
        const auto away = points.Row({*m[0], *m[2], date, n > 0 ? n : -1});
        if ((*home)[1] != (*away)[1] || *(*home)[1] == 0)
            return;
        WriteValues(row, (*home)[0].value_or(0), (*away)[0].value_or(0), kDefaultsA);
    });
}

void BM_PositionsSql(benchmark::State &state, const std::string &name)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    // After the engine's run, which made the table.
    Statement fillTable(db, kFillDynamhSql);
    Statement positions(db, kPositionsSql);
    RunDirect(state, name, {}, [&](const auto &m, const QString &, QStringList &row) {
        Check(db, sqlite3_exec(db, kEmptyDynamhSql, nullptr, nullptr, nullptr));
        fillTable.Row({*m[0], CouponDate().addDays(-2).toString(Qt::ISODate)});
        const auto p = positions.Row({*m[1], *m[2]});
        WriteValues(row, *(*p)[0], *(*p)[1], kDefaultsA);
    });
}

void BM_MeetingsSql(benchmark::State &state, int n, const std::string &name)
{
    Statement meetings(Bench().TavrolinDb.Handle(), kMeetingsSql);
    RunDirect(state, name, {}, [&](const auto &m, const QString &date, QStringList &row) {
        const auto c = meetings.Row({*m[3], *m[4], date, n});
        if (*(*c)[3] != n)
            return;
        WriteValues(row, 3 * *(*c)[0] + *(*c)[2], 3 * *(*c)[1] + *(*c)[2], kDefaultsB);
    });
}

BENCHMARK_CAPTURE(BM_PointsSql, n6, 6, "SQL kind 0 N=6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, k0n6, 0, 6, "kind 0 N=6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_PointsSql, n0, 0, "SQL kind 0 N=0")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, k0n0, 0, 0, "kind 0 N=0")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, k6, 6, 0, "kind 6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_PositionsSql, k6, "SQL kind 6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_MeetingsSql, n5, 5, "SQL kind 2 N=5")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, k2, 2, 5, "kind 2 N=5")->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    CheckThenPrintBesideSql({
        {"kind 0 N=6", "SQL kind 0 N=6"},
        {"kind 0 N=0", "SQL kind 0 N=0"},
        {"kind 6", "SQL kind 6"},
        {"kind 2 N=5", "SQL kind 2 N=5"},
    });
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

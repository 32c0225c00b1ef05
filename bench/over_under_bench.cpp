// The over/under analysis of a page of 60 checked coupon rows, one match of each of 60 leagues, on
// the large database of the coupon statistics benchmarks, over the latest 6 and over all matches,
// each beside the simplest direct way of filling the same cells (the match look-up and one
// aggregate statement per side through the SQLite C API) in the same run. Cells that differ end
// the program.
#include "coupon_page.h"
#include "couponstats/over_under_analysis.h"
#include "couponstats/over_under_columns.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tav::couponstats;
using namespace coupon_page;

namespace {

const TPageLayout kPage{.columns = kOverUnderColumns};

void BM_Engine(benchmark::State &state, int n, const std::string &name)
{
    RunAnalysis(state, name, kPage, [&](TTavrolinDM &dm, TPageGrid grid) {
        RunOverUnderAnalysis(dm, grid, n, [] { return true; });
    });
}

// One side's counters over its latest N matches (all when N is -1), the side named by team, o its
// own goals and x the other side's (the home goals are named homeAs, the away goals awayAs): matches, wins,
// draws, losses, goals for and against, matches of 3 goals or more, the own goals 0 to 6 and 7 or more, both
// scored, the home-minus-away margins 0, 1, 2, 3, 4 or more, -1, -2, -3, -4 or less.
std::string SideSql(const char *team, const char *homeAs, const char *awayAs)
{
    std::string sql = "SELECT COUNT(*), SUM(o > x), SUM(o = x), SUM(o < x), SUM(o), SUM(x), SUM(o + x >= 3)";
    for (int goals = 0; goals < 7; ++goals)
        sql += ", SUM(o = " + std::to_string(goals) + ")";
    sql += ", SUM(o >= 7), SUM(g > 0 AND f > 0)";
    for (const char *margin : {"= 0", "= 1", "= 2", "= 3", ">= 4", "= -1", "= -2", "= -3", "<= -4"})
        sql += std::string(", SUM(g - f ") + margin + ")";
    sql += std::string(" FROM (SELECT TelGGoals g, TelFGoals f, TelGGoals ") + homeAs + ", TelFGoals " +
           awayAs + " FROM Agvnes WHERE DiorgNo = ?1 AND " + team +
           " = ?2 AND TelGGoals >= 0 AND \"Date\" < ?3 ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?4)";
    return sql;
}

enum TSide
{
    SMatches,
    SWins,
    SDraws,
    SLosses,
    SFor,
    SAgainst,
    SOver,
    SGoals0,
    SBoth = SGoals0 + 8,
    SMargin0,
    SCount = SMargin0 + 9,
};

using TCounters = std::vector<qint64>;

// A side short of N matches counts none.
TCounters Counters(const std::vector<std::optional<qint64>> &row, int n)
{
    TCounters c(SCount, 0);
    if (n > 0 && row[SMatches].value_or(0) < n)
        return c;
    for (int i = 0; i < SCount; ++i)
        c[i] = row[i].value_or(0);
    return c;
}

QString Share(qint64 part, qint64 total)
{
    return total > 0 ? IntToStr(Round(100.0 * part / total)) : QString();
}

QString Mean(const QString &home, const QString &away)
{
    return home.isEmpty() || away.isEmpty() ? QString()
                                            : IntToStr(Round((home.toInt() + away.toInt()) * 0.5));
}

void Write(QStringList &row, const TCounters &h, const TCounters &a)
{
    const auto set = [&](int col, qint64 value) { row[col] = IntToStr(value); };
    const qint64 homePoints = 3 * h[SWins] + h[SDraws];
    const qint64 awayPoints = 3 * a[SWins] + a[SDraws];
    const qint64 T = h[SWins] + h[SDraws] + h[SLosses];
    const qint64 T2 = a[SWins] + a[SDraws] + a[SLosses];
    set(12, h[SMatches]);
    set(13, homePoints);
    set(14, h[SWins]);
    set(15, h[SDraws]);
    set(16, h[SLosses]);
    row[17] = Share(h[SWins], T);
    row[18] = Share(h[SDraws], T);
    row[19] = Share(h[SLosses], T);
    set(20, awayPoints);
    set(21, a[SLosses]);
    set(22, a[SDraws]);
    set(23, a[SWins]);
    row[24] = Share(a[SLosses], T2);
    row[25] = Share(a[SDraws], T2);
    row[26] = Share(a[SWins], T2);
    set(27, homePoints - awayPoints);
    row[28] = ProposalFor(double(homePoints - awayPoints), kDefaultsB);
    for (int k = 0; k < 3; ++k)
        row[29 + k] = Mean(row[17 + k], row[24 + k]);
    set(45, h[SFor]);
    set(46, h[SAgainst]);
    set(47, a[SFor]);
    set(48, a[SAgainst]);
    set(49, T2);
    set(50, h[SOver]);
    set(51, h[SMatches] - h[SOver]);
    set(52, a[SOver]);
    set(53, a[SMatches] - a[SOver]);
    for (int k = 0; k < 8; ++k) {
        set(55 + k, h[SGoals0 + k]);
        set(63 + k, a[SGoals0 + k]);
    }
    set(71, h[SGoals0]);
    set(72, h[SMatches] - h[SGoals0]);
    set(73, a[SGoals0]);
    set(74, a[SMatches] - a[SGoals0]);
    set(75, h[SGoals0] + a[SGoals0]);
    set(76, h[SMatches] - h[SGoals0] + a[SMatches] - a[SGoals0]);
    for (int k = 0; k < 9; ++k) {
        set(77 + k, h[SMargin0 + k]);
        set(86 + k, a[SMargin0 + k]);
        set(95 + k, h[SMargin0 + k] + a[SMargin0 + k]);
    }
    set(104, h[SMatches] - h[SBoth]);
    set(105, h[SBoth]);
    set(106, a[SMatches] - a[SBoth]);
    set(107, a[SBoth]);
}

void BM_Direct(benchmark::State &state, int n, const std::string &name)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    Statement home(db, SideSql("Ghpedoyxos", "o", "x").c_str());
    Statement away(db, SideSql("Filojenoymenh", "x", "o").c_str());
    RunDirect(state, name, kPage, [&](const auto &m, const QString &date, QStringList &row) {
        const auto h = home.Row({*m[0], *m[1], date, n > 0 ? n : -1});
        const auto a = away.Row({*m[0], *m[2], date, n > 0 ? n : -1});
        Write(row, Counters(*h, n), Counters(*a, n));
    });
}

BENCHMARK_CAPTURE(BM_Direct, n6, 6, "SQL N=6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, n6, 6, "over/under N=6")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Direct, n0, 0, "SQL N=0")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, n0, 0, "over/under N=0")->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    CheckThenPrintBesideSql({{"over/under N=6", "SQL N=6"}, {"over/under N=0", "SQL N=0"}}, OuHomeMatches);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

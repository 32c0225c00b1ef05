// The analysis of a 60-match coupon, with the standings-neighbour estimate, on a database of 6
// seasons of 250 leagues (1,500 leagues of 18 or 20 clubs, 514,500 matches; the coupon holds the
// first match of the analysed weekend of 60 leagues, and the season stops before that weekend), set
// against direct SQL through the SQLite C API giving the same figures in the same run: the coupon's
// matches, their earlier meetings, the nine latest home and away results of their clubs (window
// functions) and the home and away standings of their competitions before their matchday.
#include "coupons/coupon_analysis.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <vector>

using namespace tav::coupons;

namespace {

constexpr int CouponMatches = 60;
constexpr int WindowMatchday = 33;
const TLeagueShape kLeagues{.seasons = 6, .leagues = 250, .spanSeasonNames = true};

QDate WindowFriday()
{
    return kLeagues.MatchDate(kLeagues.seasons - 1, WindowMatchday, 0);
}

// The last season stops before the window's matchday; the first match of that matchday of each of
// the first 60 leagues is on the coupon, numbered as its league.
void Store(sqlite3 *db)
{
    StoreWeekendLeagues(db, kLeagues, WindowMatchday, [](const TFixture &f) {
        const bool coupon = f.season == kLeagues.seasons - 1 && f.day == WindowMatchday &&
                            f.league <= CouponMatches && f.slot == 0;
        return coupon ? QVariant(f.league) : QVariant();
    });
}

TTavrolinDM &Bench()
{
    return FilledDataModule(Store);
}

TCouponAnalysisInput Coupon()
{
    TCouponAnalysisInput input;
    input.DateFrom = WindowFriday();
    input.DateTo = WindowFriday().addDays(3);
    input.EdtKvdApo = QStringLiteral("1");
    input.EdtKvdEos = QString::number(CouponMatches);
    input.ChkExtra = true;
    return input;
}

void BM_RunCouponAnalysis(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    qsizetype rows = 0;
    {
        WallTimer timer(state, "coupon analysis");
        for (auto _ : state)
            rows = RunCouponAnalysis(dm, Coupon()).rows.size() - 1;
    }
    if (rows != CouponMatches)
        state.SkipWithError("the coupon's matches were not all analysed");
    state.counters["matches"] = double(rows);
}

// Steps a statement to its end, reading every column; the number of rows.
int StepAll(sqlite3 *db, sqlite3_stmt *statement)
{
    int rc = 0;
    int rows = 0;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        ++rows;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
    }
    Check(db, rc);
    sqlite3_reset(statement);
    return rows;
}

// The coupon's matches: ?1, ?2 the days, ?3 the day after the last, ?4, ?5 the code range.
#define COUPON_CTE                                                                                           \
    "WITH sel AS (SELECT GameNo, DiorgNo, Agvnistikh, GTeamNo, FTeamNo FROM Agvnes"                          \
    " WHERE \"Date\" >= ?1 AND \"Date\" < ?2 AND OPAPAr >= ?3 AND OPAPAr <= ?4"                              \
    " AND AP1 > 1 AND APX > 1 AND AP2 > 1) "

const char kSelection[] =
    "SELECT a.\"Date\", a.\"Time\", k.OPAP, ph.GrName, pa.GrName, a.TelGGoals, a.TelFGoals, a.OPAPAr,"
    " a.AP1, a.APX, a.AP2 FROM Agvnes a JOIN Diorganvseis d ON d.DNo = a.DiorgNo"
    " JOIN Kathgories k ON k.KatNo = d.KatNo JOIN PerOmades ph ON ph.RecNo = a.Ghpedoyxos"
    " JOIN PerOmades pa ON pa.RecNo = a.Filojenoymenh"
    " WHERE a.\"Date\" >= ?1 AND a.\"Date\" < ?2 AND a.OPAPAr >= ?3 AND a.OPAPAr <= ?4"
    " AND a.AP1 > 1 AND a.APX > 1 AND a.AP2 > 1 ORDER BY a.\"Date\", a.OPAPAr";
const char kMeetings[] =
    COUPON_CTE "SELECT s.GameNo, sum(h.TelGGoals > h.TelFGoals), sum(h.TelGGoals = h.TelFGoals),"
               " sum(h.TelGGoals < h.TelFGoals) FROM sel s JOIN Agvnes h ON h.GTeamNo = s.GTeamNo"
               " AND h.FTeamNo = s.FTeamNo AND h.\"Date\" < ?1 AND h.TelGGoals >= 0 GROUP BY s.GameNo";
const char kHomeForm[] = COUPON_CTE
    ", ranked AS (SELECT a.GTeamNo team, a.TelGGoals hg, a.TelFGoals ag, row_number() OVER"
    " (PARTITION BY a.GTeamNo ORDER BY a.\"Date\" DESC, a.GameNo DESC) n FROM Agvnes a"
    " WHERE a.GTeamNo IN (SELECT GTeamNo FROM sel) AND a.\"Date\" < ?1 AND a.TelGGoals >= 0)"
    " SELECT team, sum(hg > ag), sum(hg = ag), sum(hg < ag) FROM ranked WHERE n <= 9 GROUP BY team";
const char kAwayForm[] = COUPON_CTE
    ", ranked AS (SELECT a.FTeamNo team, a.TelGGoals hg, a.TelFGoals ag, row_number() OVER"
    " (PARTITION BY a.FTeamNo ORDER BY a.\"Date\" DESC, a.GameNo DESC) n FROM Agvnes a"
    " WHERE a.FTeamNo IN (SELECT FTeamNo FROM sel) AND a.\"Date\" < ?1 AND a.TelFGoals >= 0)"
    " SELECT team, sum(hg > ag), sum(hg = ag), sum(hg < ag) FROM ranked WHERE n <= 9 GROUP BY team";
// Home and away points and goal differences of every entry of each coupon match's competition
// before its matchday, in home-table order.
const char kStandings[] = COUPON_CTE
    ", r AS (SELECT s.GameNo g, m.Ghpedoyxos team, 3 * (m.TelGGoals > m.TelFGoals) + (m.TelGGoals = "
    "m.TelFGoals)"
    " hp, m.TelGGoals - m.TelFGoals hd, 0 ap, 0 ad FROM sel s JOIN Agvnes m ON m.DiorgNo = s.DiorgNo"
    " AND m.Agvnistikh BETWEEN 1 AND s.Agvnistikh - 1 AND m.TelGGoals >= 0"
    " UNION ALL SELECT s.GameNo, m.Filojenoymenh, 0, 0, 3 * (m.TelFGoals > m.TelGGoals) +"
    " (m.TelGGoals = m.TelFGoals), m.TelFGoals - m.TelGGoals FROM sel s JOIN Agvnes m"
    " ON m.DiorgNo = s.DiorgNo AND m.Agvnistikh BETWEEN 1 AND s.Agvnistikh - 1 AND m.TelGGoals >= 0)"
    " SELECT g, team, sum(hp), sum(hd), sum(ap), sum(ad) FROM r GROUP BY g, team"
    " ORDER BY g, sum(hp) DESC, sum(hd) DESC";

void BM_DirectSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const std::string from = WindowFriday().toString(Qt::ISODate).toStdString();
    const std::string after = WindowFriday().addDays(4).toString(Qt::ISODate).toStdString();
    std::vector<sqlite3_stmt *> statements;
    for (const char *sql : {kSelection, kMeetings, kHomeForm, kAwayForm, kStandings})
        statements.push_back(Prepare(db, sql));
    int selected = 0;
    {
        WallTimer timer(state, "direct SQL");
        for (auto _ : state) {
            for (sqlite3_stmt *statement : statements) {
                sqlite3_bind_text(statement, 1, from.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 2, after.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(statement, 3, 1);
                sqlite3_bind_int(statement, 4, CouponMatches);
                const int rows = StepAll(db, statement);
                if (statement == statements.front())
                    selected = rows;
            }
        }
    }
    if (selected != CouponMatches)
        state.SkipWithError("the coupon's matches were not all selected");
    for (sqlite3_stmt *statement : statements)
        sqlite3_finalize(statement);
}

BENCHMARK(BM_DirectSql)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RunCouponAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void PrintComparison()
{
    PrintBesideSql("a 60-match coupon", "direct SQL");
    std::printf("(the coupon analysis must stay within 3x the direct SQL)\n");
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

// The points analysis at home and away over a coupon page of 60 checked matches, one of each
// league's matchday 30 of the last season, on a database of 6 seasons of 60 leagues (123,480
// matches), set against direct SQL (the match located through its category and competition, then
// one aggregate per side) computing the same ΔB, in the same run. A ΔB that differs ends the
// program.
#include "couponstats/points_analysis.h"
#include "couponstats/points_columns.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "scores.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tav::couponstats;

namespace {

const TLeagueShape kLeagues{.seasons = 6, .leagues = 60};
constexpr int CouponMatchday = 30;
constexpr int N = 6;

QDate CouponDate()
{
    return kLeagues.MatchDate(kLeagues.seasons - 1, CouponMatchday, 0);
}

// Every match played; the first match of matchday 30 of each league of the last season is on the
// coupon, numbered as its league.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues,
                 {.categoryCode = [](int league) { return QVariant(QStringLiteral("C%1").arg(league)); },
                  .match =
                      [&](const TFixture &f) {
                          TMatchRow row = PlayedMatch(kLeagues, f, scores);
                          row.homeClub = f.HomeEntry();
                          row.awayClub = f.AwayEntry();
                          if (f.season == kLeagues.seasons - 1 && f.day == CouponMatchday && f.slot == 0)
                              row.code = f.league;
                          return row;
                      }});
}

TTavrolinDM &Bench()
{
    return FilledDataModule(Store);
}

QStringList Seasons()
{
    QStringList seasons;
    for (int s = 0; s < kLeagues.seasons; ++s)
        seasons.append(kLeagues.SeasonName(s));
    return seasons;
}

TPageRows Page()
{
    TPageRows rows;
    for (int league = 1; league <= kLeagues.leagues; ++league) {
        QStringList row(PtColumnCount);
        row[0] = QStringLiteral("1");
        row[1] = QString::number(league);
        row[2] = QStringLiteral("C%1").arg(league);
        row[3] = CouponDate().toString(QStringLiteral("dd/MM/yyyy"));
        row[11] = row[1];
        rows.append(row);
    }
    return rows;
}

std::vector<int> &Differences(bool engine)
{
    static std::vector<int> differences[2];
    return differences[engine ? 1 : 0];
}

void BM_RunPointsAnalysis(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    const QStringList periods = Seasons();
    const QByteArray checks(kLeagues.leagues, 1);
    TThresholdTexts thresholds;
    TPageRows rows;
    {
        WallTimer timer(state, "RunPointsAnalysis");
        for (auto _ : state) {
            rows = Page();
            TPageRun run{rows, checks, periods, thresholds, 0, N, [] { return true; }};
            TPointsAnalysis(dm).RunPointsAnalysis(run);
        }
    }
    Differences(true).clear();
    for (const QStringList &row : rows)
        Differences(true).push_back(row[PtDifference].toInt());
}

// The coupon's match, once a season holds the competition of its category.
const char kMatchSql[] =
    "SELECT a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh FROM Kathgories k JOIN Agvnes a"
    " ON a.\"Date\" = ?3 AND a.OPAPAr = ?4 WHERE k.OPAP = ?1"
    " AND EXISTS (SELECT 1 FROM Diorganvseis c WHERE c.KatNo = k.KatNo AND c.Periodos = ?2) LIMIT 1";
// Points of the side's latest N matches at home (?3 = 1) or away (?3 = 0), when there are N.
const char kPointsSql[] =
    "SELECT CASE WHEN COUNT(*) = ?5 THEN SUM(CASE WHEN g = f THEN 1 WHEN (g > f) = (?3 = 1) THEN 3 ELSE 0 "
    "END)"
    " ELSE 0 END FROM (SELECT TelGGoals g, TelFGoals f FROM Agvnes WHERE DiorgNo = ?1"
    " AND CASE WHEN ?3 = 1 THEN Ghpedoyxos ELSE Filojenoymenh END = ?2 AND TelGGoals >= 0 AND \"Date\" < ?4"
    " ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?5)";

void BM_PointsSql(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    sqlite3_stmt *match = Prepare(db, kMatchSql);
    sqlite3_stmt *points = Prepare(db, kPointsSql);
    const QByteArray date = CouponDate().toString(Qt::ISODate).toUtf8();
    const QByteArray season = kLeagues.SeasonName(0).toUtf8();
    std::vector<int> differences;
    {
        WallTimer timer(state, "SQL points");
        for (auto _ : state) {
            differences.clear();
            for (int league = 1; league <= kLeagues.leagues; ++league) {
                const QByteArray opap = "C" + QByteArray::number(league);
                sqlite3_bind_text(match, 1, opap.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(match, 2, season.constData(), -1, SQLITE_STATIC);
                sqlite3_bind_text(match, 3, date.constData(), -1, SQLITE_STATIC);
                sqlite3_bind_int(match, 4, league);
                Check(db, sqlite3_step(match));
                const int diorg = sqlite3_column_int(match, 0);
                const int teams[2] = {sqlite3_column_int(match, 1), sqlite3_column_int(match, 2)};
                sqlite3_reset(match);
                int sides[2] = {0, 0};
                for (int side = 0; side < 2; ++side) {
                    sqlite3_bind_int(points, 1, diorg);
                    sqlite3_bind_int(points, 2, teams[side]);
                    sqlite3_bind_int(points, 3, side == 0 ? 1 : 0);
                    sqlite3_bind_text(points, 4, date.constData(), -1, SQLITE_STATIC);
                    sqlite3_bind_int(points, 5, N);
                    Check(db, sqlite3_step(points));
                    sides[side] = sqlite3_column_int(points, 0);
                    sqlite3_reset(points);
                }
                differences.push_back(sides[0] - sides[1]);
            }
        }
    }
    sqlite3_finalize(match);
    sqlite3_finalize(points);
    Differences(false) = differences;
}

BENCHMARK(BM_PointsSql)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunPointsAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    if (!Differences(true).empty() && !Differences(false).empty() &&
        Differences(true) != Differences(false)) {
        std::fprintf(stderr, "the analysis and the SQL give different ΔB\n");
        std::exit(1);
    }
    PrintBesideSql("Points analysis, 60 rows", "SQL points");
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

// The analyses of a statistics page of 60 checked coupon rows, one match of each of 60 leagues, on
// a database of 6 seasons of 60 leagues (360 leagues of 18 or 20 clubs, 123,480 matches): the
// standings points over the latest 6 and over all matches, the positions in the points table and
// the head-to-head points, each beside the simplest direct way of filling the same cells (the
// same look-ups and counts as SQL statements through the SQLite C API) in the same run. Cells that
// differ end the program.
#include "couponstats/kind_analysis.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "platform/core/format.h"
#include "scores.h"
#include "wall_timer.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace tav::couponstats;

namespace {

const TLeagueShape kLeagues{.seasons = 6, .leagues = 60};
// The coupon's matches: the first match of this matchday of every league of the last season.
constexpr int CouponMatchday = 30;

QString Code(int league)
{
    return QStringLiteral("L%1").arg(league, 2, 10, QLatin1Char('0'));
}

QDate CouponDate()
{
    return kLeagues.MatchDate(kLeagues.seasons - 1, CouponMatchday, 0);
}

// Every match played but the coupon's, each numbered on the coupon by its place in its matchday
// and the coupon's by its league.
void Store(sqlite3 *db)
{
    TScores scores;
    StoreLeagues(db, kLeagues,
                 {.categoryCode = [](int league) { return QVariant(Code(league)); },
                  .match =
                      [&](const TFixture &f) {
                          TMatchRow row = PlayedMatch(kLeagues, f, scores);
                          row.homeClub = f.HomeClub();
                          row.awayClub = f.AwayClub();
                          row.code = f.slot + 1;
                          if (f.season == kLeagues.seasons - 1 && f.day == CouponMatchday && f.slot == 0)
                              row = {.date = row.date,
                                     .homeClub = row.homeClub,
                                     .awayClub = row.awayClub,
                                     .code = f.league};
                          return row;
                      }});
}

TTavrolinDM &Bench()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = NewFilledDataModule(folder.path(), Store);
    return *dm;
}

// The page as the chain hands it over: the titles, then one checked row per coupon match.
QList<QStringList> FreshRows()
{
    QList<QStringList> rows{QStringList(kPageColumns, QStringLiteral("τίτλος"))};
    for (int league = 1; league <= kLeagues.leagues; ++league) {
        QStringList row(kPageColumns);
        row[PgCheck] = QStringLiteral("1");
        row[PgCode] = QString::number(league);
        row[PgDiorg] = Code(league);
        row[PgDate] = DateToStr(CouponDate());
        row[PgHomeTeam] = QStringLiteral("Γηπεδούχος %1").arg(league);
        row[PgAwayTeam] = QStringLiteral("Φιλοξενούμενη %1").arg(league);
        rows.append(row);
    }
    return rows;
}

const QStringList &Periods()
{
    static const QStringList periods{kLeagues.SeasonName(kLeagues.seasons - 1),
                                     kLeagues.SeasonName(kLeagues.seasons - 2)};
    return periods;
}

// The filled rows of each run, which the engine and the statements must agree on.
std::map<std::string, QList<QStringList>> &Filled()
{
    static std::map<std::string, QList<QStringList>> filled;
    return filled;
}

void BM_Engine(benchmark::State &state, int kind, int n, const std::string &name)
{
    TTavrolinDM &dm = Bench();
    const QByteArray checks(kLeagues.leagues, 1);
    QList<QStringList> rows;
    {
        WallTimer timer(state, name);
        for (auto _ : state) {
            rows = FreshRows();
            TThresholdTexts thresholds;
            RunKindAnalysis(dm, {rows, checks, Periods(), thresholds}, kind, n, [] { return true; });
        }
    }
    Filled()[name] = rows;
}

// A prepared statement of the direct runs, finalized when it goes.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) : db_(db)
    {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &s_, nullptr));
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // The first row's integers (a null as nullopt), the values bound; none without a row.
    std::optional<std::vector<std::optional<qint64>>> Row(const std::vector<QVariant> &values)
    {
        for (int i = 0; i < int(values.size()); ++i) {
            if (values[i].typeId() == QMetaType::QString)
                sqlite3_bind_text(s_, i + 1, values[i].toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
            else
                sqlite3_bind_int64(s_, i + 1, values[i].toLongLong());
        }
        std::optional<std::vector<std::optional<qint64>>> row;
        const int rc = sqlite3_step(s_);
        Check(db_, rc);
        if (rc == SQLITE_ROW) {
            row.emplace();
            for (int c = 0; c < sqlite3_column_count(s_); ++c)
                row->push_back(sqlite3_column_type(s_, c) == SQLITE_NULL
                                   ? std::nullopt
                                   : std::optional<qint64>(sqlite3_column_int64(s_, c)));
        }
        sqlite3_reset(s_);
        return row;
    }

private:
    sqlite3 *db_;
    sqlite3_stmt *s_ = nullptr;
};

const char kMatchSql[] =
    "SELECT a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh, a.GTeamNo, a.FTeamNo FROM Kathgories k"
    " JOIN Diorganvseis d ON d.KatNo = k.KatNo JOIN Agvnes a ON a.DiorgNo = d.DNo"
    " WHERE k.OPAP = ?1 AND d.Periodos IN (?2, ?3) AND a.\"Date\" = ?4 AND a.OPAPAr = ?5";

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

// Fills each row through the statements the way the kind computes it.
template <typename Fill> void BM_Direct(benchmark::State &state, const std::string &name, Fill fill)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    Statement match(db, kMatchSql);
    const QString date = CouponDate().toString(Qt::ISODate);
    QList<QStringList> rows;
    {
        WallTimer timer(state, name);
        for (auto _ : state) {
            rows = FreshRows();
            for (int r = 1; r < rows.size(); ++r) {
                const auto found =
                    match.Row({rows[r][PgDiorg], Periods()[0], Periods()[1], date, rows[r][PgCode].toInt()});
                if (found)
                    fill(db, *found, date, rows[r]);
            }
        }
    }
    Filled()[name] = rows;
}

void BM_PointsSql(benchmark::State &state, int n, const std::string &name)
{
    Statement points(Bench().TavrolinDb.Handle(), kPointsSql);
    BM_Direct(state, name, [&](sqlite3 *, const auto &m, const QString &date, QStringList &row) {
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
    BM_Direct(state, name, [&](sqlite3 *, const auto &m, const QString &, QStringList &row) {
        Check(db, sqlite3_exec(db, kEmptyDynamhSql, nullptr, nullptr, nullptr));
        fillTable.Row({*m[0], CouponDate().addDays(-2).toString(Qt::ISODate)});
        const auto p = positions.Row({*m[1], *m[2]});
        WriteValues(row, *(*p)[0], *(*p)[1], kDefaultsA);
    });
}

void BM_MeetingsSql(benchmark::State &state, int n, const std::string &name)
{
    Statement meetings(Bench().TavrolinDb.Handle(), kMeetingsSql);
    BM_Direct(state, name, [&](sqlite3 *, const auto &m, const QString &date, QStringList &row) {
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
    const std::pair<std::string, std::string> pairs[] = {
        {"kind 0 N=6", "SQL kind 0 N=6"},
        {"kind 0 N=0", "SQL kind 0 N=0"},
        {"kind 6", "SQL kind 6"},
        {"kind 2 N=5", "SQL kind 2 N=5"},
    };
    for (const auto &[engine, sql] : pairs) {
        const auto e = Filled().find(engine);
        const auto s = Filled().find(sql);
        if (e == Filled().end() || s == Filled().end())
            continue;
        if (e->second != s->second) {
            std::fprintf(stderr, "%s fills other cells than the statements\n", engine.c_str());
            std::exit(1);
        }
        PrintBesideSql("60 coupon rows", sql, {engine});
    }
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

#pragma once

// What the coupon statistics benchmarks share: their large database, 6 seasons of 60 leagues (360
// leagues of 18 or 20 clubs, 123,480 matches), every match played but the coupon's (the first match
// of one matchday of every league of the last season), made once per program in a temporary program
// folder; the page of 60 checked coupon rows, one match of each league, that an analysis fills; and
// the runs of an analysis and of the direct way of filling the same cells beside it, whose filled
// rows must agree.
#include "couponstats/page_analysis.h"
#include "data/data_module.h"
#include "direct_sql.h"
#include "league_database.h"
#include "platform/core/format.h"
#include "scores.h"
#include "wall_timer.h"

#include <QDate>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace coupon_page {

inline const TLeagueShape kLeagues{.seasons = 6, .leagues = 60};
// The coupon's matches: the first match of this matchday of every league of the last season.
inline constexpr int CouponMatchday = 30;

inline QString Code(int league)
{
    return QStringLiteral("L%1").arg(league, 2, 10, QLatin1Char('0'));
}

inline QDate CouponDate()
{
    return kLeagues.MatchDate(kLeagues.seasons - 1, CouponMatchday, 0);
}

// Every match played but the coupon's, whose goals are drawn all the same, so that the others keep
// theirs; the matches are numbered on the coupon by their place in their matchday, the coupon's by
// its league.
inline void Store(sqlite3 *db)
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
                          if (f.season == kLeagues.seasons - 1 && f.day == CouponMatchday && f.slot == 0) {
                              row.homeGoals = QVariant();
                              row.awayGoals = QVariant();
                              row.code = f.league;
                          }
                          return row;
                      }});
}

// The seasons a page looks the coupon's matches up in: the last two.
inline const QStringList &Periods()
{
    static const QStringList periods{kLeagues.SeasonName(kLeagues.seasons - 1),
                                     kLeagues.SeasonName(kLeagues.seasons - 2)};
    return periods;
}

inline TTavrolinDM &Bench()
{
    return FilledDataModule(Store);
}

// A prepared statement of the direct runs, finalized when it goes.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) : db_(db), s_(Prepare(db, sql)) {}
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
    sqlite3_stmt *s_;
};

// The coupon row's match: its competition, home and away entries and home and away clubs.
inline const char kMatchSql[] =
    "SELECT a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh, a.GTeamNo, a.FTeamNo FROM Kathgories k"
    " JOIN Diorganvseis d ON d.KatNo = k.KatNo JOIN Agvnes a ON a.DiorgNo = d.DNo"
    " WHERE k.OPAP = ?1 AND d.Periodos IN (?2, ?3) AND a.\"Date\" = ?4 AND a.OPAPAr = ?5";

// Where a page keeps the coupon's cells; the score page keeps its running number before them, so
// they sit one column further right there.
struct TPageLayout
{
    int columns = tav::couponstats::kPageColumns;
    int number = -1; // none
    int code = tav::couponstats::PgCode;
    int diorg = tav::couponstats::PgDiorg;
    int date = tav::couponstats::PgDate;
};

// The page as the chain hands it over: the titles, then one checked row per coupon match.
inline QList<QStringList> FreshRows(const TPageLayout &page)
{
    QList<QStringList> rows{QStringList(page.columns, QStringLiteral("τίτλος"))};
    for (int league = 1; league <= kLeagues.leagues; ++league) {
        QStringList row(page.columns);
        row[tav::couponstats::PgCheck] = QStringLiteral("1");
        if (page.number >= 0)
            row[page.number] = QString::number(league);
        row[page.code] = QString::number(league);
        row[page.diorg] = Code(league);
        row[page.date] = DateToStr(CouponDate());
        row[tav::couponstats::PgHomeTeam] = QStringLiteral("Γηπεδούχος %1").arg(league);
        row[tav::couponstats::PgAwayTeam] = QStringLiteral("Φιλοξενούμενη %1").arg(league);
        rows.append(row);
    }
    return rows;
}

// The filled rows of each run, by the run's name, which an analysis and its direct run must agree on.
inline std::map<std::string, QList<QStringList>> &Filled()
{
    static std::map<std::string, QList<QStringList>> filled;
    return filled;
}

// Times analyse(dm, grid) over fresh rows of the page, the thresholds new each time, and keeps the
// rows of the last run.
template <typename Analyse>
void RunAnalysis(benchmark::State &state, const std::string &name, const TPageLayout &page, Analyse analyse)
{
    TTavrolinDM &dm = Bench();
    const QByteArray checks(kLeagues.leagues, 1);
    QList<QStringList> rows;
    {
        WallTimer timer(state, name);
        for (auto _ : state) {
            rows = FreshRows(page);
            tav::couponstats::TThresholdTexts thresholds;
            analyse(dm, tav::couponstats::TPageGrid{rows, checks, Periods(), thresholds});
        }
    }
    Filled()[name] = rows;
}

// Times the direct way over fresh rows of the page: each row's match looked up, then
// fill(match, date, row) for the rows whose match is found, the date as stored; keeps the rows of
// the last run.
template <typename Fill>
void RunDirect(benchmark::State &state, const std::string &name, const TPageLayout &page, Fill fill)
{
    Statement match(Bench().TavrolinDb.Handle(), kMatchSql);
    const QString date = CouponDate().toString(Qt::ISODate);
    QList<QStringList> rows;
    {
        WallTimer timer(state, name);
        for (auto _ : state) {
            rows = FreshRows(page);
            for (int r = 1; r < rows.size(); ++r) {
                const auto found = match.Row(
                    {rows[r][page.diorg], Periods()[0], Periods()[1], date, rows[r][page.code].toInt()});
                if (found)
                    fill(*found, date, rows[r]);
            }
        }
    }
    Filled()[name] = rows;
}

// Each analysis run beside its direct run, both timed: rows that differ end the program, and so do
// rows whose analysed cell (when given) is empty, as equal rows prove nothing unless the matches
// were found and analysed; then the times are printed.
inline void CheckThenPrintBesideSql(const std::vector<std::pair<std::string, std::string>> &pairs,
                                    std::optional<int> analysedCell = std::nullopt)
{
    for (const auto &[engine, sql] : pairs) {
        const auto e = Filled().find(engine);
        const auto s = Filled().find(sql);
        if (e == Filled().end() || s == Filled().end())
            continue;
        if (analysedCell && e->second.value(1).value(*analysedCell).isEmpty()) {
            std::fprintf(stderr, "%s analysed no row\n", engine.c_str());
            std::exit(1);
        }
        if (e->second != s->second) {
            std::fprintf(stderr, "%s fills other cells than the statements\n", engine.c_str());
            std::exit(1);
        }
        PrintBesideSql("60 coupon rows", sql, {engine});
    }
}

} // namespace coupon_page

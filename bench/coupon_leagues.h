#pragma once

// The large database of the coupon statistics benchmarks: 6 seasons of 60 leagues (360 leagues of
// 18 or 20 clubs, 123,480 matches), every match played but the coupon's (the first match of one
// matchday of every league of the last season), made once per program in a temporary program
// folder; and a prepared statement for the direct runs beside the engines.
#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "scores.h"

#include <QDate>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace coupon_leagues {

inline constexpr int SeasonCount = 6;
inline constexpr int LeagueCount = 60;
inline constexpr int FirstYear = 2000;
// The coupon's matches: the first match of this matchday of every league of the last season.
inline constexpr int CouponMatchday = 30;

inline int TeamsOf(int league)
{
    return league % 2 == 0 ? 20 : 18;
}

inline QString Code(int league)
{
    return QStringLiteral("L%1").arg(league, 2, 10, QLatin1Char('0'));
}

inline QString Season(int s)
{
    return QString::number(FirstYear + s);
}

inline void Run(SqliteStatement &statement, const QVariantList &values)
{
    statement.BindAll(values);
    statement.Execute();
    statement.Reset();
}

inline QDate MatchDate(int season, int day, int match)
{
    return QDate(FirstYear + season, 8, 22).addDays(7 * day - 2 + match % 4);
}

inline QDate CouponDate()
{
    return MatchDate(SeasonCount - 1, CouponMatchday, 0);
}

// Every match played but the coupon's, a double round of each league; a club keeps its team
// number from season to season, so that its meetings with another club span the seasons.
inline void Store(sqlite3 *db)
{
    TScores scores;
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral("INSERT INTO Krath (RecNo, Name) VALUES (1, 'Ελλάδα')"));
    SqliteStatement category(db, QStringLiteral("INSERT INTO Kathgories (KatNo, GrName, Kratos, Typos, OPAP) "
                                                "VALUES (?1, ?2, 1, 0, ?3)"));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, 0, 2, 1)"));
    SqliteStatement match(
        db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                           "TelGGoals, TelFGoals, \"Date\", GTeamNo, FTeamNo, OPAPAr) "
                           "VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, ?8, ?9, ?10)"));
    for (int league = 1; league <= LeagueCount; ++league)
        Run(category, {league, QStringLiteral("Κατηγορία %1").arg(league), Code(league)});
    for (int s = 0; s < SeasonCount; ++s) {
        Run(season, {Season(s)});
        for (int league = 1; league <= LeagueCount; ++league) {
            const int DNo = s * LeagueCount + league;
            const int teams = TeamsOf(league);
            Run(competition, {DNo, league, Season(s), teams});
            std::vector<int> circle;
            for (int i = 1; i <= teams; ++i)
                circle.push_back(i);
            for (int day = 1; day <= 2 * (teams - 1); ++day) {
                for (int k = 0; k < teams / 2; ++k) {
                    int home = circle[k];
                    int away = circle[teams - 1 - k];
                    if (day % 2 == 0)
                        std::swap(home, away);
                    const bool coupon = s == SeasonCount - 1 && day == CouponMatchday && k == 0;
                    const int g = scores.Next();
                    const int f = scores.Next() % 3;
                    Run(match, {DNo, day, DNo * 100 + home, DNo * 100 + away, coupon ? QVariant() : g,
                                coupon ? QVariant() : f, MatchDate(s, day, k).toString(Qt::ISODate),
                                league * 100 + home, league * 100 + away, coupon ? QVariant(league) : k + 1});
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    transaction.Commit();
}

// The seasons a page looks the coupon's matches up in: the last two.
inline const QStringList &Periods()
{
    static const QStringList periods{Season(SeasonCount - 1), Season(SeasonCount - 2)};
    return periods;
}

inline TTavrolinDM &Bench()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [] {
        UseBenchProgramFolder(folder.path());
        // The thresholds are read from settings of the folder's own, never the user's.
        qputenv("XDG_CONFIG_HOME", (folder.path() + QStringLiteral("/config")).toLocal8Bit());
        auto *made = new TTavrolinDM;
        Store(made->TavrolinDb.Handle());
        return made;
    }();
    return *dm;
}

inline void Check(sqlite3 *db, int rc)
{
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW)
        return;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::exit(1);
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

inline const char kMatchSql[] =
    "SELECT a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh, a.GTeamNo, a.FTeamNo FROM Kathgories k"
    " JOIN Diorganvseis d ON d.KatNo = k.KatNo JOIN Agvnes a ON a.DiorgNo = d.DNo"
    " WHERE k.OPAP = ?1 AND d.Periodos IN (?2, ?3) AND a.\"Date\" = ?4 AND a.OPAPAr = ?5";

} // namespace coupon_leagues

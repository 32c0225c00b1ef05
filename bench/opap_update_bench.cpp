// The update of matches from a 60-row coupon on a database of 6 seasons of 40 leagues (240 leagues
// of 18 clubs, 73,440 matches), beside keyed SQL UPDATEs of the same matches through the SQLite C
// API, in the same run. The written values are checked to agree.
#include "coupons/opap_update.h"
#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "wall_timer.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tav::coupons;

namespace {

constexpr int SeasonCount = 6;
constexpr int LeagueCount = 40;
constexpr int Teams = 18;
constexpr int FirstYear = 2000;
constexpr int CouponLeagues = 10;
constexpr int PairsPerLeague = 6;

void Run(SqliteStatement &statement, const QVariantList &values)
{
    statement.BindAll(values);
    statement.Execute();
    statement.Reset();
}

QString Code(int league)
{
    return QStringLiteral("L%1").arg(league, 2, 10, QLatin1Char('0'));
}

QString CouponName(int league, int team)
{
    return QStringLiteral("T%1-%2").arg(league).arg(team);
}

int LastSeasonDNo(int league)
{
    return (SeasonCount - 1) * LeagueCount + league;
}

// Every league a country of its own, with the same clubs every season and a double round.
void Store(sqlite3 *db)
{
    TransactionGuard transaction(db);
    SqliteStatement country(db, QStringLiteral("INSERT INTO Krath (RecNo, Name) VALUES (?1, ?2)"));
    SqliteStatement category(db, QStringLiteral("INSERT INTO Kathgories (KatNo, GrName, Kratos, Typos, OPAP) "
                                                "VALUES (?1, ?2, ?1, 0, ?3)"));
    SqliteStatement team(db, QStringLiteral("INSERT INTO Omades (KratosNo, Name, EnName, TeamNo, OPAPName) "
                                            "VALUES (?1, ?2, ?2, ?3, ?4)"));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "Rounds, KratosNo) VALUES (?1, ?2, ?3, ?4, 3, 1, 0, 0, 2, ?2)"));
    SqliteStatement entry(
        db, QStringLiteral("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo) VALUES (?1, ?2, ?3)"));
    SqliteStatement match(
        db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                           "TelGGoals, TelFGoals, \"Date\", GTeamNo, FTeamNo) "
                           "VALUES (?1, ?2, ?3, ?4, 0, 1, 0, ?5, ?6, ?7)"));
    for (int league = 1; league <= LeagueCount; ++league) {
        Run(country, {league, QStringLiteral("Χώρα %1").arg(league)});
        Run(category, {league, QStringLiteral("Κατηγορία %1").arg(league), Code(league)});
        for (int i = 1; i <= Teams; ++i)
            Run(team, {league, QStringLiteral("Ομάδα %1 %2").arg(league).arg(i), league * 100 + i,
                       CouponName(league, i)});
    }
    for (int s = 0; s < SeasonCount; ++s) {
        const QString text = QString::number(FirstYear + s);
        Run(season, {text});
        for (int league = 1; league <= LeagueCount; ++league) {
            const int DNo = s * LeagueCount + league;
            Run(competition, {DNo, league, text, Teams});
            for (int i = 1; i <= Teams; ++i)
                Run(entry, {DNo * 100 + i, league * 100 + i, DNo});
            std::vector<int> circle;
            for (int i = 1; i <= Teams; ++i)
                circle.push_back(i);
            for (int day = 1; day <= 2 * (Teams - 1); ++day) {
                for (int k = 0; k < Teams / 2; ++k) {
                    int home = circle[k];
                    int away = circle[Teams - 1 - k];
                    if (day > Teams - 1)
                        std::swap(home, away);
                    const QDate date = QDate(FirstYear + s, 8, 22).addDays(7 * day);
                    Run(match, {DNo, day, DNo * 100 + home, DNo * 100 + away, date.toString(Qt::ISODate),
                                league * 100 + home, league * 100 + away});
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    transaction.Commit();
}

TTavrolinDM &Bench()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [] {
        UseBenchProgramFolder(folder.path());
        auto *made = new TTavrolinDM;
        Store(made->TavrolinDb.Handle());
        for (TDataSet *table : made->Tables())
            table->Open();
        return made;
    }();
    return *dm;
}

// Ten leagues of the last season, six meetings each: every ordered pair meets once a season.
QList<QStringList> Coupon()
{
    QList<QStringList> rows;
    int code = 1;
    for (int league = 1; league <= CouponLeagues; ++league) {
        for (int k = 1; k <= PairsPerLeague; ++k) {
            rows.append({QString::number(code++), Code(league), QStringLiteral("06/03/2005"),
                         QStringLiteral("17:00"), CouponName(league, k),
                         CouponName(league, k + PairsPerLeague), QStringLiteral("1,85"),
                         QStringLiteral("3,20"), QStringLiteral("4,10"), QString()});
        }
    }
    return rows;
}

// The coupon numbers stored in the coupon's matches, in coupon order.
std::vector<qint64> StoredCodes(sqlite3 *db)
{
    std::vector<qint64> codes;
    SqliteStatement read(db, QStringLiteral("SELECT OPAPAr, AP1 FROM Agvnes WHERE DiorgNo = ?1 AND "
                                            "Ghpedoyxos = ?2 AND Filojenoymenh = ?3"));
    for (int league = 1; league <= CouponLeagues; ++league) {
        const int DNo = LastSeasonDNo(league);
        for (int k = 1; k <= PairsPerLeague; ++k) {
            read.BindAll({DNo, DNo * 100 + k, DNo * 100 + k + PairsPerLeague});
            codes.push_back(read.Step() ? read.Int64(0) : -1);
            read.Reset();
        }
    }
    return codes;
}

void Clear(sqlite3 *db)
{
    ExecSql(db, QStringLiteral("UPDATE Agvnes SET OPAPAr = NULL"));
}

std::vector<qint64> &Written(int which)
{
    static std::vector<qint64> written[2];
    return written[which];
}

void BM_OpapUpdate(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    Clear(dm.TavrolinDb.Handle());
    TOpapUpdate update(dm, {});
    {
        WallTimer timer(state, "update from coupon");
        for (auto _ : state) {
            QList<QStringList> rows = Coupon();
            const TOpapResult result =
                update.Run(rows, {QString::number(FirstYear + SeasonCount - 1)},
                           QDateTime(QDate(FirstYear + SeasonCount - 1, 3, 6), QTime()));
            if (result.outcome != TOpapOutcome::Done) {
                std::fprintf(stderr, "update failed: %s\n", qPrintable(result.error));
                std::exit(1);
            }
        }
    }
    Written(0) = StoredCodes(dm.TavrolinDb.Handle());
}

void BM_KeyedSqlUpdates(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    Clear(db);
    SqliteStatement write(
        db, QStringLiteral("UPDATE Agvnes SET OPAPAr = ?1, \"Date\" = ?2, \"Time\" = ?3, AP1 = ?4, "
                           "APX = ?5, AP2 = ?6 WHERE DiorgNo = ?7 AND Ghpedoyxos = ?8 AND "
                           "Filojenoymenh = ?9"));
    {
        WallTimer timer(state, "keyed SQL UPDATEs");
        for (auto _ : state) {
            int code = 1;
            for (int league = 1; league <= CouponLeagues; ++league) {
                const int DNo = LastSeasonDNo(league);
                for (int k = 1; k <= PairsPerLeague; ++k)
                    Run(write, {code++, QStringLiteral("2005-03-06"), QStringLiteral("17:00:00"), 1.85, 3.2,
                                4.1, DNo, DNo * 100 + k, DNo * 100 + k + PairsPerLeague});
            }
        }
    }
    Written(1) = StoredCodes(db);
}

BENCHMARK(BM_OpapUpdate);
BENCHMARK(BM_KeyedSqlUpdates);

void PrintComparison()
{
    const std::map<std::string, double> &times = WallTimes();
    const auto e = times.find("update from coupon");
    const auto s = times.find("keyed SQL UPDATEs");
    if (e == times.end() || s == times.end())
        return;
    if (Written(0) != Written(1)) {
        std::fprintf(stderr, "the update wrote other matches than the keyed statements\n");
        std::exit(1);
    }
    std::printf("\n%-24s %12s %12s %9s\n", "60-row coupon", "engine ms", "SQL ms", "ratio");
    std::printf("%-24s %12.3f %12.3f %8.2fx (at most 3x)\n", "update from coupon", e->second / 1e6,
                s->second / 1e6, e->second / s->second);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

// Comparing a 60-match coupon with 100,000 stored averages of the odds service (2,000 teams): the
// comparison engine's keyed look-ups of teams and averages, set against the direct keyed SELECTs
// of the same rows in the same run. A different number of found matches ends the program.
#include "coupons/betbrain_compare.h"
#include "data/data_module.h"
#include "league_database.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace tav::coupons;

namespace {

constexpr int TeamCount = 2000;
constexpr int AverageCount = 100000;
constexpr int CouponRows = 60;
const QDate FirstDay(2004, 1, 1);

QString TeamName(int team)
{
    return QStringLiteral("TEAM %1").arg(team);
}

// Match i: teams i % TeamCount + 1 and (i * 7 + 3) % TeamCount + 1 on day i / 50.
int HomeOf(int i)
{
    return i % TeamCount + 1;
}
int AwayOf(int i)
{
    return (i * 7 + 3) % TeamCount + 1;
}
QDate DayOf(int i)
{
    return FirstDay.addDays(i / 50);
}

void Store(sqlite3 *db)
{
    TransactionGuard transaction(db);
    SqliteStatement team(db,
                         QStringLiteral("INSERT INTO BETBRAINOMADES (AUTONUM, OpapName) VALUES (?1, ?2)"));
    for (int t = 1; t <= TeamCount; ++t) {
        team.Reset();
        team.BindAll({t, TeamName(t)});
        team.Execute();
    }
    SqliteStatement average(
        db, QStringLiteral("INSERT INTO BETBRAIN (bDate, GNo, FNo, AVGHOME, AVGDraw, AVGAWAY) "
                           "VALUES (?1, ?2, ?3, 2.1, 3.2, 3.4)"));
    for (int i = 0; i < AverageCount; ++i) {
        average.Reset();
        average.BindAll({DayOf(i).toString(Qt::ISODate), HomeOf(i), AwayOf(i)});
        average.Execute();
    }
    transaction.Commit();
}

TTavrolinDM &Bench()
{
    return FilledDataModule(Store);
}

// The coupon: every 1,000th stored match a day later than stored, every tenth row unknown.
QList<QStringList> Coupon()
{
    QList<QStringList> rows;
    for (int r = 0; r < CouponRows; ++r) {
        const int i = r * 1000 + 17;
        QStringList row(betbrain::ColumnCount);
        row[betbrain::Date] = DayOf(i).addDays(1).toString(QStringLiteral("dd/MM/yyyy"));
        row[betbrain::Home] = r % 10 == 9 ? QStringLiteral("UNKNOWN") : TeamName(HomeOf(i));
        row[betbrain::Away] = TeamName(AwayOf(i));
        row[betbrain::Odd1] = QStringLiteral("2,2");
        row[betbrain::OddX] = QStringLiteral("3,1");
        row[betbrain::Odd2] = QStringLiteral("3,3");
        rows << row;
    }
    return rows;
}

std::map<std::string, int> &Found()
{
    static std::map<std::string, int> found;
    return found;
}

void BM_CompareCoupon(benchmark::State &state)
{
    TTavrolinDM &dm = Bench();
    const QList<QStringList> coupon = Coupon();
    int found = 0;
    {
        WallTimer timer(state, "compare coupon");
        for (auto _ : state) {
            found = 0;
            TBetBrainLookup lookup(dm);
            for (QStringList row : coupon)
                if (const auto averages = lookup.FindRow(row)) {
                    CompareRow(row, *averages);
                    ++found;
                }
        }
    }
    Found()["compare coupon"] = found;
}

void BM_KeyedSelects(benchmark::State &state)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const QList<QStringList> coupon = Coupon();
    SqliteStatement team(db, QStringLiteral("SELECT AUTONUM FROM BETBRAINOMADES WHERE OpapName = ?1"));
    SqliteStatement average(db,
                            QStringLiteral("SELECT AVGHOME, AVGDraw, AVGAWAY FROM BETBRAIN WHERE bDate = ?1 "
                                           "AND GNo = ?2 AND FNo = ?3"));
    const auto teamNo = [&team](const QString &name) {
        team.Reset();
        team.BindAll({name});
        return team.Step() ? int(team.Int64(0)) : 0;
    };
    int found = 0;
    {
        WallTimer timer(state, "keyed SELECTs");
        for (auto _ : state) {
            found = 0;
            for (const QStringList &row : coupon) {
                const auto home = teamNo(row[betbrain::Home]);
                const auto away = teamNo(row[betbrain::Away]);
                if (home <= 0 || away <= 0)
                    continue;
                const QDate day = QDate::fromString(row[betbrain::Date], QStringLiteral("dd/MM/yyyy"));
                for (const int shift : {0, -1, 1}) {
                    average.Reset();
                    average.BindAll({day.addDays(shift).toString(Qt::ISODate), home, away});
                    if (average.Step()) {
                        ++found;
                        break;
                    }
                }
            }
        }
    }
    Found()["keyed SELECTs"] = found;
}

BENCHMARK(BM_KeyedSelects)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompareCoupon)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintComparison()
{
    if (Found().contains("compare coupon") && Found().contains("keyed SELECTs") &&
        Found()["compare coupon"] != Found()["keyed SELECTs"]) {
        std::fprintf(stderr, "the comparison found %d matches, the SELECTs %d\n", Found()["compare coupon"],
                     Found()["keyed SELECTs"]);
        std::exit(1);
    }
    PrintEngineBesideSql("60-row coupon", {{"compare coupon", "keyed SELECTs"}});
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

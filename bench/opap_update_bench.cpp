// The update of matches from a 60-row coupon on a database of 6 seasons of 40 leagues (240 leagues
// of 18 clubs, 73,440 matches), beside keyed SQL UPDATEs of the same matches through the SQLite C
// API, in the same run. The written values are checked to agree.
#include "coupons/opap_update.h"
#include "data/data_module.h"
#include "league_database.h"
#include "wall_timer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tav::coupons;

namespace {

constexpr int Teams = 18;
const TLeagueShape kLeagues{.seasons = 6,
                            .leagues = 40,
                            .teamsOf = [](int) { return Teams; },
                            .swapInSecondRound = true,
                            .countryPerLeague = true};
constexpr int CouponLeagues = 10;
constexpr int PairsPerLeague = 6;

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
    return kLeagues.CompetitionOf(kLeagues.seasons - 1, league);
}

// Every league a country of its own, with the same clubs every season; every match of a matchday
// on its Sunday, won 1-0 at home.
void Store(sqlite3 *db)
{
    StoreLeagues(db, kLeagues,
                 {.categoryCode = [](int league) { return QVariant(Code(league)); },
                  .club =
                      [](int league, int i) {
                          const QString name = QStringLiteral("Ομάδα %1 %2").arg(league).arg(i);
                          return TClubNames{name, name, CouponName(league, i)};
                      },
                  .entries = TEntryColumns::Numbers,
                  .match =
                      [](const TFixture &f) {
                          return TMatchRow{.homeGoals = 1,
                                           .awayGoals = 0,
                                           .date = kLeagues.Friday(f.season, f.day).addDays(2),
                                           .homeClub = f.HomeClub(),
                                           .awayClub = f.AwayClub()};
                      }});
}

TTavrolinDM &Bench()
{
    static TTavrolinDM *dm = [] {
        TTavrolinDM *made = &FilledDataModule(Store);
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
                update.Run(rows, {kLeagues.SeasonName(kLeagues.seasons - 1)},
                           QDateTime(QDate(kLeagues.firstYear + kLeagues.seasons - 1, 3, 6), QTime()));
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
    if (!Written(0).empty() && !Written(1).empty() && Written(0) != Written(1)) {
        std::fprintf(stderr, "the update wrote other matches than the keyed statements\n");
        std::exit(1);
    }
    PrintEngineBesideSql("60-row coupon", {{"update from coupon", "keyed SQL UPDATEs"}});
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

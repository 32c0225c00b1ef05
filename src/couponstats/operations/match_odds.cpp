#include "couponstats/operations/match_odds.h"

#include "couponstats/operations/operations_math.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/sqlite_statement.h"

namespace tav::operations {

namespace {

struct TSideCounts
{
    int HomeWins = 0;
    int HomeLosses = 0;
    int Draws = 0;
};

// The latest played home matches of a home team, or away matches of an away team, counted by the
// home side's outcome; the played test is on the side the team played.
const char kHomeSideSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes WHERE \"Date\" < ?1 AND TelGGoals >= 0"
                            " AND Ghpedoyxos = ?2 ORDER BY \"Date\" DESC, GameNo DESC LIMIT 9";
const char kAwaySideSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes WHERE \"Date\" < ?1 AND TelFGoals >= 0"
                            " AND Filojenoymenh = ?2 ORDER BY \"Date\" DESC, GameNo DESC LIMIT 9";

TSideCounts CountLatest(TTavrolinDM &dm, const char *sql, int team, const QDate &BeforeDate)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(sql));
    statement->BindAll({BeforeDate.toString(Qt::ISODate), team});
    TSideCounts counts;
    while (statement->Step()) {
        const auto g = statement->Int64(0);
        const auto f = statement->Int64(1);
        ++(g > f ? counts.HomeWins : g < f ? counts.HomeLosses : counts.Draws);
    }
    return counts;
}

} // namespace

QString OddText(int percent)
{
    // Hundredths of the odd, to the nearest 5 (remainders 3 and 4 up, 1 and 2 down).
    auto q = Round(1000000.0 / (111.0 * percent));
    const auto rest = q % 5;
    q += rest > 2 ? 5 - rest : -rest;
    // Three significant digits, halves up: odds of 10 or more end in 0.
    std::int64_t scale = 1;
    while (q >= 1000 * scale)
        scale *= 10;
    q = (q + scale / 2) / scale * scale;
    return Format(QStringLiteral("%.2f"), {double(q) / 100});
}

TMatchEstimate EstimateFromCounts(const TMatchCounts &counts)
{
    TMatchEstimate e;
    e.N1 = counts.HW + counts.AHW + 1;
    e.N2 = counts.HL + counts.AHL + 1;
    e.NX = counts.HD + counts.AD + 1;
    // The larger decisive count over the smaller: a balanced match gets a larger draw share.
    const double balance = PowerXY(e.N1 / NonZeroOrOne(e.N2), SignOrOne(e.N1 - e.N2));
    const double share = balance < 2.5 ? 0.5 : 0.4;
    e.NX = MaxByte(std::uint8_t(e.NX), std::uint8_t(Round(share * (e.N1 + e.N2))));
    const double total = e.N1 + e.NX + e.N2;
    e.P1 = int(Round(100 * e.N1 / total));
    e.P2 = int(Round(100 * e.N2 / total));
    e.PX = 100 - e.P1 - e.P2;
    e.Odd1Text = OddText(e.P1);
    e.OddXText = OddText(e.PX);
    e.Odd2Text = OddText(e.P2);
    return e;
}

TMatchEstimate EstimateMatchOdds(TTavrolinDM &dm, int HomeTeam, int AwayTeam, const QDate &BeforeDate)
{
    const TSideCounts home = CountLatest(dm, kHomeSideSql, HomeTeam, BeforeDate);
    const TSideCounts away = CountLatest(dm, kAwaySideSql, AwayTeam, BeforeDate);
    return EstimateFromCounts(
        {home.HomeWins, home.HomeLosses, home.Draws, away.HomeWins, away.HomeLosses, away.Draws});
}

} // namespace tav::operations

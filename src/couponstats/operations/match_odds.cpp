#include "couponstats/operations/match_odds.h"

#include "couponstats/operations/operations_math.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/query.h"

namespace tav::operations {

namespace {

// At most this many of each side's latest matches count.
constexpr int kLatest = 9;

struct TSideCounts
{
    int HomeWins = 0;
    int HomeLosses = 0;
    int Draws = 0;
};

// The latest played matches that the filter selects, counted by the home side's outcome. The
// played test is on the side the filter chooses.
TSideCounts CountLatest(TQuery &query, const QString &filter, const char *playedField,
                        const QDate &BeforeDate)
{
    query.Close();
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("Select * From Agvnes Where "));
    query.SQL().Add(
        QStringLiteral("((Agvnes.\"DATE\" < :CurrDate) AND (%1>=0)) AND (").arg(QLatin1String(playedField)));
    query.SQL().Add(QStringLiteral("(") + filter + QStringLiteral("))"));
    query.SQL().Add(QStringLiteral("ORDER BY Agvnes.\"DATE\" DESC"));
    query.Params()[0].SetAsDate(BeforeDate);
    query.Open();
    TField &home = query.FieldByName(QStringLiteral("TelGGoals"));
    TField &away = query.FieldByName(QStringLiteral("TelFGoals"));
    TSideCounts counts;
    for (query.First(); !query.Eof() && counts.HomeWins + counts.HomeLosses + counts.Draws < kLatest;
         query.Next()) {
        const int g = home.AsInteger();
        const int f = away.AsInteger();
        ++(g > f ? counts.HomeWins : g < f ? counts.HomeLosses : counts.Draws);
    }
    query.Close();
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

TMatchEstimate EstimateMatchOdds(TTavrolinDM &dm, const QString &HomeFilter, const QString &AwayFilter,
                                 const QDate &BeforeDate)
{
    // A query of its own on the program's database, so that no shared query moves.
    TQuery query;
    query.SetDatabase(&dm.TavrolinDb);
    const TSideCounts home = CountLatest(query, HomeFilter, "TelGGoals", BeforeDate);
    const TSideCounts away = CountLatest(query, AwayFilter, "TelFGoals", BeforeDate);
    return EstimateFromCounts(
        {home.HomeWins, home.HomeLosses, home.Draws, away.HomeWins, away.HomeLosses, away.Draws});
}

} // namespace tav::operations

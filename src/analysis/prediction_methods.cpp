#include "analysis/prediction_methods.h"

#include "platform/core/format.h"
#include "platform/core/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tav::analysis {

namespace {

const char *const kStandingLine = "Θέση: %2d (%2d/%2d), %s: %2d (%2d/%2d), Πόντοι: %0.0n";

// The percentages of 1, X and 2 in proportion to the three weights; equal shares when the
// weights give no proportion.
TPercentages Shares(double weight1, double weightX, double weight2)
{
    const double total = weight1 + weightX + weight2;
    const double share1 = 100.0 * weight1 / total;
    const double share2 = 100.0 * weight2 / total;
    if (!(total > 0) || !std::isfinite(share1) || !std::isfinite(share2))
        return {33, 34, 33};
    TPercentages result;
    result.P1 = static_cast<int>(Round(share1));
    result.P2 = static_cast<int>(Round(share2));
    result.PX = 100 - result.P1 - result.P2;
    return result;
}

struct TSums
{
    double S1 = 0;
    double SX = 0;
    double S2 = 0;

    double &OfSign(QChar sign)
    {
        if (sign == QLatin1Char('1'))
            return S1;
        return sign == QLatin1Char('2') ? S2 : SX;
    }
};

// The strength weights of one side's results into the sums; own win and loss are sign 1 and 2 for
// the home side, 2 and 1 for the away side.
int AddStrengthSide(TSums &sums, const TPredictionCompetition &competition, const TStrengthSide &side,
                    bool home)
{
    const double om = competition.Omades;
    const double own = side.TeamStrength.value_or(0) + competition.Isxys.value_or(0);
    const QChar winSign = home ? QLatin1Char('1') : QLatin1Char('2');
    int skipped = 0;
    for (const TWeighedResult &result : side.Results) {
        const double o = result.OpponentStrength.value_or(0);
        const double against = side.CompetitionStrength.value_or(0) + o;
        const double po = result.OpponentPosition.value_or(competition.Omades / 2);
        const double pw = result.OwnPosition.value_or(competition.Omades / 2);
        double weight = 0;
        if (result.Sign == QLatin1Char('X')) {
            const double exponent = pw > po ? 1 : (pw < po ? -1 : 0);
            weight = (exponent == 0 ? 1.0 : std::pow(own / against, exponent)) * (o + om + pw - po);
        } else if (result.Sign == winSign) {
            weight = against / own * (om - po + o + 1);
        } else {
            weight = own / against * (po + o);
        }
        if (!std::isfinite(weight)) {
            ++skipped;
            continue;
        }
        sums.OfSign(result.Sign) += weight;
    }
    return skipped;
}

} // namespace

TPercentages PredictByOpponentRank(int teams, const std::vector<TWeighedResult> &homeHistory,
                                   const std::vector<TWeighedResult> &awayHistory)
{
    // A third of the table; at least one team, so that small competitions still have thirds.
    const int third = std::max(1, teams / 3);
    int s1 = 0, sX = 0, s2 = 0;
    for (const TWeighedResult &result : homeHistory) {
        const int band = (result.OpponentPosition.value_or(teams / 2 + 1) - 1) / third;
        if (result.Sign == QLatin1Char('1'))
            s1 += band + 1;
        else if (result.Sign == QLatin1Char('2'))
            s2 += 3 - band;
        else
            sX += 3;
    }
    for (const TWeighedResult &result : awayHistory) {
        const int band = (result.OpponentPosition.value_or(teams / 2 - 1) - 1) / third;
        if (result.Sign == QLatin1Char('1'))
            s1 += 3 - band;
        else if (result.Sign == QLatin1Char('2'))
            s2 += band + 1;
        else
            sX += 3;
    }
    return Shares(s1 + 1, sX + 2, s2 + 1);
}

TPercentages PredictByRankGap(int teams, const std::vector<TWeighedResult> &homeHistory,
                              const std::vector<TWeighedResult> &awayHistory)
{
    const int half = teams / 2;
    TSums sums;
    for (const auto *history : {&homeHistory, &awayHistory})
        for (const TWeighedResult &result : *history)
            sums.OfSign(result.Sign) +=
                half + std::abs(result.OwnPosition.value_or(half) - result.OpponentPosition.value_or(half));
    return Shares(teams + sums.S1, teams + sums.SX, teams + sums.S2);
}

TStrengthResult PredictByStrength(const TPredictionCompetition &competition, const TStrengthSide &home,
                                  const TStrengthSide &away)
{
    TSums sums;
    TStrengthResult result;
    result.Skipped =
        AddStrengthSide(sums, competition, home, true) + AddStrengthSide(sums, competition, away, false);
    result.Percent = Shares(sums.S1 + 100, sums.SX + 100, sums.S2 + 100);
    return result;
}

TStandingFigures StandingFigures(const std::optional<TTeamStatRow> &row, bool home,
                                 const TPredictionCompetition &competition)
{
    TStandingFigures figures;
    if (!row)
        return figures;
    const auto points = [&](int wins, int draws, int losses) {
        return wins * competition.Nikh + draws * competition.Isop + losses * competition.Htta;
    };
    const int homePoints = points(row->NikesIn, row->IsopIn, row->HttesIn);
    const int awayPoints = points(row->NikesOut, row->IsopOut, row->HttesOut);
    const int homeGames = row->NikesIn + row->IsopIn + row->HttesIn;
    const int awayGames = row->NikesOut + row->IsopOut + row->HttesOut;
    figures.Position = row->Position;
    figures.SidePosition = home ? row->PositionEntos : row->PositionEktos;
    figures.Points = homePoints + awayPoints;
    figures.Games = homeGames + awayGames;
    figures.SidePoints = home ? homePoints : awayPoints;
    figures.SideGames = home ? homeGames : awayGames;
    return figures;
}

double PointsRating(int teams, const TStandingFigures &figures)
{
    const double scale = teams + 1;
    return scale * figures.Points / std::max(figures.Games, 1) + 2 +
           scale * figures.SidePoints / std::max(figures.SideGames, 1);
}

TPercentages PredictByPointsRate(int teams, const TStandingFigures &home, const TStandingFigures &away)
{
    const double sh = PointsRating(teams, home);
    const double sf = PointsRating(teams, away);
    const double ratio = sh == sf ? 1.0 : std::max(sh, sf) / std::min(sh, sf);
    const double dx = (ratio < 2.5 ? 0.5 : 0.4) * (sh + sf);
    return Shares(sh, dx, sf);
}

QString StandingLineText(int teams, const TStandingFigures &figures, const QString &sideWord)
{
    return Format(QString::fromUtf8(kStandingLine),
                  {figures.Position, figures.Points, figures.Games, sideWord, figures.SidePosition,
                   figures.SidePoints, figures.SideGames, PointsRating(teams, figures)});
}

} // namespace tav::analysis

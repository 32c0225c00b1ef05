#include "analysis/standings_rows.h"

#include "platform/core/format.h"

namespace tav::analysis {

QStringList StandingsRowTexts(const TStandingsEntry &e, int place, const QString &name)
{
    const QString number = QStringLiteral("%2d");
    const QString goals = QStringLiteral("%2d-%2d");
    const QString difference = QStringLiteral("%3d");
    return {
        Format(number, {place}),
        name,
        Format(number, {e.Points}),
        Format(number, {GamesPlayed(e)}),
        Format(number, {e.Wins}),
        Format(number, {e.Draws}),
        Format(number, {e.Losses}),
        Format(goals, {e.GoalsFor, e.GoalsAgainst}),
        Format(difference, {e.GoalsFor - e.GoalsAgainst}),
        Format(number, {e.HomePoints}),
        Format(number, {HomeGamesPlayed(e)}),
        Format(number, {e.HomeWins}),
        Format(number, {e.HomeDraws}),
        Format(number, {e.HomeLosses}),
        Format(goals, {e.HomeGoalsFor, e.HomeGoalsAgainst}),
        Format(difference, {HomeGoalDiff(e)}),
        Format(number, {e.AwayPoints}),
        Format(number, {AwayGamesPlayed(e)}),
        Format(number, {e.AwayWins}),
        Format(number, {e.AwayDraws}),
        Format(number, {e.AwayLosses}),
        Format(goals, {e.AwayGoalsFor, e.AwayGoalsAgainst}),
        Format(difference, {AwayGoalDiff(e)}),
    };
}

} // namespace tav::analysis

#include "analysis/standings_entry.h"

namespace tav::analysis {

void CountMatch(TStandingsEntry &home, TStandingsEntry &away, int homeGoals, int awayGoals)
{
    home.HomeGoalsFor += homeGoals;
    home.HomeGoalsAgainst += awayGoals;
    away.AwayGoalsFor += awayGoals;
    away.AwayGoalsAgainst += homeGoals;
    if (homeGoals > awayGoals) {
        ++home.HomeWins;
        ++away.AwayLosses;
    } else if (homeGoals == awayGoals) {
        ++home.HomeDraws;
        ++away.AwayDraws;
    } else {
        ++home.HomeLosses;
        ++away.AwayWins;
    }
}

void ComputeTotals(TStandingsEntry &entry, const TPointsRule &rule)
{
    entry.HomePoints =
        entry.HomeWins * rule.Nikh + entry.HomeDraws * rule.Isop + entry.HomeLosses * rule.Htta;
    entry.AwayPoints =
        entry.AwayWins * rule.Nikh + entry.AwayDraws * rule.Isop + entry.AwayLosses * rule.Htta;
    entry.Points += entry.HomePoints + entry.AwayPoints;
    entry.Wins = entry.HomeWins + entry.AwayWins;
    entry.Draws = entry.HomeDraws + entry.AwayDraws;
    entry.Losses = entry.HomeLosses + entry.AwayLosses;
    entry.GoalsFor = entry.HomeGoalsFor + entry.AwayGoalsFor;
    entry.GoalsAgainst = entry.HomeGoalsAgainst + entry.AwayGoalsAgainst;
    entry.GoalDiff = entry.GoalsFor - entry.GoalsAgainst;
}

int HomeGoalDiff(const TStandingsEntry &entry)
{
    return entry.HomeGoalsFor - entry.HomeGoalsAgainst;
}

int AwayGoalDiff(const TStandingsEntry &entry)
{
    return entry.AwayGoalsFor - entry.AwayGoalsAgainst;
}

int GamesPlayed(const TStandingsEntry &entry)
{
    return entry.Wins + entry.Draws + entry.Losses;
}

int HomeGamesPlayed(const TStandingsEntry &entry)
{
    return entry.HomeWins + entry.HomeDraws + entry.HomeLosses;
}

int AwayGamesPlayed(const TStandingsEntry &entry)
{
    return entry.AwayWins + entry.AwayDraws + entry.AwayLosses;
}

} // namespace tav::analysis

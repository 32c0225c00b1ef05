#pragma once

namespace tav::analysis {

// One team's line of a league table and the arithmetic that fills it. Every counter is a full
// int: a long league (four rounds of twenty teams) passes 127 points and goals easily.
struct TStandingsEntry
{
    int TeamKey = 0; // the competition team's RecNo, the number that matches store for their teams
    int HomeWins = 0;
    int HomeDraws = 0;
    int HomeLosses = 0;
    int AwayWins = 0;
    int AwayDraws = 0;
    int AwayLosses = 0;
    int HomeGoalsFor = 0;
    int HomeGoalsAgainst = 0;
    int AwayGoalsFor = 0;
    int AwayGoalsAgainst = 0;
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    int GoalsFor = 0;
    int GoalsAgainst = 0;
    int Points = 0; // starts at the team's Timvria (penalty or bonus), then the points won are added
    int HomePoints = 0;
    int AwayPoints = 0;
    int GoalDiff = 0;

    bool operator==(const TStandingsEntry &) const = default;
};

// Points for a win, a draw and a loss (the competition's Nikh, Isop, Htta).
struct TPointsRule
{
    int Nikh = 3;
    int Isop = 1;
    int Htta = 0;
};

// Adds one played match to the home side's home counters and the away side's away counters.
void CountMatch(TStandingsEntry &home, TStandingsEntry &away, int homeGoals, int awayGoals);

// Points and totals from the home and away counters. Points must hold the start value (Timvria)
// when this runs, and the entry's totals are computed once per computation.
void ComputeTotals(TStandingsEntry &entry, const TPointsRule &rule);

int HomeGoalDiff(const TStandingsEntry &entry);
int AwayGoalDiff(const TStandingsEntry &entry);
int GamesPlayed(const TStandingsEntry &entry);
int HomeGamesPlayed(const TStandingsEntry &entry);
int AwayGamesPlayed(const TStandingsEntry &entry);

} // namespace tav::analysis

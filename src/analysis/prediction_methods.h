#pragma once

#include "analysis/prediction_engine.h"
#include "analysis/standings_engine.h"

#include <optional>
#include <vector>

namespace tav::analysis {

// One earlier played match of a side, from that side's point of view: the sign of the match and
// the places and strength read for it (missing when there is no such TeamStat row or team).
struct TWeighedResult
{
    QChar Sign;
    std::optional<int> OwnPosition;
    std::optional<int> OpponentPosition;
    std::optional<int> OpponentStrength;
};

// A side's history for the strength method: its own strength, the strength of the competition of
// its newest earlier match, and its results.
struct TStrengthSide
{
    std::optional<int> TeamStrength;
    std::optional<int> CompetitionStrength;
    std::vector<TWeighedResult> Results;
};

// The competition the listed matches belong to.
struct TPredictionCompetition
{
    int Omades = 0;
    std::optional<int> Isxys;
    int Nikh = 0;
    int Isop = 0;
    int Htta = 0;
};

// A team's table figures after a matchday, overall and on one side (home or away).
struct TStandingFigures
{
    int Position = 0;
    int SidePosition = 0;
    int Points = 0;
    int Games = 0;
    int SidePoints = 0;
    int SideGames = 0;
};

struct TStrengthResult
{
    TPercentages Percent;
    // Earlier matches left out because their weight could not be computed.
    int Skipped = 0;
};

// Wins and losses weighed by the third of the table the opponent stood in (positions at the past
// match's own matchday). The home history holds the home side's home results with opponent
// places, the away history the away side's away results.
TPercentages PredictByOpponentRank(int teams, const std::vector<TWeighedResult> &homeHistory,
                                   const std::vector<TWeighedResult> &awayHistory);

// Every result weighed by half the number of teams plus the gap of the two sides' places before
// that matchday.
TPercentages PredictByRankGap(int teams, const std::vector<TWeighedResult> &homeHistory,
                              const std::vector<TWeighedResult> &awayHistory);

// Results weighed by team and competition strengths and the opponent's place before that
// matchday; a missing strength counts as 0, and a match whose weight is no finite number is
// left out and counted as skipped.
TStrengthResult PredictByStrength(const TPredictionCompetition &competition, const TStrengthSide &home,
                                  const TStrengthSide &away);

// The figures of a TeamStat row for the home side (home) or the away side; all 0 without a row.
TStandingFigures StandingFigures(const std::optional<TTeamStatRow> &row, bool home,
                                 const TPredictionCompetition &competition);

// A side's rating from its points per game overall and on its side, in a competition of `teams`.
double PointsRating(int teams, const TStandingFigures &figures);

// Both sides' ratings after the previous matchday, and a draw share by how far apart they are.
TPercentages PredictByPointsRate(int teams, const TStandingFigures &home, const TStandingFigures &away);

// "Θέση: .. (../..), Εντός: .. (../..), Πόντοι: .." of one side before the match.
QString StandingLineText(int teams, const TStandingFigures &figures, const QString &sideWord);

} // namespace tav::analysis

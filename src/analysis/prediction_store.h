#pragma once

#include "analysis/prediction_engine.h"
#include "analysis/prediction_methods.h"

#include <QDate>

#include <optional>
#include <vector>

class TDataSet;
class TTavrolinDM;

namespace tav::analysis {

// An earlier played match as the per-match methods read it.
struct TPastMatch
{
    int DiorgNo = 0;
    int Agvnistikh = 0;
    int Ghpedoyxos = 0;
    int Filojenoymenh = 0;
    int TelGGoals = 0;
    int TelFGoals = 0;
};

// The matches the dataset delivers (the match list's range on Agvnes), in its order, with their
// calculated teams and score. The dataset's controls stay still and its cursor comes back.
std::vector<TListedMatch> ReadListedMatches(TDataSet &matches);

// The match with the number, teams and score left empty; none when there is no such match.
std::optional<TListedMatch> ReadMatch(TTavrolinDM &dm, int gameNo);

// The played matches before the date of the given clubs: at home (by GTeamNo) or away (by
// FTeamNo), newest first, in one query.
std::vector<TRecentResult> ReadRecentResults(TTavrolinDM &dm, const std::vector<int> &clubs, bool home,
                                             const QDate &before);

// At most `count` played matches of the club before the date, at home or away, newest first.
std::vector<TPastMatch> ReadPastMatches(TTavrolinDM &dm, int club, bool home, const QDate &before, int count);

// Team count, strength of its category and points of competition DNo; zeros when there is none.
TPredictionCompetition ReadPredictionCompetition(TTavrolinDM &dm, int DNo);

// The TeamStat row of a competition team after a matchday.
std::optional<TTeamStatRow> ReadTeamStat(TTavrolinDM &dm, int teamNo, int matchday);

// The strength of a competition team (PerOmades.Isxys).
std::optional<int> ReadTeamStrength(TTavrolinDM &dm, int recNo);

// Writes the percentages into the TeamStat rows that exist; a missing row is not made. All or none.
void WriteTeamStatPercentages(TTavrolinDM &dm, const std::vector<TTeamStatPercent> &rows);

} // namespace tav::analysis

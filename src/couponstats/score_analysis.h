#pragma once

#include "couponstats/operations/team_history.h"
#include "couponstats/page_analysis.h"
#include "couponstats/page_engine.h"

#include <functional>

// The score prediction of a statistics page: for every checked match, the goals scored and
// conceded by the home team and by the away team in their latest matches of the match's
// competition before its date, their differences and goal points written into the page's
// 47-column row (the score column set), with the proposal from the difference of the two teams'
// goal differences.
namespace tav::couponstats {

// Which matches of the two teams count: the home team's home matches against the away team's
// away matches, or every match of each.
enum class TScoreMode
{
    HomeAway = 0,
    AllMatches = 1,
};

// One team's goal record as the analysis asks for it: whether goals count only from 3 up, the
// matches walked, the date before which they count, the competition, the team, how many of its
// latest matches (0 = all) and the team's name for an error message.
struct TGoalRecordRequest
{
    bool ThreePlus = false;
    operations::TTeamMatches Side = operations::TTeamMatches::Home;
    QString DateText;
    int DiorgNo = 0;
    int TeamNo = 0;
    int N = 0;
    QString Text;
};

// Where the goal records come from: results 13 (goals scored), 14 (conceded) and 15 (matches
// walked) are read.
using TGoalRecordSource = std::function<operations::TTeamGoalRecord(const TGoalRecordRequest &)>;

// The stored matches of the data module, through GetTeamGoalRecord and GetTeamGoalRecord3Plus.
TGoalRecordSource StoredGoalRecords(TTavrolinDM &dm);

// Rows are the score page's (TScoreColumn). N = 0 takes all matches. Reads the thresholds
// (defaults A) into the page first. A checked row's match is looked for in every season and the
// last one found stands; a row found in none keeps its cells. A team short of N matches counts
// zeros. With thresholds that are no whole numbers the proposal is left empty. False when
// progress stopped the run; the rows done keep their values, the later ones are untouched.
// EConvertError for a date cell that is no date.
bool RunScoreAnalysis(TTavrolinDM &dm, TPageGrid grid, TScoreMode Mode, int N, const TRowProgress &progress,
                      const TGoalRecordSource &records);

// The engine of the score pages over the program's data module as it is when a page runs: the
// run's kind is the mode (0 or 1), its N the recent matches.
TPageEngine ScoreEngine();

} // namespace tav::couponstats

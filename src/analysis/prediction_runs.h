#pragma once

#include "analysis/prediction_engine.h"

#include <QString>

#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// Each run fills the table with the listed matches and their percentages from the database of the
// data module. The past matches are those before the date of the first listed match (the
// recent-results method) or of each listed match (the others); `recent` is how many per side.

// The recent-results method; with combine it also writes the percentages into both sides'
// TeamStat rows of the listed matchday (without, it writes zeros there).
void RunRecentResults(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                      int recent, bool combine);
void RunRankGap(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches, int recent);
void RunOpponentRank(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                     int recent);
// The number of earlier matches left out because their weight was no finite number.
int RunStrength(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches, int recent);
void RunPointsRate(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches);

// The standing line of one side of match gameNo after the matchday before it: the home side
// (home) with the side word "Εντός", or the away side with "Εκτός". Raises EDatabaseError when
// there is no such match.
QString StandingLine(TTavrolinDM &dm, int gameNo, bool home, const QString &sideWord);

} // namespace tav::analysis

#pragma once

#include "couponstats/page_analysis.h"
#include "couponstats/page_engine.h"

// The over/under analysis of a statistics page: for every checked match, the home team's record in
// its past home matches and the away team's in its past away matches, of the match's competition
// before its date, over their latest N matches or all of them, written into the page's 108-column
// row (the over/under column set), with the proposal from the difference of the two points totals.
namespace tav::couponstats {

// N = 0 takes all matches. Reads the thresholds (defaults B) into the page first. A checked row's
// match is looked for in every season and the last one found stands; a row found in none keeps
// its cells. Every column the analysis owns is written from its own record: a count over no
// match is 0, a share or mean over none is empty. False when progress stopped the run; the rows
// done keep their values, the later ones are untouched. EConvertError for a date cell that is no
// date.
bool RunOverUnderAnalysis(TTavrolinDM &dm, TPageGrid grid, int N, const TRowProgress &progress);

// The engine of the over/under pages: the analysis over the page's rows with the run's N, over the
// program's data module as it is when a page runs (the run's kind is not read).
TPageEngine OverUnderEngine();

} // namespace tav::couponstats

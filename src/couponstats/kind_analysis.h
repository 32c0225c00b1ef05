#pragma once

#include "couponstats/page_analysis.h"
#include "couponstats/page_engine.h"

namespace tav::couponstats {

// Runs the analysis of a kind of the statistic options on a page: the head-to-head signs for kind
// 2, the head-to-head goals for kind 10, the special analysis for kinds 0, 1 and 3 to 9; the kinds
// without an analysis (11, 12) touch nothing. False when progress stopped the run.
bool RunKindAnalysis(TTavrolinDM &dm, TPageGrid grid, int Kind, int N, const TRowProgress &progress);

// Connects the analyses of kinds 0 to 10 to the special analysis pages, over the program's data
// module as it is when a page runs.
void ConnectKindEngines();

} // namespace tav::couponstats

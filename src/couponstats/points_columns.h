#pragma once

#include "couponstats/page_columns.h"

namespace tav::couponstats {

// The columns of a points analysis page that the analysis writes and the export reads. Wh, Dh, Lh
// are the home team's wins, draws and losses at home, Wa, Da, La the away team's away.
enum TPointsColumn
{
    PtHomeCounted = 12, // home matches of the home team counted
    PtHomePoints = 13,  // 3 Wh + Dh
    PtHomeWins = 14,    // then draws and losses
    PtHomeWinPct = 17,  // then draws and losses, as whole percentages
    PtAwayPoints = 20,  // 3 Wa + Da
    PtAwayLosses = 21,  // then draws and wins: each away column lies under the sign it favours
    PtAwayLossPct = 24, // then draws and wins, as whole percentages
    PtDifference = 27,  // ΔB, home points minus away points
    PtProposal = 28,    // "1", "X", "2" or empty
    PtMean1 = 29,       // then X and 2: the mean of the two sides' percentages for the sign
    PtFree = 32,        // typed by the user, carried from page to page
    PtS1 = 33,          // then SX, S2, d1, dX, d2, s1x, sx2, tim
    PtHomeGoals = 42,   // of the final score, as the first page put them
    PtAwayGoals = 43,
    PtColumnCount = 44,
};

// The points analysis pages: 44 columns, every one carried from the page before, the statistic
// in 12 to 41, ΔB in 27 and the proposal in 28; printed from column 1.
const TPageColumnSet &PointsPageColumns();

} // namespace tav::couponstats

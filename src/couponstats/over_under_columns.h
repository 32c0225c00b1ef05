#pragma once

#include "couponstats/page_columns.h"

namespace tav::couponstats {

// The cells of an over/under page's row that its analysis writes. The home record is the home
// team's past home matches, the away record the away team's past away matches; a margin is home
// minus away goals of a past match, seen from that match's own home side.
enum TOverUnderColumn
{
    OuHomeMatches = 12,
    OuHomePoints = 13, // 3 a home win, 1 a home draw
    OuHomeWins = 14,
    OuHomeDraws = 15,
    OuHomeLosses = 16,
    OuHomeWinShare = 17, // then the draw and loss shares, in per cent
    OuAwayPoints = 20,   // 3 an away win, 1 an away draw
    OuAwayLosses = 21,
    OuAwayDraws = 22,
    OuAwayWins = 23,
    OuAwayLossShare = 24, // then the draw and win shares, in per cent
    OuDifference = 27,    // home points minus away points
    OuProposal = 28,
    OuMeanWin = 29, // the means of the home and away shares of 1, X and 2
    OuProposal0 = 32,
    OuFinalHome = 42,
    OuFinalAway = 43,
    OuHalfTimeHome = 44,
    OuHomeScored = 45,
    OuHomeConceded = 46,
    OuAwayScored = 47,
    OuAwayConceded = 48,
    OuAwayMatches = 49,
    OuHomeOver = 50, // matches of 3 goals or more
    OuHomeUnder = 51,
    OuAwayOver = 52,
    OuAwayUnder = 53,
    OuHomeGoals0 = 55, // eight columns: the side scored 0 to 6, then 7 or more
    OuAwayGoals0 = 63,
    OuHomeNoGoal = 71,
    OuHomeGoal = 72,
    OuAwayNoGoal = 73,
    OuAwayGoal = 74,
    OuBothNoGoal = 75, // home and away record together
    OuBothGoal = 76,
    OuHomeMargin0 = 77, // nine columns: margin 0, +1, +2, +3, +4 or more, -1, -2, -3, -4 or less
    OuAwayMargin0 = 86,
    OuMargin0 = 95, // the same margin of both records added
    OuHomeNotBothScored = 104,
    OuHomeBothScored = 105,
    OuAwayNotBothScored = 106,
    OuAwayBothScored = 107,
};

inline constexpr int kOverUnderColumns = 108;
inline constexpr int kOverUnderFirstPageColumns = 45;

// The over/under analysis pages: 108 columns, the home and away points in 13 and 20, their
// difference in 27 and the proposal in 28; every column travels from page to page.
const TPageColumnSet &OverUnderPageColumns();
// The first page of the over/under analysis: 45 columns, a loaded proposal in 12 to 16, the final
// score's goals in 42 and 43 and the home goals at half time in 44.
const TPageColumnSet &OverUnderFirstPageColumns();

} // namespace tav::couponstats

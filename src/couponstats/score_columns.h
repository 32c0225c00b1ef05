#pragma once

#include "couponstats/page_columns.h"

namespace tav::couponstats {

// The cells of a score page's row. The score page keeps its running number before the coupon's
// cells, so its code, competition and date sit one column further right than on the other pages.
enum TScoreColumn
{
    ScNumber = 1, // "A/A"
    ScCode = 2,
    ScDiorg = 3,
    ScDate = 4, // "dd/mm/yyyy"
    ScHomeTeam = 5,
    ScAwayTeam = 6,
    ScSign = 10,
    ScScore = 11,
    ScHomeMatches = 12,
    ScHomeScored = 13,
    ScHomeConceded = 14,
    ScHomeDifference = 15, // scored minus conceded
    ScAwayScored = 16,
    ScAwayConceded = 17,
    ScAwayDifference = 18,
    ScDifference = 19, // home difference minus away difference: the proposal reads it
    ScHomeGoals = 20,  // home scored plus away conceded
    ScAwayGoals = 21,  // home conceded plus away scored
    ScGoalsDifference = 22,
    ScHomeGoalPoints = 23, // the home goals with the goals of the matches of 3 goals or more
    ScAwayGoalPoints = 24,
    ScFirstScore = 25, // 21 columns titled by a score, which the analysis leaves to the user
    ScProposal = 46,
};

inline constexpr int kScoreColumns = 47;
inline constexpr int kScoreFirstPageColumns = 13;
// The first page's column of a proposal loaded from a file.
inline constexpr int kScoreFirstPageProposal = 12;

// The score pages: 47 columns, the goal statistics in 12 to 24 and the proposal in 46; every
// column travels from page to page.
const TPageColumnSet &ScorePageColumns();
// The first page of the score prediction: the coupon's cells in the page's order and a loaded
// proposal in 12.
const TPageColumnSet &ScoreFirstPageColumns();

} // namespace tav::couponstats

#pragma once

#include "couponstats/page_analysis.h"

// The head-to-head analyses of a statistics page: the latest N earlier meetings of the two teams of
// every checked match with the same side at home, as points (the signs) or as average goals.
namespace tav::couponstats {

class TProistoriaAnalysis
{
public:
    TProistoriaAnalysis(TTavrolinDM &dm, TPageGrid grid);

    // In both runs a row whose match is stored in none of the seasons keeps its cells, and a row
    // with fewer played meetings than N, or with N = 0, is emptied. False when progress stopped the
    // run; the rows done keep their values. EConvertError for a date cell that is no date;
    // database errors reach the caller.

    // Points of the meetings: 3 a win and 1 a draw for each side, their difference and its
    // proposal by the thresholds read into the page first (defaults B).
    bool RunProistoriaAnalysis(int N, const TRowProgress &progress);
    // Average goals of each side a meeting, one decimal, their sum and the proposal of their
    // difference by the thresholds read into the page first (defaults A).
    bool RunProistoriaGoalsAnalysis(int N, const TRowProgress &progress);

private:
    bool Run(bool goals, int N, const TRowProgress &progress);
    void Analyse(bool goals, int N, const TCouponMatch &match, QStringList &row);

    TTavrolinDM &dm_;
    TPageGrid grid_;
    std::optional<TProposalThresholds> thresholds_;
};

} // namespace tav::couponstats

#pragma once

#include "couponstats/operations/dynamh_temp.h"
#include "couponstats/page_analysis.h"

#include <map>

// The special analysis of a statistics page: one statistic of the home and of the away team of
// every checked match, over their latest N matches of the match's competition before its date,
// their difference (the sum for the goal totals) and the proposal it gives.
namespace tav::couponstats {

class TSpecialAnalysis
{
public:
    TSpecialAnalysis(TTavrolinDM &dm, TPageGrid grid);

    // Kinds 0, 1 and 3 to 9 of the statistic options (other kinds touch nothing); N = 0 takes all
    // matches. Reads the thresholds (defaults A) into the page first. Each checked row's match is
    // looked for in every season in turn and the last found stands; a row whose match is found
    // nowhere keeps its cells. A row whose two teams were measured over different numbers of
    // matches, or none, is emptied. False when progress stopped the run; the rows done keep their
    // values. EConvertError for a date cell that is no date; the errors of the weighted points
    // reach the caller.
    bool RunSpecialAnalysis(int Kind, int N, const TRowProgress &progress);

private:
    void AnalyseMatch(int Kind, int N, const TCouponMatch &match, QStringList &row);
    void AnalyseCounts(int Kind, int N, const TCouponMatch &match, QStringList &row);
    void AnalysePositions(int Kind, int N, const TCouponMatch &match, QStringList &row);

    TTavrolinDM &dm_;
    TPageGrid grid_;
    std::optional<TProposalThresholds> thresholds_;
    // The competition whose points table TADynamhTemp holds in this run, and its totals.
    std::optional<int> tableDiorgNo_;
    std::map<int, operations::TDynamhTotals> totals_;
};

} // namespace tav::couponstats

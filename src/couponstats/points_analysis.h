#pragma once

#include "couponstats/page_engine.h"

#include <optional>

class TTavrolinDM;

namespace tav::couponstats {

// A side's record for the points analysis: wins, draws and losses of the home team at home or of
// the away team away, and the matches walked.
struct TSideRecord
{
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int walked = 0;
};

// Writes the statistic of one row of a points page from the two sides' records: points, counts,
// whole percentages (halves to even), the sign sums and their combinations, ΔB and the proposal.
// Percentages and combinations of a side without matches are emptied, so nothing of an earlier
// page stays beside the new counts.
void FillPointsRow(QStringList &row, const TSideRecord &home, const TSideRecord &away,
                   const TProposalThresholds &thresholds);

// The points analysis at home and away over a page: for every checked row, the match of the
// coupon (by its date and coupon code, once one of the seasons holds the row's competition) and
// its two teams' latest N home and away matches (N = 0: all) before its date. A row whose match
// is not found keeps what it carried. The thresholds are read anew with the points defaults; one
// that is no whole number raises EConvertError before any row changes. A cancelled step stops the
// run there.
class TPointsAnalysis
{
public:
    explicit TPointsAnalysis(TTavrolinDM &dm);

    void RunPointsAnalysis(TPageRun &run);

private:
    struct TMatch
    {
        int diorgNo = 0;
        int home = 0;
        int away = 0;
    };

    // The coupon's match of the row, when the row's competition is held in one of the seasons.
    std::optional<TMatch> FindMatch(const QStringList &row, const QStringList &periods);

    TTavrolinDM &dm_;
};

// The engine of the points pages over the program's data module.
TPageEngine PointsEngine();

} // namespace tav::couponstats

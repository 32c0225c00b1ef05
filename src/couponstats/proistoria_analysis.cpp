#include "couponstats/proistoria_analysis.h"

#include "couponstats/operations/proistoria_counts.h"
#include "platform/core/format.h"

namespace tav::couponstats {

using namespace tav::operations;

TProistoriaAnalysis::TProistoriaAnalysis(TTavrolinDM &dm, TPageGrid grid) : dm_(dm), grid_(grid) {}

bool TProistoriaAnalysis::RunProistoriaAnalysis(int N, const TRowProgress &progress)
{
    return Run(false, N, progress);
}

bool TProistoriaAnalysis::RunProistoriaGoalsAnalysis(int N, const TRowProgress &progress)
{
    return Run(true, N, progress);
}

bool TProistoriaAnalysis::Run(bool goals, int N, const TRowProgress &progress)
{
    grid_.Thresholds = ReadThresholdTexts(goals ? kDefaultsA : kDefaultsB);
    thresholds_ = UsableThresholds(grid_.Thresholds);
    TCouponMatches matches(dm_);
    return WalkCheckedRows(grid_, progress, [&](QStringList &row) {
        for (const QString &season : grid_.Periods)
            if (const std::optional<TCouponMatch> match = matches.Find(row, season))
                Analyse(goals, N, *match, row);
    });
}

void TProistoriaAnalysis::Analyse(bool goals, int N, const TCouponMatch &match, QStringList &row)
{
    const QString date = CellOf(row, PgDate);
    const TProistoriaCounts counts = goals ? CountProistoriaGoals(dm_, match.GTeamNo, match.FTeamNo, date, N)
                                           : CountProistoriaSigns(dm_, match.GTeamNo, match.FTeamNo, date, N);
    if (!counts.Found)
        return;
    // Nothing counted (too few played meetings, or none asked for) leaves no values to compare.
    if (N <= 0 || counts.First + counts.Second + counts.Third == 0) {
        ClearValues(row);
        return;
    }
    if (goals) {
        SetCell(row, PgHomeValue, OneDecimal(double(counts.First) / N));
        SetCell(row, PgAwayValue, OneDecimal(double(counts.Second) / N));
        // The sum and the difference are of the averages as shown.
        const TShownPair shown = ShownPair(CellOf(row, PgHomeValue), CellOf(row, PgAwayValue));
        SetCell(row, PgDifference, OneDecimal(shown.Sum));
        WriteProposal(row, shown.Difference, thresholds_);
        return;
    }
    const int home = 3 * counts.First + counts.Third;
    const int away = 3 * counts.Second + counts.Third;
    SetCell(row, PgHomeValue, IntToStr(home));
    SetCell(row, PgAwayValue, IntToStr(away));
    SetCell(row, PgDifference, IntToStr(home - away));
    WriteProposal(row, home - away, thresholds_);
}

} // namespace tav::couponstats

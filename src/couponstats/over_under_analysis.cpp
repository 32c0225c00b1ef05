#include "couponstats/over_under_analysis.h"

#include "couponstats/operations/team_history.h"
#include "couponstats/over_under_columns.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"

#include <optional>

namespace tav::couponstats {

using namespace tav::operations;

namespace {

// Record results of the team history: outcomes, goals, over/under, the goal histogram, scoring and
// the margins.
enum TRecordResult
{
    RHomeWin = 1,
    RAwayWin = 2,
    RHomeLoss = 3,
    RAwayLoss = 4,
    RHomeDraw = 5,
    RAwayDraw = 6,
    RMatches = 13,
    RHomeScored = 14,
    RHomeConceded = 15,
    RAwayScored = 16,
    RAwayConceded = 17,
    ROver = 18,
    RUnder = 19,
    RGoals0 = 20,
    RScored = 36,
    RNotScored = 37,
    RBothScored = 38,
    RNotBothScored = 39,
    RMargin0 = 40,
};

constexpr int kGoalColumns = 8;
constexpr int kMarginColumns = 9;

void SetNumber(QStringList &row, int column, int value)
{
    SetCell(row, column, IntToStr(value));
}

// A share in per cent, none over no match.
std::optional<int> Share(int part, int total)
{
    if (total == 0)
        return std::nullopt;
    return int(Round(100.0 * part / total));
}

void SetShare(QStringList &row, int column, std::optional<int> share)
{
    SetCell(row, column, share ? IntToStr(*share) : QString());
}

// The shares of the coming match's 1, X and 2 that one record gives, in per cent.
struct TShares
{
    std::optional<int> One;
    std::optional<int> X;
    std::optional<int> Two;
};

std::optional<int> Mean(std::optional<int> home, std::optional<int> away)
{
    if (!home || !away)
        return std::nullopt;
    return int(Round((*home + *away) * 0.5));
}

void WriteOutcomes(QStringList &row, const TTeamRecord &H, const TTeamRecord &A)
{
    SetNumber(row, OuHomeMatches, H[RMatches]);
    SetNumber(row, OuHomePoints, 3 * H[RHomeWin] + H[RHomeDraw]);
    SetNumber(row, OuHomeWins, H[RHomeWin]);
    SetNumber(row, OuHomeDraws, H[RHomeDraw]);
    SetNumber(row, OuHomeLosses, H[RHomeLoss]);
    const int T = H[RHomeWin] + H[RHomeLoss] + H[RHomeDraw];
    const TShares home{Share(H[RHomeWin], T), Share(H[RHomeDraw], T), Share(H[RHomeLoss], T)};
    SetShare(row, OuHomeWinShare, home.One);
    SetShare(row, OuHomeWinShare + 1, home.X);
    SetShare(row, OuHomeWinShare + 2, home.Two);

    SetNumber(row, OuAwayPoints, 3 * A[RAwayWin] + A[RAwayDraw]);
    SetNumber(row, OuAwayLosses, A[RAwayLoss]);
    SetNumber(row, OuAwayDraws, A[RAwayDraw]);
    SetNumber(row, OuAwayWins, A[RAwayWin]);
    const int T2 = A[RAwayWin] + A[RAwayLoss] + A[RAwayDraw];
    // The away team's losses are the home side's wins of the coming match.
    const TShares away{Share(A[RAwayLoss], T2), Share(A[RAwayDraw], T2), Share(A[RAwayWin], T2)};
    SetShare(row, OuAwayLossShare, away.One);
    SetShare(row, OuAwayLossShare + 1, away.X);
    SetShare(row, OuAwayLossShare + 2, away.Two);

    SetShare(row, OuMeanWin, Mean(home.One, away.One));
    SetShare(row, OuMeanWin + 1, Mean(home.X, away.X));
    SetShare(row, OuMeanWin + 2, Mean(home.Two, away.Two));
}

void WriteGoals(QStringList &row, const TTeamRecord &H, const TTeamRecord &A)
{
    SetNumber(row, OuHomeScored, H[RHomeScored]);
    SetNumber(row, OuHomeConceded, H[RHomeConceded]);
    SetNumber(row, OuAwayScored, A[RAwayScored]);
    SetNumber(row, OuAwayConceded, A[RAwayConceded]);
    SetNumber(row, OuAwayMatches, A[RAwayWin] + A[RAwayDraw] + A[RAwayLoss]);
    SetNumber(row, OuHomeOver, H[ROver]);
    SetNumber(row, OuHomeUnder, H[RUnder]);
    SetNumber(row, OuAwayOver, A[ROver]);
    SetNumber(row, OuAwayUnder, A[RUnder]);
    for (int k = 0; k < kGoalColumns; ++k) {
        SetNumber(row, OuHomeGoals0 + k, H[RGoals0 + k]);
        SetNumber(row, OuAwayGoals0 + k, A[RGoals0 + k]);
    }
    SetNumber(row, OuHomeNoGoal, H[RNotScored]);
    SetNumber(row, OuHomeGoal, H[RScored]);
    SetNumber(row, OuAwayNoGoal, A[RNotScored]);
    SetNumber(row, OuAwayGoal, A[RScored]);
    SetNumber(row, OuBothNoGoal, H[RNotScored] + A[RNotScored]);
    SetNumber(row, OuBothGoal, H[RScored] + A[RScored]);
    for (int k = 0; k < kMarginColumns; ++k) {
        SetNumber(row, OuHomeMargin0 + k, H[RMargin0 + k]);
        SetNumber(row, OuAwayMargin0 + k, A[RMargin0 + k]);
        SetNumber(row, OuMargin0 + k, H[RMargin0 + k] + A[RMargin0 + k]);
    }
    SetNumber(row, OuHomeNotBothScored, H[RNotBothScored]);
    SetNumber(row, OuHomeBothScored, H[RBothScored]);
    SetNumber(row, OuAwayNotBothScored, A[RNotBothScored]);
    SetNumber(row, OuAwayBothScored, A[RBothScored]);
}

void AnalyseRow(TTavrolinDM &dm, const TCouponMatch &match, int N,
                const std::optional<TProposalThresholds> &thresholds, QStringList &row)
{
    const QString date = CellOf(row, PgDate);
    const TTeamRecord H = GetTeamRecord(dm, TTeamMatches::Home, date, match.DiorgNo, match.Ghpedoyxos, N,
                                        CellOf(row, PgHomeTeam));
    const TTeamRecord A = GetTeamRecord(dm, TTeamMatches::Away, date, match.DiorgNo, match.Filojenoymenh, N,
                                        CellOf(row, PgAwayTeam));
    WriteOutcomes(row, H, A);
    WriteGoals(row, H, A);
    const int difference = 3 * H[RHomeWin] + H[RHomeDraw] - (3 * A[RAwayWin] + A[RAwayDraw]);
    SetNumber(row, OuDifference, difference);
    // Unusable bounds propose nothing rather than leave a proposal of another difference.
    SetCell(row, OuProposal, thresholds ? ProposalFor(difference, *thresholds) : QString());
}

} // namespace

bool RunOverUnderAnalysis(TTavrolinDM &dm, TPageGrid grid, int N, const TRowProgress &progress)
{
    grid.Thresholds = ReadThresholdTexts(kDefaultsB);
    const std::optional<TProposalThresholds> thresholds = UsableThresholds(grid.Thresholds);
    TCouponMatches matches(dm);
    return WalkCheckedRows(grid, progress, [&](QStringList &row) {
        // The analysis depends on the match alone, so the last season that holds it decides.
        if (const std::optional<TCouponMatch> found = matches.FindLast(row, grid.Periods))
            AnalyseRow(dm, *found, N, thresholds, row);
    });
}

TPageEngine OverUnderEngine()
{
    return [](TPageRun &run) {
        AnalysePageRows(
            run, [&run](TPageGrid &grid) { RunOverUnderAnalysis(TavrolinDM(), grid, run.n, run.step); });
    };
}

} // namespace tav::couponstats

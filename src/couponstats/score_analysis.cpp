#include "couponstats/score_analysis.h"

#include "couponstats/score_columns.h"
#include "data/data_module.h"
#include "platform/core/format.h"

#include <optional>

namespace tav::couponstats {

using namespace tav::operations;

namespace {

enum TGoalResult
{
    RScored = 13,
    RConceded = 14,
    RMatches = 15,
};

// The row's code, competition and date where the match look-up of the pages reads them.
QStringList LookupRow(const QStringList &row)
{
    QStringList lookup(kPageColumns);
    lookup[PgCode] = CellOf(row, ScCode);
    lookup[PgDiorg] = CellOf(row, ScDiorg);
    lookup[PgDate] = CellOf(row, ScDate);
    return lookup;
}

// The four records of a row's match: plain and from 3 goals up, of the home and the away team.
struct TRowRecords
{
    TTeamGoalRecord H;
    TTeamGoalRecord A;
    TTeamGoalRecord H3;
    TTeamGoalRecord A3;
};

TRowRecords RecordsOf(const QStringList &row, const TCouponMatch &match, TScoreMode Mode, int N,
                      const TGoalRecordSource &records)
{
    const bool all = Mode == TScoreMode::AllMatches;
    const TTeamMatches homeSide = all ? TTeamMatches::All : TTeamMatches::Home;
    const TTeamMatches awaySide = all ? TTeamMatches::All : TTeamMatches::Away;
    const QString date = CellOf(row, ScDate);
    const auto ask = [&](bool threePlus, TTeamMatches side, int team, int nameColumn) {
        return records({threePlus, side, date, match.DiorgNo, team, N, CellOf(row, nameColumn)});
    };
    return {ask(false, homeSide, match.Ghpedoyxos, ScHomeTeam),
            ask(false, awaySide, match.Filojenoymenh, ScAwayTeam),
            ask(true, homeSide, match.Ghpedoyxos, ScHomeTeam),
            ask(true, awaySide, match.Filojenoymenh, ScAwayTeam)};
}

void AnalyseRow(const TRowRecords &r, const std::optional<TProposalThresholds> &thresholds, QStringList &row)
{
    // Every figure is a sum or difference of whole numbers, so the cells hold them exactly.
    const int homeScored = r.H[RScored];
    const int homeConceded = r.H[RConceded];
    const int awayScored = r.A[RScored];
    const int awayConceded = r.A[RConceded];
    const int homeDifference = homeScored - homeConceded;
    const int awayDifference = awayScored - awayConceded;
    const int difference = homeDifference - awayDifference;
    const int homeGoals = homeScored + awayConceded;
    const int awayGoals = homeConceded + awayScored;
    const auto set = [&row](int column, int value) { SetCell(row, column, IntToStr(value)); };
    set(ScHomeMatches, r.H[RMatches]);
    set(ScHomeScored, homeScored);
    set(ScHomeConceded, homeConceded);
    set(ScHomeDifference, homeDifference);
    set(ScAwayScored, awayScored);
    set(ScAwayConceded, awayConceded);
    set(ScAwayDifference, awayDifference);
    set(ScDifference, difference);
    set(ScHomeGoals, homeGoals);
    set(ScAwayGoals, awayGoals);
    set(ScGoalsDifference, homeGoals - awayGoals);
    set(ScHomeGoalPoints, homeGoals + r.H3[RScored] + r.A3[RConceded]);
    set(ScAwayGoalPoints, awayGoals + r.H3[RConceded] + r.A3[RScored]);
    // Unusable bounds propose nothing rather than leave a proposal of another difference.
    SetCell(row, ScProposal, thresholds ? ProposalFor(difference, *thresholds) : QString());
}

} // namespace

TGoalRecordSource StoredGoalRecords(TTavrolinDM &dm)
{
    return [&dm](const TGoalRecordRequest &q) {
        return q.ThreePlus ? GetTeamGoalRecord3Plus(dm, q.Side, q.DateText, q.DiorgNo, q.TeamNo, q.N, q.Text)
                           : GetTeamGoalRecord(dm, q.Side, q.DateText, q.DiorgNo, q.TeamNo, q.N, q.Text);
    };
}

bool RunScoreAnalysis(TTavrolinDM &dm, TPageGrid grid, TScoreMode Mode, int N, const TRowProgress &progress,
                      const TGoalRecordSource &records)
{
    grid.Thresholds = ReadThresholdTexts(kDefaultsA);
    const std::optional<TProposalThresholds> thresholds = UsableThresholds(grid.Thresholds);
    TCouponMatches matches(dm);
    return WalkCheckedRows(grid, progress, [&](QStringList &row) {
        // The analysis depends on the match alone, so the last season that holds it decides.
        if (const std::optional<TCouponMatch> found = matches.FindLast(LookupRow(row), grid.Periods))
            AnalyseRow(RecordsOf(row, *found, Mode, N, records), thresholds, row);
    });
}

TPageEngine ScoreEngine()
{
    return [](TPageRun &run) {
        AnalysePageRows(run, [&run](TPageGrid &grid) {
            TTavrolinDM &dm = TavrolinDM();
            const TScoreMode mode = run.kind == 1 ? TScoreMode::AllMatches : TScoreMode::HomeAway;
            RunScoreAnalysis(dm, grid, mode, run.n, run.step, StoredGoalRecords(dm));
        });
    };
}

} // namespace tav::couponstats

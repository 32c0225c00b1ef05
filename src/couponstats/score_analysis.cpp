#include "couponstats/score_analysis.h"

#include "couponstats/score_columns.h"
#include "data/data_module.h"
#include "platform/core/format.h"

#include <memory>
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
    // A team's two records are asked for one after the other: the stored source reads its matches
    // once for both.
    TRowRecords r;
    r.H = ask(false, homeSide, match.Ghpedoyxos, ScHomeTeam);
    r.H3 = ask(true, homeSide, match.Ghpedoyxos, ScHomeTeam);
    r.A = ask(false, awaySide, match.Filojenoymenh, ScAwayTeam);
    r.A3 = ask(true, awaySide, match.Filojenoymenh, ScAwayTeam);
    return r;
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
    // Both records of the team last asked for, from one read of its matches: the engine asks for a
    // team's two records in a row. A plain record is always read afresh, so a source kept from one
    // run to the next never answers from matches read before.
    struct TLastTeam
    {
        TGoalRecordRequest request;
        operations::TTeamGoalRecords records;
    };
    auto last = std::make_shared<std::optional<TLastTeam>>();
    return [&dm, last](const TGoalRecordRequest &q) {
        const auto sameTeam = [&q](const TGoalRecordRequest &r) {
            return r.Side == q.Side && r.DateText == q.DateText && r.DiorgNo == q.DiorgNo &&
                   r.TeamNo == q.TeamNo && r.N == q.N;
        };
        if (!q.ThreePlus || !*last || !sameTeam((*last)->request))
            *last =
                TLastTeam{q, GetTeamGoalRecords(dm, q.Side, q.DateText, q.DiorgNo, q.TeamNo, q.N, q.Text)};
        return q.ThreePlus ? (*last)->records.ThreePlus : (*last)->records.All;
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

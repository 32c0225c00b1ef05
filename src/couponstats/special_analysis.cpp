#include "couponstats/special_analysis.h"

#include "couponstats/operations/dynamh_temp.h"
#include "couponstats/operations/team_history.h"
#include "data/data_module.h"
#include "platform/core/format.h"

#include <set>

namespace tav::couponstats {

using namespace tav::operations;

namespace {

enum TKind
{
    KindStanding = 0,
    KindForm = 1,
    KindGoalDiffApart = 3,
    KindGoalDiff = 4,
    KindSpecialPoints = 5,
    KindPosition = 6,
    KindPositionApart = 7,
    KindGoals = 8,
    KindGoalsApart = 9,
};

bool IsPositionKind(int Kind)
{
    return Kind == KindPosition || Kind == KindPositionApart;
}

bool IsCountKind(int Kind)
{
    return Kind == KindStanding || Kind == KindForm || Kind == KindGoalDiffApart || Kind == KindGoalDiff ||
           Kind == KindSpecialPoints || Kind == KindGoals || Kind == KindGoalsApart;
}

bool IsGoalsKind(int Kind)
{
    return Kind == KindGoals || Kind == KindGoalsApart;
}

// One team's statistic: whether any match was found, over how many matches, and its value.
struct TSideValue
{
    bool Found = false;
    int Matches = 0;
    double Value = 0;
};

TSideValue SideValue(TTavrolinDM &dm, int Kind, bool home, const QString &date, int DiorgNo, int team, int N,
                     const QString &name)
{
    // The kinds measured apart look at the home team's home matches and the away team's away ones.
    const TTeamMatches apart = home ? TTeamMatches::Home : TTeamMatches::Away;
    switch (Kind) {
    case KindStanding: {
        const TTeamRecord r = GetTeamRecord(dm, TTeamMatches::All, date, DiorgNo, team, N, name);
        return {r.Found, r[13], double(3 * r[7] + r[9])};
    }
    case KindForm: {
        const TTeamRecord r = GetTeamRecord(dm, apart, date, DiorgNo, team, N, name);
        return {r.Found, r[13], double(home ? 3 * r[1] + r[5] : 3 * r[2] + r[6])};
    }
    case KindGoalDiffApart: {
        const TTeamRecord r = GetTeamRecord(dm, apart, date, DiorgNo, team, N, name);
        return {r.Found, r[13], double(r[12])};
    }
    case KindGoalDiff: {
        const TTeamRecord r = GetTeamRecord(dm, TTeamMatches::All, date, DiorgNo, team, N, name);
        return {r.Found, r[13], double(r[10] + r[11])};
    }
    case KindSpecialPoints: {
        const TTeamSpecialPoints r =
            GetTeamSpecialPoints(dm, TTeamMatches::All, date, DiorgNo, team, N, name);
        return {r.Found, r[13], double(r[7])};
    }
    default: {
        const TTeamGoals r =
            GetTeamGoals(dm, Kind == KindGoals ? TTeamMatches::All : apart, date, DiorgNo, team, N, name);
        return {r.Found, r[13], r[13] > 0 ? double(r[12]) / r[13] : 0.0};
    }
    }
}

// Dense rank from the fewest points: teams with equal points share a position.
std::optional<int> Position(const std::map<int, TDynamhTotals> &totals, int team, int TDynamhTotals::*points)
{
    const auto found = totals.find(team);
    if (found == totals.end())
        return std::nullopt;
    std::set<int> lower;
    for (const auto &[omada, t] : totals)
        if (t.*points <= found->second.*points)
            lower.insert(t.*points);
    return int(lower.size());
}

} // namespace

TSpecialAnalysis::TSpecialAnalysis(TTavrolinDM &dm, TPageGrid grid) : dm_(dm), grid_(grid) {}

bool TSpecialAnalysis::RunSpecialAnalysis(int Kind, int N, const TRowProgress &progress)
{
    if (!IsCountKind(Kind) && !IsPositionKind(Kind))
        return true;
    grid_.Thresholds = ReadThresholdTexts(kDefaultsA);
    thresholds_ = UsableThresholds(grid_.Thresholds);
    tableDiorgNo_.reset();
    totals_.clear();
    if (Kind == KindSpecialPoints) {
        // The weighted points read the competition's points from the module's current competition.
        dm_.Diorganvseis.SetFilter(QString());
        dm_.Diorganvseis.SetFiltered(false);
        if (!dm_.Diorganvseis.Active())
            dm_.Diorganvseis.Open();
    }
    TCouponMatches matches(dm_);
    return WalkCheckedRows(grid_, progress, [&](QStringList &row) {
        for (const QString &season : grid_.Periods)
            if (const std::optional<TCouponMatch> match = matches.Find(row, season))
                AnalyseMatch(Kind, N, *match, row);
    });
}

void TSpecialAnalysis::AnalyseMatch(int Kind, int N, const TCouponMatch &match, QStringList &row)
{
    if (IsPositionKind(Kind))
        AnalysePositions(Kind, N, match, row);
    else
        AnalyseCounts(Kind, N, match, row);
}

void TSpecialAnalysis::AnalyseCounts(int Kind, int N, const TCouponMatch &match, QStringList &row)
{
    if (Kind == KindSpecialPoints && !dm_.Diorganvseis.Locate(QStringLiteral("DNo"), {match.DiorgNo}))
        return;
    const QString date = CellOf(row, PgDate);
    const TSideValue home =
        SideValue(dm_, Kind, true, date, match.DiorgNo, match.Ghpedoyxos, N, CellOf(row, PgHomeTeam));
    const TSideValue away =
        SideValue(dm_, Kind, false, date, match.DiorgNo, match.Filojenoymenh, N, CellOf(row, PgAwayTeam));
    if (!home.Found || !away.Found)
        return;
    // Values over different numbers of matches do not compare, and none of them stays to mislead.
    if (home.Matches != away.Matches || home.Matches == 0) {
        ClearValues(row);
        return;
    }
    if (IsGoalsKind(Kind)) {
        SetCell(row, PgHomeValue, OneDecimal(home.Value));
        SetCell(row, PgAwayValue, OneDecimal(away.Value));
        // The sum and the difference are of the averages as shown.
        const TShownPair shown = ShownPair(CellOf(row, PgHomeValue), CellOf(row, PgAwayValue));
        SetCell(row, PgDifference, OneDecimal(shown.Sum));
        WriteProposal(row, shown.Difference, thresholds_);
        return;
    }
    const int difference = int(home.Value) - int(away.Value);
    SetCell(row, PgHomeValue, IntToStr(int(home.Value)));
    SetCell(row, PgAwayValue, IntToStr(int(away.Value)));
    SetCell(row, PgDifference, IntToStr(difference));
    WriteProposal(row, difference, thresholds_);
}

void TSpecialAnalysis::AnalysePositions(int Kind, int N, const TCouponMatch &match, QStringList &row)
{
    if (tableDiorgNo_ != match.DiorgNo) {
        // Later rows of the same competition reuse the table made for the first of them.
        EmptyDynamhTemp(dm_.TavrolinDb);
        const QString before = DateToStr(StrToDate(CellOf(row, PgDate)).addDays(-2));
        FillDynamhTemp(dm_, before, match.DiorgNo, match.Ghpedoyxos, N);
        totals_ = ReadDynamhTotals(dm_.TavrolinDb);
        tableDiorgNo_ = match.DiorgNo;
    }
    const bool apart = Kind == KindPositionApart;
    const std::optional<int> home =
        Position(totals_, match.Ghpedoyxos, apart ? &TDynamhTotals::Home : &TDynamhTotals::Total);
    const std::optional<int> away =
        Position(totals_, match.Filojenoymenh, apart ? &TDynamhTotals::Away : &TDynamhTotals::Total);
    // A team without a played match has no position, and the row then no difference or proposal.
    SetCell(row, PgHomeValue, home ? IntToStr(*home) : QString());
    SetCell(row, PgAwayValue, away ? IntToStr(*away) : QString());
    if (!home || !away) {
        SetCell(row, PgDifference, QString());
        SetCell(row, PgProposal, QString());
        return;
    }
    SetCell(row, PgDifference, IntToStr(*home - *away));
    WriteProposal(row, *home - *away, thresholds_);
}

} // namespace tav::couponstats

#include "analysis/prediction_engine.h"

#include "platform/core/format.h"
#include "platform/core/rounding.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tav::analysis {

namespace {

const char *const kTotalsTitle = "Επιτυχίες :";
const char *const kUnknown = "?";
const char *const kNoOdds = "-";

// The sign letters in the order of AnalysisRow::Percent.
const QChar kSignOfIndex[3] = {QLatin1Char('X'), QLatin1Char('1'), QLatin1Char('2')};

int Nearest(double value)
{
    return static_cast<int>(Round(value));
}

void Count(TSignCounts &counts, const TRecentResult &result)
{
    if (result.TelGGoals > result.TelFGoals)
        ++counts.Count1;
    if (result.TelGGoals < result.TelFGoals)
        ++counts.Count2;
    if (result.TelGGoals == result.TelFGoals)
        ++counts.CountX;
}

// The last `recent` results of every club of the side, by the club's number in the history.
std::map<int, TSignCounts> CountsByClub(const std::vector<TRecentResult> &history, bool home, int recent)
{
    std::map<int, TSignCounts> counts;
    for (const TRecentResult &result : history) {
        TSignCounts &club = counts[home ? result.GTeamNo : result.FTeamNo];
        if (club.Total() < recent)
            Count(club, result);
    }
    return counts;
}

TSignCounts CountsOf(const std::map<int, TSignCounts> &counts, int club)
{
    const auto found = counts.find(club);
    return found == counts.end() ? TSignCounts() : found->second;
}

std::uint8_t PercentOf(const TAnalysisRow &row, QChar sign)
{
    for (int i = 0; i < 3; ++i)
        if (kSignOfIndex[i] == sign)
            return row.Percent[i];
    return 0;
}

bool Holds(const QString &signs, const QString &sign)
{
    return !sign.isEmpty() && sign != QLatin1String(kUnknown) && signs.contains(sign);
}

} // namespace

QString ResultSign(const std::optional<int> &homeGoals, const std::optional<int> &awayGoals)
{
    const int home = homeGoals.value_or(0);
    const int away = awayGoals.value_or(0);
    if (home > away)
        return QStringLiteral("1");
    if (home == away && homeGoals.has_value())
        return QStringLiteral("X");
    if (home < away)
        return QStringLiteral("2");
    return QString::fromLatin1(kUnknown);
}

QChar PlayedSign(int homeGoals, int awayGoals)
{
    if (homeGoals > awayGoals)
        return QLatin1Char('1');
    return homeGoals < awayGoals ? QLatin1Char('2') : QLatin1Char('X');
}

TPercentages CombineCounts(const TSignCounts &home, const TSignCounts &away)
{
    const int count1 = home.Count1 + away.Count1 + 1;
    const int count2 = home.Count2 + away.Count2 + 1;
    int countX = home.CountX + away.CountX + 1;
    const double ratio = double(std::max(count1, count2)) / std::min(count1, count2);
    const double drawShare = ratio < 2.5 ? 0.5 : 0.4;
    countX = std::max(countX, Nearest(drawShare * (count1 + count2)));
    const double total = count1 + count2 + countX;
    TPercentages result;
    result.P1 = Nearest(100.0 * count1 / total);
    result.P2 = Nearest(100.0 * count2 / total);
    result.PX = 100 - result.P1 - result.P2;
    return result;
}

void FillListedMatches(TAnalysisTable &table, const std::vector<TListedMatch> &matches)
{
    table.AnalysisCount = 0;
    for (const TListedMatch &match : matches) {
        if (table.AnalysisCount == AnalysisCapacity)
            break;
        TAnalysisRow &row = table.AnalysisRows[++table.AnalysisCount];
        row.GameNo = match.GameNo;
        row.Teams = match.Teams.left(50);
        row.Score = match.Score.left(5);
        row.ResultSign = ResultSign(match.TelGGoals, match.TelFGoals);
    }
}

void PredictFromRecentResults(TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                              const std::vector<TRecentResult> &homeHistory,
                              const std::vector<TRecentResult> &awayHistory, int recent, bool combine)
{
    table.Clear();
    FillListedMatches(table, matches);
    const std::map<int, TSignCounts> home = CountsByClub(homeHistory, true, recent);
    const std::map<int, TSignCounts> away = CountsByClub(awayHistory, false, recent);
    for (int k = 1; k <= table.AnalysisCount; ++k) {
        const TListedMatch &match = matches[k - 1];
        TAnalysisRow &row = table.AnalysisRows[k];
        row.HomeTeam = match.Ghpedoyxos;
        row.AwayTeam = match.Filojenoymenh;
        if (!combine)
            continue;
        const TPercentages percent =
            CombineCounts(CountsOf(home, match.GTeamNo), CountsOf(away, match.FTeamNo));
        row.Percent = {std::uint8_t(percent.PX), std::uint8_t(percent.P1), std::uint8_t(percent.P2)};
    }
}

std::vector<TTeamStatPercent> TeamStatPercentages(const TAnalysisTable &table, int matchday)
{
    std::vector<TTeamStatPercent> rows;
    for (int k = 1; k <= table.AnalysisCount; ++k) {
        const TAnalysisRow &row = table.AnalysisRows[k];
        const TPercentages percent{row.Percent[Percent1], row.Percent[PercentX], row.Percent[Percent2]};
        rows.push_back({row.AwayTeam, matchday, percent});
        rows.push_back({row.HomeTeam, matchday, percent});
    }
    return rows;
}

void ClassifySigns(TAnalysisTable &table)
{
    table.TopPercentTotal = 0;
    for (int k = 1; k <= table.AnalysisCount; ++k) {
        TAnalysisRow &row = table.AnalysisRows[k];
        row.FullSigns.clear();
        row.SurpriseSigns.clear();
        for (int index : {Percent1, PercentX, Percent2})
            (row.Percent[index] >= 19 ? row.FullSigns : row.SurpriseSigns).append(kSignOfIndex[index]);
        // Positions 1 to 3 start as X, 1, 2; a later sign moves ahead only with a larger share.
        std::array<int, 4> order{0, PercentX, Percent1, Percent2};
        for (int i = 3; i >= 2; --i)
            for (int j = i - 1; j >= 1; --j)
                if (row.Percent[order[j]] < row.Percent[order[i]])
                    std::swap(order[j], order[i]);
        const int top = row.Percent[order[1]];
        const int second = row.Percent[order[2]];
        const int third = row.Percent[order[3]];
        table.TopPercentTotal += top;
        row.BaseSigns = kSignOfIndex[order[1]];
        if (top - second < 2)
            row.BaseSigns.append(kSignOfIndex[order[2]]);
        if (top - third < 2)
            row.BaseSigns.append(kSignOfIndex[order[3]]);
        row.ProbableSigns = kSignOfIndex[order[1]];
        if (top < 51) {
            row.ProbableSigns.append(kSignOfIndex[order[2]]);
            if (second - third < 2)
                row.ProbableSigns.append(kSignOfIndex[order[3]]);
        }
    }
}

QString SuggestedOdds(int percent)
{
    if (percent <= 0)
        return QString::fromLatin1(kNoOdds);
    int cents = Nearest(1000000.0 / (percent * 111.0));
    const int rest = cents % 5;
    cents += rest > 2 ? 5 - rest : -rest;
    double odds = cents / 100.0;
    // Three significant digits: only odds of 10 and more lose a digit.
    const int digits = 3 - (static_cast<int>(std::floor(std::log10(odds))) + 1);
    if (digits < 2) {
        const double scale = std::pow(10.0, digits);
        odds = Nearest(odds * scale) / scale;
    }
    return Format(QStringLiteral("%.2f"), {odds});
}

std::array<QString, 3> PercentCells(const TAnalysisRow &row, TDisplayMode mode)
{
    std::array<QString, 3> cells;
    const int indexes[3] = {Percent1, PercentX, Percent2};
    for (int i = 0; i < 3; ++i) {
        const int percent = row.Percent[indexes[i]];
        cells[i] = mode == TDisplayMode::Odds ? SuggestedOdds(percent) : QString::number(percent);
    }
    return cells;
}

std::array<QString, 12> TotalsRow(TAnalysisTable &table)
{
    std::array<QString, 12> cells;
    cells[2] = QString::fromUtf8(kTotalsTitle);
    cells[3] = QString::number(table.TopPercentTotal);
    bool anyPlayed = false;
    int hits[4] = {0, 0, 0, 0};
    int hitTotal = 0;
    for (int k = 1; k <= table.AnalysisCount; ++k) {
        const TAnalysisRow &row = table.AnalysisRows[k];
        if (row.ResultSign == QLatin1String(kUnknown))
            continue;
        anyPlayed = true;
        const QString *signs[4] = {&row.BaseSigns, &row.ProbableSigns, &row.FullSigns, &row.SurpriseSigns};
        for (int i = 0; i < 4; ++i)
            hits[i] += Holds(*signs[i], row.ResultSign) ? 1 : 0;
        if (!row.ResultSign.isEmpty())
            hitTotal += PercentOf(row, row.ResultSign.at(0));
    }
    if (!anyPlayed) {
        for (int column = 4; column <= 9; ++column)
            cells[column] = QString::fromLatin1(kUnknown);
        return cells;
    }
    table.HitPercentTotal = std::uint16_t(hitTotal);
    for (int i = 0; i < 4; ++i)
        cells[6 + i] = QString::number(hits[i]);
    cells[4] = QString::number(table.HitPercentTotal);
    const int share =
        table.TopPercentTotal == 0 ? 0 : Nearest(100.0 * table.HitPercentTotal / table.TopPercentTotal);
    cells[5] = QString::number(share) + QStringLiteral(" %");
    return cells;
}

} // namespace tav::analysis

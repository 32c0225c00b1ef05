#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tav::analysis {

// The most matches one prediction holds; slot 0 of the table is never used.
constexpr int AnalysisCapacity = 255;

// Indexes of AnalysisRow::Percent: the percentages are kept in the order X, 1, 2.
enum TPercentIndex
{
    PercentX = 0,
    Percent1 = 1,
    Percent2 = 2,
};

// One listed match with the prediction of its signs.
struct TAnalysisRow
{
    int GameNo = 0;
    // The sides' competition-team records, also the TeamNo key of their TeamStat rows.
    int HomeTeam = 0;
    int AwayTeam = 0;
    QString Teams;
    QString Score;
    std::array<std::uint8_t, 3> Percent{};
    // "1", "X" or "2" of the final score, "?" without a result.
    QString ResultSign;
    QString BaseSigns;
    QString ProbableSigns;
    QString FullSigns;
    QString SurpriseSigns;
};

// The prediction of the listed matchday: matches in slots 1 to AnalysisCount.
struct TAnalysisTable
{
    std::array<TAnalysisRow, AnalysisCapacity + 1> AnalysisRows{};
    std::uint8_t AnalysisCount = 0;
    // The sum of every match's top percentage, and of the percentage each played match's sign had.
    std::uint16_t TopPercentTotal = 0;
    std::uint16_t HitPercentTotal = 0;

    void Clear() { *this = TAnalysisTable(); }
};

// A match of the list as the predictions read it.
struct TListedMatch
{
    int GameNo = 0;
    int DiorgNo = 0;
    int Agvnistikh = 0;
    int Ghpedoyxos = 0;
    int Filojenoymenh = 0;
    // The clubs across seasons.
    int GTeamNo = 0;
    int FTeamNo = 0;
    std::optional<int> TelGGoals;
    std::optional<int> TelFGoals;
    QDate Date;
    QString Teams;
    QString Score;
};

// A played earlier match of a club, newest first in the histories.
struct TRecentResult
{
    int GTeamNo = 0;
    int FTeamNo = 0;
    int TelGGoals = 0;
    int TelFGoals = 0;
};

struct TSignCounts
{
    int Count1 = 0;
    int Count2 = 0;
    int CountX = 0;

    int Total() const { return Count1 + Count2 + CountX; }
    bool operator==(const TSignCounts &) const = default;
};

struct TPercentages
{
    int P1 = 0;
    int PX = 0;
    int P2 = 0;

    bool operator==(const TPercentages &) const = default;
};

// The percentages of one TeamStat row (the side's record at the listed matchday).
struct TTeamStatPercent
{
    int TeamNo = 0;
    int Agvnistikh = 0;
    TPercentages Percent;
};

enum class TDisplayMode
{
    Percentages,
    Odds,
};

// "1" when the home side scored more, "X" on a draw with a result, "2" when it scored fewer, "?"
// without a result.
QString ResultSign(const std::optional<int> &homeGoals, const std::optional<int> &awayGoals);
// The sign of a played result.
QChar PlayedSign(int homeGoals, int awayGoals);

// The percentages of 1, X and 2 from the two sides' counts: each count of the pair plus one; X
// is raised towards the draw share that the gap between 1 and 2 leaves.
TPercentages CombineCounts(const TSignCounts &home, const TSignCounts &away);

// Fills slots 1.. of the table with the listed matches (at most AnalysisCapacity), the numbers,
// teams, score and result sign of each.
void FillListedMatches(TAnalysisTable &table, const std::vector<TListedMatch> &matches);

// The percentages of the recent-results method: each listed home side's last `recent` home
// results and each away side's last `recent` away results (the histories newest first, home
// history by GTeamNo, away history by FTeamNo) are counted by the sign of the match; with
// combine the two sides' counts give the percentages, without it every percentage is 0. Every
// listed match and side keeps its own counts, so a club listed twice is counted for both.
void PredictFromRecentResults(TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                              const std::vector<TRecentResult> &homeHistory,
                              const std::vector<TRecentResult> &awayHistory, int recent, bool combine);

// The percentages to store in both sides' TeamStat rows of the matchday, the away side first.
std::vector<TTeamStatPercent> TeamStatPercentages(const TAnalysisTable &table, int matchday);

// The base, probable, full-cover and surprise signs of every match, and TopPercentTotal.
void ClassifySigns(TAnalysisTable &table);

// The suggested odds of a percentage with the bookmaker's margin, snapped to a multiple of 0.05;
// "-" for a share of 0.
QString SuggestedOdds(int percent);

// The texts of the columns 1, X and 2 of a match row in the display mode.
std::array<QString, 3> PercentCells(const TAnalysisRow &row, TDisplayMode mode);

// The twelve cells of the totals row below the matches; sets HitPercentTotal.
std::array<QString, 12> TotalsRow(TAnalysisTable &table);

} // namespace tav::analysis

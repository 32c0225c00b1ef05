#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>
#include <set>
#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// The columns of a match analysis row.
enum TMatchAnalysisColumn
{
    macDate = 0,
    macTime = 1,
    macCategoryCode = 2,
    macTeams = 3,
    macHomeGoals = 4,
    macAwayGoals = 5,
    macForm1 = 6,
    macFormX = 7,
    macForm2 = 8,
    macSign = 9,
    macCouponNumber = 10,
    macOdds1Percent = 11,
    macOddsXPercent = 12,
    macOdds2Percent = 13,
    macOdds1 = 14,
    macOddsX = 15,
    macOdds2 = 16,
    macRowNumber = 17,
    macExtra1 = 18,
    macExtraX = 19,
    macExtra2 = 20,
};
inline constexpr int kMatchAnalysisColumns = 18;
inline constexpr int kMatchAnalysisExtraColumns = 21;

// The file of the match analysis's ticked categories.
inline constexpr const char MatchAnalysisSelectionFile[] = "selAnalysh.txt";

// Three whole percentages for 1, X and 2 that add up to 100.
struct TOutcomePercent
{
    int P1 = 0;
    int PX = 0;
    int P2 = 0;

    bool operator==(const TOutcomePercent &) const = default;
};

// How many earlier matches of a team ended in each sign (the sign of the result, not the team's own
// win: for an away team Count2 holds its wins). Only the nine most recent count.
struct FormCounts
{
    static constexpr int kDepth = 9;
    int Count1 = 0;
    int Count2 = 0;
    int CountX = 0;

    bool Full() const { return Count1 + Count2 + CountX >= kDepth; }
    // Counts one earlier result unless nine are counted already.
    void Add(int homeGoals, int awayGoals);
};

// One FormCounts record per team of the window: a team keeps its first slot wherever it plays
// again, so both its home and its away history count into the one record.
class TeamSlots
{
public:
    // The team's slot, made on its first appearance.
    int Add(int teamNo);
    // The team's slot, or -1 for a team never added.
    int SlotOf(int teamNo) const { return slotOf_.value(teamNo, -1); }
    int Count() const { return int(teams_.size()); }
    // The team numbers in slot order.
    const QList<int> &Teams() const { return teams_; }

private:
    QHash<int, int> slotOf_;
    QList<int> teams_;
};

// The form percentages of a match from the home team's and the away team's records, with a floor
// under the draw; the records stay as they are.
TOutcomePercent FormPercentages(const FormCounts &home, const FormCounts &away);

// The percentages the three odds texts imply (decimal comma or point); none unless all three hold a
// number. Odds that give nothing to share out give 0, 100, 0.
std::optional<TOutcomePercent> OddsImpliedPercent(const QString &odds1, const QString &oddsX,
                                                  const QString &odds2);

// A team's stored standing after a matchday: wins, draws and losses at home and away.
struct TTeamStatCounts
{
    int NikesIn = 0;
    int IsopIn = 0;
    int HttesIn = 0;
    int NikesOut = 0;
    int IsopOut = 0;
    int HttesOut = 0;
};

// The points a win, a draw and a loss give.
struct TPointsRule
{
    int Win = 3;
    int Draw = 1;
    int Loss = 0;
};

// The estimate from the standings after the previous matchday: each side's points per game over
// all its games and over its home (away) games, scaled by the number of teams; a side without a
// stored row counts zeros.
TOutcomePercent ComputeExtraEstimate(int teams, const TPointsRule &points, const TTeamStatCounts &home,
                                     const TTeamStatCounts &away);

// What to analyse: the days of the window, which matches by their result, the competitions (none:
// every competition) and whether to add the extra estimate.
struct TMatchAnalysisRequest
{
    TMatchAnalysisRequest(const QDate &from, const QDate &to, bool withScore = true, bool withoutScore = true,
                          std::optional<std::set<int>> competitions = std::nullopt)
        : DateFrom(from), DateTo(to), WithScore(withScore), WithoutScore(withoutScore),
          Competitions(std::move(competitions))
    {
    }

    QDate DateFrom;
    QDate DateTo;
    bool WithScore = true;
    bool WithoutScore = true;
    std::optional<std::set<int>> Competitions;
    bool Extra = false;
};

enum class TMatchAnalysisStatus
{
    Done,
    NoResultKind, // neither played nor unplayed matches asked for
    NoMatch
};

struct TMatchAnalysisResult
{
    TMatchAnalysisStatus Status = TMatchAnalysisStatus::Done;
    // One row of cell texts per match (18 cells, 21 with the extra estimate), by date, kick-off
    // time, competition and entry.
    QList<QStringList> Rows;
    // The competition of the last row; 0 without rows.
    int LastCompetition = 0;
};

// The rows of every match of the window. History comes from every competition and season before the
// window's first day: the nine latest home results of each home team and away results of each away
// team. The data module's current competition moves to that of the last row; the shared matches
// table is not touched. Raises EDBEngineError when the database refuses a read.
TMatchAnalysisResult RunMatchAnalysis(TTavrolinDM &dm, const TMatchAnalysisRequest &request);

// The first and last day the window offers on a day: Friday to Monday of the weekend just begun or
// past on Friday to Monday, of the coming one from Tuesday to Thursday.
struct TAnalysisDays
{
    QDate From;
    QDate To;
};
TAnalysisDays DefaultAnalysisDays(const QDate &today);

} // namespace tav::analysis

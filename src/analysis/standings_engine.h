#pragma once

#include "analysis/standings_entry.h"
#include "analysis/standings_sort.h"

#include <QDate>
#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

namespace tav::analysis {

// The competition as the league table needs it (a row of Diorganvseis).
struct TStandingsCompetition
{
    int DNo = 0;
    int Omades = 0; // declared number of teams; sets the highest matchday
    int Nikh = 3;
    int Isop = 1;
    int Htta = 0;
    int Typos = 0; // 0 league, 1 cup
    int Rounds = 2;
    int OmadesUp = 0;
    int OmadesDn = 0;
    int Champions = 0;
};

// One team of the competition (a row of PerOmades).
struct TStandingsTeam
{
    int RecNo = 0; // the number by which matches name their home and away team
    int TeamNo = 0;
    QString GrName;
    QString EnName;
    int Timvria = 0; // the points the team starts from; negative for a deduction
    int Isxys = 0;
};

// One match (a row of Agvnes). Empty full-time home goals mean the match is not played yet.
struct TStandingsMatch
{
    int DiorgNo = 0;
    int Agvnistikh = 0;
    int Ghpedoyxos = 0;
    int Filojenoymenh = 0;
    int Omilos = 0;
    int GameNo = 0;
    std::optional<int> HmGGoals;
    std::optional<int> HmFGoals;
    std::optional<int> TelGGoals;
    std::optional<int> TelFGoals;
    QDate Date;

    bool operator==(const TStandingsMatch &) const = default;
};

// The values of one TeamStat row: one team's counters up to a matchday and its three places.
struct TTeamStatRow
{
    int TeamNo = 0; // the competition team's RecNo
    int Agvnistikh = 0;
    int NikesIn = 0;
    int IsopIn = 0;
    int HttesIn = 0;
    int NikesOut = 0;
    int IsopOut = 0;
    int HttesOut = 0;
    int GoalYpIn = 0;
    int GoalKaIn = 0;
    int GoalYpOut = 0;
    int GoalKaOut = 0;
    int Position = 0;
    int PositionEntos = 0;
    int PositionEktos = 0;

    bool operator==(const TTeamStatRow &) const = default;
};

// What ShowRound did: the matchday it settled on (never above the highest) and whether a table
// was computed (a cup has none; the window then clears its grid).
struct TShowRoundResult
{
    bool Computed = false;
    int Matchday = 0;
};

// How the league table marks a place (the window colours the row's text by it).
enum class TPlaceMark
{
    None,
    Champion,
    Promoted,
    Relegated,
};

// The most teams one table holds.
inline constexpr int MaxStandingsTeams = 255;

// The highest matchday of a league: every team meets every other once per round; with an odd
// count each team also sits out one matchday per round. Never below 1.
int HighestMatchday(int omades, int rounds);

// The mark of a place: the title places, then the promotion places after them, then the
// relegation places at the bottom, which win over the others when they overlap.
TPlaceMark PlaceMark(const TStandingsCompetition &competition, int place);

// Computes the league table of one competition at a matchday, counting the matches from the
// start matchday on, in overall, home and away order, and the TeamStat values of that matchday.
// The results stay until the next computation, for the window's grid, orderings and exports.
class TStandingsEngine
{
public:
    void SetCompetition(const TStandingsCompetition &competition);
    // Raises Exception when the competition has more than MaxStandingsTeams teams.
    void SetTeams(std::vector<TStandingsTeam> teams);
    // The matches may include other competitions' matches; only those of the competition count.
    void SetMatches(std::vector<TStandingsMatch> matches);
    void SetStartMatchday(int startMatchday) { startMatchday_ = startMatchday; }

    const TStandingsCompetition &Competition() const { return competition_; }
    // The teams in the table's build order (ascending RecNo).
    const std::vector<TStandingsTeam> &Teams() const { return teams_; }
    const TStandingsTeam *FindTeam(int recNo) const;
    int StartMatchday() const { return startMatchday_; }
    int HighestMatchday() const;

    // Whether any match of the competition falls on the matchday, among the matches from the
    // start matchday on. The window clears its grid instead of computing when none does.
    bool HasMatchday(int matchday) const;

    // Brings the matchday within the highest matchday and, unless the competition is a cup,
    // computes the table. DNo must be the number of the competition set; another raises
    // Exception, since its teams and points would not be the ones loaded.
    TShowRoundResult ShowRound(int DNo, int matchday);

    // Fills and sorts the three tables and the TeamStat rows of the matchday.
    void ComputeStandings(int matchday);

    // Re-sorts StandingsTable by a column title of the window; see ApplySpecialOrdering.
    std::optional<QString> ApplySpecialOrdering(int section);

    const TStandingsTable &StandingsTable() const { return standingsTable_; }
    const TStandingsTable &HomeStandingsTable() const { return homeStandingsTable_; }
    const TStandingsTable &AwayStandingsTable() const { return awayStandingsTable_; }
    int StandingsCount() const { return static_cast<int>(standingsTable_.size()); }
    // The matchday of the last computation.
    int Matchday() const { return matchday_; }
    // One row per team in overall order, for the data module to store under (TeamNo, Agvnistikh).
    const std::vector<TTeamStatRow> &TeamStatRows() const { return teamStatRows_; }
    // Played matches of the last computation left out because a side is not among the
    // competition's teams (the data should never hold one; the window names each to the user).
    const std::vector<TStandingsMatch> &SkippedMatches() const { return skippedMatches_; }

private:
    bool Counts(const TStandingsMatch &match, int matchday) const;
    void BuildTeamStatRows();

    TStandingsCompetition competition_;
    std::vector<TStandingsTeam> teams_;
    std::unordered_map<int, std::size_t> teamIndex_; // RecNo -> index in teams_
    std::vector<TStandingsMatch> matches_;
    int startMatchday_ = 1;

    TStandingsTable standingsTable_;
    TStandingsTable homeStandingsTable_;
    TStandingsTable awayStandingsTable_;
    int matchday_ = 0;
    std::vector<TTeamStatRow> teamStatRows_;
    std::vector<TStandingsMatch> skippedMatches_;
};

} // namespace tav::analysis

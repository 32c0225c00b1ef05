#pragma once

#include "analysis/standings_engine.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <unordered_map>
#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// The caption of the standings-by-date window after every computation.
inline constexpr const char DateStandingsCaption[] = "Βαθμολογία με Ημερομηνίες";

// The league table of the given matches, taken in their order: a team enters the table at its
// first match, the home side before the away side, whether that match was played or not; only
// played matches count, and the points won are all the points a team has (no starting points).
// Sorted by points, then goal difference. Raises Exception for more than MaxStandingsTeams teams.
TStandingsTable ComputeDateStandingsTable(const std::vector<TStandingsMatch> &matches,
                                          const TPointsRule &rule);

// The league table of one competition over the matches between two dates, both included. It is
// computed from the competition's matches alone and stores nothing; the table and the order the
// column titles give it stay until the next computation.
class TDateStandingsEngine
{
public:
    // Reads competition DNo, its teams and its matches from the first to the last date, and
    // computes the table. A first date after the last gives an empty table. Raises
    // EDatabaseError when there is no such competition.
    void ComputeStandings(TTavrolinDM &dm, int DNo, const QDate &first, const QDate &last);
    // The same from inputs already read; the matches in date order.
    void ComputeStandings(const TStandingsCompetition &competition, std::vector<TStandingsTeam> teams,
                          const std::vector<TStandingsMatch> &matches);
    // Forgets the table (a cup has none).
    void Clear();

    // Re-sorts the table, in its current order, by the clicked column title; see
    // ApplySpecialOrdering. The grid is refilled whatever it returns.
    std::optional<QString> ApplySpecialOrdering(int section);

    const TStandingsCompetition &Competition() const { return competition_; }
    const TStandingsTable &DateStandingsTable() const { return table_; }
    int DateStandingsCount() const { return static_cast<int>(table_.size()); }

    // The mark that colours grid row `row` (from 0): it goes with the place, not with the team, so
    // it stays on the places after a special ordering. The relegation places count from the
    // competition's registered number of teams.
    TPlaceMark RowMark(int row) const;
    // The cell texts of grid row `row`: its place, the team's Greek or Latin name and its numbers.
    QStringList RowTexts(int row, bool latin) const;

private:
    TStandingsCompetition competition_;
    std::unordered_map<int, TStandingsTeam> teams_; // by RecNo
    TStandingsTable table_;
};

} // namespace tav::analysis

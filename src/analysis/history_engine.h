#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

class TDataSet;
class TTavrolinDM;

namespace tav::analysis {

// The head-to-head history of a matchday: for every listed match, the earlier meetings of its two
// clubs with the same club at home (the forward entry) and with the roles reversed (the reverse
// entry), in competitions of the match's own type, with their scores, seasons and totals.

// The longest entry title; longer titles are cut.
constexpr int HistoryTitleLength = 30;

// A listed match as the history reads it.
struct THistoryListedMatch
{
    int DiorgNo = 0;
    // The clubs across seasons.
    int GTeamNo = 0;
    int FTeamNo = 0;
    // None for a match without date, which has no earlier meetings.
    QDate Date;
    // "home - away" and the score text of the match itself.
    QString Teams;
    QString Score;
    QString HomeName;
    QString AwayName;
};

// One earlier meeting: "%2d-%2d" of its full-time goals and the season of its competition.
struct THistoryMeeting
{
    QString Score;
    QString Season;

    bool operator==(const THistoryMeeting &) const = default;
};

// One match in one orientation; the counts and goals are those of the first-named club, which was
// at home in every meeting of the entry.
struct THistoryEntry
{
    QString Title;
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    int HomeGoals = 0;
    int AwayGoals = 0;
    // The match's own score in a forward entry, empty in a reverse one.
    QString Score;
    // Forward entries newest first, reverse entries oldest first.
    std::vector<THistoryMeeting> Meetings;
};

// Entries in pairs, in the order of the listed matches: the forward entry of match k at 2k, its
// reverse entry at 2k + 1 (0-based).
using THistoryRows = std::vector<THistoryEntry>;

// The listed matches the dataset delivers (the match list's range on Agvnes), in its order, with
// their calculated teams and score and the names of their sides. The dataset's controls stay
// still and its cursor comes back.
std::vector<THistoryListedMatch> ReadHistoryMatches(TDataSet &matches);

// Finds the meetings through the index on home club, away club and date: two bound queries per
// listed match, each touching only the rows of one pair of clubs.
class THistoryEngine
{
public:
    explicit THistoryEngine(TTavrolinDM &dm) : dm_(dm) {}

    // The entries of the listed matches. A meeting counts when its competition has the type of the
    // match's competition (a competition that is not there has type 0), it lies before the match
    // date and it has a result; meetings of one date come in the order they were entered.
    THistoryRows ComputeHistory(const std::vector<THistoryListedMatch> &matches);

private:
    void AddMeetings(THistoryEntry &entry, bool forward, const THistoryListedMatch &match);

    TTavrolinDM &dm_;
};

// Titles the entries again from the listed matches, as the names are now shown: the forward entry
// "home - away", the reverse one "away - home", both cut. Entries without a listed match keep
// their titles; listed matches without entries are passed over.
void RetitleHistory(THistoryRows &rows, const std::vector<THistoryListedMatch> &matches);

// Every season of the entries' meetings once, in ascending order.
QStringList HistorySeasons(const THistoryRows &rows);

// The history as the grid shows it: row 0 the headings (nothing over the titles, the seasons, then
// "N", "I", "H", "ΓΥ", "ΓΚ", "Σκόρ"); then one row per entry: its title, the score of each season's
// meeting ("-" without one; of two meetings in one season the later in the entry's order), its
// wins, draws, losses, goals of both sides and the match's own score.
std::vector<QStringList> HistoryGrid(const THistoryRows &rows, const QStringList &seasons);

} // namespace tav::analysis

#pragma once

#include "analysis/standings_entry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class TDataSet;
class TQuery;

namespace tav::analysis {

// One match of a team's list: the competition records (RecNo of PerOmades.DB) of its home and
// away team and its full-time goals; a match without home goals is not played yet.
struct TFormRow
{
    int HomeTeam = 0;
    int AwayTeam = 0;
    std::optional<int> HomeGoals;
    std::optional<int> AwayGoals;
};

// A team's results at home and away.
struct TTeamSuccesses
{
    int HomeWins = 0;
    int HomeDraws = 0;
    int HomeLosses = 0;
    int AwayWins = 0;
    int AwayDraws = 0;
    int AwayLosses = 0;
};

// One line of a team's summary: its games, their points, its results and the results as
// percentages of the games ("12 - 38 - 50"; empty without games).
struct TSuccessLine
{
    int Games = 0;
    int Points = 0;
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    QString Percentages;
};

// The summary of a team's list: at home, away, in all, and the special points of its latest six
// played matches.
struct TTeamForm
{
    TSuccessLine Home;
    TSuccessLine Away;
    TSuccessLine Overall;
    int SpecialPoints = 0;
};

// What a match was for a team.
enum class TFormOutcome
{
    Unplayed,
    Win,
    Draw,
    Loss,
    NotTheTeam
};

// The outcome of a row for team (a competition record).
TFormOutcome OutcomeOf(const TFormRow &row, int team);
// The outcome of a shown score "g-f" (an empty side reads 0; no home goals: not played) for a
// team that played at home or away.
TFormOutcome ScoreOutcome(const QString &score, bool teamAtHome);

// The results of team (a competition record) in its rows; the side it played is told by its
// record, so two teams of one name never take each other's matches. Unplayed matches count nothing.
TTeamSuccesses CountSuccesses(const std::vector<TFormRow> &rows, int team);
// Games, points and percentages of one line of results.
TSuccessLine SuccessLine(int wins, int draws, int losses, const TPointsRule &rule);
// "%2d - %2d - %2d" of the results as whole percentages of the games, halves to even; the three
// need not add up to 100. Empty without games.
QString PercentageText(int wins, int draws, int losses);
// The points of the latest played matches, the last row being the latest: the newest counts six
// times its points, the next five times, down to once for the sixth; unplayed matches between
// them take no weight.
int SpecialPoints(const std::vector<TFormRow> &rows, int team, const TPointsRule &rule);
TTeamForm TeamForm(const std::vector<TFormRow> &rows, int team, const TPointsRule &rule);

// How the summary shows a count of wins and of draws: the number and "  -".
QString WinsText(int wins);
QString DrawsText(int draws);
// The captions of the three summary lines.
QStringList SuccessCaptions();
// The special points' caption.
QString SpecialPointsCaption();
// The summary under a printed list, from the texts the summary shows: the column heads, the
// home, away and overall lines, the special points. Each line's texts are games, points, wins,
// draws, losses and percentages.
QStringList FormSummaryLines(const QList<QStringList> &lineTexts, const QString &specialPoints);
// The title of a printed list: season, competition and team.
QString FormPrintTitle(const QString &season, const QString &competition, const QString &team);

// Opens the matches of team in competition DNo on query (the data module's QryForma or QryForma2):
// in matchday order, or by date when calendarOrder.
void OpenTeamMatches(TQuery &query, const QVariant &DNo, int team, bool calendarOrder);
// The rows of an open list of matches, in its order; the cursor back on the first row.
std::vector<TFormRow> ReadFormRows(TDataSet &matches);

} // namespace tav::analysis

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// The half-time and full-time goals of one match; an empty field is a goal not entered.
struct TMatchGoals
{
    std::optional<int> HmGGoals;
    std::optional<int> HmFGoals;
    std::optional<int> TelGGoals;
    std::optional<int> TelFGoals;
};

// A grid of the statistics window: its rows of six cells, row 0 the headings; the label cells are
// columns 0, 2 and 4, each count in the cell to the right of its label.
template <std::size_t Rows> using TStatisticsGrid = std::array<std::array<QString, 6>, Rows>;

// The result statistics of one season of a competition, as the statistics window shows them.
struct TSeasonStatistics
{
    int Played = 0;                   // matches with a full-time sign
    QString FullTimeSummary;          // "1: n(p)    X: n(p)    2: n(p)", empty without a played match
    QString HalfTimeSummary;          // the same over the matches with a half-time sign
    TStatisticsGrid<4> HalfFullTable; // half-time sign - full-time sign
    TStatisticsGrid<11> ScoreTable;   // final scores, four goals or more of a side as "4+"
};

// Counts a season's matches into its statistics. A match counts at half time when its home
// half-time goals are entered (or exceed the away side's), at full time likewise; it enters the
// half-time/full-time table only with both signs.
TSeasonStatistics CountSeason(const std::vector<TMatchGoals> &matches);

// The goals of every match of competition DNo.
std::vector<TMatchGoals> ReadSeasonGoals(TTavrolinDM &dm, int DNo);

// The competition of a category, by its name, in a season; nothing when there is none.
std::optional<int> CompetitionOf(TTavrolinDM &dm, const QString &category, const QString &season);

// One half of the statistics window: the season and its statistics.
struct TSeasonHalf
{
    QString Season;
    TSeasonStatistics Statistics;
};

// The statistics of the chosen season of a category and of the nearest older season of the list
// with played matches, the list being the window's seasons newest first. A season in which the
// category has no competition is passed over. Either half is missing when there is no such
// season: the chosen one when the category has no competition in it, the older one when no
// season after the chosen one in the list has played matches.
struct TCompetitionStatistics
{
    std::optional<TSeasonHalf> Chosen;
    std::optional<TSeasonHalf> Older;
};
TCompetitionStatistics ShowStatistics(TTavrolinDM &dm, const QString &category, const QString &season,
                                      const QStringList &seasonsNewestFirst);

} // namespace tav::analysis

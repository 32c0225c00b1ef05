#include "analysis/standings_sort.h"

#include <array>

namespace tav::analysis {

namespace {

bool AboveOnPoints(const TStandingsEntry &a, const TStandingsEntry &b)
{
    return a.Points > b.Points || (a.Points == b.Points && a.GoalDiff > b.GoalDiff);
}

bool AboveOnHomePoints(const TStandingsEntry &a, const TStandingsEntry &b)
{
    return a.HomePoints > b.HomePoints || (a.HomePoints == b.HomePoints && HomeGoalDiff(a) > HomeGoalDiff(b));
}

bool AboveOnAwayPoints(const TStandingsEntry &a, const TStandingsEntry &b)
{
    return a.AwayPoints > b.AwayPoints || (a.AwayPoints == b.AwayPoints && AwayGoalDiff(a) > AwayGoalDiff(b));
}

using TSingleKey = int (*)(const TStandingsEntry &);

struct TOrdering
{
    int Section;
    TSingleKey Key; // nullptr: the overall order of points and goal difference
    const char *Caption;
};

// Every column with an ordering; the two columns of one goal-difference block share theirs.
const std::array<TOrdering, 18> Orderings = {{
    {2, nullptr, OrderingCaptionPoints},
    {4, [](const TStandingsEntry &e) { return e.Wins; }, OrderingCaptionWins},
    {5, [](const TStandingsEntry &e) { return e.Draws; }, OrderingCaptionDraws},
    {6, [](const TStandingsEntry &e) { return e.Losses; }, OrderingCaptionLosses},
    {7, [](const TStandingsEntry &e) { return e.GoalDiff; }, OrderingCaptionGoalDiff},
    {8, [](const TStandingsEntry &e) { return e.GoalDiff; }, OrderingCaptionGoalDiff},
    {9, [](const TStandingsEntry &e) { return e.HomePoints; }, OrderingCaptionHomePoints},
    {11, [](const TStandingsEntry &e) { return e.HomeWins; }, OrderingCaptionHomeWins},
    {12, [](const TStandingsEntry &e) { return e.HomeDraws; }, OrderingCaptionHomeDraws},
    {13, [](const TStandingsEntry &e) { return e.HomeLosses; }, OrderingCaptionHomeLosses},
    {14, HomeGoalDiff, OrderingCaptionHomeGoalDiff},
    {15, HomeGoalDiff, OrderingCaptionHomeGoalDiff},
    {16, [](const TStandingsEntry &e) { return e.AwayPoints; }, OrderingCaptionAwayPoints},
    {18, [](const TStandingsEntry &e) { return e.AwayWins; }, OrderingCaptionAwayWins},
    {19, [](const TStandingsEntry &e) { return e.AwayDraws; }, OrderingCaptionAwayDraws},
    {20, [](const TStandingsEntry &e) { return e.AwayLosses; }, OrderingCaptionAwayLosses},
    {21, AwayGoalDiff, OrderingCaptionAwayGoalDiff},
    {22, AwayGoalDiff, OrderingCaptionAwayGoalDiff},
}};

} // namespace

void SortByPoints(TStandingsTable &table)
{
    ExchangeSort(table, AboveOnPoints);
}

void SortByHomePoints(TStandingsTable &table)
{
    ExchangeSort(table, AboveOnHomePoints);
}

void SortByAwayPoints(TStandingsTable &table)
{
    ExchangeSort(table, AboveOnAwayPoints);
}

std::optional<QString> ApplySpecialOrdering(TStandingsTable &table, int section)
{
    for (const TOrdering &ordering : Orderings) {
        if (ordering.Section != section)
            continue;
        if (ordering.Key == nullptr) {
            SortByPoints(table);
        } else {
            const TSingleKey key = ordering.Key;
            ExchangeSort(
                table, [key](const TStandingsEntry &a, const TStandingsEntry &b) { return key(a) > key(b); });
        }
        return QString::fromUtf8(ordering.Caption);
    }
    return std::nullopt;
}

} // namespace tav::analysis

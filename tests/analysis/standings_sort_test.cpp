#include "analysis/standings_sort.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav::analysis;

namespace {

TStandingsEntry Entry(int key, int points, int goalDiff)
{
    TStandingsEntry entry;
    entry.TeamKey = key;
    entry.Points = points;
    entry.GoalDiff = goalDiff;
    return entry;
}

std::vector<int> Keys(const TStandingsTable &table)
{
    std::vector<int> keys;
    for (const TStandingsEntry &entry : table)
        keys.push_back(entry.TeamKey);
    return keys;
}

struct TOverallCase
{
    const char *name;
    TStandingsTable entries;
    std::vector<int> expected;
};

} // namespace

TEST(StandingsSort, OverallOrderKeepsTheExchangeSortsOwnTieOrder)
{
    enum
    {
        A = 1,
        B1 = 2,
        B2 = 3,
        C = 4,
        X = 5
    };
    const std::vector<TOverallCase> cases = {
        {"C above, B1 and B2 level, A last: the level pair comes out reversed",
         {Entry(A, 1, 0), Entry(B1, 5, 2), Entry(B2, 5, 2), Entry(C, 9, 0)},
         {C, B2, B1, A}},
        {"B1 and B2 level above A: the level pair keeps its order",
         {Entry(B1, 5, 2), Entry(A, 1, 0), Entry(B2, 5, 2)},
         {B1, B2, A}},
        {"A and B level, X above both", {Entry(A, 5, 0), Entry(B1, 5, 0), Entry(X, 6, 0)}, {X, B1, A}},
        {"goal difference decides level points",
         {Entry(A, 5, -1), Entry(B1, 5, 3), Entry(C, 5, 0)},
         {B1, C, A}},
        {"a deduction sorts below zero points",
         {Entry(A, -2, 5), Entry(B1, 0, -9), Entry(C, -1, 0)},
         {B1, C, A}},
        {"goals scored play no part", {Entry(A, 4, 1), Entry(B1, 4, 1)}, {A, B1}},
    };
    for (const TOverallCase &c : cases) {
        TStandingsTable table = c.entries;
        SortByPoints(table);
        EXPECT_EQ(Keys(table), c.expected) << c.name;
    }
}

TEST(StandingsSort, HomeAndAwayOrdersBreakTheirTiesFromTheOrderTheyStartIn)
{
    // Y and Z are level on home points and home goal difference; X is below them at home.
    TStandingsEntry x = Entry(1, 0, 0), y = Entry(2, 0, 0), z = Entry(3, 0, 0);
    x.HomePoints = 1;
    y.HomePoints = z.HomePoints = 4;
    y.HomeGoalsFor = z.HomeGoalsFor = 3;
    y.HomeGoalsAgainst = z.HomeGoalsAgainst = 1;

    TStandingsTable fromXYZ = {x, y, z};
    SortByHomePoints(fromXYZ);
    EXPECT_EQ(Keys(fromXYZ), (std::vector<int>{2, 3, 1}));

    TStandingsTable fromXZY = {x, z, y};
    SortByHomePoints(fromXZY);
    EXPECT_EQ(Keys(fromXZY), (std::vector<int>{3, 2, 1}));

    // Home goal difference breaks level home points; away works the same on the away fields.
    y.HomeGoalsAgainst = 2;
    TStandingsTable levelPoints = {y, z};
    SortByHomePoints(levelPoints);
    EXPECT_EQ(Keys(levelPoints), (std::vector<int>{3, 2}));

    TStandingsEntry p = Entry(7, 0, 0), q = Entry(8, 0, 0);
    p.AwayPoints = q.AwayPoints = 3;
    p.AwayGoalsFor = 1;
    q.AwayGoalsFor = 2;
    TStandingsTable away = {p, q};
    SortByAwayPoints(away);
    EXPECT_EQ(Keys(away), (std::vector<int>{8, 7}));
}

namespace {

// Four clubs with distinct figures in every column the orderings use.
TStandingsTable FourClubs()
{
    TStandingsTable table(4);
    const int figures[4][9] = {
        // key, Points, GoalDiff, Wins, HomeGoalsFor, HomeGoalsAgainst, AwayGoalsFor, AwayGoalsAgainst,
        // HomeWins
        {10, 20, 8, 6, 12, 4, 5, 5, 4},
        {20, 18, 10, 5, 7, 6, 10, 1, 3},
        {30, 15, -3, 7, 4, 8, 6, 5, 2},
        {40, 9, -15, 2, 3, 9, 2, 11, 1},
    };
    for (int i = 0; i < 4; ++i) {
        TStandingsEntry &e = table[i];
        e.TeamKey = figures[i][0];
        e.Points = figures[i][1];
        e.GoalDiff = figures[i][2];
        e.Wins = figures[i][3];
        e.HomeGoalsFor = figures[i][4];
        e.HomeGoalsAgainst = figures[i][5];
        e.AwayGoalsFor = figures[i][6];
        e.AwayGoalsAgainst = figures[i][7];
        e.HomeWins = figures[i][8];
    }
    return table;
}

struct TOrderingCase
{
    int section;
    std::vector<int> expected;
    const char *caption;
};

} // namespace

TEST(StandingsSort, ColumnOrderingsSortByTheirColumnAndNameTheirCaption)
{
    const std::vector<TOrderingCase> cases = {
        {4, {30, 10, 20, 40}, "Βαθμολογία (Νίκες)"},
        {7, {20, 10, 30, 40}, "Βαθμολογία (Διαφορά τερμάτων)"},
        {8, {20, 10, 30, 40}, "Βαθμολογία (Διαφορά τερμάτων)"},
        {11, {10, 20, 30, 40}, "Βαθμολογία (Νίκες εντός)"},
        {14, {10, 20, 30, 40}, "Βαθμολογία (Διαφορά τερμάτων εντός)"},
        {21, {20, 30, 10, 40}, "Βαθμολογία (Διαφορά τερμάτων εκτός)"},
        {22, {20, 30, 10, 40}, "Βαθμολογία (Διαφορά τερμάτων εκτός)"},
        {2, {10, 20, 30, 40}, "Βαθμολογία"},
    };
    for (const TOrderingCase &c : cases) {
        TStandingsTable table = FourClubs();
        const std::optional<QString> caption = ApplySpecialOrdering(table, c.section);
        ASSERT_TRUE(caption.has_value()) << c.section;
        EXPECT_EQ(*caption, QString::fromUtf8(c.caption)) << c.section;
        EXPECT_EQ(Keys(table), c.expected) << c.section;
    }
    EXPECT_EQ(QString::fromUtf8(OrderingCaptionWins), QString::fromUtf8("Βαθμολογία (Νίκες)"));
    EXPECT_EQ(QString::fromUtf8(OrderingCaptionAwayGoalDiff),
              QString::fromUtf8("Βαθμολογία (Διαφορά τερμάτων εκτός)"));
}

TEST(StandingsSort, ColumnsWithoutAnOrderingLeaveTableAndCaption)
{
    for (int section : {0, 1, 3, 10, 17, 23, -1}) {
        TStandingsTable table = FourClubs();
        std::swap(table[0], table[3]);
        const std::vector<int> before = Keys(table);
        EXPECT_FALSE(ApplySpecialOrdering(table, section).has_value()) << section;
        EXPECT_EQ(Keys(table), before) << section;
    }
}

TEST(StandingsSort, OrderingStartsFromTheCurrentOrderAndPointsRestoreTheTable)
{
    TStandingsTable table = FourClubs();
    table[0].Draws = table[1].Draws = table[2].Draws = 3;
    table[3].Draws = 1;
    // Equal draws keep the order the exchanges leave: from 10, 20, 30 none is exchanged.
    ASSERT_EQ(ApplySpecialOrdering(table, 5), QString::fromUtf8("Βαθμολογία (Ισοπαλίες)"));
    EXPECT_EQ(Keys(table), (std::vector<int>{10, 20, 30, 40}));

    ASSERT_TRUE(ApplySpecialOrdering(table, 4).has_value());
    EXPECT_EQ(Keys(table), (std::vector<int>{30, 10, 20, 40}));
    ASSERT_TRUE(ApplySpecialOrdering(table, 5).has_value());
    EXPECT_EQ(Keys(table), (std::vector<int>{30, 10, 20, 40}));
    ASSERT_EQ(ApplySpecialOrdering(table, 2), QString::fromUtf8("Βαθμολογία"));
    EXPECT_EQ(Keys(table), (std::vector<int>{10, 20, 30, 40}));
}

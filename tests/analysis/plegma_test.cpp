#include "analysis/plegma.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TStandingsTeam Team(int recNo, const char *name, int timvria = 0)
{
    TStandingsTeam team;
    team.RecNo = recNo;
    team.GrName = QString::fromUtf8(name);
    team.EnName = QStringLiteral("En%1").arg(recNo);
    team.Timvria = timvria;
    return team;
}

TStandingsMatch Match(int matchday, int home, int away, std::optional<int> g = std::nullopt,
                      std::optional<int> f = std::nullopt)
{
    TStandingsMatch match;
    match.Agvnistikh = matchday;
    match.Ghpedoyxos = home;
    match.Filojenoymenh = away;
    match.TelGGoals = g;
    match.TelFGoals = f;
    return match;
}

TPlegmaSettings Settings(TPlegmaView view, int first, int last, int current, int rounds = 2)
{
    TPlegmaSettings settings;
    settings.View = view;
    settings.First = first;
    settings.Last = last;
    settings.Current = current;
    settings.Rounds = rounds;
    return settings;
}

// The row of a team by its name.
int RowOf(const TPlegma &plegma, const QString &name)
{
    for (int row = 6; row < plegma.RowCount(); ++row)
        if (plegma.Cell(5, row) == name)
            return row;
    return -1;
}

QStringList RowNames(const TPlegma &plegma)
{
    QStringList names;
    for (int row = 6; row < plegma.RowCount(); ++row)
        names.append(plegma.Cell(5, row));
    return names;
}

} // namespace

// The grid's size and the labels follow the teams and the rounds.
TEST(PlegmaTest, SizeAndLabelsFollowTeamsAndRounds)
{
    const struct
    {
        int teams;
        int rounds;
        int rows;
        int cols;
    } cases[] = {{0, 2, 6, 6}, {4, 2, 10, 10}, {4, 4, 10, 14}, {3, 3, 9, 12}, {300, 2, 306, 306}};
    for (const auto &c : cases) {
        std::vector<TStandingsTeam> teams;
        for (int i = 1; i <= c.teams; ++i)
            teams.push_back(Team(i, "Ομάδα"));
        const TPlegma plegma = BuildPlegma(teams, {}, Settings(TPlegmaView::Points, 1, 1, 1, c.rounds));
        EXPECT_EQ(plegma.RowCount(), c.rows) << c.teams << " " << c.rounds;
        EXPECT_EQ(plegma.ColCount(), c.cols) << c.teams << " " << c.rounds;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(plegma.Cell(5, i), QString::fromUtf8(PlegmaLabels[i]));
            EXPECT_EQ(plegma.Cell(i, 5), QString::fromUtf8(PlegmaLabels[i]));
        }
        EXPECT_EQ(plegma.Cell(5, 5), "");
    }
}

// Only matchdays first to last are shown and counted; a coming match of the next matchday is
// "?-?", a postponed one empty.
TEST(PlegmaTest, CountsAndShowsOnlyTheRange)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α"), Team(2, "Β"), Team(3, "Γ")};
    const std::vector<TStandingsMatch> matches = {
        Match(4, 1, 2, 5, 0),  Match(5, 1, 2, 2, 1), Match(6, 2, 3),        Match(7, 3, 1, 1, 1),
        Match(10, 2, 1, 0, 3), Match(11, 3, 2),      Match(11, 1, 3, 4, 0),
    };
    // Matchday 4 lies before the start: in a real read it is not there, yet it must not count.
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 5, 10, 10));
    const int a = RowOf(plegma, "Α");
    const int b = RowOf(plegma, "Β");
    const int g = RowOf(plegma, "Γ");
    // Α: 2-1 at home, 1-1 away, 3-0 away: 7 points, first.
    EXPECT_EQ(a, 6);
    EXPECT_EQ(plegma.Cell(b, a), " 2- 1");
    EXPECT_EQ(plegma.Cell(a, g), " 1- 1");
    EXPECT_EQ(plegma.Cell(a, 1), " 7");
    EXPECT_EQ(plegma.Cell(1, a), " 7");
    EXPECT_EQ(plegma.Cell(0, a), " 1");
    EXPECT_EQ(plegma.Cell(a, 0), " 1");
    // Home wins, draws, losses of the row team; away ones of the column team.
    EXPECT_EQ(QStringList({plegma.Cell(2, a), plegma.Cell(3, a), plegma.Cell(4, a)}),
              QStringList({" 1", " 0", " 0"}));
    EXPECT_EQ(QStringList({plegma.Cell(a, 2), plegma.Cell(a, 3), plegma.Cell(a, 4)}),
              QStringList({" 1", " 1", " 0"}));
    // Matchday 6 unplayed and not the next one: empty. The coming matchday 11 lies beyond the range.
    EXPECT_EQ(plegma.Cell(g, b), "");
    EXPECT_EQ(plegma.Cell(b, g), "");
    EXPECT_EQ(plegma.Cell(g, a), "");

    const TPlegma coming = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 5, 11, 10));
    EXPECT_EQ(coming.Cell(RowOf(coming, "Β"), RowOf(coming, "Γ")), QString::fromUtf8(PlegmaComing));
    EXPECT_EQ(coming.Cell(RowOf(coming, "Γ"), RowOf(coming, "Β")), "");
}

// Teams level on points and goal difference keep the exchange sort's order; a deduction ranks
// below zero; goals scored decide nothing.
TEST(PlegmaTest, LeagueOrderWithDeductionAndTies)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α", -3), Team(2, "Β"), Team(3, "Γ"), Team(4, "Δ")};
    // Β and Γ both beat Δ by one goal, Γ with more goals; Α plays nothing.
    const std::vector<TStandingsMatch> matches = {Match(1, 2, 4, 1, 0), Match(1, 3, 4, 3, 2)};
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 1, 1, 1));
    EXPECT_EQ(RowNames(plegma), (QStringList{"Β", "Γ", "Δ", "Α"}));
    EXPECT_EQ(plegma.Cell(1, 9), "-3");
}

// Name view: rows and columns in code page 1253 byte order (Latin before Greek, capitals before
// small letters, shorter first), crossings following the teams.
TEST(PlegmaTest, NameViewInCodePageOrder)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "ΑΕΚ"), Team(2, "άρης"), Team(3, "Άρης"),
                                               Team(4, "ΑΕ"), Team(5, "Zeta")};
    const std::vector<TStandingsMatch> matches = {Match(1, 2, 1, 2, 0)};
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Name, 1, 1, 1));
    EXPECT_EQ(RowNames(plegma), (QStringList{"Zeta", "Άρης", "ΑΕ", "ΑΕΚ", "άρης"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(plegma.Cell(6 + i, 5), plegma.Cell(5, 6 + i));
    // άρης (row 10) beat ΑΕΚ (column 9) at home; its rank is its place by name.
    EXPECT_EQ(plegma.Cell(9, 10), " 2- 0");
    EXPECT_EQ(plegma.Cell(0, 10), " 5");
}

// The home and away views order by home or away points and show those points.
TEST(PlegmaTest, HomeAndAwayViews)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α"), Team(2, "Β"), Team(3, "Γ")};
    const std::vector<TStandingsMatch> matches = {Match(1, 1, 2, 0, 1), Match(2, 3, 1, 2, 0),
                                                  Match(3, 2, 3, 1, 1)};
    const TPlegma home = BuildPlegma(teams, matches, Settings(TPlegmaView::HomePoints, 1, 3, 3));
    EXPECT_EQ(RowNames(home), (QStringList{"Γ", "Β", "Α"}));
    EXPECT_EQ(home.Cell(1, 6), " 3");
    const TPlegma away = BuildPlegma(teams, matches, Settings(TPlegmaView::AwayPoints, 1, 3, 3));
    EXPECT_EQ(RowNames(away), (QStringList{"Β", "Γ", "Α"}));
    EXPECT_EQ(away.Cell(1, 6), " 3");
    EXPECT_EQ(away.Cell(1, 7), " 1");
}

// Four rounds: two columns a team; the first played meeting in the first, later ones in the
// second, the coming one in a column still free; both columns carry the column team's figures.
TEST(PlegmaTest, FourRoundsFillBothColumns)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α"), Team(2, "Β")};
    const std::vector<TStandingsMatch> matches = {Match(1, 1, 2, 1, 0), Match(2, 2, 1, 2, 2),
                                                  Match(3, 1, 2, 0, 0), Match(4, 2, 1)};
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 1, 4, 3, 4));
    ASSERT_EQ(plegma.ColsPerTeam, 2);
    const int a = RowOf(plegma, "Α");
    const int b = RowOf(plegma, "Β");
    const int aCol = 2 * (a - 5) + 4;
    const int bCol = 2 * (b - 5) + 4;
    EXPECT_EQ(plegma.Cell(bCol, a), " 1- 0");
    EXPECT_EQ(plegma.Cell(bCol + 1, a), " 0- 0");
    EXPECT_EQ(plegma.Cell(aCol, b), " 2- 2");
    EXPECT_EQ(plegma.Cell(aCol + 1, b), QString::fromUtf8(PlegmaComing));
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(plegma.Cell(aCol, row), plegma.Cell(aCol + 1, row)) << row;
    EXPECT_TRUE(IsOwnPlegmaCell(aCol, a, 2));
    EXPECT_TRUE(IsOwnPlegmaCell(aCol + 1, a, 2));
    EXPECT_FALSE(IsOwnPlegmaCell(bCol, a, 2));
}

// Two teams of one name keep their own results, and a match of a team outside the list counts
// for nobody.
TEST(PlegmaTest, CrossingsGoByTeamNotByName)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Ίδιο"), Team(2, "Ίδιο"), Team(3, "Άλλο")};
    const std::vector<TStandingsMatch> matches = {Match(1, 1, 3, 4, 0), Match(1, 3, 2, 0, 1),
                                                  Match(1, 99, 3, 9, 0)};
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 1, 1, 1));
    // Team 1 (4-0 at home) ranks above team 2 (1-0 away) by goal difference.
    EXPECT_EQ(plegma.PlegmaTable[0].Stats.TeamKey, 1);
    EXPECT_EQ(plegma.PlegmaTable[1].Stats.TeamKey, 2);
    EXPECT_EQ(plegma.Cell(8, 6), " 4- 0");
    EXPECT_EQ(plegma.Cell(8, 7), "");
    EXPECT_EQ(plegma.Cell(7, 8), " 0- 1");
    EXPECT_EQ(plegma.Cell(6, 8), "");
    EXPECT_EQ(plegma.Cell(8, 4), " 1");
}

// Long leagues pass 127 points and 255 goals without wrapping.
TEST(PlegmaTest, CountersDoNotWrap)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α"), Team(2, "Β")};
    std::vector<TStandingsMatch> matches;
    for (int day = 1; day <= 60; ++day)
        matches.push_back(Match(day, 1, 2, 9, 0));
    const TPlegma plegma = BuildPlegma(teams, matches, Settings(TPlegmaView::Points, 1, 60, 60));
    EXPECT_EQ(plegma.PlegmaTable[0].Stats.Points, 180);
    EXPECT_EQ(plegma.PlegmaTable[0].Stats.HomeGoalsFor, 540);
    EXPECT_EQ(plegma.Cell(1, 6), "180");
}

// Names go by RecNo into the name row and column, both columns of a team.
TEST(PlegmaTest, RenameByTeam)
{
    const std::vector<TStandingsTeam> teams = {Team(1, "Α"), Team(2, "Β")};
    TPlegma plegma = BuildPlegma(teams, {}, Settings(TPlegmaView::Points, 1, 1, 1, 4));
    RenamePlegmaTeams(plegma, {{2, "Beta"}});
    EXPECT_EQ(plegma.Cell(5, 6), "Α");
    EXPECT_EQ(plegma.Cell(5, 7), "Beta");
    EXPECT_EQ(plegma.Cell(8, 5), "Beta");
    EXPECT_EQ(plegma.Cell(9, 5), "Beta");
}

// The name sort keeps blank names where they stand and reads no entry beyond the last.
TEST(PlegmaTest, SortByNameKeepsBlanksAndBounds)
{
    TPlegmaTable table = {{"Γ", {}}, {" ", {}}, {"Β", {}}, {"Α", {}}};
    SortPlegmaByName(table, 0, 3);
    QStringList names;
    for (const TPlegmaEntry &entry : table)
        names.append(entry.Name);
    EXPECT_EQ(names, (QStringList{"Γ", " ", "Α", "Β"}));
    SortPlegmaByName(table, 0, 9);
    SortPlegmaByName(table, 2, 2);
}

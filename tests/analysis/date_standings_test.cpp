#include "analysis/date_standings.h"

#include "analysis/league_sql_fixture.h"
#include "platform/db/db_errors.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

// Five clubs, Α starting three points down, with one more club's match of another competition
// inside the dates:
//   1/9/2004 Α-Β 2-1, 8/9 Β-Γ 1-1, 15/9 Γ-Α 0-3, 22/9 Ε-Α not played, 20/10 Α-Δ 5-0
class DateStandingsTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const int katNo = AddCategory(QStringLiteral("Α Εθνική"));
        const QList<int> teams = AddLeague(dNo, katNo, QStringLiteral("2004-05"),
                                           {QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ"),
                                            QStringLiteral("Δ"), QStringLiteral("Ε")});
        A = teams[0], B = teams[1], G = teams[2], D = teams[3], E = teams[4];
        Exec(QStringLiteral("UPDATE PerOmades SET Timvria = -3 WHERE RecNo = ?1"), {A});
        Exec(QStringLiteral(
                 "UPDATE Diorganvseis SET Champions = 1, OmadesUp = 1, OmadesDn = 1 WHERE DNo = ?1"),
             {dNo});
        AddGame(dNo, 1, A, B, QDate(2004, 9, 1), 2, 1);
        AddGame(dNo, 2, B, G, QDate(2004, 9, 8), 1, 1);
        AddGame(dNo, 3, G, A, QDate(2004, 9, 15), 0, 3);
        AddGame(dNo, 4, E, A, QDate(2004, 9, 22));
        AddGame(dNo, 5, A, D, QDate(2004, 10, 20), 5, 0);
        const QList<int> others =
            AddLeague(otherDNo, AddCategory(QStringLiteral("Β Εθνική")), QStringLiteral("2004-05"),
                      {QStringLiteral("Ζ"), QStringLiteral("Η")});
        AddGame(otherDNo, 1, others[0], others[1], QDate(2004, 9, 10), 4, 0);
    }

    void ComputeSeptember() { engine.ComputeStandings(Dm(), dNo, QDate(2004, 9, 1), QDate(2004, 9, 30)); }

    std::vector<int> Order() const
    {
        std::vector<int> keys;
        for (const TStandingsEntry &entry : engine.DateStandingsTable())
            keys.push_back(entry.TeamKey);
        return keys;
    }

    const int dNo = 7;
    const int otherDNo = 8;
    int A = 0, B = 0, G = 0, D = 0, E = 0;
    TDateStandingsEngine engine;
};

TEST_F(DateStandingsTest, CountsTheMatchesBetweenTheDatesWithoutStartingPoints)
{
    ComputeSeptember();

    EXPECT_EQ(Order(), (std::vector<int>{A, B, G, E}));
    const QStringList first = engine.RowTexts(0, false);
    EXPECT_EQ(first.mid(0, 9), (QStringList{" 1", "Α", " 6", " 2", " 2", " 0", " 0", " 5- 1", "  4"}));
    EXPECT_EQ(first.mid(9, 7), (QStringList{" 3", " 1", " 1", " 0", " 0", " 2- 1", "  1"}));
    EXPECT_EQ(first.mid(16, 7), (QStringList{" 3", " 1", " 1", " 0", " 0", " 3- 0", "  3"}));
    EXPECT_EQ(engine.DateStandingsTable()[1].Points, 1);
    EXPECT_EQ(engine.DateStandingsTable()[2].Points, 1);
    const QStringList last = engine.RowTexts(3, false);
    EXPECT_EQ(last[1], QStringLiteral("Ε"));
    EXPECT_EQ(last[3], QStringLiteral(" 0"));
}

TEST_F(DateStandingsTest, TheColoursGoWithThePlacesOfTheRegisteredTeams)
{
    ComputeSeptember();

    // Five teams with one relegated: the fifth place is red, but only four teams are listed.
    EXPECT_EQ(engine.RowMark(0), TPlaceMark::Champion);
    EXPECT_EQ(engine.RowMark(1), TPlaceMark::Promoted);
    EXPECT_EQ(engine.RowMark(2), TPlaceMark::None);
    EXPECT_EQ(engine.RowMark(3), TPlaceMark::None);
}

TEST_F(DateStandingsTest, AColumnTitleReordersTheTableInItsCurrentOrder)
{
    ComputeSeptember();

    EXPECT_EQ(engine.ApplySpecialOrdering(6), QStringLiteral("Βαθμολογία (Ήττες)"));
    EXPECT_EQ(Order(), (std::vector<int>{B, G, A, E}));
    // The games column keeps both the order and the caption.
    EXPECT_EQ(engine.ApplySpecialOrdering(3), std::nullopt);
    EXPECT_EQ(Order(), (std::vector<int>{B, G, A, E}));
    EXPECT_EQ(engine.RowTexts(0, false)[0], QStringLiteral(" 1"));
    EXPECT_EQ(engine.ApplySpecialOrdering(2), QStringLiteral("Βαθμολογία"));
    EXPECT_EQ(Order().front(), A);
}

TEST_F(DateStandingsTest, LatinNamesChangeOnlyTheNameColumn)
{
    ComputeSeptember();

    for (int row = 0; row < engine.DateStandingsCount(); ++row) {
        QStringList greek = engine.RowTexts(row, false);
        const QStringList latin = engine.RowTexts(row, true);
        EXPECT_EQ(latin[1], QStringLiteral("L-") + greek[1]);
        greek[1] = latin[1];
        EXPECT_EQ(greek, latin);
    }
}

TEST_F(DateStandingsTest, RangesWithoutMatchesGiveAnEmptyTable)
{
    struct TCase
    {
        QDate First;
        QDate Last;
        std::size_t Teams;
    };
    const TCase cases[] = {
        {QDate(2004, 9, 30), QDate(2004, 9, 1), 0}, // start after end
        {QDate(2005, 1, 1), QDate(2005, 6, 30), 0},
        {QDate(2004, 9, 1), QDate(2004, 9, 1), 2},   // one day, both ends included
        {QDate(2004, 9, 22), QDate(2004, 9, 22), 2}, // not played: listed with nothing counted
        {QDate(2004, 9, 1), QDate(2004, 12, 31), 5},
    };
    for (const TCase &c : cases) {
        engine.ComputeStandings(Dm(), dNo, c.First, c.Last);
        EXPECT_EQ(engine.DateStandingsTable().size(), c.Teams) << c.First.toString().toStdString();
    }
    engine.ComputeStandings(Dm(), dNo, QDate(2004, 9, 22), QDate(2004, 9, 22));
    EXPECT_EQ(Order(), (std::vector<int>{E, A}));
    for (const TStandingsEntry &entry : engine.DateStandingsTable())
        EXPECT_EQ(entry, (TStandingsEntry{entry.TeamKey}));
}

TEST_F(DateStandingsTest, AnUnknownCompetitionIsADatabaseError)
{
    EXPECT_THROW(engine.ComputeStandings(Dm(), 99, QDate(2004, 9, 1), QDate(2004, 9, 30)), EDatabaseError);
}

TStandingsMatch Played(int home, int away, std::optional<int> homeGoals, std::optional<int> awayGoals)
{
    TStandingsMatch match;
    match.Ghpedoyxos = home;
    match.Filojenoymenh = away;
    match.TelGGoals = homeGoals;
    match.TelFGoals = awayGoals;
    return match;
}

TEST(DateStandingsTable, LevelTeamsMayTradePlacesThroughAThird)
{
    // A (1) and B (2) on 5 points and level on goals, X (3) on 6, met in that order.
    const std::vector<TStandingsMatch> matches{Played(1, 2, 1, 1), Played(3, 4, 1, 0), Played(1, 4, 1, 0),
                                               Played(1, 4, 0, 0), Played(2, 4, 1, 0), Played(2, 4, 0, 0),
                                               Played(3, 4, 1, 0)};
    TStandingsTable table = ComputeDateStandingsTable(matches, TPointsRule{3, 1, 0});
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].TeamKey, 3);
    EXPECT_EQ(table[0].Points, 6);
    EXPECT_EQ(table[1].TeamKey, 2);
    EXPECT_EQ(table[2].TeamKey, 1);
}

TEST(DateStandingsTable, CountsPastWhatEightBitsHold)
{
    std::vector<TStandingsMatch> matches;
    for (int i = 0; i < 40; ++i)
        matches.push_back(Played(1, 2, 4, 0));
    matches.push_back(Played(2, 1, 3, std::nullopt)); // away goals not entered count as none
    const TStandingsTable table = ComputeDateStandingsTable(matches, TPointsRule{3, 1, 0});
    EXPECT_EQ(table[0].Points, 120);
    EXPECT_EQ(table[0].GoalsFor, 160);
    EXPECT_EQ(table[0].GoalsAgainst, 3);
    EXPECT_EQ(table[1].AwayGoalsAgainst, 160);
    EXPECT_EQ(table[1].Points, 3);
}

} // namespace

#include "analysis/season_statistics.h"

#include "analysis/league_sql_fixture.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TMatchGoals Match(std::optional<int> halfHome, std::optional<int> halfAway, std::optional<int> home,
                  std::optional<int> away)
{
    return {halfHome, halfAway, home, away};
}

// The count beside a label of a grid; -1 when no cell holds the label.
template <std::size_t Rows> int CountOf(const TStatisticsGrid<Rows> &grid, const QString &label)
{
    for (std::size_t row = 1; row < Rows; ++row)
        for (std::size_t col = 0; col < 6; col += 2)
            if (grid[row][col] == label)
                return grid[row][col + 1].toInt();
    return -1;
}

// Every count of a grid, summed.
template <std::size_t Rows> int Total(const TStatisticsGrid<Rows> &grid)
{
    int total = 0;
    for (std::size_t row = 1; row < Rows; ++row)
        for (std::size_t col = 1; col < 6; col += 2)
            total += grid[row][col].toInt();
    return total;
}

TEST(CountSeason, EachMatchCountsUnderItsSignsAndItsScore)
{
    struct TCase
    {
        TMatchGoals Goals;
        const char *SignPair; // nullptr: in no cell of the half-time/full-time table
        const char *Score;    // nullptr: in no cell of the score table
    };
    const TCase cases[] = {
        {Match(0, 1, 2, 1), "2-1", "2-1"},       {Match(0, 0, 0, 2), "X-2", "0-2"},
        {Match(2, 2, 5, 4), "X-1", "4+-4+"},     {Match(3, 0, 4, 3), "1-1", "4+-3"},
        {Match(0, 3, 1, 6), "2-2", "1-4+"},      {Match(1, 1, 3, 3), "X-X", "3-3"},
        {Match(2, 0, 4, 0), "1-1", "4+-0"},      {Match({}, {}, 1, 0), nullptr, "1-0"},
        {Match(0, 0, {}, {}), nullptr, nullptr},
    };
    for (const TCase &c : cases) {
        const TSeasonStatistics statistics = CountSeason({c.Goals});
        const QString name = QString::fromUtf8(c.Score ? c.Score : "unplayed");
        if (c.SignPair) {
            EXPECT_EQ(CountOf(statistics.HalfFullTable, QString::fromUtf8(c.SignPair)), 1)
                << name.toStdString();
        }
        EXPECT_EQ(Total(statistics.HalfFullTable), c.SignPair ? 1 : 0) << name.toStdString();
        if (c.Score) {
            EXPECT_EQ(CountOf(statistics.ScoreTable, QString::fromUtf8(c.Score)), 1) << name.toStdString();
        }
        EXPECT_EQ(Total(statistics.ScoreTable), c.Score ? 1 : 0) << name.toStdString();
    }
}

TEST(CountSeason, WithoutHalfTimeGoalsOnlyTheFullTimeCounts)
{
    const TSeasonStatistics statistics = CountSeason({Match({}, {}, 2, 0), Match({}, {}, 1, 1)});
    EXPECT_EQ(statistics.Played, 2);
    EXPECT_EQ(statistics.FullTimeSummary, QStringLiteral("1: 1(50)    X: 1(50)    2: 0(0)"));
    EXPECT_EQ(statistics.HalfTimeSummary, QString());
    EXPECT_EQ(Total(statistics.HalfFullTable), 0);
    EXPECT_EQ(Total(statistics.ScoreTable), 2);
}

TEST(CountSeason, PercentagesRoundHalvesToEven)
{
    std::vector<TMatchGoals> matches{Match(1, 0, 1, 0)};
    for (int i = 0; i < 3; ++i)
        matches.push_back(Match(0, 0, 0, 0));
    for (int i = 0; i < 4; ++i)
        matches.push_back(Match(0, 0, 0, 1));
    const TSeasonStatistics statistics = CountSeason(matches);
    EXPECT_EQ(statistics.Played, 8);
    EXPECT_EQ(statistics.FullTimeSummary, QStringLiteral("1: 1(12)    X: 3(38)    2: 4(50)"));
    EXPECT_EQ(statistics.HalfTimeSummary, QStringLiteral("1: 1(12)    X: 7(88)    2: 0(0)"));
}

TEST(CountSeason, EmptySeasonShowsHeadingsLabelsAndZeros)
{
    const TSeasonStatistics statistics = CountSeason({});
    EXPECT_EQ(statistics.Played, 0);
    EXPECT_EQ(statistics.FullTimeSummary, QString());
    const std::array<QString, 6> headings{" 1", " Φ", " Χ", " Φ", " 2", " Φ"};
    EXPECT_EQ(statistics.HalfFullTable[0], headings);
    EXPECT_EQ(statistics.ScoreTable[0], headings);
    EXPECT_EQ(statistics.HalfFullTable[2], (std::array<QString, 6>{"X-1", "0", "X-X", "0", "X-2", "0"}));
    EXPECT_EQ(statistics.ScoreTable[10], (std::array<QString, 6>{"4+-3", "0", "", "0", "3-4+", "0"}));
}

// One category with competitions in 2006-07, 2005-06 (not played yet), 2004-05 and 2002-03 and
// none in 2003-04, where another category has one.
class ShowStatisticsTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const int katNo = AddCategory(QStringLiteral("Α Εθνική"));
        AddPlayed(AddLeague(1, katNo, "2006-07", {"Α", "Β"}), 1, 2, 1);
        const QList<int> unplayed = AddLeague(2, katNo, "2005-06", {"Α", "Β"});
        AddGame(2, 1, unplayed[0], unplayed[1], QDate(2005, 9, 1));
        AddPlayed(AddLeague(3, katNo, "2004-05", {"Α", "Β"}), 3, 0, 0);
        AddPlayed(AddLeague(4, AddCategory(QStringLiteral("Β Εθνική")), "2003-04", {"Α", "Β"}), 4, 5, 5);
        AddPlayed(AddLeague(5, katNo, "2002-03", {"Α", "Β"}), 5, 1, 2);
    }

    void AddPlayed(const QList<int> &teams, int DNo, int home, int away)
    {
        AddGame(DNo, 1, teams[0], teams[1], QDate(2004, 9, 1), home, away);
    }

    const QStringList seasons{"2006-07", "2005-06", "2004-05", "2003-04", "2002-03"};
};

TEST_F(ShowStatisticsTest, TheOlderHalfIsTheNearestOlderSeasonWithPlayedMatches)
{
    const TCompetitionStatistics result =
        ShowStatistics(Dm(), QStringLiteral("Α Εθνική"), "2006-07", seasons);
    ASSERT_TRUE(result.Chosen);
    EXPECT_EQ(result.Chosen->Season, QStringLiteral("2006-07"));
    EXPECT_EQ(CountOf(result.Chosen->Statistics.ScoreTable, "2-1"), 1);
    ASSERT_TRUE(result.Older);
    EXPECT_EQ(result.Older->Season, QStringLiteral("2004-05"));
    EXPECT_EQ(CountOf(result.Older->Statistics.ScoreTable, "0-0"), 1);
}

TEST_F(ShowStatisticsTest, ASeasonWithoutTheCategoryIsPassedOver)
{
    const TCompetitionStatistics result =
        ShowStatistics(Dm(), QStringLiteral("Α Εθνική"), "2004-05", seasons);
    ASSERT_TRUE(result.Older);
    EXPECT_EQ(result.Older->Season, QStringLiteral("2002-03"));
    EXPECT_EQ(CountOf(result.Older->Statistics.ScoreTable, "1-2"), 1);
}

TEST_F(ShowStatisticsTest, WithoutAnOlderPlayedSeasonTheLeftHalfStaysEmpty)
{
    EXPECT_FALSE(ShowStatistics(Dm(), QStringLiteral("Α Εθνική"), "2002-03", seasons).Older);
    const TCompetitionStatistics beta = ShowStatistics(Dm(), QStringLiteral("Β Εθνική"), "2003-04", seasons);
    EXPECT_TRUE(beta.Chosen);
    EXPECT_FALSE(beta.Older);
    const TCompetitionStatistics none = ShowStatistics(Dm(), QStringLiteral("Β Εθνική"), "2006-07", seasons);
    EXPECT_FALSE(none.Chosen);
    ASSERT_TRUE(none.Older);
    EXPECT_EQ(none.Older->Season, QStringLiteral("2003-04"));
}

} // namespace

// The figures of a team's form: results by the side the team's record played, percentages of the
// games, points and the special points of the latest played matches; and the list of a team's
// matches read from a real database in matchday or calendar order.
#include "analysis/team_form.h"

#include "analysis/league_sql_fixture.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

constexpr int Team = 7;
constexpr int Other = 8;

TFormRow Home(std::optional<int> own, std::optional<int> other)
{
    return {Team, Other, own, other};
}

TFormRow Away(std::optional<int> own, std::optional<int> other)
{
    return {Other, Team, other, own};
}

TEST(TeamFormFigures, PercentagesAreWholeNumbersWithHalvesToEven)
{
    const struct
    {
        int wins, draws, losses;
        const char *text;
    } cases[] = {
        {1, 3, 4, "12 - 38 - 50"},
        {1, 1, 1, "33 - 33 - 33"},
        {1, 0, 19, " 5 -  0 - 95"},
        {3, 0, 0, "100 -  0 -  0"},
        {0, 0, 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PercentageText(c.wins, c.draws, c.losses), QString::fromUtf8(c.text))
            << c.wins << "/" << c.draws << "/" << c.losses;
}

TEST(TeamFormFigures, ResultsCountByTheSideTheTeamsRecordPlayed)
{
    // A team of the same name but another record plays in none of these rows as the team.
    const std::vector<TFormRow> rows = {Home(2, 1), Home(0, 0), Home(0, 3), Home({}, {}),    Away(1, 0),
                                        Away(2, 2), Away(0, 1), Away(0, 4), {Other, 9, 5, 0}};
    const TTeamSuccesses counts = CountSuccesses(rows, Team);
    EXPECT_EQ(counts.HomeWins, 1);
    EXPECT_EQ(counts.HomeDraws, 1);
    EXPECT_EQ(counts.HomeLosses, 1);
    EXPECT_EQ(counts.AwayWins, 1);
    EXPECT_EQ(counts.AwayDraws, 1);
    EXPECT_EQ(counts.AwayLosses, 2);

    const TTeamForm form = TeamForm(rows, Team, {3, 1, 0});
    EXPECT_EQ(form.Home.Games, 3);
    EXPECT_EQ(form.Home.Points, 4);
    EXPECT_EQ(form.Away.Games, 4);
    EXPECT_EQ(form.Away.Points, 4);
    EXPECT_EQ(form.Overall.Wins, 2);
    EXPECT_EQ(form.Overall.Draws, 2);
    EXPECT_EQ(form.Overall.Losses, 3);
    EXPECT_EQ(form.Overall.Games, 7);
    EXPECT_EQ(form.Overall.Points, 8);
    EXPECT_EQ(form.Overall.Percentages, "29 - 29 - 43");
}

TEST(TeamFormFigures, SpecialPointsWeighTheLatestSixPlayedMatches)
{
    // Oldest first; from the newest: W, D, L, W, W, D, and an older win that gets no weight. The
    // unplayed matches between them and at the end take none either.
    const std::vector<TFormRow> rows = {Home(5, 0), Away(1, 1),   Home(2, 0), Away({}, {}), Away(3, 1),
                                        Home(0, 1), Home({}, {}), Away(2, 2), Home(1, 0),   Away({}, {})};
    EXPECT_EQ(SpecialPoints(rows, Team, {3, 1, 0}), 39);
    EXPECT_EQ(SpecialPoints(rows, Team, {2, 1, -1}), 2 * 6 + 5 - 4 + 2 * 3 + 2 * 2 + 1);
    EXPECT_EQ(SpecialPoints({}, Team, {3, 1, 0}), 0);
}

TEST(TeamFormFigures, ShownScoresTellTheOutcomeForTheTeamsSide)
{
    const struct
    {
        const char *score;
        bool atHome;
        TFormOutcome outcome;
    } cases[] = {
        {"2-1", true, TFormOutcome::Win},    {"2-1", false, TFormOutcome::Loss},
        {"0-3", false, TFormOutcome::Win},   {"1-1", true, TFormOutcome::Draw},
        {"-", true, TFormOutcome::Unplayed}, {"", false, TFormOutcome::Unplayed},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ScoreOutcome(QString::fromUtf8(c.score), c.atHome), c.outcome)
            << c.score << " " << c.atHome;
}

TEST(TeamFormFigures, PrintedSummaryKeepsItsSpacing)
{
    const QList<QStringList> texts = {{"8", "6", "1  -", "3  -", "4", "12 - 38 - 50"},
                                      {"3", "4", "1  -", "1  -", "1", "33 - 33 - 33"},
                                      {"11", "10", "2  -", "4  -", "5", "18 - 36 - 45"}};
    EXPECT_EQ(FormSummaryLines(texts, "39"),
              (QStringList{"B    A    N   Ι    Η",
                           "ΕΠΙΤΥΧΙΕΣ ΕΝΤΟΣ     6    8   1  -    3  -    4     12 - 38 - 50",
                           "ΕΠΙΤΥΧΙΕΣ ΕΚΤΟΣ     4    3   1  -    1  -    1     33 - 33 - 33",
                           "ΕΠΙΤΥΧΙΕΣ ΣΤΟ ΣΥΝΟΛΟ     10    11   2  -    4  -    5     18 - 36 - 45",
                           "ΕΙΔΙΚΟΙ ΒΑΘΜΟΙ    39"}));
    EXPECT_EQ(FormPrintTitle("2005-06", "Α Εθνική", "Άρης"), "2005-06  Α Εθνική    Άρης");
    EXPECT_EQ(WinsText(12), "12  -");
    EXPECT_EQ(DrawsText(0), "0  -");
}

// A postponed match: matchday 2 played after matchday 3.
class TeamMatchesTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        teams =
            AddLeague(4, AddCategory(QStringLiteral("Α Εθνική")), QStringLiteral("2005-06"), {"Α", "Β", "Γ"});
        AddGame(4, 3, teams[1], teams[0], QDate(2005, 9, 20), 0, 2);
        AddGame(4, 1, teams[0], teams[2], QDate(2005, 9, 1), 1, 1);
        AddGame(4, 2, teams[2], teams[0], QDate(2005, 10, 5), 3, 0);
        AddGame(4, 1, teams[1], teams[2], QDate(2005, 9, 1), 1, 0);
        AddGame(4, 4, teams[0], teams[1], QDate(2005, 10, 30));
        Dm().QryForma.Close();
    }

    QList<int> teams;
};

TEST_F(TeamMatchesTest, ListsTheTeamsMatchesByMatchdayOrByDate)
{
    TQuery &query = Dm().QryForma;
    OpenTeamMatches(query, 4, teams[0], false);
    std::vector<TFormRow> rows = ReadFormRows(query);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(query.RecNo(), 1);
    EXPECT_EQ(rows[0].HomeGoals, 1);
    EXPECT_EQ(rows[1].HomeTeam, teams[2]);
    EXPECT_EQ(rows[2].HomeTeam, teams[1]);
    EXPECT_FALSE(rows[3].HomeGoals.has_value());
    // The score stands in the column of the team's side.
    EXPECT_EQ(query.FieldByName("Entos").AsString(), "1-1");
    EXPECT_EQ(query.FieldByName("Ektos").AsString(), "");
    EXPECT_EQ(SpecialPoints(rows, teams[0], {3, 1, 0}), 3 * 6 + 0 * 5 + 1 * 4);

    OpenTeamMatches(query, 4, teams[0], true);
    rows = ReadFormRows(query);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].HomeTeam, teams[1]);
    EXPECT_EQ(rows[2].HomeTeam, teams[2]);
    // The latest played match is now the lost one: the counts stay, the special points change.
    EXPECT_EQ(SpecialPoints(rows, teams[0], {3, 1, 0}), 0 * 6 + 3 * 5 + 1 * 4);
    const TTeamSuccesses counts = CountSuccesses(rows, teams[0]);
    EXPECT_EQ(counts.HomeDraws, 1);
    EXPECT_EQ(counts.AwayWins, 1);
    EXPECT_EQ(counts.AwayLosses, 1);
    query.Close();
}

} // namespace

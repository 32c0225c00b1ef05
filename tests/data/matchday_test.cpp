#include "data_module_fixture.h"

class MatchdayTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        OpenTables();
        const int greece = AddCountry("Ελλάδα");
        AddSeason("2004-05");
        AddSeason("2005-06");
        const int league = AddCategory("Α' Εθνική", greece);
        teams_ = AddCompetitionWithTeams(greece, league, "2004-05", 16);
        dNo_ = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        emptyDNo_ = AddCompetition(league, "2005-06", 16);
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
    }

    // Match i of a matchday: team i+1 at home to team 0.
    void AddMatch(int day, int i, QDate date, QVariant home = {}, QVariant away = {})
    {
        ASSERT_TRUE(InsertMatch(dNo_, day, teams_.at(i + 1), teams_.at(0), date, home, away));
    }

    QString DateText(int agvn)
    {
        QString text = "unchanged";
        Dm().GetAgvnistikhDate(quint8(agvn), text);
        return text;
    }

    QList<int> teams_;
    int dNo_ = 0;
    int emptyDNo_ = 0;
};

TEST_F(MatchdayTest, CurrentMatchdayIsTheLastWithGoals)
{
    const QDate start(2004, 9, 5);
    for (int day = 1; day <= 5; ++day)
        AddMatch(day, 0, start.addDays(7 * day), 1, 0);
    AddMatch(6, 0, start.addDays(42), 0, 0);
    AddMatch(6, 1, start.addDays(42), 0, 0);
    AddMatch(7, 0, start.addDays(49));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
    EXPECT_EQ(Dm().GetCurrAgvnistikh(), 5);
    EXPECT_EQ(Dm().GetMaxAgvnistikh(), 7);
    EXPECT_EQ(Dm().CurrAgvnistikhQuery.FieldByName("Agvnistikh").AsInteger(), 5);
    // The helpers follow the current competition.
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {emptyDNo_}));
    EXPECT_EQ(Dm().GetCurrAgvnistikh(), 1);
    EXPECT_EQ(Dm().GetMaxAgvnistikh(), 0);
    EXPECT_EQ(DateText(1), "");
}

TEST_F(MatchdayTest, NoResultMeansMatchdayOne)
{
    AddMatch(1, 0, QDate(2004, 9, 12));
    AddMatch(2, 0, QDate(2004, 9, 19));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
    EXPECT_EQ(Dm().GetCurrAgvnistikh(), 1);
    EXPECT_EQ(Dm().GetMaxAgvnistikh(), 2);
}

TEST_F(MatchdayTest, TheDateOfAMatchdayIsTheDateOfItsFewestMatches)
{
    for (int i = 0; i < 7; ++i)
        AddMatch(3, i, QDate(2004, 9, 26));
    AddMatch(3, 7, QDate(2004, 10, 20));
    AddMatch(4, 0, QDate(2004, 10, 3));
    AddMatch(4, 1, QDate(2004, 10, 2));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
    EXPECT_EQ(DateText(3), "20/10/2004");
    // Two dates with one match each: the earlier one.
    EXPECT_EQ(DateText(4), "02/10/2004");
    EXPECT_EQ(DateText(0), "");
    EXPECT_EQ(DateText(9), "");
}

TEST_F(MatchdayTest, TheCompetitionsSummaryComputesEveryRowInPlace)
{
    AddMatch(1, 0, QDate(2004, 9, 12), 2, 0);
    AddMatch(2, 0, QDate(2004, 9, 19), 1, 1);
    AddMatch(2, 1, QDate(2004, 9, 18), 1, 1);
    AddMatch(3, 0, QDate(2004, 9, 26));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {emptyDNo_}));
    TQuery &summary = Dm().DShowQuery;
    summary.ParamByName("CurrPeriod").SetAsString("2004-05");
    summary.Open();
    ASSERT_EQ(summary.RecordCount(), 1);
    EXPECT_EQ(summary.FieldByName("grname").AsString(), "Α' Εθνική");
    EXPECT_EQ(summary.FieldByName("Agvnistikh").AsInteger(), 2);
    EXPECT_EQ(summary.FieldByName("MaxAgvnistikh").AsInteger(), 3);
    EXPECT_EQ(summary.FieldByName("Date").Value(), QVariant(QDate(2004, 9, 18)));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), emptyDNo_);
    summary.Close();
    summary.ParamByName("CurrPeriod").SetAsString("2005-06");
    summary.Open();
    EXPECT_EQ(summary.FieldByName("Agvnistikh").AsInteger(), 1);
    EXPECT_EQ(summary.FieldByName("MaxAgvnistikh").AsInteger(), 0);
    EXPECT_TRUE(summary.FieldByName("Date").IsNull());
}

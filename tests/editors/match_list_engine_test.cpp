#include "editors/agvnes_form_fixture.h"
#include "editors/match_list_engine.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

struct SeasonCase
{
    const char *season;
    const char *category;
    QDate start;
    QDate end;
};

TEST(MatchListEngine, SeasonRangeSpansTheSeasonAndTheFollowingYear)
{
    const SeasonCase cases[] = {
        {"2003-04", "Α Εθνική", QDate(2003, 1, 1), QDate(2004, 12, 31)},
        {"2003", "Α Εθνική", QDate(2003, 1, 1), QDate(2004, 12, 31)},
        {"2003-", "Α Εθνική", QDate(2003, 1, 1), QDate(2003, 12, 31)},
        {"", "Α Εθνική", QDate(1900, 1, 1), QDate(2100, 1, 1)},
        {"2003-04", "", QDate(1900, 1, 1), QDate(2100, 1, 1)},
    };
    for (const SeasonCase &c : cases) {
        const TSeasonRange range =
            MatchdaySeasonRange(QString::fromUtf8(c.season), QString::fromUtf8(c.category));
        EXPECT_EQ(range.StartDate, c.start) << c.season;
        EXPECT_EQ(range.EndDate, c.end) << c.season;
    }
    EXPECT_THROW(MatchdaySeasonRange("xx-04", "Α Εθνική"), EConvertError);
}

TEST(MatchListEngine, UpperBoundFollowsTeamsAndRounds)
{
    const struct
    {
        int teams, rounds, bound;
    } cases[] = {{18, 2, 34},
                 {17, 2, 34},
                 {20, 2, 38},
                 {4, 4, 12},
                 {5, 3, 15},
                 {0, 2, -2},
                 // Kept to 16 bits: 299 x 200 = 59800 wraps.
                 {300, 200, 59800 - 65536}};
    for (const auto &c : cases)
        EXPECT_EQ(MatchdayUpperBound(c.teams, c.rounds), c.bound) << c.teams << " x " << c.rounds;
}

TEST(MatchListEngine, PointRolesBySign)
{
    EXPECT_EQ(PointRole("1"), TPointRole::HomeWin);
    EXPECT_EQ(PointRole("2"), TPointRole::AwayWin);
    for (const char *other : {"X", "", "x", " 1"})
        EXPECT_EQ(PointRole(other), TPointRole::Other) << other;
}

TEST(MatchListEngine, HeaderTimeAndDate)
{
    EXPECT_FALSE(HeaderTime("  :  ").has_value());
    EXPECT_FALSE(HeaderTime("").has_value());
    EXPECT_EQ(HeaderTime("18:30"), QTime(18, 30));
    EXPECT_THROW(HeaderTime("18:  "), EConvertError);
    EXPECT_FALSE(HeaderDate("  ").has_value());
    EXPECT_EQ(HeaderDate("12/09/2004"), QDate(2004, 9, 12));
    EXPECT_THROW(HeaderDate("31/02/2004"), EConvertError);
}

using MatchListEngineDb = MatchListTest;

TEST_F(MatchListEngineDb, NewMatchKeysByCompetitionType)
{
    ASSERT_TRUE(Dm().Agvnes.Insert());
    EXPECT_FALSE(ApplyNewMatchKeys(Dm().Agvnes, 2, 7, 3, 1));
    EXPECT_TRUE(Dm().Agvnes.FieldByName("DiorgNo").IsNull());
    EXPECT_TRUE(ApplyNewMatchKeys(Dm().Agvnes, LeagueTypos, 7, 3, 1));
    EXPECT_EQ(Dm().Agvnes.FieldByName("DiorgNo").AsInteger(), 7);
    EXPECT_EQ(Dm().Agvnes.FieldByName("Agvnistikh").AsInteger(), 3);
    EXPECT_TRUE(Dm().Agvnes.FieldByName("Omilos").IsNull());
    EXPECT_TRUE(ApplyNewMatchKeys(Dm().Agvnes, CupTypos, 7, 3, 2));
    EXPECT_EQ(Dm().Agvnes.FieldByName("Omilos").AsInteger(), 2);
    Dm().Agvnes.Cancel();
}

TEST_F(MatchListEngineDb, ApplyDateTimeChangesEveryGroupOfTheMatchdayOnly)
{
    const int country = AddCountry("Ελλάδα");
    AddSeason("2004-05");
    const QList<int> t = AddCompetition(country, AddCategory("Κύπελλο", country, CupTypos), "2004-05", 6);
    const int dNo = lastDNo;
    AddMatch(dNo, 1, t[0], t[1], QDate(2004, 9, 1), {}, {}, 1);
    AddMatch(dNo, 1, t[2], t[3], QDate(2004, 9, 2), {}, {}, 2);
    AddMatch(dNo, 2, t[0], t[2], QDate(2004, 9, 8), {}, {}, 1);

    EXPECT_EQ(ApplyDateTimeToMatchday(Dm().Agvnes, dNo, 1, QTime(20, 45), std::nullopt), 2);
    EXPECT_EQ(StoredValue(dNo, t[0], t[1], "Time"), QVariant(QTime(20, 45)));
    EXPECT_EQ(StoredValue(dNo, t[2], t[3], "Date"), QVariant(QDate(2004, 9, 2)));

    EXPECT_EQ(ApplyDateTimeToMatchday(Dm().Agvnes, dNo, 1, std::nullopt, QDate(2004, 9, 5)), 2);
    EXPECT_EQ(StoredValue(dNo, t[0], t[1], "Date"), QVariant(QDate(2004, 9, 5)));
    EXPECT_EQ(StoredValue(dNo, t[2], t[3], "Date"), QVariant(QDate(2004, 9, 5)));
    EXPECT_EQ(StoredValue(dNo, t[2], t[3], "Time"), QVariant(QTime(20, 45)));
    EXPECT_EQ(StoredValue(dNo, t[0], t[2], "Date"), QVariant(QDate(2004, 9, 8)));
    EXPECT_TRUE(StoredValue(dNo, t[0], t[2], "Time").isNull());

    EXPECT_EQ(ApplyDateTimeToMatchday(Dm().Agvnes, dNo, 1, std::nullopt, std::nullopt), 0);
}

} // namespace

#include "editors/agvn_enhm_engine.h"
#include "editors/agvn_enhm_fixture.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

TEST(AgvnEnhmEngineTest, TheDefaultDatesAreTheWeekendOfTheWeekday)
{
    // 4 October 2004 was a Monday.
    const struct
    {
        int day;
        QDate from;
        QDate to;
        bool ahead;
    } cases[] = {
        {4, {2004, 10, 1}, {2004, 10, 4}, false},  // Monday: today - 3 .. today
        {5, {2004, 10, 8}, {2004, 10, 11}, true},  // Tuesday: today + 3 .. today + 6
        {6, {2004, 10, 8}, {2004, 10, 11}, true},  // Wednesday: today + 2 .. today + 5
        {7, {2004, 10, 8}, {2004, 10, 11}, true},  // Thursday: today + 1 .. today + 4
        {8, {2004, 10, 8}, {2004, 10, 11}, false}, // Friday: today .. today + 3
        {9, {2004, 10, 8}, {2004, 10, 11}, false}, // Saturday: today - 1 .. today + 2
        {10, {2004, 10, 8}, {2004, 10, 11}, false} // Sunday: today - 2 .. today + 1
    };
    for (const auto &c : cases) {
        const QDate today(2004, 10, c.day);
        const TEnhmDates dates = EnhmDefaultDates(today);
        EXPECT_EQ(dates.From, c.from) << c.day;
        EXPECT_EQ(dates.To, c.to) << c.day;
        EXPECT_EQ(EnhmDatesAhead(dates, today), c.ahead) << c.day;
    }
}

TEST(AgvnEnhmEngineTest, TheCompetitionConditionJoinsTheCompetitionsWithOr)
{
    EXPECT_EQ(EnhmCompetitionCondition({}), QString("(DiorgNo = 0)"));
    EXPECT_EQ(EnhmCompetitionCondition({5}), QString("((DiorgNo = 5))"));
    EXPECT_EQ(EnhmCompetitionCondition({5, 7}), QString("((DiorgNo = 5) or(DiorgNo = 7))"));
    EXPECT_EQ(EnhmCompetitionCondition({5, 7, 9}),
              QString("((DiorgNo = 5) or((DiorgNo = 7) or(DiorgNo = 9)))"));
}

TEST(AgvnEnhmEngineTest, TheFilterTextHoldsDatesCompetitionsAndScores)
{
    const QString dates = "(Date >= '08/10/2004') and (Date <= '11/10/2004'";
    const struct
    {
        bool restrict;
        bool withScore;
        bool withoutScore;
        QString text;
    } cases[] = {
        {false, false, false, dates + ")"},
        {false, true, true, dates + ")"},
        {false, true, false, dates + ") AND (TelGGoals>=0)"},
        {false, false, true, dates + ") AND (TelGGoals=Null)"},
        {true, true, false, dates + ") and ((DiorgNo = 5) or(DiorgNo = 7)) AND (TelGGoals>=0)"},
        {true, false, true, dates + ") and ((DiorgNo = 5) or(DiorgNo = 7)) AND (TelGGoals=Null)"},
    };
    for (const auto &c : cases) {
        TEnhmChoice choice;
        choice.From = QDate(2004, 10, 8);
        choice.To = QDate(2004, 10, 11);
        choice.RestrictToCompetitions = c.restrict;
        choice.Competitions = {5, 7};
        choice.WithScore = c.withScore;
        choice.WithoutScore = c.withoutScore;
        EXPECT_EQ(EnhmFilterText(choice), c.text);
    }
}

using AgvnEnhmCompetitionsTest = AgvnEnhmTest;

TEST_F(AgvnEnhmCompetitionsTest, CategoriesGiveTheirCompetitionOfTheSeasonInListOrder)
{
    const int alpha = AddCategory("Α Εθνική");
    const int beta = AddCategory("Β Εθνική");
    const int gamma = AddCategory("Γ Εθνική");
    const int alphaNow = AddCompetition(alpha, "2004-05");
    AddCompetition(alpha, "2003-04");
    const int gammaNow = AddCompetition(gamma, "2004-05");
    AddCompetition(beta, "2003-04");
    const int betaQuoted = AddCompetition(beta, "2005'06");

    TDatabase &db = Dm().TavrolinDb;
    EXPECT_EQ(EnhmCompetitions(db, {"Γ Εθνική", "Β Εθνική", "Α Εθνική"}, "2004-05"),
              QList<int>({gammaNow, alphaNow}));
    EXPECT_EQ(EnhmCompetitions(db, {"Β Εθνική"}, "2004-05"), QList<int>());
    EXPECT_EQ(EnhmCompetitions(db, {}, "2004-05"), QList<int>());
    // The season is a value, whatever its text.
    EXPECT_EQ(EnhmCompetitions(db, {"Α Εθνική"}, "2004-05' or '1'='1"), QList<int>());
    EXPECT_EQ(EnhmCompetitions(db, {"Α Εθνική", "Β Εθνική"}, "2005'06"), QList<int>({betaQuoted}));
}

} // namespace

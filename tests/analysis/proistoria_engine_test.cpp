#include "analysis/proistoria_engine.h"
#include "analysis/proistoria_fixture.h"
#include "platform/db/query.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

TEST(ProistoriaEngineTest, TheScoreShowsFullTimeGoalsOrQuestionMarks)
{
    const struct
    {
        QVariant home;
        QVariant away;
        const char *score;
    } cases[] = {
        {2, 1, " 2- 1"}, {0, 0, " 0- 0"}, {10, 12, "10-12"}, {{}, {}, "? - ?"}, {{}, 3, "? - ?"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HistoryScore(c.home, c.away), QString(c.score));
}

using ProistoriaSearchTest = ProistoriaTest;

// Date and score of every meeting the search finds, in its order.
QStringList Meetings(THistoryKind kind, const THistoryMatch &match)
{
    TQuery query;
    query.SetDatabase(&TavrolinDM().TavrolinDb);
    PrepareHistoryQuery(query, kind, match);
    query.Open();
    QStringList meetings;
    for (query.First(); !query.Eof(); query.Next())
        meetings.append(
            query.FieldByName("Date").AsString() + ' ' +
            HistoryScore(query.FieldByName("TelGGoals").Value(), query.FieldByName("TelFGoals").Value()));
    return meetings;
}

TEST_F(ProistoriaSearchTest, TheClubsAreFoundInEveryCompetitionAndSeasonBeforeTheDate)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {chosenLeague_, 22}));
    const THistoryMatch match = HistoryMatchOf(Dm().Agvnes);
    EXPECT_EQ(match.Date, QDate(2005, 3, 6));

    // At home only: the reverse fixture of February 2004 is not a home meeting.
    EXPECT_EQ(Meetings(THistoryKind::Home, match), QStringList({"21/09/2003  2- 1", "15/12/2004 ? - ?"}));
    EXPECT_EQ(Meetings(THistoryKind::All, match),
              QStringList({"21/09/2003  2- 1", "01/02/2004  0- 0", "15/12/2004 ? - ?"}));
}

TEST_F(ProistoriaSearchTest, SidesAndDateAreBoundValues)
{
    AddHistory();
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {chosenLeague_, 22}));
    THistoryMatch match = HistoryMatchOf(Dm().Agvnes);
    match.Date = QDate(2004, 1, 1);
    EXPECT_EQ(Meetings(THistoryKind::All, match), QStringList({"21/09/2003  2- 1"}));
    // A side without a record (a new row) finds nothing and raises nothing.
    match.Ghpedoyxos = QVariant();
    EXPECT_TRUE(Meetings(THistoryKind::Home, match).isEmpty());
}

} // namespace

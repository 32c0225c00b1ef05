#include "editors/diorganvsh_delete.h"

#include "editors/diorganvsh_fixture.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

using namespace tav::editors;

namespace {

class DiorganvshDeleteTest : public CompetitionWindowsTest
{
protected:
    void SetUp() override
    {
        CompetitionWindowsTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int category = AddCategory("Α' ΕΘΝΙΚΗ", greece);
        doomed_ = AddCompetition(category, "2004'05", 2);
        kept_ = AddCompetition(category, "2005-06", 2);
        for (const int dNo : {doomed_, kept_}) {
            const int home = AddCompetitionTeam(dNo, AddTeam(greece, QString("Α %1").arg(dNo), "A"));
            const int away = AddCompetitionTeam(dNo, AddTeam(greece, QString("Β %1").arg(dNo), "B"));
            AddMatch(dNo, 1, home, away, QDate(2004, 9, 12), 2, 1);
            AddTeamStat(home, 1);
            AddTeamStat(away, 1);
        }
    }

    // The rows that belong to a competition: matches, teams, statistics rows of its teams, itself.
    QList<int> RowsOf(int dNo)
    {
        return {Count("SELECT count(*) FROM Agvnes WHERE DiorgNo = ?1", {dNo}),
                Count("SELECT count(*) FROM PerOmades WHERE DiorNo = ?1", {dNo}),
                Count("SELECT count(*) FROM TeamStat WHERE TeamNo IN "
                      "(SELECT RecNo FROM PerOmades WHERE DiorNo = ?1)",
                      {dNo}),
                Count("SELECT count(*) FROM Diorganvseis WHERE DNo = ?1", {dNo})};
    }

    int doomed_ = 0;
    int kept_ = 0;
};

TEST_F(DiorganvshDeleteTest, RemovesTheCompetitionWithItsMatchesTeamsAndStatisticsOnly)
{
    ASSERT_EQ(RowsOf(doomed_), (QList<int>{1, 2, 2, 1}));

    DeleteCompetition(Dm(), doomed_);

    EXPECT_EQ(RowsOf(doomed_), (QList<int>{0, 0, 0, 0}));
    EXPECT_EQ(Count("SELECT count(*) FROM TeamStat"), 2) << "no orphan statistics rows";
    EXPECT_EQ(RowsOf(kept_), (QList<int>{1, 2, 2, 1}));
}

TEST_F(DiorganvshDeleteTest, FailingStatementRemovesNothing)
{
    ExecSql(Dm().TavrolinDb.Handle(), "CREATE TRIGGER KeepCompetitions BEFORE DELETE ON Diorganvseis "
                                      "BEGIN SELECT RAISE(ABORT, 'kept'); END");

    EXPECT_THROW(DeleteCompetition(Dm(), doomed_), EDatabaseError);

    EXPECT_EQ(RowsOf(doomed_), (QList<int>{1, 2, 2, 1})) << "the earlier deletes are rolled back";
    EXPECT_FALSE(Dm().TavrolinDb.InTransaction());
}

TEST_F(DiorganvshDeleteTest, NumberIsBoundNotPasted)
{
    DeleteCompetition(Dm(), QString("%1 OR 1=1").arg(doomed_));

    EXPECT_EQ(RowsOf(doomed_), (QList<int>{1, 2, 2, 1}));
    EXPECT_EQ(RowsOf(kept_), (QList<int>{1, 2, 2, 1}));
}

} // namespace

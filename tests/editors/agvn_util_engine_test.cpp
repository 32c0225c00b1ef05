#include "editors/agvn_util_engine.h"

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

using namespace tav::editors;

namespace {

// Four competitions of one season, two matches each, whose names agree until a test changes one.
class AgvnUtilEngineTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        for (const QString name : {"Α' ΕΘΝΙΚΗ", "Β' ΕΘΝΙΚΗ", "Γ' ΕΘΝΙΚΗ", "Δ' ΕΘΝΙΚΗ"}) {
            const int katNo = AddCategory(name, greece);
            const int dNo = AddCompetition(katNo, "2004-05", 2);
            const QList<int> teams = AddCompetitionTeams(greece, dNo, 2, "Ομάδα %1-%2", "Team %1-%2");
            AddMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12), 1, 0);
            AddMatch(dNo, 2, teams[1], teams[0], QDate(2004, 9, 19), 2, 2);
            competitions.append(dNo);
            homeTeams.append(teams[0]);
            categories.append(katNo);
        }
    }

    void Sql(const QString &sql, const QVariantList &values)
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        statement->Execute();
    }

    int TeamNoOf(int recNo)
    {
        return Rows("SELECT TeamNo FROM PerOmades WHERE RecNo = ?1", {recNo}).value(0).value(0).toInt();
    }

    QList<int> competitions;
    QList<int> homeTeams;
    QList<int> categories;
};

TEST_F(AgvnUtilEngineTest, AgreeingNamesFindNothing)
{
    EXPECT_TRUE(CompetitionsWithMismatchedNames(Dm().TavrolinDb).isEmpty());
}

TEST_F(AgvnUtilEngineTest, FindsExactlyTheCompetitionsWithADifferentName)
{
    // The second competition's team list spells a club in small letters, the third's club was
    // renamed, the fourth's club row is gone; the first stays as it was.
    const QString name =
        Rows("SELECT GrName FROM PerOmades WHERE RecNo = ?1", {homeTeams[1]}).value(0).value(0).toString();
    ASSERT_FALSE(name.isEmpty());
    Sql("UPDATE PerOmades SET GrName = ?1 WHERE RecNo = ?2", {name.toLower(), homeTeams[1]});
    Sql("UPDATE Omades SET Name = 'Νέο όνομα' WHERE TeamNo = ?1", {TeamNoOf(homeTeams[2])});
    Sql("DELETE FROM Omades WHERE TeamNo = ?1", {TeamNoOf(homeTeams[3])});

    EXPECT_EQ(CompetitionsWithMismatchedNames(Dm().TavrolinDb),
              (QList<int>{competitions[1], competitions[2], competitions[3]}));
}

TEST_F(AgvnUtilEngineTest, FilterAddsEachCompetitionOnceComparingWholeNumbers)
{
    struct Case
    {
        QString filter;
        QList<int> found;
        QString expected;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"", {1, 12}, "DiorgNo=1 OR DiorgNo=12"},
        {"DiorgNo=1", {1, 12}, "DiorgNo=1 OR DiorgNo=12"},
        {"DiorgNo=12", {1, 12}, "DiorgNo=12 OR DiorgNo=1"},
        {"DiorgNo=5", {}, "DiorgNo=5"},
        {"", {7, 7}, "DiorgNo=7"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        EXPECT_EQ(AddCompetitionsToFilter(c.filter, c.found), c.expected);
    }
    EXPECT_EQ(CompetitionFilter(12), "DiorgNo=12");
}

TEST_F(AgvnUtilEngineTest, CompetitionOfCategoryAndSeason)
{
    EXPECT_EQ(CompetitionOf(Dm().TavrolinDb, categories[2], "2004-05"), competitions[2]);
    EXPECT_EQ(CompetitionOf(Dm().TavrolinDb, categories[2], "2005-06"), std::nullopt);
    EXPECT_EQ(CompetitionOf(Dm().TavrolinDb, categories[2], ""), std::nullopt);
    EXPECT_EQ(CompetitionOf(Dm().TavrolinDb, QVariant(), "2004-05"), std::nullopt);
}

} // namespace

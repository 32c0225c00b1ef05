#include "editors/reference_editors_fixture.h"
#include "editors/team_delete.h"
#include "platform/db/query.h"

using namespace tav::editors;

namespace {

class TeamDeleteTest : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        QryDel.SetSessionName("Session1_1");
        QryDel.SetDatabaseName("Tavrolin");
        greece_ = AddCountry("Ελλάδα");
    }

    QList<QVariantList> Teams()
    {
        return Rows(R"(SELECT "TeamNo", "Name", "EnName" FROM "Omades" ORDER BY "Name", "EnName")");
    }

    TQuery QryDel;
    int greece_ = 0;
};

// Values with quotes are bound, so they neither break the statement nor widen it.
TEST_F(TeamDeleteTest, DeletesExactlyTheTeamRecordWithTheGivenValues)
{
    struct Case
    {
        QString name;
        QString enName;
    };
    const Case cases[] = {{"Άρης", "Aris"}, {"Ο'Νηλ", "O'Neil"}, {"x' OR '1'='1", "y"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const int teamNo = AddTeam(greece_, c.name, c.enName);
        // Another spelling of the same team keeps its number and its record.
        Post(Dm().Omades, {{"Name", c.name}, {"EnName", c.enName + " FC"}, {"TeamNo", teamNo}});
        AddTeam(greece_, "Πανιώνιος " + c.name, "Panionios");
        const int before = int(Teams().size());

        EXPECT_EQ(DeleteTeam(QryDel, teamNo, c.name, c.enName), TTeamDeleteResult::Deleted);

        EXPECT_EQ(Teams().size(), before - 1);
        EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Omades" WHERE "TeamNo" = ?1 AND "EnName" = ?2)",
                        {teamNo, c.enName}),
                  0);
        EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Omades" WHERE "TeamNo" = ?1)", {teamNo}), 1);
    }
}

TEST_F(TeamDeleteTest, ATeamWithoutEnglishNameIsFoundToo)
{
    Rows(R"(INSERT INTO "Omades" ("KratosNo", "Name", "EnName", "TeamNo") VALUES (?1, 'Άρης', NULL, 7))",
         {greece_});

    EXPECT_EQ(DeleteTeam(QryDel, 7, "Άρης", QVariant()), TTeamDeleteResult::Deleted);

    EXPECT_TRUE(Teams().isEmpty());
}

TEST_F(TeamDeleteTest, ATeamThatPlaysInAnyCompetitionIsKept)
{
    const int teamNo = AddTeam(greece_, "Άρης", "Aris");
    const int dNo = AddCompetition(AddCategory("Α Εθνική", greece_), "2003-04", 16);
    AddCompetitionTeam(dNo, teamNo);

    EXPECT_EQ(DeleteTeam(QryDel, teamNo, "Άρης", "Aris"), TTeamDeleteResult::PlaysInCompetition);

    EXPECT_EQ(Teams().size(), 1);
    EXPECT_FALSE(Dm().TavrolinDb.InTransaction());
}

} // namespace

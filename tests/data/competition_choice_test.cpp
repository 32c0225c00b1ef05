// The one current competition: remembered between runs, in the data module's fields, and under the
// data module's competitions cursor, moved together.
#include "data/competition_choice.h"
#include "data/competition_choice_printer.h"
#include "data_module_fixture.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"

using tav::data::CompetitionChoice;

namespace {

class CompetitionChoiceTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        OpenTables();
        const int greece = AddCountry("Ελλάδα");
        alpha = AddCategory("Α Εθνική", greece);
        beta = AddCategory("Β Εθνική", greece);
        alpha04 = AddCompetition(alpha, "2004-05", 4);
        alpha05 = AddCompetition(alpha, "2005-06", 4);
        beta05 = AddCompetition(beta, "2005-06", 4);
        AddSeason("2006-07");
    }

    static QString Remembered(const char *name)
    {
        return TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadString("Options", name, "<none>");
    }

    int CurrentDNo() { return Dm().Diorganvseis.FieldByName("DNo").AsInteger(); }
    CompetitionChoice ModuleFields() { return {Dm().CurrDiorgName, Dm().CurrPeriodos}; }

    int alpha = 0, beta = 0, alpha04 = 0, alpha05 = 0, beta05 = 0;
};

} // namespace

TEST_F(CompetitionChoiceTest, NothingIsRememberedAtFirst)
{
    EXPECT_EQ(tav::data::CurrentChoice(), CompetitionChoice{});
    EXPECT_EQ(Remembered("NameD"), "<none>");
}

TEST_F(CompetitionChoiceTest, ChoosingAPairMovesAllThreePlacesTogether)
{
    struct Case
    {
        CompetitionChoice choice;
        int dNo;
    };
    // Each case starts where the one before left the cursor.
    for (const Case &c : {Case{{"Α Εθνική", "2004-05"}, alpha04}, Case{{"Β Εθνική", "2005-06"}, beta05},
                          Case{{"Α Εθνική", "2005-06"}, alpha05}}) {
        SCOPED_TRACE((c.choice.Category + " " + c.choice.Season).toStdString());
        EXPECT_TRUE(tav::data::Choose(Dm(), c.choice));
        EXPECT_EQ(tav::data::CurrentChoice(), c.choice);
        EXPECT_EQ(ModuleFields(), c.choice);
        EXPECT_EQ(CurrentDNo(), c.dNo);
        EXPECT_EQ(Remembered("NameD"), c.choice.Category);
        EXPECT_EQ(Remembered("NameP"), c.choice.Season);
    }
}

TEST_F(CompetitionChoiceTest, APairThatNamesNoCompetitionIsRememberedButKeepsTheCurrentCompetition)
{
    const CompetitionChoice cases[] = {
        {"Β Εθνική", "2004-05"}, // a pair without competition
        {"Γ Εθνική", "2005-06"}, // a category that is not stored
        {"Α Εθνική", ""},        // no season
        {"", "2004-05"},         // no category
        {"α εθνική", "2004-05"}, // names are compared exactly
    };
    for (const CompetitionChoice &choice : cases) {
        SCOPED_TRACE((choice.Category + " / " + choice.Season).toStdString());
        ASSERT_TRUE(tav::data::Choose(Dm(), {"Α Εθνική", "2005-06"}));
        EXPECT_FALSE(tav::data::Choose(Dm(), choice));
        EXPECT_EQ(CurrentDNo(), alpha05);
        EXPECT_EQ(tav::data::CurrentChoice(), choice);
        EXPECT_EQ(ModuleFields(), choice);
    }
}

TEST_F(CompetitionChoiceTest, ChoosingASeasonKeepsTheRememberedCategory)
{
    ASSERT_TRUE(tav::data::Choose(Dm(), {"Β Εθνική", "2005-06"}));
    EXPECT_FALSE(tav::data::ChooseSeason(Dm(), "2006-07"));
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Β Εθνική", "2006-07"}));
    EXPECT_EQ(CurrentDNo(), beta05);

    tav::data::Choose(Dm(), {"Α Εθνική", "2005-06"});
    EXPECT_TRUE(tav::data::ChooseSeason(Dm(), "2004-05"));
    EXPECT_EQ(CurrentDNo(), alpha04);
    EXPECT_EQ(ModuleFields(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
}

TEST_F(CompetitionChoiceTest, ChoosingOpensTheTablesItNeeds)
{
    Dm().Diorganvseis.Close();
    Dm().Kathgories.Close();
    EXPECT_TRUE(tav::data::Choose(Dm(), {"Β Εθνική", "2005-06"}));
    EXPECT_EQ(CurrentDNo(), beta05);
    EXPECT_EQ(tav::data::CategoryKatNo(Dm(), "Α Εθνική"), QVariant(alpha));
    EXPECT_TRUE(tav::data::CategoryKatNo(Dm(), "Δ Εθνική").isNull());
}

TEST_F(CompetitionChoiceTest, TheHighestMatchdayIsRememberedBesideTheChoice)
{
    tav::data::RememberMatchday(7);
    EXPECT_EQ(TRegIniFile("Software\\Tavrolin\\Diorganvsh").ReadInteger("Options", "Agvnistikh", 0), 7);
    EXPECT_EQ(tav::data::CurrentChoice(), CompetitionChoice{});
}

#include "report/page_names.h"

#include "platform/core/errors.h"
#include "report/report_data_test.h"

using namespace tav::report;

namespace {

TEST(CompetitionFileCodeTest, CountryTypeAndSubLetter)
{
    struct Case
    {
        const char *name;
        TCompetitionCodeParts parts;
        TSubLetterCase subLetterCase;
        QString code;
    };
    const Case cases[] = {
        {"league takes the category's first letter", {"GR", 0, "A1", "2"}, TSubLetterCase::Lower, "grpa"},
        {"league letter as stored", {"GR", 0, "A", ""}, TSubLetterCase::AsStored, "grpA"},
        {"cup takes the group shown", {"GR", 1, "A", "3"}, TSubLetterCase::Lower, "grk3"},
        {"other types: the country alone", {"GR", 2, "A", "3"}, TSubLetterCase::Lower, "gr"},
        {"country code cut to two", {"ENG", 0, "B", ""}, TSubLetterCase::Lower, "enpb"},
        {"nothing stored", {"", 0, "", ""}, TSubLetterCase::Lower, "p"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompetitionFileCode(c.parts, c.subLetterCase), c.code);
    }
}

TEST(PageFileNameTest, LanguageCodeLettersAndMatchdayNumber)
{
    struct Case
    {
        TExportLanguage language;
        QString code;
        TPageKind kind;
        QString matchday;
        QString name;
    };
    const Case cases[] = {
        {TExportLanguage::Greek, "grpa", TPageKind::MatchList, "5", "grgrpaa05n.html"},
        {TExportLanguage::Greek, "gr", TPageKind::MatchList, "7", "grgra07n.html"},
        {TExportLanguage::English, "grpa", TPageKind::Standings, "10", "engrpab10n.html"},
        {TExportLanguage::Italian, "grpa", TPageKind::SpecialOrderings, "123", "itgrpab12e.html"},
        {TExportLanguage::Greek, "grk3", TPageKind::Prediction, "2", "grgrk3a02p.html"},
        {TExportLanguage::Greek, "grpa", TPageKind::SuggestedOdds, "2", "grgrpaa02o.html"},
        {TExportLanguage::Greek, "grpa", TPageKind::History, "2", "grgrpaa02r.html"},
        {TExportLanguage::Greek, "grpa", TPageKind::ResultsGrid, "", "grgrpaa00s.html"},
        // A code stored with a separator in it cannot lead out of the page folder.
        {TExportLanguage::Greek, "../x", TPageKind::MatchList, "1", "gr.._xa01n.html"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(PageFileName(c.language, c.code, c.kind, c.matchday), c.name);
    }
}

TEST(FileNameTest, ProposedNamesAndCheckedNames)
{
    EXPECT_EQ(ProposedFileName("superleague", 'a', "5"), "superleaguea5");
    EXPECT_EQ(ProposedFileName("superleague", 's', ""), "superleagues");
    EXPECT_EQ(CheckedFileName(""), "");
    EXPECT_EQ(CheckedFileName("a/b\\c"), "a_b_c");
    EXPECT_EQ(CheckedFileName("..a"), "..a");
    for (const QString refused : {".", ".."}) {
        try {
            CheckedFileName(refused);
            ADD_FAILURE() << "accepted " << refused.toStdString();
        } catch (const EInOutError &error) {
            EXPECT_EQ(error.Message(), QString("Το όνομα αρχείου «%1» δεν είναι δεκτό.").arg(refused));
        }
    }
}

// The code of the competition under the cursor, looked up through its category and country.
class CompetitionFileCodeOfCursorTest : public ReportDataTest
{
protected:
    int AddCountryWithCode(const QString &name, const QString &code)
    {
        Post(Dm().Krath, {{"Name", name}, {"Kode", code}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

    int AddCategoryWithCode(const QString &name, int country, const QString &code, int typos)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"Kode", code}, {"Typos", typos}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }
};

TEST_F(CompetitionFileCodeOfCursorTest, ReadsTheCountryAndCategoryOfTheCompetitionUnderTheCursor)
{
    const int greece = AddCountryWithCode("Ελλάδα", "GR");
    const int england = AddCountryWithCode("Αγγλία", "EN");
    const int league = AddCompetition(AddCategoryWithCode("Α' Εθνική", greece, "A", 0), "2004-05", 16);
    const int cup = AddCompetition(AddCategoryWithCode("Κύπελλο", england, "K", 1), "2004-05", 16, 2, 1);

    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {league}));
    EXPECT_EQ(CompetitionFileCode(Dm(), "", TSubLetterCase::Lower), "grpa");
    EXPECT_EQ(CompetitionFileCode(Dm(), "", TSubLetterCase::AsStored), "grpA");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {cup}));
    EXPECT_EQ(CompetitionFileCode(Dm(), "3", TSubLetterCase::Lower), "enk3");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), cup);
}

} // namespace

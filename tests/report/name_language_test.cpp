#include "report/name_language.h"

#include "platform/core/errors.h"
#include "report/report_data_test.h"

#include <stdexcept>

using namespace tav::report;

namespace {

// One competition of a category named in three languages, with one match between two teams that
// have Greek and Latin names.
class NameLanguageTest : public ReportDataTest
{
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int dNo = AddCompetition(AddLeagueInThreeLanguages(greece), "2004-05", 2);
        const int home = AddCompetitionTeam(dNo, AddTeam(greece, "Άρης", "Aris"));
        const int away = AddCompetitionTeam(dNo, AddTeam(greece, "ΠΑΟΚ", "PAOK"));
        AddMatch(dNo, 1, home, away, QDate(2004, 9, 12), 2, 1);
    }

    // The competition's display name, and the names of the match as a page shows them.
    QStringList Names()
    {
        return {Dm().Diorganvseis.FieldByName("Onomasia").AsString(),
                Dm().Agvnes.FieldByName("GName").AsString(), Dm().Agvnes.FieldByName("FName").AsString(),
                Dm().Agvnes.FieldByName("Omades").AsString()};
    }

    const QStringList Greek{"2004-05, Α' Εθνική", "Άρης", "ΠΑΟΚ", "Άρης - ΠΑΟΚ"};
};

} // namespace

TEST_F(NameLanguageTest, EachLanguageShowsItsNamesAndGreekComesBackAtTheEnd)
{
    struct Case
    {
        TExportLanguage language;
        QStringList names;
    };
    const Case cases[] = {
        {TExportLanguage::Greek, Greek},
        {TExportLanguage::English, {"2004-05, Super League", "Aris", "PAOK", "Aris - PAOK"}},
        // Teams have no Italian name: Italian pages take the Latin one.
        {TExportLanguage::Italian, {"2004-05, Serie A", "Aris", "PAOK", "Aris - PAOK"}},
    };
    ASSERT_EQ(Names(), Greek);
    {
        TNameLanguageSwitch names(Dm(), TExportLanguage::Italian);
        for (const Case &c : cases) {
            names.Switch(c.language);
            EXPECT_EQ(Names(), c.names);
        }
        names.Switch(TExportLanguage::English);
    }
    EXPECT_EQ(Names(), Greek);
}

TEST_F(NameLanguageTest, GreekComesBackWhenTheExportFails)
{
    EXPECT_THROW(
        {
            TNameLanguageSwitch names(Dm(), TExportLanguage::English);
            EXPECT_EQ(Names().at(0), "2004-05, Super League");
            throw EInOutError("Δεν είναι δυνατό το άνοιγμα του αρχείου htm/grgrpaa01n.html");
        },
        EInOutError);
    EXPECT_EQ(Names(), Greek);
    for (const char *lookup : {"GName", "FName"})
        EXPECT_EQ(Dm().Agvnes.FieldByName(lookup).LookupResultField(), "GrName");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatName").LookupResultField(), "GrName");
}

#include "coupons/kup_filter.h"

#include "coupons/kup_file.h"
#include "kup_test_files.h"
#include "platform/core/paths.h"
#include "support/data_module_test_base.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

class KupFilterTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        premier_ = AddCategory("Πρέμιερ", country, "ΑΓΓ");
        const int cup = AddCategory("Κύπελλο", country, "ΚΥΠ");
        oldPremier_ = AddCompetition(premier_, "2003-04", 20);
        newPremier_ = AddCompetition(premier_, "2004-05", 20);
        AddCompetition(cup, "2001-02", 20);
    }

    int AddCategory(const QString &name, int country, const QString &code)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"OPAP", code}, {"Typos", 0}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

    QString Path() const { return JoinPath(ProgramFolder(), "12_20040301_20040304.kup"); }

    int premier_ = 0;
    int oldPremier_ = 0;
    int newPremier_ = 0;
};

TEST_F(KupFilterTest, CodesCompetitionsAndRange)
{
    const QDate day(2004, 3, 1);
    WriteBytes(Path(), KupBytes(KupRow("3", day, "", "ΑΓΓ", "", ""), 38047.0, 38050.0, 12) +
                           KupBytes(KupRow("47", day, "", "", "", "")) +
                           KupBytes(KupRow("9", day, "", "ΑΓΓ", "", "")) +
                           KupBytes(KupRow("10", day, "", "ΚΥΠ", "", "")) +
                           KupBytes(KupRow("11", day, "", "ΧΧΧ", "", "")));

    const TKupFilterData data = LoadFilterKup(Path(), {"2004-05", "2003-04"}, {}, {});

    EXPECT_FALSE(data.readFailed);
    EXPECT_EQ(data.codeFrom, 3);
    EXPECT_EQ(data.codeTo, 47);
    EXPECT_EQ(data.dateFrom.date(), day);
    EXPECT_EQ(data.dateTo.date(), QDate(2004, 3, 4));
    ASSERT_EQ(data.competitions.size(), 1);
    EXPECT_EQ(data.competitions[0].name, "Πρέμιερ");
    EXPECT_EQ(data.competitions[0].dno, newPremier_);

    const TKupFilterData older = LoadFilterKup(Path(), {"2002-03", "2003-04"}, {}, {});
    ASSERT_EQ(older.competitions.size(), 1);
    EXPECT_EQ(older.competitions[0].dno, oldPremier_);
}

TEST(KupFilterCodes, TheRangeStartsFrom10000And1)
{
    TKupFilterData data;
    EXPECT_TRUE(data.AddCode("12000"));
    EXPECT_EQ(data.codeFrom, 10000);
    EXPECT_EQ(data.codeTo, 12000);
    EXPECT_FALSE(data.AddCode("1a"));
    EXPECT_EQ(data.codeFrom, 10000);
}

TEST_F(KupFilterTest, ABadCodeEndsTheReadingWithTheRangeSoFar)
{
    const QDate day(2004, 3, 1);
    TKupFilterData data;
    WriteBytes(Path(), KupBytes(KupRow("5", day, "", "", "", ""), 38047.0, 38050.0, 12) +
                           KupBytes(KupRow("ab", day, "", "", "", "")) +
                           KupBytes(KupRow("1", day, "", "", "", "")));
    data = LoadFilterKup(Path(), {}, {}, {});
    EXPECT_TRUE(data.readFailed);
    EXPECT_EQ(data.codeFrom, 5);
    EXPECT_EQ(data.codeTo, 5);
}

} // namespace

#include "controls/dataaware/dq_locate.h"
#include "controls/dataaware/dq_rtf.h"
#include "controls/dataaware/dq_table.h"
#include "dataaware_fixture.h"

using namespace tav::controls;

namespace {

class LocateTest : public DataAwareTest
{
protected:
    void SetUp() override
    {
        DataAwareTest::SetUp();
        table_.SetDatabase(&Db());
        table_.SetTableName("Items");
        table_.Open();
        table_.SetRecNo(3);
        table_.Edit();
        table_.FieldByName("Notes").SetAsString(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello \\'e1\\'e2\\par world \\u937? end}");
        table_.Post();
        table_.First();
    }

    TdqTable table_;
};

} // namespace

TEST_F(LocateTest, FindsByKindOfMatch)
{
    struct Case
    {
        const char *field;
        const char *value;
        bool caseSensitive;
        TdqMatchType match;
        int id; // 0: not found
    };
    const Case cases[] = {
        {"Unit Price", "12", false, dqMatchExact, 4},
        {"Unit Price", "12,0", false, dqMatchExact, 4},
        {"Amount", "15", false, dqMatchStart, 2},
        {"Name", "abc", false, dqMatchExact, 1},
        {"Name", "abc", true, dqMatchExact, 0},
        {"Name", "ABC", true, dqMatchExact, 1},
        {"Name", "λυμπ", false, dqMatchAnywhere, 3},
        {"Name", "ΟΛΥΜΠΙΑΚΟΣ", false, dqMatchExact, 3},
        {"Stamp", "12/03/2005", false, dqMatchExact, 1},
        {"Stamp", "/2006", false, dqMatchAnywhere, 3},
        {"Notes", "αβ", false, dqMatchAnywhere, 3},
        {"Notes", "Ω end", false, dqMatchAnywhere, 3},
        {"Id", "4", false, dqMatchExact, 4},
        {"Code", "c3", false, dqMatchExact, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.field, c.value).toStdString());
        table_.SetRecNo(2);
        EXPECT_EQ(dqLocateValue(true, table_, c.field, c.caseSensitive, c.match, QString::fromUtf8(c.value)),
                  c.id != 0);
        EXPECT_EQ(table_.FieldByName("Id").AsInteger(), c.id != 0 ? c.id : 2);
    }
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(LocateTest, NextMatchAndTheIndexPath)
{
    ASSERT_TRUE(dqLocateValue(true, table_, "Name", false, dqMatchExact, "X"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 2);
    ASSERT_TRUE(dqLocateValue(false, table_, "Name", false, dqMatchExact, "x"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 4);
    EXPECT_FALSE(dqLocateValue(false, table_, "Name", false, dqMatchExact, "x"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 4);

    // Ordered on the field: the key search of a case-insensitive index.
    table_.SetIndexName("NameInd");
    ASSERT_TRUE(dqLocateValue(true, table_, "Name", false, dqMatchExact, "olympiakos") == false);
    ASSERT_TRUE(dqLocateValue(true, table_, "Name", false, dqMatchStart, "ολυμ"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 3);
    ASSERT_TRUE(dqLocateValue(true, table_, "Name", false, dqMatchExact, "abc"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 1);
    EXPECT_FALSE(dqLocateValue(true, table_, "Name", true, dqMatchExact, "abc"));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 1);
}

TEST_F(LocateTest, UnknownFieldWarns)
{
    table_.SetRecNo(2);
    EXPECT_FALSE(dqLocateValue(true, table_, "Nope", false, dqMatchExact, "1"));
    EXPECT_EQ(messages_.Texts(), QStringList{"Field Nope not found."});
    EXPECT_EQ(table_.RecNo(), 2);
}

TEST(RichTextTest, PlainTextOfADocument)
{
    EXPECT_EQ(dqRichTextToPlain("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\generator x;}\\f0\\b Bold\\b0 "
                                "\\{x\\}\\par\\tab \\'c1\\'e8\\u8364? }"),
              QStringLiteral("Bold{x}\n\tΑθ€ "));
    EXPECT_EQ(dqRichTextToPlain("plain"), "plain");
}

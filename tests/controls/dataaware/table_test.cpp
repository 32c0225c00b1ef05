#include "controls/dataaware/dq_table.h"
#include "dataaware_fixture.h"

namespace {

class DqTableTest : public DataAwareTest
{
protected:
    void SetUp() override
    {
        DataAwareTest::SetUp();
        table_.SetDatabase(&Db());
        table_.SetTableName("Items");
    }

    TdqTable table_;
};

} // namespace

TEST_F(DqTableTest, TableNameAndQueryClearEachOther)
{
    table_.SetQuery({"SELECT * FROM Items"});
    EXPECT_EQ(table_.TableName(), QString());
    table_.SetTableName("Items");
    EXPECT_TRUE(table_.Query().isEmpty());
    for (const char *first : {"QUERY", "query", "Query"}) {
        table_.SetQuery({QStringLiteral("%1 Items.db | Id |").arg(first)});
        try {
            table_.Open();
            ADD_FAILURE() << "opened";
        } catch (const EDatabaseError &error) {
            EXPECT_TRUE(error.Message().contains("QBE"));
        }
        EXPECT_FALSE(table_.Active());
    }
}

TEST_F(DqTableTest, KeySearchWarnsInsteadOfRaising)
{
    table_.SetIndexName("NameInd");
    table_.Open();
    EXPECT_TRUE(table_.dqLookupKeySearch({"olympiakos"}) == false);
    EXPECT_TRUE(table_.dqLookupKeySearch({"ολυμπιακος"}));
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 3);
    EXPECT_TRUE(messages_.Calls().isEmpty());
    EXPECT_FALSE(table_.dqLookupKeySearch({"x", "y"}));
    EXPECT_EQ(messages_.Last().text, "Table Items: FindKey has too many lookup values for index NameInd");
    EXPECT_EQ(table_.FieldByName("Id").AsInteger(), 3);

    Db().CreateTable({"Plain", {{"Name", TFieldType::ftString, 10, false}}, {}});
    TdqTable plain;
    plain.SetDatabase(&Db());
    plain.SetTableName("Plain");
    plain.Open();
    EXPECT_FALSE(plain.dqLookupKeySearch({"a"}));
    EXPECT_EQ(messages_.Last().text, "Table Plain: Table index not found");
}

TEST_F(DqTableTest, IndexChosenByFields)
{
    EXPECT_EQ(table_.dqIndexForFields("name"), "NameInd");
    EXPECT_EQ(table_.dqIndexForFields("Code"), "CodeCs");
    EXPECT_EQ(table_.dqIndexForFields("Qty"), "?");
}

TEST_F(DqTableTest, MaskedFieldsAreCheckedBeforePost)
{
    table_.SetPictureMasks({"Code\t&##\tT\tF", "name\t{x,ABC,Ολυμπιακός}\tT\tT"});
    QStringList invalid;
    table_.OnInvalidValue = [&](TDataSet &, TField &field) { invalid.append(field.FieldName()); };
    table_.Open();
    table_.Edit();
    table_.FieldByName("Code").SetAsString("a12");
    EXPECT_TRUE(table_.Post());

    table_.Edit();
    table_.FieldByName("Code").SetAsString("12a");
    try {
        table_.Post();
        ADD_FAILURE() << "posted";
    } catch (const EDatabaseError &error) {
        EXPECT_EQ(error.Message(), "Invalid characters. Field : Code");
    }
    EXPECT_EQ(invalid, QStringList{"Code"});
    EXPECT_EQ(table_.State(), TDataSetState::dsEdit);
    // An empty value passes; so does any value of a read-only field.
    table_.FieldByName("Code").SetAsString("");
    EXPECT_TRUE(table_.Post());
    table_.Edit();
    table_.FieldByName("Code").SetAsString("bad");
    table_.FieldByName("Code").SetReadOnly(true);
    EXPECT_TRUE(table_.Post());
    // Without the check nothing is refused.
    table_.FieldByName("Code").SetReadOnly(false);
    table_.SetValidateWithMask(false);
    table_.Edit();
    table_.FieldByName("Name").SetAsString("other");
    EXPECT_TRUE(table_.Post());
    // A malformed mask rejects every value.
    table_.SetValidateWithMask(true);
    table_.SetPictureMasks({"Code\t##;\tT\tF"});
    table_.Edit();
    table_.FieldByName("Code").SetAsString("12");
    EXPECT_THROW(table_.Post(), EDatabaseError);
    table_.Cancel();
}

TEST_F(DqTableTest, RecordFilterOfTheTable)
{
    table_.Open();
    table_.SetOnFilter([](TdqTable &t, bool &accept) { accept = t.FieldByName("Amount").AsFloat() >= 100; });
    EXPECT_EQ(Ids(table_), (QList<int>{2, 3}));
    EXPECT_FALSE(table_.IsSequenced());
    table_.SetdqFilter({"Qty = 5"});
    EXPECT_EQ(Ids(table_), (QList<int>{2}));
    table_.SetOnFilter({});
    table_.SetdqFilter({});
    EXPECT_EQ(Ids(table_), (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(table_.IsSequenced());
}

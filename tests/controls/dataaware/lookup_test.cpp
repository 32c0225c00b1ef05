#include "controls/dataaware/dq_query.h"
#include "controls/dataaware/dq_table.h"
#include "dataaware_fixture.h"

namespace {

class LookupTest : public DataAwareTest
{
protected:
    void SetUp() override
    {
        DataAwareTest::SetUp();
        Db().CreateTable({"Teams",
                          {{"TeamNo", TFieldType::ftInteger, 0, false},
                           {"GrName", TFieldType::ftString, 30, false},
                           {"EnName", TFieldType::ftString, 30, false}},
                          {{"", "TeamNo", ixPrimary}}});
        TTable teams;
        teams.SetDatabase(&Db());
        teams.SetTableName("Teams");
        teams.Open();
        for (const auto &[number, greek, english] :
             {std::tuple{2, "Δύο", "Two"}, std::tuple{5, "Πέντε", "Five"}, std::tuple{7, "Επτά", "Seven"}}) {
            teams.Append();
            teams.FieldByName("TeamNo").SetAsInteger(number);
            teams.FieldByName("GrName").SetAsString(greek);
            teams.FieldByName("EnName").SetAsString(english);
            teams.Post();
        }
        query_.SetDatabase(&Db());
        query_.SQL().SetText("SELECT * FROM Items ORDER BY Id");
        query_.AddField("GrTeam", TFieldKind::fkCalculated, TFieldType::ftString, 30);
        query_.AddField("EnTeam", TFieldKind::fkCalculated, TFieldType::ftString, 30);
    }

    QStringList Column(const QString &field)
    {
        QStringList texts;
        for (query_.First(); !query_.Eof(); query_.Next())
            texts.append(query_.FieldByName(field).AsString());
        return texts;
    }

    TdqQuery query_;
};

} // namespace

TEST_F(LookupTest, FieldsOfOneTableShareOneSearchPerRecord)
{
    query_.SetLookupFields({"GrTeam;Tavrolin;Teams.db;GrName;;TeamNo;N", "EnTeam;Tavrolin;Teams;EnName;"});
    query_.SetLookupLinks({"Qty;TeamNo", "qty;teamno"});
    QStringList seenByHandler;
    query_.OnCalcFields = [&](TDataSet &data) {
        seenByHandler.append(data.FieldByName("EnTeam").AsString());
    };
    query_.Open();
    EXPECT_EQ(Column("GrTeam"), (QStringList{"Δύο", "Πέντε", "Επτά", ""}));
    EXPECT_EQ(Column("EnTeam"), (QStringList{"Two", "Five", "Seven", ""}));
    EXPECT_TRUE(seenByHandler.contains("Seven"));
    ASSERT_EQ(query_.LookupTables().size(), 1u);
    TdqTable &teams = *query_.LookupTables().front();
    EXPECT_TRUE(teams.ReadOnly());
    EXPECT_TRUE(teams.LookupSearched);
    EXPECT_FALSE(teams.LookupFound);
    EXPECT_TRUE(messages_.Calls().isEmpty());
    query_.Close();
    EXPECT_TRUE(query_.LookupTables().empty());
}

TEST_F(LookupTest, TableWithoutIndexIsSearchedByLocate)
{
    Db().CreateTable({"Names",
                      {{"Code", TFieldType::ftString, 10, false}, {"Text", TFieldType::ftString, 20, false}},
                      {}});
    TTable names;
    names.SetDatabase(&Db());
    names.SetTableName("Names");
    names.Open();
    for (const auto &[code, text] : {std::pair{"c2", "second"}, std::pair{"C4", "fourth"}}) {
        names.Append();
        names.FieldByName("Code").SetAsString(code);
        names.FieldByName("Text").SetAsString(text);
        names.Post();
    }
    query_.SetLookupFields({"GrTeam;Tavrolin;Names;Text;"});
    query_.SetLookupLinks({"Code;Code"});
    query_.Open();
    EXPECT_EQ(Column("GrTeam"), (QStringList{"", "second", "", "fourth"}));
}

TEST_F(LookupTest, MissingLinkFieldHidesTheFieldAndGoneFieldsArePruned)
{
    query_.SetLookupFields({"GrTeam;Tavrolin;Teams;GrName;", "Gone;Tavrolin;Teams;GrName;"});
    query_.SetLookupLinks({"Nope;TeamNo", "Qty;TeamNo"});
    query_.SetControlType({"Notes;RichEdit", "Gone;RichEdit"});
    query_.Open();
    EXPECT_FALSE(query_.FieldByName("GrTeam").Visible());
    EXPECT_EQ(query_.LookupFields(), QStringList{"GrTeam;Tavrolin;Teams;GrName;"});
    EXPECT_EQ(query_.LookupLinks(), QStringList{"Nope;TeamNo"});
    EXPECT_EQ(query_.ControlType(), QStringList{"Notes;RichEdit"});
}

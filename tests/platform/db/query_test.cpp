#include "db_fixture.h"

#include "platform/db/data_source.h"
#include "platform/db/db_errors.h"
#include "platform/db/query.h"

class QueryTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreateAgvnes();
        auto agvnes = OpenTable("Agvnes", "MainInd");
        AddMatch(*agvnes, 1, 1, 10, 11, QDate(2004, 9, 1));
        AddMatch(*agvnes, 1, 2, 11, 12, QDate(2004, 9, 8));
        AddMatch(*agvnes, 2, 1, 20, 21, QDate(2004, 9, 2));
        query_.SetDatabase(&Db());
    }
    TQuery query_;
};

TEST_F(QueryTest, ParametersByNameWithoutCaseAndByPosition)
{
    query_.SQL().Add("Select * From Agvnes.DB Where (DiorgNo=:PDNo) AND");
    query_.SQL().Add("(Filojenoymenh=:PFil OR Ghpedoyxos=:PGhp) order by Agvnes.\"Date\"");
    ASSERT_EQ(query_.ParamCount(), 3);
    EXPECT_EQ(query_.Params()[1].Name(), "PFil");
    query_.ParamByName("pdno").SetAsInteger(1);
    query_.Params()[1].SetAsInteger(11);
    query_.ParamByName("PGhp").SetAsInteger(11);
    query_.Open();
    EXPECT_EQ(query_.RecordCount(), 2);
    EXPECT_EQ(query_.FieldByName("Date").Value(), QVariant(QDate(2004, 9, 1)));
    query_.Next();
    EXPECT_EQ(query_.FieldByName("Agvnistikh").AsInteger(), 2);
    EXPECT_THROW(query_.ParamByName("Missing"), EDatabaseError);
}

TEST_F(QueryTest, ChangingTheTextClosesAndKeepsValuesOfKeptParameters)
{
    query_.SQL().Add("Select Max(Agvnistikh) From Agvnes Where DiorgNo = :DiorgNo");
    query_.ParamByName("DiorgNo").SetAsInteger(1);
    query_.Open();
    EXPECT_EQ(query_.Fields()[0].AsInteger(), 2);
    EXPECT_EQ(query_.Fields()[0].DataType(), TFieldType::ftInteger);
    query_.SQL().SetText("Select Count(*) AS N From Agvnes Where diorgno = :DIORGNO");
    EXPECT_FALSE(query_.Active());
    query_.Open();
    EXPECT_EQ(query_.FieldByName("N").AsInteger(), 2);
}

TEST_F(QueryTest, UnboundParameterIsRefused)
{
    query_.SQL().Add("Select * From Agvnes Where DiorgNo = :D");
    EXPECT_THROW(query_.Open(), EDatabaseError);
    query_.ParamByName("D").Clear();
    query_.Open();
    EXPECT_TRUE(query_.IsEmpty());
}

TEST_F(QueryTest, ExecSqlReportsRowsAffectedAndKeyViolations)
{
    query_.SQL().Add("Update Agvnes Set TelGGoals = :G Where DiorgNo = :D");
    query_.ParamByName("G").SetAsInteger(2);
    query_.ParamByName("D").SetAsInteger(1);
    query_.ExecSQL();
    EXPECT_EQ(query_.RowsAffected(), 2);

    query_.SQL().Clear();
    query_.SQL().Add(
        "Update Agvnes Set Ghpedoyxos = 10, Filojenoymenh = 11, Agvnistikh = 1 Where DiorgNo = 1");
    try {
        query_.ExecSQL();
        FAIL() << "broke the primary key";
    } catch (const EDatabaseError &error) {
        EXPECT_EQ(error.Message(), "Παραβίαση κλειδιού στον πίνακα Agvnes");
    }
}

TEST_F(QueryTest, JoinWithDuplicateColumnNamesAndReadOnlyResult)
{
    query_.SQL().Add("select a.DiorgNo, b.DiorgNo from Agvnes a, Agvnes b where a.GameNo = b.GameNo");
    query_.Open();
    EXPECT_NE(query_.FindField("DiorgNo_1"), nullptr);
    EXPECT_THROW(query_.Edit(), EDatabaseError);
    query_.SQL().Clear();
    query_.SQL().Add("Delete From Agvnes");
    EXPECT_THROW(query_.Open(), EDatabaseError);
    query_.Prepare();
    EXPECT_TRUE(query_.Prepared());
    query_.SQL().SetText("Selec nothing");
    EXPECT_THROW(query_.Prepare(), EDBEngineError);
}

TEST_F(QueryTest, FiltersLocateAndCalculatedFieldsWorkOnResults)
{
    query_.SQL().Add("Select * From Agvnes order by GameNo");
    TField &score = query_.AddField("Score", TFieldKind::fkCalculated, TFieldType::ftString, 5);
    query_.OnCalcFields = [](TDataSet &data) {
        data.FieldByName("Score").SetAsString(data.FieldByName("Ghpedoyxos").AsString() + "-" +
                                              data.FieldByName("Filojenoymenh").AsString());
    };
    query_.Open();
    EXPECT_EQ(score.AsString(), "10-11");
    EXPECT_EQ(query_.ValueAt(2, score.Index()), QVariant("20-21"));
    EXPECT_TRUE(query_.Locate("DiorgNo;Agvnistikh", {2, 1}));
    EXPECT_EQ(query_.RecNo(), 3);
    EXPECT_EQ(query_.Lookup("Ghpedoyxos", {11}, "Score"), QVariant("11-12"));
    query_.SetFilter("DiorgNo = 1 and Date >= '05/09/2004'");
    query_.SetFiltered(true);
    EXPECT_EQ(query_.RecordCount(), 1);
    EXPECT_EQ(score.AsString(), "11-12");
}

TEST_F(QueryTest, ParametersFollowTheCurrentRecordOfTheDataSource)
{
    CreateDiorganvseis();
    auto diorg = OpenTable("Diorganvseis");
    AppendRecord(*diorg, {{"KatNo", 1}, {"Periodos", "2004-05"}, {"Omades", 18}});
    AppendRecord(*diorg, {{"KatNo", 2}, {"Periodos", "2004-05"}, {"Omades", 16}});
    TDataSource source;
    source.SetDataSet(diorg.get());
    query_.SQL().Add("Select Ghpedoyxos From Agvnes Where DiorgNo = :dno And Agvnistikh >= :Day");
    query_.SetDataSource(&source);
    query_.ParamByName("Day").SetAsInteger(1);
    diorg->First();
    query_.Open();
    EXPECT_EQ(Column(query_, "Ghpedoyxos"), (QVariantList{10, 11}));

    int opens = 0;
    query_.AfterOpen = [&](TDataSet &) { ++opens; };
    diorg->Next();
    EXPECT_EQ(Column(query_, "Ghpedoyxos"), (QVariantList{20}));
    EXPECT_EQ(opens, 1);
    // A move that keeps the linked values keeps the result.
    diorg->Next();
    EXPECT_EQ(opens, 1);

    // A parameter given a value keeps it; without a source a parameter needs a value.
    query_.Close();
    query_.ParamByName("DNo").SetAsInteger(1);
    query_.Open();
    EXPECT_EQ(query_.RecordCount(), 2);
    query_.SQL().SetText("Select * From Agvnes Where DiorgNo = :Other");
    EXPECT_THROW(query_.Open(), EDatabaseError);
    TDataSource own;
    own.SetDataSet(&query_);
    EXPECT_THROW(query_.SetDataSource(&own), EDatabaseError);
}

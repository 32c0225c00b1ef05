#include "db_fixture.h"

#include "platform/db/db_errors.h"

TEST_F(DbTest, TableDefinitionReadsBackAsCreated)
{
    const QList<TFieldDef> fields{
        {"Auto", TFieldType::ftAutoInc, 0, false},   {"Whole", TFieldType::ftInteger, 0, true},
        {"Small", TFieldType::ftSmallint, 0, false}, {"Name", TFieldType::ftString, 30, false},
        {"Day", TFieldType::ftDate, 0, false},       {"Kick", TFieldType::ftTime, 0, false},
        {"Odds", TFieldType::ftFloat, 0, false},     {"Joker", TFieldType::ftBoolean, 0, false},
        {"Flag", TFieldType::ftGraphic, 0, false},   {"Notes", TFieldType::ftMemo, 0, false}};
    Db().CreateTable({"Every",
                      fields,
                      {{"", "Whole;Name", ixPrimary},
                       {"NameInd", "Name", ixCaseInsensitive | ixDescending},
                       {"DayInd", "Day;Small", ixUnique}}});
    const TTableDef def = ReadTableDef(Db().Handle(), "every");
    EXPECT_EQ(def.Name, "Every");
    ASSERT_EQ(def.Fields.size(), fields.size());
    for (int i = 0; i < fields.size(); ++i) {
        SCOPED_TRACE(fields.at(i).Name.toStdString());
        EXPECT_EQ(def.Fields.at(i).Name, fields.at(i).Name);
        EXPECT_EQ(def.Fields.at(i).DataType, fields.at(i).DataType);
        EXPECT_EQ(def.Fields.at(i).Size, fields.at(i).Size);
        EXPECT_EQ(def.Fields.at(i).Required, fields.at(i).Required);
    }
    ASSERT_NE(def.PrimaryIndex(), nullptr);
    EXPECT_EQ(def.PrimaryIndex()->Fields, "Whole;Name");
    ASSERT_NE(def.FindIndex("nameind"), nullptr);
    EXPECT_EQ(def.FindIndex("NameInd")->Options, unsigned(ixCaseInsensitive | ixDescending));
    ASSERT_NE(def.FindIndex("DayInd"), nullptr);
    EXPECT_TRUE(def.FindIndex("DayInd")->Has(ixUnique));
    EXPECT_EQ(def.IndexForFields("day;small"), def.FindIndex("DayInd"));
}

TEST_F(DbTest, ExistsEmptyAndDelete)
{
    CreateKrath();
    EXPECT_TRUE(Db().TableExists("KRATH"));
    auto krath = OpenTable("Krath.db");
    AppendRecord(*krath, {{"Name", "Ελλάδα"}});
    AppendRecord(*krath, {{"Name", "Ιταλία"}});
    EXPECT_EQ(krath->FieldByName("RecNo").AsInteger(), 2);
    krath->EmptyTable();
    EXPECT_TRUE(krath->IsEmpty());
    // An emptied table numbers its records from 1 again.
    AppendRecord(*krath, {{"Name", "Αγγλία"}});
    EXPECT_EQ(krath->FieldByName("RecNo").AsInteger(), 1);
    krath->Close();
    krath->DeleteTable();
    EXPECT_FALSE(krath->Exists());
    EXPECT_THROW(Db().DeleteTable("Krath"), EDatabaseError);
}

TEST_F(DbTest, TableCreatedFromItsDefinitionsThroughTheTable)
{
    TTable table;
    table.SetDatabase(&Db());
    table.SetTableName("LookUp.db");
    table.FieldDefs().append({"RecNo", TFieldType::ftInteger, 0, false});
    table.CreateTable();
    EXPECT_TRUE(table.Exists());
    EXPECT_EQ(table.TableName(), "LookUp");
}

TEST_F(DbTest, BadDefinitionsAreRefused)
{
    struct Case
    {
        const char *what;
        TTableDef def;
    };
    const Case cases[] = {
        {"no fields", {"T1", {}, {}}},
        {"duplicate field",
         {"T2", {{"A", TFieldType::ftInteger, 0, false}, {"a", TFieldType::ftInteger, 0, false}}, {}}},
        {"index on a missing field", {"T3", {{"A", TFieldType::ftInteger, 0, false}}, {{"Ind", "B", 0}}}},
        {"two autoincrements",
         {"T4", {{"A", TFieldType::ftAutoInc, 0, false}, {"B", TFieldType::ftAutoInc, 0, false}}, {}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(Db().CreateTable(c.def), EDatabaseError);
        EXPECT_FALSE(Db().TableExists(c.def.Name));
    }
}

TEST_F(DbTest, UniqueKeysTreatEmptyFieldsAsEqual)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes");
    AppendRecord(*agvnes, {{"DiorgNo", 1}, {"Agvnistikh", 1}, {"Ghpedoyxos", 2}, {"Filojenoymenh", 3}});
    ASSERT_TRUE(agvnes->Append());
    agvnes->FieldByName("DiorgNo").SetAsInteger(1);
    agvnes->FieldByName("Agvnistikh").SetAsInteger(1);
    agvnes->FieldByName("Ghpedoyxos").SetAsInteger(2);
    agvnes->FieldByName("Filojenoymenh").SetAsInteger(3);
    try {
        agvnes->Post();
        FAIL() << "a second match with the same key and an empty group was stored";
    } catch (const EDatabaseError &error) {
        EXPECT_EQ(error.Message(), "Παραβίαση κλειδιού στον πίνακα Agvnes");
    }
    EXPECT_EQ(agvnes->State(), TDataSetState::dsInsert);
    agvnes->Cancel();
    EXPECT_EQ(agvnes->RecordCount(), 1);
}

TEST_F(DbTest, CaseInsensitiveUniqueIndexFoldsGreekCase)
{
    CreateDiorganvseis();
    auto diorg = OpenTable("Diorganvseis");
    AppendRecord(*diorg, {{"KatNo", 1}, {"Periodos", "Ab"}, {"Omades", 20}});
    ASSERT_TRUE(diorg->Append());
    diorg->FieldByName("KatNo").SetAsInteger(1);
    diorg->FieldByName("Periodos").SetAsString("aB");
    diorg->FieldByName("Omades").SetAsInteger(20);
    EXPECT_THROW(diorg->Post(), EDatabaseError);
}

TEST_F(DbTest, CaseInsensitiveAndDescendingIndexesOrderTheTable)
{
    CreateKrath();
    auto krath = OpenTable("Krath", "NameInd");
    for (const char *name : {"ιταλία", "Αγγλία", "Ελλάδα", "άλμπα", "Zambia"})
        AppendRecord(*krath, {{"Name", QString::fromUtf8(name)}});
    EXPECT_EQ(Column(*krath, "Name"), (QVariantList{"Zambia", "Αγγλία", "άλμπα", "Ελλάδα", "ιταλία"}));

    CreatePeriodos();
    auto periodos = OpenTable("Periodos", "IDX_Periodos");
    for (const char *season : {"2003-04", "2005-06", "2004-05"})
        AppendRecord(*periodos, {{"Periodos", season}});
    EXPECT_EQ(Column(*periodos, "Periodos"), (QVariantList{"2005-06", "2004-05", "2003-04"}));
}

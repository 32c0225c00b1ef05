#include "data_module_fixture.h"

#include "data/schema_tables.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <sqlite3.h>

using namespace tav::data;

namespace {

int UserVersion(sqlite3 *db)
{
    SqliteStatement version(db, "PRAGMA user_version");
    return version.Step() ? int(version.Int64(0)) : -1;
}

} // namespace

TEST_F(DataModuleTest, AFreshDataFolderGetsEveryTableOnFirstOpen)
{
    EXPECT_FALSE(Dm().TavrolinDb.Connected());
    EXPECT_FALSE(Dm().Agvnes.Active());
    Dm().Periodos.Open();
    TDatabase &db = Dm().TavrolinDb;
    ASSERT_TRUE(db.Connected());
    for (const TTableDef &def : TavrolinTableDefs()) {
        SCOPED_TRACE(def.Name.toStdString());
        ASSERT_TRUE(db.TableExists(def.Name));
        const std::shared_ptr<const TTableDef> stored = db.Connection().TableDef(def.Name);
        ASSERT_EQ(stored->Fields.size(), def.Fields.size());
        for (int i = 0; i < def.Fields.size(); ++i) {
            EXPECT_EQ(stored->Fields.at(i).Name, def.Fields.at(i).Name);
            EXPECT_EQ(stored->Fields.at(i).DataType, def.Fields.at(i).DataType);
            EXPECT_EQ(stored->Fields.at(i).Required, def.Fields.at(i).Required);
        }
        for (const TIndexDef &index : def.Indexes) {
            const TIndexDef *found =
                index.Has(ixPrimary) ? stored->PrimaryIndex() : stored->FindIndex(index.Name);
            ASSERT_NE(found, nullptr) << index.Name.toStdString();
            EXPECT_EQ(found->Fields, index.Fields);
            EXPECT_EQ(found->IsUnique(), index.IsUnique()) << index.Name.toStdString();
            EXPECT_EQ(found->Has(ixDescending), index.Has(ixDescending)) << index.Name.toStdString();
        }
    }
    EXPECT_EQ(UserVersion(db.Handle()), TavrolinSchemaVersion);

    // Competitions take their type from their category: the two known types are there at once.
    Dm().TyposKathg.Open();
    ASSERT_EQ(Dm().TyposKathg.RecordCount(), 2);
    EXPECT_EQ(Dm().TyposKathg.Lookup("Id", {0}, "Name").toString(), QString::fromUtf8("Πρωτάθλημα"));
    EXPECT_EQ(Dm().TyposKathg.Lookup("Id", {1}, "Name").toString(), QString::fromUtf8("Κύπελο"));
}

TEST_F(DataModuleTest, TheSchemaNamesTheIndexesThatWindowsSelect)
{
    const TTableDef *agvnes = TavrolinTableDef("Agvnes.DB");
    ASSERT_NE(agvnes, nullptr);
    for (const char *name : {"FTeamDate", "AutoEnhm1", "DateInd", "EnhmInd", "GNoFNoDateInd", "GTeamDate",
                             "MainInd", "GamenoInd", "DiorgDateInd"})
        EXPECT_NE(agvnes->FindIndex(name), nullptr) << name;
    EXPECT_EQ(agvnes->FindIndex("MainInd")->Fields, "DiorgNo;Agvnistikh;Omilos;Date");
    const TTableDef *diorg = TavrolinTableDef("diorganvseis");
    ASSERT_NE(diorg, nullptr);
    EXPECT_TRUE(diorg->FindIndex("PerKatInd")->IsUnique());
    EXPECT_FALSE(TavrolinTableDef("Omades")->FindIndex("TeamInd")->IsUnique());
    EXPECT_EQ(TavrolinTableDef("PerOmades")->FindIndex("diar")->Fields, "DiorNo;RecNo");
    EXPECT_EQ(TavrolinTableDef("Missing"), nullptr);
}

TEST_F(DataModuleTest, AnExistingDatabaseKeepsItsDataAndItsOwnTables)
{
    OpenTables();
    AddSeason("2004-05");
    // A table of a newer layout, and a table that is missing from an older file.
    ExecSql(Dm().TavrolinDb.Handle(), "CREATE TABLE Extra (X INTEGER); INSERT INTO Extra VALUES (7)");
    Dm().TavrolinDb.DeleteTable("TeamStat");
    RecreateModule();
    Dm().Periodos.Open();
    EXPECT_EQ(Dm().Periodos.RecordCount(), 1);
    EXPECT_TRUE(Dm().TavrolinDb.TableExists("TeamStat"));
    SqliteStatement extra(Dm().TavrolinDb.Handle(), "SELECT X FROM Extra");
    ASSERT_TRUE(extra.Step());
    EXPECT_EQ(extra.Int64(0), 7);
}

TEST_F(DataModuleTest, OpeningAllSharedDatasetsOfAnEmptyDatabase)
{
    for (TTable *table :
         {&Dm().Periodos, &Dm().Kathgories, &Dm().Krath, &Dm().Omades, &Dm().Diorganvseis, &Dm().POmades,
          &Dm().Agvnes, &Dm().TeamStat, &Dm().TeamNames, &Dm().LookUpTable, &Dm().TyposKathg, &Dm().Deltia,
          &Dm().TblUptoDateAgvn, &Dm().GamePeriods, &Dm().CheckAgvnes}) {
        SCOPED_TRACE(table->TableName().toStdString());
        table->Open();
        // Only the category types come filled: the two the program knows.
        EXPECT_EQ(table->IsEmpty(), table != &Dm().TyposKathg);
        EXPECT_EQ(table->SessionName(), "Session1_1");
        EXPECT_EQ(table->DatabaseName(), "Tavrolin");
    }
    EXPECT_EQ(Dm().CheckAgvnes.TableName(), "Agvnes");
    EXPECT_FALSE(Dm().CheckAgvnes.CanModify());
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(DataModuleTest, SharedQueriesRunWithTheirParameters)
{
    OpenTables();
    const int country = AddCountry("Ελλάδα");
    const int kat = AddCategory("Α' Εθνική", country);
    AddSeason("2004-05");
    const QList<int> teams = AddCompetitionWithTeams(country, kat, "2004-05", 2);
    ASSERT_TRUE(InsertMatch(1, 1, teams[0], teams[1], QDate(2004, 9, 12), 2, 1));

    Dm().QryDiorg.ParamByName("Period1").SetAsString("2004-05");
    Dm().QryDiorg.Open();
    EXPECT_EQ(Dm().QryDiorg.FieldByName("GrName").AsString(), "Α' Εθνική");
    Dm().QryStat.ParamByName("PDNo").SetAsInteger(1);
    Dm().QryStat.Open();
    EXPECT_EQ(Dm().QryStat.RecordCount(), 1);
    Dm().CurrDeltQuery.ParamByName("GameNo").SetAsInteger(1);
    Dm().CurrDeltQuery.ParamByName("NowDate").SetAsDate(QDate(2005, 1, 1));
    Dm().CurrDeltQuery.Open();
    EXPECT_TRUE(Dm().CurrDeltQuery.IsEmpty());
    for (TQuery *query : {&Dm().QryPeriod, &Dm().PlegmaQuery, &Dm().Query1, &Dm().PLQry}) {
        query->Open();
        EXPECT_FALSE(query->IsEmpty());
    }
}

TEST_F(DataModuleTest, ReferenceTablesComeInTheirListOrders)
{
    OpenTables();
    for (const char *season : {"2003-04", "2005-06", "2004-05"})
        AddSeason(season);
    Dm().Periodos.First();
    EXPECT_EQ(Dm().Periodos.FieldByName("Periodos").AsString(), "2005-06");
    const int greece = AddCountry("Ελλάδα");
    AddCountry("Αγγλία");
    AddCategory("Γ' Εθνική", greece);
    AddCategory("α' εθνική", greece);
    Dm().Kathgories.First();
    EXPECT_EQ(Dm().Kathgories.FieldByName("GrName").AsString(), "α' εθνική");
    Dm().Krath.First();
    EXPECT_EQ(Dm().Krath.FieldByName("Name").AsString(), "Αγγλία");
}

// The module says nothing when it is created: the start-up reports the missing alias once, when
// it opens the data, with the reason the opening gives.
TEST(DataModuleAliasTest, AMissingAliasIsReportedByNameWhenATableOpens)
{
    MessageRecorder messages;
    TTavrolinDM dm;
    EXPECT_EQ(messages.Count(), 0);
    try {
        dm.Periodos.Open();
        FAIL() << "opened without an alias";
    } catch (const EDatabaseError &error) {
        EXPECT_TRUE(error.Message().startsWith("Δεν βρέθηκε η συντόμευση βάσης δεδομένων \"Tavrolin\"."));
        EXPECT_TRUE(error.Message().contains("ormandel"));
    }
    EXPECT_FALSE(dm.Periodos.Active());
}

#include "db_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/schema.h"
#include "platform/db/sqlite_statement.h"

#include <sqlite3.h>

namespace {

// A season table whose stores a rule refuses while refuse is set.
class RefusedPostTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreatePeriodos();
        periodos_ = OpenTable("Periodos");
        AppendRecord(*periodos_, {{"Periodos", "2003-04"}});
        AppendRecord(*periodos_, {{"Periodos", "2004-05"}});
        periodos_->BeforePost = [this](TDataSet &) {
            if (refuse_)
                Abort();
        };
    }

    // A new season typed in and refused.
    void TypeRefusedSeason(const QString &season)
    {
        ASSERT_TRUE(periodos_->Append());
        periodos_->FieldByName("Periodos").SetAsString(season);
        refuse_ = true;
        ASSERT_FALSE(periodos_->Post());
    }

    std::unique_ptr<TTable> periodos_;
    bool refuse_ = false;
};

TEST_F(RefusedPostTest, ARefusedStoreIsKnownUntilTheRecordChanges)
{
    TypeRefusedSeason("2005-06");
    EXPECT_EQ(periodos_->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(periodos_->PostRefused());

    // The same value again is no change.
    periodos_->FieldByName("Periodos").SetAsString("2005-06");
    EXPECT_TRUE(periodos_->PostRefused());
    periodos_->FieldByName("Periodos").SetAsString("2006-07");
    EXPECT_FALSE(periodos_->PostRefused());

    // The database's refusal counts the same as a rule's.
    refuse_ = false;
    periodos_->FieldByName("Periodos").SetAsString("2004-05");
    EXPECT_THROW(periodos_->Post(), EDatabaseError);
    EXPECT_TRUE(periodos_->PostRefused());

    periodos_->FieldByName("Periodos").SetAsString("2006-07");
    ASSERT_TRUE(periodos_->Post());
    EXPECT_FALSE(periodos_->PostRefused());

    TypeRefusedSeason("2007-08");
    periodos_->Cancel();
    EXPECT_FALSE(periodos_->PostRefused());
    ASSERT_TRUE(periodos_->Edit());
    EXPECT_FALSE(periodos_->PostRefused());
}

TEST_F(RefusedPostTest, AFilterOrRangeWaitsWhileTheRecordBeingEditedCannotBeStored)
{
    TypeRefusedSeason("2005-06");

    periodos_->SetFilter("Periodos = '2003-04'");
    periodos_->SetFiltered(true);
    EXPECT_FALSE(periodos_->Filtered()) << "the view stays as the record is edited in it";
    EXPECT_EQ(periodos_->State(), TDataSetState::dsInsert);
    EXPECT_EQ(periodos_->FieldByName("Periodos").AsString(), "2005-06");

    // Once the record is given up, the filter applies.
    periodos_->Cancel();
    periodos_->SetFiltered(true);
    EXPECT_EQ(periodos_->RecordCount(), 1);

    // A filtered view: neither a new text nor switching it off goes ahead of the record.
    TypeRefusedSeason("2005-06");
    periodos_->SetFilter("Periodos = '2004-05'");
    EXPECT_EQ(periodos_->Filter(), "Periodos = '2003-04'");
    periodos_->SetFiltered(false);
    EXPECT_TRUE(periodos_->Filtered());
    EXPECT_EQ(periodos_->State(), TDataSetState::dsInsert);

    // A database error reaches the caller, the filter as it was.
    refuse_ = false;
    periodos_->FieldByName("Periodos").SetAsString("2004-05");
    EXPECT_THROW(periodos_->SetFiltered(false), EDatabaseError);
    EXPECT_TRUE(periodos_->Filtered());
    periodos_->Cancel();
    periodos_->SetFiltered(false);
    EXPECT_EQ(periodos_->RecordCount(), 2);
}

TEST_F(DbTest, ARangeWaitsWhileTheRecordBeingEditedCannotBeStored)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes", "MainInd");
    AddMatch(*agvnes, 1, 1, 1, 2);
    AddMatch(*agvnes, 1, 2, 3, 4);
    agvnes->SetRange({1, 1}, {1, 1});
    agvnes->BeforePost = [](TDataSet &) { Abort(); };
    ASSERT_TRUE(agvnes->Edit());
    agvnes->FieldByName("TelGGoals").SetAsInteger(3);
    ASSERT_FALSE(agvnes->Post());

    agvnes->SetRange({1, 2}, {1, 2});
    EXPECT_EQ(agvnes->State(), TDataSetState::dsEdit);
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), 1);
    agvnes->CancelRange();
    EXPECT_EQ(agvnes->State(), TDataSetState::dsEdit);

    agvnes->Cancel();
    agvnes->SetRange({1, 2}, {1, 2});
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), 3);
}

TEST_F(DbTest, ANewRecordRefusedAtItsStartLeavesTheDatasetAsItWas)
{
    CreatePeriodos();
    auto periodos = OpenTable("Periodos");
    AppendRecord(*periodos, {{"Periodos", "2004"}});
    periodos->First();
    ASSERT_FALSE(periodos->Eof());
    periodos->OnNewRecord = [](TDataSet &data) {
        data.FieldByName("Periodos").SetAsString("2010");
        Abort();
    };

    EXPECT_FALSE(periodos->Append());

    EXPECT_EQ(periodos->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(periodos->Modified());
    EXPECT_FALSE(periodos->Eof());
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2004");
}

TEST_F(DbTest, AWriteTheDatabaseFileRefusesSaysWhatHappenedAndWhatToDo)
{
    // The real refusal of a database that takes no writes.
    CreatePeriodos();
    auto periodos = OpenTable("Periodos");
    ExecSql(Db().Handle(), "PRAGMA query_only = 1");
    ASSERT_TRUE(periodos->Append());
    periodos->FieldByName("Periodos").SetAsString("2004");
    try {
        periodos->Post();
        FAIL() << "stored in a database that takes no writes";
    } catch (const EDBEngineError &error) {
        EXPECT_TRUE(error.Message().contains("μόνο για ανάγνωση")) << error.Message().toStdString();
    }
    EXPECT_TRUE(periodos->PostRefused());
    periodos->Cancel();
}

} // namespace

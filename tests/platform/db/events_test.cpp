#include "db_fixture.h"

#include "platform/db/db_errors.h"

namespace {

// Records the order in which a dataset fires its events.
struct EventLog
{
    QStringList names;

    void Watch(TDataSet &data)
    {
        auto note = [this](const char *name) { return [this, name](TDataSet &) { names.append(name); }; };
        data.BeforeInsert = note("BeforeInsert");
        data.AfterInsert = note("AfterInsert");
        data.OnNewRecord = note("OnNewRecord");
        data.BeforeEdit = note("BeforeEdit");
        data.AfterEdit = note("AfterEdit");
        data.BeforePost = note("BeforePost");
        data.AfterPost = note("AfterPost");
        data.BeforeDelete = note("BeforeDelete");
        data.AfterDelete = note("AfterDelete");
        data.BeforeScroll = note("BeforeScroll");
        data.AfterScroll = note("AfterScroll");
        data.BeforeClose = note("BeforeClose");
        data.AfterOpen = note("AfterOpen");
    }
    QStringList Take() { return std::exchange(names, {}); }
};

} // namespace

TEST_F(DbTest, EventsFireInOrder)
{
    CreatePeriodos();
    TTable periodos;
    periodos.SetDatabase(&Db());
    periodos.SetTableName("Periodos");
    EventLog log;
    log.Watch(periodos);
    periodos.Open();
    EXPECT_EQ(log.Take(), QStringList{"AfterOpen"});

    ASSERT_TRUE(periodos.Append());
    EXPECT_EQ(log.Take(),
              (QStringList{"BeforeInsert", "BeforeScroll", "OnNewRecord", "AfterInsert", "AfterScroll"}));
    periodos.FieldByName("Periodos").SetAsString("2004");
    ASSERT_TRUE(periodos.Post());
    EXPECT_EQ(log.Take(), (QStringList{"BeforePost", "AfterPost"}));
    ASSERT_TRUE(periodos.Edit());
    EXPECT_EQ(log.Take(), (QStringList{"BeforeEdit", "AfterEdit"}));
    periodos.Cancel();
    periodos.Next();
    EXPECT_EQ(log.Take(), (QStringList{"BeforeScroll", "AfterScroll"}));
    ASSERT_TRUE(periodos.Delete());
    EXPECT_EQ(log.Take(), (QStringList{"BeforeDelete", "BeforeScroll", "AfterDelete", "AfterScroll"}));
    periodos.Close();
    EXPECT_EQ(log.Take(), QStringList{"BeforeClose"});
}

TEST_F(DbTest, AbortInABeforeEventLeavesTheDatasetAsItWas)
{
    CreatePeriodos();
    auto periodos = OpenTable("Periodos");
    AppendRecord(*periodos, {{"Periodos", "2004"}});

    periodos->BeforeInsert = [](TDataSet &) { Abort(); };
    EXPECT_FALSE(periodos->Insert());
    EXPECT_EQ(periodos->State(), TDataSetState::dsBrowse);
    periodos->BeforeInsert = nullptr;

    periodos->BeforeEdit = [](TDataSet &) { Abort(); };
    EXPECT_FALSE(periodos->Edit());
    EXPECT_EQ(periodos->State(), TDataSetState::dsBrowse);
    periodos->BeforeEdit = nullptr;

    // A refused post stays pending with the typed values.
    periodos->BeforePost = [](TDataSet &) { Abort(); };
    ASSERT_TRUE(periodos->Edit());
    periodos->FieldByName("Periodos").SetAsString("2005");
    EXPECT_FALSE(periodos->Post());
    EXPECT_EQ(periodos->State(), TDataSetState::dsEdit);
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2005");
    periodos->Cancel();
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2004");
    periodos->BeforePost = nullptr;

    periodos->BeforeDelete = [](TDataSet &) { Abort(); };
    EXPECT_FALSE(periodos->Delete());
    EXPECT_EQ(periodos->RecordCount(), 1);
}

TEST_F(DbTest, BeforePostCanCancelTheRecordAndSetFields)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes", "MainInd");
    // A match without a date is discarded; otherwise the handler fills fields before storing.
    agvnes->BeforePost = [](TDataSet &data) {
        if (data.FieldByName("Date").IsNull()) {
            data.Cancel();
            Abort();
        }
        data.FieldByName("TelGGoals").SetAsInteger(1);
    };
    ASSERT_TRUE(agvnes->Insert());
    agvnes->FieldByName("DiorgNo").SetAsInteger(1);
    EXPECT_FALSE(agvnes->Post());
    EXPECT_EQ(agvnes->State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(agvnes->IsEmpty());

    AddMatch(*agvnes, 1, 1, 1, 2);
    EXPECT_EQ(agvnes->FieldByName("TelGGoals").AsInteger(), 1);
}

TEST_F(DbTest, OnNewRecordValuesDoNotCountAsChanges)
{
    CreatePeriodos();
    auto periodos = OpenTable("Periodos");
    periodos->OnNewRecord = [](TDataSet &data) { data.FieldByName("Periodos").SetAsString("2010"); };
    ASSERT_TRUE(periodos->Append());
    EXPECT_FALSE(periodos->Modified());
    periodos->First(); // unmodified: cancelled, not stored
    EXPECT_TRUE(periodos->IsEmpty());
}

TEST_F(DbTest, AnErrorInPostStoresNothing)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes", "MainInd");
    AddMatch(*agvnes, 1, 1, 1, 2);
    AddMatch(*agvnes, 1, 1, 3, 4);
    ASSERT_TRUE(agvnes->Edit());
    agvnes->FieldByName("Ghpedoyxos").SetAsInteger(1);
    agvnes->FieldByName("Filojenoymenh").SetAsInteger(2);
    EXPECT_THROW(agvnes->Post(), EDatabaseError);
    agvnes->Cancel();
    agvnes->Refresh();
    EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), (QVariantList{1, 3}));
}

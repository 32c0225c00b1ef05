#include "db_fixture.h"

#include "platform/db/data_source.h"

class MasterDetailTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreateDiorganvseis();
        CreatePerOmades();
        diorg_ = OpenTable("Diorganvseis");
        AppendRecord(*diorg_, {{"KatNo", 1}, {"Periodos", "2004-05"}, {"Omades", 18}});
        AppendRecord(*diorg_, {{"KatNo", 2}, {"Periodos", "2004-05"}, {"Omades", 16}});
        pomades_ = OpenTable("PerOmades");
        AppendRecord(*pomades_,
                     {{"DiorNo", 1}, {"TeamNo", 10}, {"GrName", "Ολυμπιακός"}, {"EnName", "Olympiakos"}});
        AppendRecord(*pomades_, {{"DiorNo", 1}, {"TeamNo", 11}, {"GrName", "ΑΕΚ"}, {"EnName", "AEK"}});
        AppendRecord(*pomades_, {{"DiorNo", 2}, {"TeamNo", 12}, {"GrName", "Λάρισα"}, {"EnName", "Larisa"}});
        pomades_->Close();
        source_.SetDataSet(diorg_.get());
    }
    std::unique_ptr<TTable> diorg_;
    std::unique_ptr<TTable> pomades_;
    TDataSource source_;
};

TEST_F(MasterDetailTest, DetailFollowsTheMastersCursor)
{
    pomades_->SetIndexName("DiorNo");
    pomades_->SetMasterSource(&source_);
    pomades_->SetMasterFields("DNo");
    pomades_->Open();
    diorg_->First();
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{10, 11}));
    diorg_->Next();
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{12}));

    // A detail record added while the master is on competition 2 belongs to it.
    pomades_->OnNewRecord = [this](TDataSet &data) {
        data.FieldByName("DiorNo").SetValue(diorg_->FieldByName("DNo").Value());
    };
    AppendRecord(*pomades_, {{"TeamNo", 13}});
    EXPECT_EQ(pomades_->RecordCount(), 2);

    // While the master's controls are disabled the detail waits, then follows once.
    diorg_->DisableControls();
    diorg_->First();
    EXPECT_EQ(pomades_->RecordCount(), 2);
    diorg_->EnableControls();
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{10, 11}));
}

TEST_F(MasterDetailTest, LookupFieldsAndTheirRunTimeResultField)
{
    pomades_->Open();
    TTable teams;
    teams.SetDatabase(&Db());
    teams.SetTableName("PerOmades");
    teams.Open();
    TTable agvnesLike;
    Db().CreateTable(
        {"Games",
         {{"Home", TFieldType::ftInteger, 0, false}, {"DiorgNo", TFieldType::ftInteger, 0, false}},
         {}});
    agvnesLike.SetDatabase(&Db());
    agvnesLike.SetTableName("Games");
    TField &gname =
        agvnesLike.AddLookupField("GName", TFieldType::ftString, 30, "Home", &teams, "RecNo", "GrName");
    gname.SetDisplayLabel("Γηπεδούχος");
    TField &omades = agvnesLike.AddLookupField("Omades", TFieldType::ftInteger, 0, "DiorgNo", diorg_.get(),
                                               "DNo", "Omades");
    agvnesLike.Open();
    AppendRecord(agvnesLike, {{"Home", 2}, {"DiorgNo", 2}});
    AppendRecord(agvnesLike, {{"Home", 9}, {"DiorgNo", 1}});
    agvnesLike.First();
    EXPECT_EQ(gname.AsString(), "ΑΕΚ");
    EXPECT_EQ(gname.DisplayLabel(), "Γηπεδούχος");
    EXPECT_EQ(omades.AsInteger(), 16);
    agvnesLike.Next();
    EXPECT_TRUE(gname.IsNull()) << "a key that is not found gives an empty value";

    // The exports switch the language of names while the dataset is open.
    gname.SetLookupResultField("EnName");
    agvnesLike.First();
    EXPECT_EQ(gname.AsString(), "AEK");
    EXPECT_EQ(agvnesLike.ValueAt(0, gname.Index()), QVariant("AEK"));
}

TEST_F(MasterDetailTest, CalculatedFieldsAreFilledWhenARecordIsRead)
{
    TTable diorg;
    diorg.SetDatabase(&Db());
    diorg.SetTableName("Diorganvseis.DB");
    TField &name = diorg.AddField("Onomasia", TFieldKind::fkCalculated, TFieldType::ftString, 60);
    int calculations = 0;
    diorg.OnCalcFields = [&](TDataSet &data) {
        ++calculations;
        data.FieldByName("Onomasia")
            .SetAsString(data.FieldByName("Periodos").AsString() + ", " +
                         data.FieldByName("KatNo").AsString());
    };
    diorg.Open();
    EXPECT_EQ(name.AsString(), "2004-05, 1");
    diorg.Next();
    EXPECT_EQ(name.AsString(), "2004-05, 2");
    EXPECT_GE(calculations, 2);
    // Typing a field recomputes the calculated fields of the record being edited.
    ASSERT_TRUE(diorg.Edit());
    diorg.FieldByName("KatNo").SetAsInteger(5);
    EXPECT_EQ(name.AsString(), "2004-05, 5");
    diorg.Cancel();
    EXPECT_EQ(name.AsString(), "2004-05, 2");
    EXPECT_TRUE(diorg.Locate("Onomasia", {"2004-05, 1"}));
    EXPECT_EQ(diorg.RecNo(), 1);
}

TEST_F(MasterDetailTest, DataSourceTellsAboutStateDataAndScrolls)
{
    int states = 0, scrolls = 0, changes = 0, fieldChanges = 0, updates = 0;
    QObject::connect(&source_, &TDataSource::StateChanged, [&]() { ++states; });
    QObject::connect(&source_, &TDataSource::Scrolled, [&]() { ++scrolls; });
    QObject::connect(&source_, &TDataSource::DataSetChanged, [&]() { ++changes; });
    QObject::connect(&source_, &TDataSource::DataChanged,
                     [&](TField *field) { fieldChanges += field != nullptr; });
    QObject::connect(&source_, &TDataSource::UpdateData, [&]() { ++updates; });
    diorg_->First();
    diorg_->Next();
    EXPECT_EQ(scrolls, 2);
    diorg_->Next();
    EXPECT_EQ(scrolls, 2) << "Next on the last record moves nothing";
    source_.SetAutoEdit(false);
    source_.Edit();
    EXPECT_EQ(diorg_->State(), TDataSetState::dsBrowse);
    source_.SetAutoEdit(true);
    source_.Edit();
    EXPECT_EQ(diorg_->State(), TDataSetState::dsEdit);
    diorg_->FieldByName("Omades").SetAsInteger(20);
    ASSERT_TRUE(diorg_->Post());
    EXPECT_EQ(states, 2);
    EXPECT_EQ(fieldChanges, 1);
    EXPECT_EQ(updates, 1);
    EXPECT_GE(changes, 1);
    EXPECT_EQ(source_.State(), TDataSetState::dsBrowse);
    diorg_->Close();
    EXPECT_EQ(source_.State(), TDataSetState::dsInactive);
}

TEST_F(MasterDetailTest, NewDetailRecordTakesTheMastersLinkValues)
{
    pomades_->SetIndexName("DiorNo");
    pomades_->SetMasterSource(&source_);
    pomades_->SetMasterFields("DNo");
    pomades_->Open();
    diorg_->Last();
    QVariant seenByHandler;
    pomades_->OnNewRecord = [&](TDataSet &data) { seenByHandler = data.FieldByName("DiorNo").Value(); };
    AppendRecord(*pomades_, {{"TeamNo", 13}});
    EXPECT_EQ(seenByHandler, QVariant(2)) << "the link field is filled before OnNewRecord";
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{12, 13}));
    EXPECT_EQ(pomades_->FieldByName("DiorNo").AsInteger(), 2);

    // A handler may still give the new record another master.
    pomades_->OnNewRecord = [](TDataSet &data) { data.FieldByName("DiorNo").SetAsInteger(1); };
    AppendRecord(*pomades_, {{"TeamNo", 14}});
    diorg_->First();
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{10, 11, 14}));

    // Without an open master nothing is filled in.
    pomades_->OnNewRecord = nullptr;
    diorg_->Close();
    ASSERT_TRUE(pomades_->Append());
    EXPECT_TRUE(pomades_->FieldByName("DiorNo").IsNull());
    pomades_->Cancel();
}

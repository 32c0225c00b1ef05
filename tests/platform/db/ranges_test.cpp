#include "db_fixture.h"

#include "platform/db/db_errors.h"

class RangesTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreateAgvnes();
        agvnes_ = OpenTable("Agvnes", "MainInd");
        for (int diorg = 1; diorg <= 3; ++diorg)
            for (int day = 1; day <= 4; ++day)
                for (int match = 0; match < 2; ++match)
                    AddMatch(*agvnes_, diorg, day, day * 10 + match, day * 10 + match + 5,
                             QDate(2004, 9, day + match));
    }
    std::unique_ptr<TTable> agvnes_;
};

TEST_F(RangesTest, RangesNarrowTheViewOnTheIndex)
{
    struct Case
    {
        QVariantList start;
        QVariantList end;
        int count;
    };
    const Case cases[] = {
        {{2, 3}, {2, 3}, 2}, // one matchday
        {{2}, {2}, 8},       // one competition
        {{1, 3}, {2, 2}, 8}, // from matchday 3 of 1 to matchday 2 of 2
        {{2, 4}, {3}, 10},   // an end on fewer fields takes all of them
        {{5}, {9}, 0},
    };
    for (const Case &c : cases) {
        agvnes_->SetRange(c.start, c.end);
        EXPECT_EQ(agvnes_->RecordCount(), c.count);
    }
    agvnes_->SetRange({1, 3}, {2, 2});
    agvnes_->First();
    EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), 1);
    EXPECT_EQ(agvnes_->FieldByName("Agvnistikh").AsInteger(), 3);
    agvnes_->Last();
    EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), 2);
    EXPECT_EQ(agvnes_->FieldByName("Agvnistikh").AsInteger(), 2);
    agvnes_->CancelRange();
    EXPECT_EQ(agvnes_->RecordCount(), 24);
    EXPECT_THROW(agvnes_->SetRange({1, 2, 3, 4, 5}, {1}), EDatabaseError);
    EXPECT_THROW(agvnes_->SetRange({"x"}, {"x"}), EDatabaseError);
}

TEST_F(RangesTest, RecordsPostedOutsideTheRangeLeaveTheView)
{
    agvnes_->SetRange({2, 1}, {2, 1});
    AddMatch(*agvnes_, 2, 1, 90, 91);
    EXPECT_EQ(agvnes_->RecordCount(), 3);
    ASSERT_TRUE(agvnes_->Edit());
    agvnes_->FieldByName("Agvnistikh").SetAsInteger(4);
    ASSERT_TRUE(agvnes_->Post());
    EXPECT_EQ(agvnes_->RecordCount(), 2);
    EXPECT_EQ(agvnes_->State(), TDataSetState::dsBrowse);
}

TEST_F(RangesTest, FindKeyFindNearestAndGotoKey)
{
    EXPECT_TRUE(agvnes_->FindKey({2, 3}));
    EXPECT_EQ(agvnes_->FieldByName("Ghpedoyxos").AsInteger(), 30);
    EXPECT_FALSE(agvnes_->FindKey({2, 9}));
    EXPECT_EQ(agvnes_->FieldByName("Ghpedoyxos").AsInteger(), 30) << "a failed search does not move";
    agvnes_->FindNearest({2, 9});
    EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), 3);
    EXPECT_EQ(agvnes_->FieldByName("Agvnistikh").AsInteger(), 1);
    agvnes_->FindNearest({9});
    EXPECT_TRUE(agvnes_->Eof());

    agvnes_->SetIndexName("DateInd");
    agvnes_->SetKey();
    EXPECT_EQ(agvnes_->State(), TDataSetState::dsSetKey);
    agvnes_->FieldByName("Date").SetAsString("03/09/2004");
    EXPECT_TRUE(agvnes_->GotoKey());
    EXPECT_EQ(agvnes_->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(agvnes_->FieldByName("Date").AsString(), "03/09/2004");
}

TEST_F(RangesTest, AnEmptyKeyMatchesAnEmptyField)
{
    ASSERT_TRUE(agvnes_->Append());
    agvnes_->FieldByName("DiorgNo").SetAsInteger(7);
    agvnes_->FieldByName("Agvnistikh").SetAsInteger(1);
    ASSERT_TRUE(agvnes_->Post());
    agvnes_->SetIndexFieldNames("DiorgNo;Omilos");
    EXPECT_TRUE(agvnes_->FindKey({7, QVariant()}));
    EXPECT_FALSE(agvnes_->FindKey({7, 0}));
    agvnes_->SetRange({7, QVariant()}, {7, QVariant()});
    EXPECT_EQ(agvnes_->RecordCount(), 1);
}

TEST_F(RangesTest, LocateAndLookupOnAnyFields)
{
    agvnes_->SetRecNo(5);
    EXPECT_TRUE(agvnes_->Locate("DiorgNo;Ghpedoyxos", {3, 41}));
    EXPECT_EQ(agvnes_->FieldByName("Agvnistikh").AsInteger(), 4);
    EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), 3);
    const int recNo = agvnes_->RecNo();
    EXPECT_FALSE(agvnes_->Locate("DiorgNo;Ghpedoyxos", {3, 99}));
    EXPECT_EQ(agvnes_->RecNo(), recNo);
    EXPECT_TRUE(agvnes_->Locate("Date", {QDate(2004, 9, 5)}));
    const int located = agvnes_->RecNo();
    EXPECT_EQ(agvnes_->Lookup("DiorgNo;Agvnistikh;Ghpedoyxos", {2, 2, 21}, "Filojenoymenh"), QVariant(26));
    EXPECT_EQ(agvnes_->Lookup("DiorgNo", {99}, "Filojenoymenh"), QVariant());
    EXPECT_EQ(agvnes_->RecNo(), located) << "Lookup does not move";
}

TEST_F(RangesTest, LocateOnTextWithOptions)
{
    CreateKrath();
    auto krath = OpenTable("Krath", "NameInd");
    for (const char *name : {"Ελλάδα", "Ιταλία", "Ισπανία"})
        AppendRecord(*krath, {{"Name", QString::fromUtf8(name)}});
    struct Case
    {
        const char *value;
        TLocateOptions options;
        const char *found;
    };
    const Case cases[] = {
        {"Ιταλία", {}, "Ιταλία"},
        {"ιταλια", {}, nullptr},
        {"ιταλια", {true, false}, "Ιταλία"},
        {"Ισπ", {false, true}, "Ισπανία"},
        {"ΙΣΠ", {true, true}, "Ισπανία"},
        {"Ισπ", {}, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        krath->First();
        EXPECT_EQ(krath->Locate("Name", {QString::fromUtf8(c.value)}, c.options), c.found != nullptr);
        if (c.found) {
            EXPECT_EQ(krath->FieldByName("Name").AsString(), QString::fromUtf8(c.found));
        }
    }
    // The case-insensitive index finds keys without regard to case and accents.
    EXPECT_TRUE(krath->FindKey({"ΕΛΛΑΔΑ"}));
    EXPECT_EQ(krath->FieldByName("Name").AsString(), "Ελλάδα");
}

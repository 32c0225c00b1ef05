#include "db_controls_fixture.h"

#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_lookup_list.h"

namespace {

class DbLookupTest : public DbControlsTest
{
protected:
    template <typename Control> void Bind(Control &control, bool withField)
    {
        control.SetListSource(&categorySource);
        control.SetKeyField("KatNo");
        control.SetListField("GrName");
        if (withField) {
            control.SetDataSource(&teamSource);
            control.SetDataField("KatNo");
        }
    }
};

TEST_F(DbLookupTest, TheComboListsTheRecordsAndWritesTheChosenKey)
{
    TDBLookupComboBox combo;
    Bind(combo, true);
    int clicks = 0;
    combo.OnClick = [&]() { ++clicks; };
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), QString::fromUtf8("Γ Εθνική"));
    EXPECT_EQ(combo.KeyValue().toInt(), 1);
    EXPECT_EQ(combo.Text(), QString::fromUtf8("Α Εθνική"));

    Key(&combo, Qt::Key_Down);
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    EXPECT_EQ(teams->FieldByName("KatNo").AsInteger(), 2);
    EXPECT_EQ(combo.KeyValue().toInt(), 2);
    EXPECT_EQ(categories->FieldByName("KatNo").AsInteger(), 2);
    EXPECT_EQ(clicks, 1);
    teams->Post();
    EXPECT_EQ(Stored(1, "KatNo").toInt(), 2);

    // The combo follows the record.
    teams->Last();
    EXPECT_EQ(combo.Text(), QString::fromUtf8("Γ Εθνική"));
    teams->Edit();
    teams->FieldByName("KatNo").SetAsInteger(99);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(DbLookupTest, WithoutADataFieldTheComboOnlySelectsAKey)
{
    TDBLookupComboBox combo;
    Bind(combo, false);
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.SetKeyValue(3);
    EXPECT_EQ(combo.Text(), QString::fromUtf8("Γ Εθνική"));
    Key(&combo, Qt::Key_Up);
    EXPECT_EQ(combo.KeyValue().toInt(), 2);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);

    // A new record of the list shows at once.
    Append(*categories, {{"KatNo", 4}, {"GrName", QString::fromUtf8("Δ Εθνική")}});
    EXPECT_EQ(combo.count(), 4);
}

TEST_F(DbLookupTest, ListsReadTheirRecordsAgainWhenTheStoredDataChanged)
{
    TDBLookupComboBox combo;
    Bind(combo, true);
    TDBLookupListBox list;
    Bind(list, false);
    // Another window's table adds a category: the open lists read it when they are next offered.
    auto other = OpenTable("Kathgories");
    Append(*other, {{"KatNo", 4}, {"GrName", QString::fromUtf8("Δ Εθνική")}});
    ASSERT_EQ(combo.count(), 3);
    combo.showPopup();
    EXPECT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(3), QString::fromUtf8("Δ Εθνική"));
    EXPECT_EQ(combo.Text(), QString::fromUtf8("Α Εθνική")) << "the key shown stays";
    combo.hidePopup();
    list.show();
    EXPECT_EQ(list.count(), 4);

    // A list whose dataset is being edited waits for the edit to end.
    Append(*other, {{"KatNo", 5}, {"GrName", QString::fromUtf8("Ε Εθνική")}});
    ASSERT_TRUE(categories->Edit());
    combo.showPopup();
    EXPECT_EQ(combo.count(), 4);
    combo.hidePopup();
    categories->Cancel();
    combo.showPopup();
    EXPECT_EQ(combo.count(), 5);
    combo.hidePopup();
}

TEST_F(DbLookupTest, AReadOnlyFieldKeepsItsKey)
{
    TDBLookupComboBox combo;
    Bind(combo, true);
    teams->FieldByName("KatNo").SetReadOnly(true);
    Key(&combo, Qt::Key_Down);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(combo.KeyValue().toInt(), 1);
}

TEST_F(DbLookupTest, TheListBoxSelectsAndWritesTheKey)
{
    TDBLookupListBox list;
    Bind(list, true);
    int clicks = 0;
    list.OnClick = [&]() { ++clicks; };
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.SelectedText(), QString::fromUtf8("Α Εθνική"));

    list.setCurrentRow(2);
    EXPECT_EQ(teams->FieldByName("KatNo").AsInteger(), 3);
    EXPECT_EQ(list.KeyValue().toInt(), 3);
    EXPECT_EQ(clicks, 1);
    teams->Cancel();
    EXPECT_EQ(list.SelectedText(), QString::fromUtf8("Α Εθνική"));
}

} // namespace

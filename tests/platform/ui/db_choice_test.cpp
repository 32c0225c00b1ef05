#include "db_controls_fixture.h"

#include "platform/ui/db_check_box.h"
#include "platform/ui/db_radio_group.h"

#include <QRadioButton>

namespace {

using DbChoiceTest = DbControlsTest;

TEST_F(DbChoiceTest, TheCheckBoxWritesLogicalFieldsAsTrueAndFalse)
{
    TDBCheckBox box;
    box.SetDataSource(&teamSource);
    box.SetDataField("Played");
    int clicks = 0;
    box.OnClick = [&]() { ++clicks; };
    EXPECT_FALSE(box.isChecked());

    box.click();
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    teams->Post();
    EXPECT_EQ(Stored(1, "Played").toBool(), true);
    box.click();
    teams->Post();
    EXPECT_EQ(Stored(1, "Played").toBool(), false);
    EXPECT_EQ(clicks, 2);
}

TEST_F(DbChoiceTest, TheCheckBoxComparesTextFieldsWithItsValues)
{
    TDBCheckBox box;
    box.SetValueChecked(QString::fromUtf8("Ναι;Yes"));
    box.SetValueUnchecked(QString::fromUtf8("Όχι"));
    box.SetDataSource(&teamSource);
    box.SetDataField("Answer");

    struct Case
    {
        const char *stored;
        bool checked;
    };
    for (const Case &c : {Case{"yes", true}, Case{"Ναι", true}, Case{"Όχι", false}, Case{"άλλο", false}}) {
        teams->Edit();
        teams->FieldByName("Answer").SetAsString(QString::fromUtf8(c.stored));
        EXPECT_EQ(box.isChecked(), c.checked) << c.stored;
        teams->Cancel();
    }
    box.click();
    EXPECT_EQ(teams->FieldByName("Answer").AsString(), QString::fromUtf8("Ναι"));
    box.click();
    EXPECT_EQ(teams->FieldByName("Answer").AsString(), QString::fromUtf8("Όχι"));
}

TEST_F(DbChoiceTest, TheRadioGroupShowsAndWritesTheValueOfItsItems)
{
    TDBRadioGroup group;
    group.SetItems({QString::fromUtf8("Πρωτάθλημα"), QString::fromUtf8("Κύπελο")});
    group.SetValues({"0", "1"});
    group.SetDataSource(&teamSource);
    group.SetDataField("Typos");
    int changes = 0;
    group.OnChange = [&]() { ++changes; };
    EXPECT_EQ(group.ItemIndex(), -1);

    const QList<QRadioButton *> buttons = group.findChildren<QRadioButton *>();
    ASSERT_EQ(buttons.size(), 2);
    buttons.at(1)->click();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(group.Value(), QString("1"));
    EXPECT_EQ(teams->FieldByName("Typos").AsInteger(), 1);
    EXPECT_EQ(changes, 1);
    teams->Post();
    EXPECT_EQ(Stored(1, "Typos").toInt(), 1);

    teams->Next();
    EXPECT_EQ(group.ItemIndex(), -1);
    teams->Edit();
    teams->FieldByName("Typos").SetAsInteger(0);
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_TRUE(buttons.at(0)->isChecked());
    EXPECT_FALSE(buttons.at(1)->isChecked());
}

} // namespace

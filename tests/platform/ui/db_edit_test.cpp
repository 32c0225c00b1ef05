#include "db_controls_fixture.h"

#include "platform/ui/db_edit.h"
#include "platform/ui/db_memo.h"
#include "platform/ui/db_text.h"

#include <QClipboard>

namespace {

using DbEditTest = DbControlsTest;

TEST(EditMaskTest, TranslatesMasksAndReadsTextsInTheirShape)
{
    struct Case
    {
        const char *mask;
        const char *inputMask;
        const char *display;
        const char *text;
        bool blank;
    };
    const Case cases[] = {
        {"!90:00;1;_", "09:99;_", "21:30", "21:30", false},
        {"!90:00;1;_", "09:99;_", "_9:30", " 9:30", false},
        {"!90:00;1;_", "09:99;_", "__:__", "  :  ", true},
        {"!90:00;0;_", "09:99;_", "21:30", "2130", false},
        {"!90:00;1", "09:99;_", "21:30", "21:30", false},
        {">LL\\-00;1;*", ">AA-99;*", "AB-12", "AB-12", false},
        {"00/00/0000;1;_", "99/99/9999;_", "01/09/2004", "01/09/2004", false},
        {"", "", "abc", "abc", false},
    };
    for (const Case &c : cases) {
        const TEditMask mask(QString::fromUtf8(c.mask));
        EXPECT_EQ(mask.InputMask(), QString::fromUtf8(c.inputMask)) << c.mask;
        EXPECT_EQ(mask.TextFromDisplay(QString::fromUtf8(c.display)), QString::fromUtf8(c.text)) << c.mask;
        if (!mask.IsEmpty()) {
            EXPECT_EQ(mask.IsBlank(QString::fromUtf8(c.display)), c.blank) << c.mask << " " << c.display;
        }
    }
}

TEST_F(DbEditTest, TypingEditsTheRecordAndThePostWritesTheText)
{
    TDBEdit edit;
    edit.SetDataSource(&teamSource);
    edit.SetDataField("Name");
    EXPECT_EQ(edit.Text(), QString::fromUtf8("Ολυμπιακός"));
    int changes = 0;
    edit.OnChange = [&]() { ++changes; };
    edit.OnKeyPress = [](QChar &key) {
        if (key == '!')
            key = QChar();
    };

    edit.selectAll();
    Type(&edit, "Pao!");
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    EXPECT_EQ(edit.Text(), QString("Pao"));
    EXPECT_EQ(changes, 3);
    teams->Post();
    EXPECT_EQ(Stored(1, "Name").toString(), QString("Pao"));

    teams->Next();
    EXPECT_EQ(edit.Text(), QString::fromUtf8("Παναθηναϊκός"));

    // A field the user may not change makes the edit read-only.
    teams->FieldByName("Name").SetReadOnly(true);
    teams->Next();
    EXPECT_TRUE(edit.isReadOnly());
}

TEST_F(DbEditTest, TypedAndPastedTextsAreCutToTheFieldSizeAtWholeCharacters)
{
    // Name holds 20 UTF-16 units; each trophy takes two.
    const QString trophy = "🏆";
    TDBEdit edit;
    edit.SetDataSource(&teamSource);
    edit.SetDataField("Name");
    edit.selectAll();
    QApplication::clipboard()->setText("Α" + trophy.repeated(25));
    Key(&edit, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "Α" + trophy.repeated(9));
    // One unit is left: one letter fits, the next key does nothing.
    Type(&edit, "xy");
    EXPECT_EQ(edit.Text(), "Α" + trophy.repeated(9) + "x");
    teams->Post();
    EXPECT_EQ(Stored(1, "Name").toString(), "Α" + trophy.repeated(9) + "x");

    // Pasted in the middle, the pasted text gives way and the text after the cursor stays.
    edit.selectAll();
    Type(&edit, "ab");
    edit.setCursorPosition(1);
    QApplication::clipboard()->setText(trophy.repeated(25));
    Key(&edit, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "a" + trophy.repeated(9) + "b");
    EXPECT_EQ(edit.cursorPosition(), 19);
}

TEST_F(DbEditTest, ATimeMaskShowsAndWritesTheTime)
{
    teams->Edit();
    teams->FieldByName("Time").SetValue(QTime(21, 30));
    teams->Post();
    TDBEdit edit;
    edit.SetDataSource(&teamSource);
    edit.SetDataField("Time");
    edit.SetEditMask("!90:00;1;_");
    EXPECT_EQ(edit.Text(), QString("21:30"));

    edit.setCursorPosition(0);
    Type(&edit, "1845");
    EXPECT_EQ(edit.Text(), QString("18:45"));
    teams->Post();
    EXPECT_EQ(Stored(1, "Time").toTime(), QTime(18, 45));

    // A mask left blank clears the field.
    teams->Edit();
    edit.SetText(QString());
    EXPECT_EQ(edit.Text(), QString("  :  "));
    teams->Post();
    EXPECT_TRUE(Stored(1, "Time").isNull());
}

TEST_F(DbEditTest, ATextTheFieldRefusesStopsThePost)
{
    TDBEdit edit;
    edit.SetDataSource(&teamSource);
    edit.SetDataField("Goals");
    edit.selectAll();
    Type(&edit, "x");
    EXPECT_THROW(teams->Post(), EDatabaseError);
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    EXPECT_EQ(edit.Text(), QString("x"));
}

TEST_F(DbEditTest, MemoAndTextShowTheField)
{
    TDBMemo memo;
    memo.SetDataSource(&teamSource);
    memo.SetDataField("Notes");
    TDBText label;
    label.SetDataSource(&teamSource);
    label.SetDataField("Name");
    EXPECT_EQ(label.text(), QString::fromUtf8("Ολυμπιακός"));
    EXPECT_EQ(memo.toPlainText(), QString());

    Type(&memo, "ab");
    Key(&memo, Qt::Key_Return, "\r");
    Type(&memo, "c");
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    teams->Post();
    EXPECT_EQ(Stored(1, "Notes").toString(), QString("ab\nc"));

    teams->Last();
    EXPECT_EQ(label.text(), QString::fromUtf8("ΑΕΚ"));
    EXPECT_EQ(memo.toPlainText(), QString());
}

} // namespace

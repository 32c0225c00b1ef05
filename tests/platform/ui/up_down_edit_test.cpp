#include "platform/ui/up_down_edit.h"
#include "support/qstring_printer.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct TBounds
{
    int min;
    int max;
    int increment = 1;
    bool wrap = false;
};

void SetBounds(TUpDownEdit &edit, const TBounds &bounds)
{
    edit.SetMin(bounds.min);
    edit.SetMax(bounds.max);
    edit.SetIncrement(bounds.increment);
    edit.SetWrap(bounds.wrap);
}

TEST(UpDownEditTest, StepsMoveThePositionWithinTheBoundsOrAroundThem)
{
    struct Case
    {
        TBounds bounds;
        int start;
        int steps;
        int position;
    };
    const Case cases[] = {
        {{1, 10}, 3, 2, 5},
        {{1, 10}, 9, 5, 10},
        {{1, 10}, 2, -5, 1},
        {{1, 10}, 10, 1, 10},
        {{1, 10, 1, true}, 10, 1, 1},
        {{1, 10, 1, true}, 1, -1, 10},
        {{1, 10, 1, true}, 9, 1, 10},
        {{0, 100, 5}, 10, 3, 25},
        {{0, 100, 5}, 98, 1, 100},
        {{-5, 5, 2, true}, 4, 1, -5},
        {{-5, 5, 2}, -4, -1, -5},
        // The start itself is brought within the bounds.
        {{1, 10}, 50, 0, 10},
        {{1, 10}, -3, 1, 2},
        // A Max below Min leaves Min the only position.
        {{5, 1}, 3, 1, 5},
    };
    for (const Case &c : cases) {
        TUpDownEdit edit;
        SetBounds(edit, c.bounds);
        edit.SetPosition(c.start);
        edit.StepBy(c.steps);
        const std::string label = "from " + std::to_string(c.start) + " by " + std::to_string(c.steps);
        EXPECT_EQ(edit.Position(), c.position) << label;
        EXPECT_EQ(edit.Text(), QString::number(c.position)) << label;
    }
}

TEST(UpDownEditTest, TypedTextKeepsToNumbersThatCanEndWithinTheBounds)
{
    struct Case
    {
        TBounds bounds;
        const char *typed;
        const char *text;
        int position;
        // The text once Enter ends the editing.
        const char *entered;
    };
    const Case cases[] = {
        {{1, 34}, "12", "12", 12, "12"},
        {{1, 34}, "40", "4", 4, "4"},
        {{1, 34}, "1a2", "12", 12, "12"},
        {{1, 34}, "-3", "3", 3, "3"},
        // Below Min is left while typing (more digits may follow) and raised when editing ends.
        {{1, 34}, "0", "0", 1, "1"},
        // Without a number the position stays the last one the edit held.
        {{1, 34}, "", "", 7, "7"},
        {{-5, 5}, "-3", "-3", -3, "-3"},
        {{-5, 5}, "-7", "-", 5, "5"},
        {{1990, 2100}, "2002", "2002", 2002, "2002"},
        {{1990, 2100}, "2200", "220", 1990, "1990"},
    };
    for (const Case &c : cases) {
        TUpDownEdit edit;
        SetBounds(edit, c.bounds);
        edit.SetPosition(7);
        edit.Edit->selectAll();
        QTest::keyClick(edit.Edit, Qt::Key_Delete);
        QTest::keyClicks(edit.Edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.text)) << c.typed;
        EXPECT_EQ(edit.Position(), c.position) << c.typed;
        QTest::keyClick(edit.Edit, Qt::Key_Return);
        EXPECT_EQ(edit.Text(), QString::fromLatin1(c.entered)) << c.typed;
    }
}

TEST(UpDownEditTest, EveryChangeOfTheTextIsSentAndTheProgramMayWriteAnyText)
{
    TUpDownEdit edit;
    SetBounds(edit, {1, 10});
    edit.SetPosition(4);
    QSignalSpy changes(&edit, &TUpDownEdit::Changed);
    edit.SetText(QStringLiteral("αβ"));
    EXPECT_EQ(edit.Text(), QStringLiteral("αβ"));
    EXPECT_EQ(edit.Position(), 4);
    edit.StepBy(1);
    EXPECT_EQ(edit.Text(), QStringLiteral("5"));
    // Writing the same position again changes nothing.
    edit.SetPosition(5);
    // Changing a bound leaves the text; the position is read within the new bounds.
    edit.SetMax(3);
    EXPECT_EQ(edit.Text(), QStringLiteral("5"));
    EXPECT_EQ(edit.Position(), 3);
    EXPECT_EQ(changes.count(), 2);
}

TEST(UpDownEditTest, ArrowKeysAndArrowClicksStepTheEdit)
{
    TUpDownEdit edit;
    SetBounds(edit, {1, 34});
    edit.SetPosition(10);
    edit.resize(60, 24);
    edit.show();
    QSignalSpy changes(&edit, &TUpDownEdit::Changed);

    QTest::keyClick(edit.Edit, Qt::Key_Up);
    EXPECT_EQ(edit.Text(), QStringLiteral("11"));
    QTest::keyClick(edit.Edit, Qt::Key_Down);
    QTest::keyClick(edit.Edit, Qt::Key_Down);
    EXPECT_EQ(edit.Text(), QStringLiteral("9"));
    QTest::mouseClick(edit.UpButton, Qt::LeftButton);
    QTest::mouseClick(edit.UpButton, Qt::LeftButton);
    EXPECT_EQ(edit.Text(), QStringLiteral("11"));
    QTest::mouseClick(edit.DownButton, Qt::LeftButton);
    EXPECT_EQ(edit.Position(), 10);
    EXPECT_EQ(changes.count(), 6);

    // The arrows sit beside the edit, one above the other, each half its height.
    EXPECT_EQ(edit.UpButton->geometry(), QRect(44, 0, 16, 12));
    EXPECT_EQ(edit.DownButton->geometry(), QRect(44, 12, 16, 12));
    EXPECT_EQ(edit.Edit->geometry(), QRect(0, 0, 44, 24));
}

TEST(UpDownEditTest, ItsSizeHintHoldsTheWidestNumberOfTheBounds)
{
    TUpDownEdit edit;
    SetBounds(edit, {1990, 2100});
    edit.resize(edit.sizeHint());
    edit.show();
    // The text, the edit's frame and its inner margin of two on each side.
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit.Edit);
    EXPECT_GE(edit.Edit->width(),
              edit.Edit->fontMetrics().horizontalAdvance(QStringLiteral("2100")) + 2 * frame + 4);
    // Far narrower than an edit of free text.
    EXPECT_LT(edit.sizeHint().width(), QLineEdit().sizeHint().width());
}

} // namespace

#include "platform/ui/application.h"
#include "platform/ui/wait_cursor.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

bool HourglassShown()
{
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

TEST(ApplicationTest, TitleIsWhatWasSet)
{
    SetApplicationTitle("Tavrolin");
    EXPECT_EQ(ApplicationTitle(), QString("Tavrolin"));
}

TEST(ApplicationTest, AssignMainFontCopiesTheRegisteredMainWindowsFont)
{
    QWidget target;
    const QFont before = target.font();
    AssignMainFont(&target); // no main window yet: nothing changes
    EXPECT_EQ(target.font(), before);

    auto main = std::make_unique<QWidget>();
    QFont mainFont("DejaVu Serif", 14);
    mainFont.setBold(true);
    main->setFont(mainFont);
    RegisterMainWindow(main.get());
    EXPECT_EQ(MainWindow(), main.get());
    AssignMainFont(&target);
    EXPECT_EQ(target.font().family(), QString("DejaVu Serif"));
    EXPECT_EQ(target.font().pointSize(), 14);
    EXPECT_TRUE(target.font().bold());

    main.reset();
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST(WaitCursorTest, HourglassLastsForTheScopeOnEveryPath)
{
    ASSERT_FALSE(HourglassShown());
    {
        TWaitCursor wait;
        EXPECT_TRUE(HourglassShown());
    }
    EXPECT_FALSE(HourglassShown());

    try {
        TWaitCursor wait;
        throw std::runtime_error("load failed");
    } catch (const std::runtime_error &) {
        EXPECT_FALSE(HourglassShown());
    }
}

TEST(WaitCursorTest, RestoreGivesTheCursorBackOnce)
{
    TWaitCursor outer;
    {
        TWaitCursor inner;
        inner.Restore();
        EXPECT_TRUE(HourglassShown()); // the outer one still holds it
        inner.Restore();
    }
    EXPECT_TRUE(HourglassShown());
    outer.Restore();
    EXPECT_FALSE(HourglassShown());
}

} // namespace

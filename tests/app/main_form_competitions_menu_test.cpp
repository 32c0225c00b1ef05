#include "app/main_window_fixture.h"
#include "app/sel_opt_dlg.h"
#include "editors/ui/diorg_show_form.h"
#include "editors/ui/diorganvsh_form.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The competition editor and the summary open as maximised children of the client area, one
// each, and closing them brings the logo back.
TEST_F(MainWindowTest, CompetitionWindowsOpenAsChildrenAndBringTheLogoBackOnClose)
{
    SelOptDlg()->OKBtnClick();
    struct Case
    {
        const char *item;
        std::function<QWidget *()> form;
    };
    const Case cases[] = {{"N22", [] { return static_cast<QWidget *>(DiorganvshForm()); }},
                          {"N21", [] { return static_cast<QWidget *>(DiorgShowForm()); }}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        QAction *item = main->Item(c.item);
        ASSERT_TRUE(item->isEnabled());

        item->trigger();
        QWidget *form = c.form();
        ASSERT_NE(form, nullptr);
        item->trigger();
        EXPECT_EQ(c.form(), form) << "one window at a time";
        EXPECT_EQ(main->ClientArea->subWindowList().size(), 1);
        auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isMaximized());
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(main->Panel1->isVisible());
        EXPECT_EQ(form->font(), main->font());

        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(c.form(), nullptr);
        EXPECT_TRUE(main->ClientArea->subWindowList().isEmpty());
        EXPECT_TRUE(main->Panel1->isVisible());
    }
    EXPECT_FALSE(TavrolinDM().CompetitionEditorOpen);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

} // namespace

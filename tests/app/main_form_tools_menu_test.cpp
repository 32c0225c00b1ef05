#include "app/main_window_fixture.h"
#include "app/sel_opt_dlg.h"
#include "editors/ui/agvn_util_frm.h"
#include "editors/ui/chk_agvn_frm.h"
#include "platform/ui/db_lookup_combo.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The matches-file check opens as a child of the client area where it stands, not maximised, one
// at a time; closing it brings the logo back.
TEST_F(MainWindowTest, MatchesFileCheckOpensAsAChildAndBringsTheLogoBackOnClose)
{
    SelOptDlg()->OKBtnClick();
    QAction *item = main->Item("N38");
    ASSERT_TRUE(item->isEnabled());

    item->trigger();
    TAgvnUtilFrm *form = AgvnUtilFrm();
    ASSERT_NE(form, nullptr);
    item->trigger();
    EXPECT_EQ(AgvnUtilFrm(), form) << "one window at a time";
    EXPECT_EQ(main->ClientArea->subWindowList().size(), 1);
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(main->ClientArea->activeSubWindow(), frame);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(main->Panel1->isVisible());
    EXPECT_EQ(form->font(), main->font());

    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(AgvnUtilFrm(), nullptr);
    EXPECT_TRUE(main->ClientArea->subWindowList().isEmpty());
    EXPECT_TRUE(main->Panel1->isVisible());
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

// The season copy is the dialog made at start-up, shown modally.
TEST_F(MainWindowTest, SeasonCopyOpensModally)
{
    SelOptDlg()->OKBtnClick();
    QAction *item = main->Item("N43");
    ASSERT_TRUE(item->isEnabled());
    QWidget *opened = nullptr;
    QTimer::singleShot(0, [&opened] {
        opened = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QDialog *>(opened))
            dialog->reject();
    });
    item->trigger();
    EXPECT_EQ(opened, ChkAgvnFrm());
    EXPECT_EQ(ChkAgvnFrm()->PeriodCombo->count(), 0) << "no season entered yet";
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

} // namespace

// Every enabled menu item and toolbar button of the data windows opens its window the way the
// main window opens it (modally, modelessly or as a child of the client area), with the main
// window's font at the moment of the command.

#include "app/main_window_fixture.h"
#include "app/sel_opt_dlg.h"

#include "analysis/ui/agvn_analysis_frm.h"
#include "analysis/ui/baum_form.h"
#include "analysis/ui/plegma_a_form.h"
#include "coupons/ui/agvn_kouponi_frm.h"
#include "editors/ui/agvn_enhm_form.h"
#include "editors/ui/agvn_save_form.h"
#include "editors/ui/agvnes_form.h"
#include "editors/ui/auto_enhm_form.h"
#include "editors/ui/convert_pr_dlg.h"
#include "editors/ui/diorg_show_form.h"
#include "editors/ui/diorganvsh_form.h"
#include "editors/ui/get_files_frm.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "editors/ui/sporting_enhm_frm.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>
#include <functional>

namespace {

enum class TOpening
{
    Modal,    // a dialog with its own loop; the command returns when it closes
    Modeless, // a top-level window the command leaves open
    Child,    // a window inside the main window's client area
};

struct TCommand
{
    const char *item;
    const char *handler;
    TOpening opening;
    std::function<QWidget *()> window;
    // The logo behind the client area gives way to the window.
    bool hidesLogo;
};

const TCommand kCommands[] = {
    {"N3", "N3Click", TOpening::Modal, [] { return static_cast<QWidget *>(OmadesForm()); }, false},
    {"N5", "N5Click", TOpening::Modal, [] { return static_cast<QWidget *>(PeriodForm()); }, false},
    {"N9", "N9Click", TOpening::Modal, [] { return static_cast<QWidget *>(KatEditForm()); }, false},
    {"N11", "N11Click", TOpening::Modal, [] { return static_cast<QWidget *>(KrathForm()); }, false},
    {"N19", "N18Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnesForm()); }, true},
    {"ToolButton1", "N18Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnesForm()); },
     true},
    {"N18", "N19Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnEnhmForm()); }, false},
    {"ToolButton2", "N19Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnEnhmForm()); },
     false},
    {"N10", "N10Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnSaveForm()); }, false},
    {"ToolButton3", "N10Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AgvnSaveForm()); },
     false},
    {"N40", "N6Click", TOpening::Modeless, [] { return static_cast<QWidget *>(AutoEnhmForm()); }, false},
    {"Internet1", "Internet1Click", TOpening::Modal, [] { return static_cast<QWidget *>(GetFilesFrm()); },
     false},
    {"Internet2", "Internet1Click", TOpening::Modal, [] { return static_cast<QWidget *>(GetFilesFrm()); },
     false},
    {"N47", "N47Click", TOpening::Modal, [] { return static_cast<QWidget *>(ConvertPRDlg()); }, false},
    {"N52", "N52Click", TOpening::Modal, [] { return static_cast<QWidget *>(SportingEnhmFrm()); }, false},
    {"N68", "N7Click", TOpening::Modeless, [] { return static_cast<QWidget *>(&BaumForm()); }, false},
    {"ToolButton5", "N7Click", TOpening::Modeless, [] { return static_cast<QWidget *>(&BaumForm()); }, false},
    // With nothing chosen yet the results grid still opens, its lists to choose from.
    {"N20", "N20Click", TOpening::Modeless, [] { return static_cast<QWidget *>(PlegmaAForm()); }, false},
    {"ToolButton7", "N20Click", TOpening::Modeless, [] { return static_cast<QWidget *>(PlegmaAForm()); },
     false},
    {"N21", "N21Click", TOpening::Child, [] { return static_cast<QWidget *>(DiorgShowForm()); }, true},
    {"N22", "N22Click", TOpening::Child, [] { return static_cast<QWidget *>(DiorganvshForm()); }, true},
    {"N36", "N36Click", TOpening::Modeless, [] { return static_cast<QWidget *>(&AgvnAnalysisFrm()); }, false},
    {"ToolButton13", "N36Click", TOpening::Modeless,
     [] { return static_cast<QWidget *>(&AgvnAnalysisFrm()); }, false},
    {"AnalysiKup", "AnalysiKupClick", TOpening::Modeless,
     [] { return static_cast<QWidget *>(&AgvnKouponiFrm()); }, false},
    {"N29", "AnalysiKupClick", TOpening::Modeless, [] { return static_cast<QWidget *>(&AgvnKouponiFrm()); },
     false},
};

class MenuWindowsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The start-up choice on an empty database lets the user in.
        SelOptDlg()->OKBtnClick();
    }

    // A main font no window has by itself: each command must take it over.
    void ChangeMainFont(int step)
    {
        QFont font = main->font();
        font.setPointSize(QApplication::font().pointSize() + 3 + step);
        font.setItalic(step % 2 == 0);
        main->setFont(font);
    }

    // Triggers the command of a modal window and, from inside its loop, notes the window that is
    // modal, the command's window and the modal one's font, then closes it as Escape would.
    // A modal window may delete itself once it closes: only what was seen while it was up is kept.
    struct TModalSeen
    {
        bool shown = false;
        bool isExpected = false;
        QPointer<QWidget> expected;
        QFont font;
    };
    TModalSeen TriggerModal(const TCommand &command)
    {
        TModalSeen seen;
        QTimer::singleShot(0, [&seen, &command] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen.shown = true;
            seen.expected = command.window();
            seen.isExpected = dialog == seen.expected;
            seen.font = dialog->font();
            dialog->reject();
        });
        main->Item(command.item)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return seen;
    }

    static void CloseWindow(const TCommand &command, QWidget *window)
    {
        if (command.opening == TOpening::Child)
            window = window->parentWidget();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(MenuWindowsTest, TheTableNamesEveryEnabledCommandOfTheDataWindows)
{
    QStringList handlers;
    for (const TCommand &command : kCommands)
        handlers.append(QString::fromUtf8(command.handler));
    QStringList expected;
    for (const TCommand &command : kCommands)
        expected.append(QString::fromUtf8(command.item));
    QStringList bound;
    for (QAction *action : main->findChildren<QAction *>())
        if (handlers.contains(TFrmMain::HandlerOf(action)))
            bound.append(action->objectName());
    std::sort(expected.begin(), expected.end());
    std::sort(bound.begin(), bound.end());
    EXPECT_EQ(bound, expected);
    for (const TCommand &command : kCommands) {
        QAction *action = main->Item(QString::fromUtf8(command.item));
        ASSERT_NE(action, nullptr) << command.item;
        EXPECT_TRUE(action->isEnabled()) << command.item;
        EXPECT_EQ(TFrmMain::HandlerOf(action), QString::fromUtf8(command.handler)) << command.item;
    }
}

TEST_F(MenuWindowsTest, EveryCommandOpensItsWindowWithTheMainFont)
{
    int step = 0;
    for (const TCommand &command : kCommands) {
        SCOPED_TRACE(command.item);
        ChangeMainFont(++step);
        if (command.opening == TOpening::Modal) {
            const TModalSeen seen = TriggerModal(command);
            ASSERT_TRUE(seen.shown) << "no modal window";
            EXPECT_TRUE(seen.isExpected);
            EXPECT_EQ(seen.font, main->font());
            EXPECT_FALSE(seen.expected && seen.expected->isVisible());
            EXPECT_TRUE(main->Panel1->isVisible());
            continue;
        }
        main->Item(command.item)->trigger();
        QWidget *window = command.window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->font(), main->font());
        EXPECT_EQ(main->Panel1->isVisible(), !command.hidesLogo);
        auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        if (command.opening == TOpening::Child) {
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->mdiArea(), main->ClientArea);
            EXPECT_TRUE(frame->isMaximized());
        } else {
            EXPECT_EQ(frame, nullptr);
            EXPECT_TRUE(window->isWindow());
            EXPECT_FALSE(window->isModal());
        }
        CloseWindow(command, window);
        EXPECT_TRUE(main->Panel1->isVisible()) << "closing brings the logo back";
    }
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
}

TEST_F(MenuWindowsTest, CouponAnalysisIsMadeOnceAndComesBackAsLeft)
{
    main->Item("AnalysiKup")->trigger();
    TAgvnKouponiFrm *first = &AgvnKouponiFrm();
    first->SGrd1->SetCell(27, 1, "2");
    first->close();
    EXPECT_FALSE(first->isVisible());
    main->Item("N29")->trigger();
    EXPECT_EQ(&AgvnKouponiFrm(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->SGrd1->Cells(27, 1), "2");
}

TEST_F(MenuWindowsTest, ResultsEntryComesUpMaximised)
{
    main->Item("ToolButton2")->trigger();
    EXPECT_TRUE(AgvnEnhmForm()->isMaximized());
    AgvnEnhmForm()->close();
}

} // namespace

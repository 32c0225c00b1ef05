#include "platform/core/modal_result.h"
#include "platform/ui/application.h"
#include "platform/ui/progress_dialog.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ProgressDialogTest, LayoutAndTexts)
{
    TProgressDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ ΕΝΗΜΕΡΩΝΩ"));
    EXPECT_EQ(dialog.size(), QSize(392, 67));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(dialog.ProgBar->geometry(), QRect(8, 8, 377, 16));
    EXPECT_EQ(dialog.ProgBar->Min(), 0);
    EXPECT_EQ(dialog.ProgBar->Max(), 100);
    EXPECT_EQ(dialog.ProgBar->Step(), 1);
    EXPECT_EQ(dialog.ProgBar->Position(), 0);
    EXPECT_EQ(dialog.Label1->pos(), QPoint(8, 37));
    EXPECT_TRUE(dialog.Label1->font().bold());
    EXPECT_EQ(dialog.BitBtn1->text(), QString::fromUtf8("ΑΚΥΡΩΣΗ"));
    EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(288, 32, 99, 25));
    EXPECT_EQ(dialog.ModalResult(), mrNone);
}

TEST(ProgressDialogTest, CancelSetsModalResultTwoAndTheWindowStaysOpen)
{
    TProgressDlg dialog;
    dialog.show();
    dialog.BitBtn1->click();
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
    EXPECT_TRUE(dialog.isVisible());

    dialog.SetModalResult(mrNone);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ProgressDialogTest, TitleBarCloseIsRefused)
{
    TProgressDlg dialog;
    dialog.show();
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    dialog.hide();
    EXPECT_FALSE(dialog.isVisible());
}

// A caller loop as the long runs write it; the user presses the cancel button during step 3.
TEST(ProgressDialogTest, CallerLoopStopsAtTheNextCheckAfterCancel)
{
    TProgressDlg *dialog = ProgressDlg();
    ASSERT_EQ(dialog, ProgressDlg());
    dialog->SetModalResult(mrCancel); // left over from an earlier run

    dialog->SetModalResult(mrNone);
    dialog->ProgBar->SetPosition(0);
    dialog->ProgBar->SetMax(10);
    dialog->Label1->setText("Ενημέρωση αγώνων");
    dialog->show();
    int stepsDone = 0;
    for (int step = 1; step <= 10; ++step) {
        ++stepsDone;
        if (step == 3)
            QTimer::singleShot(0, dialog->BitBtn1, &QPushButton::click);
        dialog->ProgBar->StepIt();
        ProcessMessages();
        if (dialog->ModalResult() == mrCancel)
            break;
    }
    dialog->hide();

    EXPECT_EQ(stepsDone, 3);
    EXPECT_EQ(dialog->ProgBar->Position(), 3);
    EXPECT_EQ(dialog->ModalResult(), mrCancel); // stays until the next caller resets it
    EXPECT_EQ(dialog->Label1->text(), QString::fromUtf8("Ενημέρωση αγώνων"));
}

TEST(ProgressBarTest, PositionsAreHeldInsideTheRange)
{
    TProgressBar bar;
    bar.SetMax(5);
    bar.SetStep(2);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 2);
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 5);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
    bar.StepBy(4);
    EXPECT_EQ(bar.Position(), 4);
}

} // namespace

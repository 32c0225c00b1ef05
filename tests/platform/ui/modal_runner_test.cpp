#include "platform/ui/modal_runner.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ModalRunner, AScriptAnswersTheDialogWhileItIsUp)
{
    QDialog dialog;
    auto *ok = new QPushButton("OK", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    bool wasVisible = false;
    {
        ScriptedModalRunner runner([&](QDialog &shown) {
            wasVisible = shown.isVisible();
            QTest::mouseClick(ok, Qt::LeftButton);
            return 7;
        });
        EXPECT_EQ(RunModal(dialog), QDialog::Accepted); // closed by its button: the dialog's result
        EXPECT_EQ(runner.RunCount(), 1);
    }
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(dialog.isVisible());
    ScriptedModalRunner leaveOpen([](QDialog &) { return 2; });
    EXPECT_EQ(RunModal(dialog), 2);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ModalRunner, RunnersNestAndComeBack)
{
    QDialog dialog;
    ScriptedModalRunner outer([](QDialog &) { return 1; });
    {
        ScriptedModalRunner inner([](QDialog &) { return 2; });
        EXPECT_EQ(RunModal(dialog), 2);
    }
    EXPECT_EQ(RunModal(dialog), 1);
}

} // namespace

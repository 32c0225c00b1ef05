#include "couponstats/ui/range_dlg.h"

#include "couponstats/ui/typing.h"
#include "platform/core/errors.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TRangeCase
{
    const char *caption;
    const char *allRows;
    std::function<TRangeDlg *()> create;
};

const TRangeCase kDialogs[] = {
    {"ΠΕΡΙΟΧΗ ΚΑΘΑΡΙΣΜΟΥ", "Καθαρισμός Όλων των γραμμών", [] { return new TClearRangeDlg; }},
    {"ΠΕΡΙΟΧΗ ΥΠΟΛΟΓΙΣΜΟΥ", "Υπολογισμός Όλων των γραμμών", [] { return new TCalcRangeDlg; }},
};

TEST(RangeDlgTest, BothDialogsOfferRowsOneToTenUntilTheCallerPreparesThem)
{
    for (const TRangeCase &c : kDialogs) {
        SCOPED_TRACE(c.caption);
        const std::unique_ptr<TRangeDlg> dialog(c.create());
        EXPECT_EQ(dialog->windowTitle(), QString(c.caption));
        EXPECT_EQ(dialog->ChkAll->text(), QString(c.allRows));
        EXPECT_EQ(dialog->Label1->text(), QString("Από γραμμή"));
        EXPECT_EQ(dialog->Label2->text(), QString("Έως γραμμή"));
        EXPECT_EQ(dialog->BtnOK->text(), QString("&ΟΚ"));
        EXPECT_EQ(dialog->Edit1->text(), QString("1"));
        EXPECT_EQ(dialog->Edit2->text(), QString("10"));
        EXPECT_FALSE(dialog->ChkAll->isChecked());

        dialog->ChkAll->setChecked(true);
        dialog->Edit1->setText("4");
        dialog->Prepare(37);
        EXPECT_EQ(dialog->Edit1->text(), QString("1"));
        EXPECT_EQ(dialog->Edit2->text(), QString("37"));
        EXPECT_FALSE(dialog->ChkAll->isChecked());
    }
}

TEST(RangeDlgTest, TheEditsTakeOnlyDigits)
{
    TCalcRangeDlg dialog;
    dialog.show();
    const std::pair<QString, QString> typing[] = {{"12", "12"}, {"-3", "3"}, {"1a 2,5", "125"}, {"αβ", ""}};
    for (QLineEdit *edit : {dialog.Edit1, dialog.Edit2}) {
        for (const auto &[typed, kept] : typing) {
            SCOPED_TRACE(typed.toStdString());
            edit->clear();
            TypeKeys(edit, typed);
            EXPECT_EQ(edit->text(), kept);
        }
    }
}

TEST(RangeDlgTest, OkGivesTheTypedRowsOrAllRowsAndTheCloseBoxCancels)
{
    TClearRangeDlg dialog;
    dialog.Prepare(20);
    ScriptedModalRunner typed([](QDialog &shown) {
        auto &range = static_cast<TRangeDlg &>(shown);
        range.Edit1->selectAll();
        QTest::keyClicks(range.Edit1, "3");
        range.Edit2->selectAll();
        QTest::keyClicks(range.Edit2, "8");
        QTest::keyClick(range.Edit2, Qt::Key_Return);
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrOk);
    EXPECT_EQ(dialog.Rows(20), std::make_pair(3, 8));

    ScriptedModalRunner all([](QDialog &shown) {
        auto &range = static_cast<TRangeDlg &>(shown);
        QTest::mouseClick(range.ChkAll, Qt::LeftButton, {}, QPoint(4, range.ChkAll->height() / 2));
        QTest::mouseClick(range.BtnOK, Qt::LeftButton);
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrOk);
    EXPECT_EQ(dialog.Rows(20), std::make_pair(1, 20));

    ScriptedModalRunner closed([](QDialog &shown) {
        shown.close();
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrCancel);

    dialog.ChkAll->setChecked(false);
    dialog.Edit2->clear();
    EXPECT_THROW(dialog.Rows(20), EConvertError);
}

TEST(RangeDlgTest, TheProgramHasOneOfEach)
{
    EXPECT_EQ(ClearRangeDlg(), ClearRangeDlg());
    EXPECT_EQ(CalcRangeDlg(), CalcRangeDlg());
    EXPECT_NE(static_cast<QDialog *>(ClearRangeDlg()), static_cast<QDialog *>(CalcRangeDlg()));
}

} // namespace

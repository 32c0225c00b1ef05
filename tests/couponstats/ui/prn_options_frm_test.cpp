#include "couponstats/ui/prn_options_frm.h"

#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(PrnOptionsfrmTest, TheChoiceOfPrintoutIsReadAfterOk)
{
    TPrnOptionsfrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QString("ΕΠΙΛΕΞΤΕ ΤΥΠΟ ΕΚΤΥΠΩΣΗΣ"));
    EXPECT_EQ(dialog.RadioButtons->button(0)->text(), QString("ΓΡΑΜΜΩΝ ΚΟΥΠΟΝΙΟΥ"));
    EXPECT_EQ(dialog.RadioButtons->button(1)->text(), QString("ΠΡΟΤΑΣΕΙΣ ΚΟΥΠΟΝΙΟΥ"));
    EXPECT_EQ(dialog.BBtnCancel->text(), QString("&ΑΚΥΡΟ"));
    EXPECT_EQ(dialog.ItemIndex(), 0);

    ScriptedModalRunner proposals([](QDialog &shown) {
        auto &options = static_cast<TPrnOptionsfrm &>(shown);
        QAbstractButton *item = options.RadioButtons->button(1);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(4, item->height() / 2));
        QTest::mouseClick(options.BBtnOK, Qt::LeftButton);
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrOk);
    EXPECT_EQ(dialog.ItemIndex(), 1);

    ScriptedModalRunner cancel([](QDialog &shown) {
        QTest::mouseClick(static_cast<TPrnOptionsfrm &>(shown).BBtnCancel, Qt::LeftButton);
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrCancel);
    EXPECT_EQ(PrnOptionsfrm(), PrnOptionsfrm());
}

} // namespace

#include "editors/ui/br_date_form.h"
#include "platform/core/modal_result.h"
#include "support/qstring_printer.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(BrDateForm, ShowsTheDateWithItsMonthTitle)
{
    TBrDateForm &picker = *BrDateForm();
    EXPECT_EQ(picker.windowTitle(), "Επιλογή Ημερομηνίας");
    EXPECT_EQ(picker.Calendar1->firstDayOfWeek(), Qt::Sunday);
    picker.SetDate(QDate(2004, 9, 12));
    EXPECT_EQ(picker.GetDate(), QDate(2004, 9, 12));
    EXPECT_EQ(picker.TitleLabel->text(), "Σεπτέμβριος, 2004");
}

TEST(BrDateForm, MonthButtonsMoveOneMonth)
{
    TBrDateForm &picker = *BrDateForm();
    picker.SetDate(QDate(2004, 1, 31));
    picker.PrevMonthBtnClick();
    EXPECT_EQ(picker.GetDate(), QDate(2003, 12, 31));
    EXPECT_EQ(picker.TitleLabel->text(), "Δεκέμβριος, 2003");
    picker.NextMonthBtnClick();
    picker.NextMonthBtnClick();
    EXPECT_EQ(picker.GetDate(), QDate(2004, 2, 29));
    EXPECT_EQ(picker.TitleLabel->text(), "Φεβρουάριος, 2004");
}

TEST(BrDateForm, ButtonsCloseWithTheirResults)
{
    TBrDateForm &picker = *BrDateForm();
    EXPECT_EQ(picker.OkBtn->text(), "&OK");
    EXPECT_EQ(picker.CancelBtn->text(), "&Άκυρο");
    picker.OkBtn->click();
    EXPECT_EQ(picker.result(), mrOk);
    picker.CancelBtn->click();
    EXPECT_EQ(picker.result(), mrCancel);
    picker.reject();
    EXPECT_EQ(picker.result(), mrCancel);
}

} // namespace

#include "coupons/ui/make_user_kup_frm.h"

#include "controls/styled/sty_group_box.h"
#include "coupons/kup_file.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/string_grid.h"
#include "support/qstring_printer.h"
#include "user_kup_fixture.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::coupons;

namespace {

const QString kKupName = QStringLiteral("12_20040301_20040304.kup");

class MakeUserKupFrmTest : public UserKupTest
{
protected:
    void SetUp() override
    {
        UserKupTest::SetUp();
        form = std::make_unique<TMakeUserKupFrm>();
        form->Today = [] { return QDate(2004, 3, 1); };
        form->show();
    }

    void TearDown() override
    {
        form.reset();
        UserKupTest::TearDown();
    }

    // Checks the first league in the current season and lists 1-4 March 2004 by the button.
    void MakeFirstLeague()
    {
        form->DiorgListBox->item(0)->setCheckState(Qt::Checked);
        form->DateFrom->setDate(QDate(2004, 3, 1));
        form->DateTo->setDate(QDate(2004, 3, 4));
        QTest::mouseClick(form->BBtnMake, Qt::LeftButton);
    }

    void ClickCell(int col, int row)
    {
        const TRect rect = form->SGrd->CellRect(col, row);
        QTest::mouseClick(form->SGrd->viewport(), Qt::LeftButton, {},
                          QPoint(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2));
    }

    QString KupPath() const { return JoinPath(MyKouponiaFolder(), kKupName); }

    MessageRecorder messages;
    std::unique_ptr<TMakeUserKupFrm> form;
};

TEST_F(MakeUserKupFrmTest, ShowingPresetsTheDaysByTheWeekday)
{
    EXPECT_EQ(form->windowTitle(), "Κουπόνια Χρήστη");
    EXPECT_EQ(form->StyGroupBox1->Caption(), "Π Α Ρ Α Μ Ε Τ Ρ Ο Ι");
    // 1 March 2004 was a Monday.
    const struct
    {
        int day;
        int from;
        int to;
    } cases[] = {{1, -3, 0}, {2, 0, 2}, {3, -1, 1}, {4, -2, 0}, {5, 0, 3}, {6, -1, 2}, {7, -2, 1}};
    for (const auto &c : cases) {
        const QDate today(2004, 3, c.day);
        form->Today = [today] { return today; };
        form->FormShow();
        EXPECT_EQ(form->DateFrom->date(), today.addDays(c.from)) << c.day;
        EXPECT_EQ(form->DateTo->date(), today.addDays(c.to)) << c.day;
    }
    ASSERT_EQ(form->PeriodCombo->count(), 2);
    EXPECT_EQ(form->PeriodCombo->item(0)->text(), "2003-04");
    EXPECT_EQ(form->PeriodCombo->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(form->DiorgListBox->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->SGrd->RowCount(), 2);
    EXPECT_EQ(form->SGrd->Cells(1, 0), "ΚΩΔ OΠΑΠ");
}

TEST_F(MakeUserKupFrmTest, NoCategoryListsNoMatch)
{
    QTest::mouseClick(form->BBtnMake, Qt::LeftButton);
    EXPECT_EQ(form->SGrd->RowCount(), 1);
}

TEST_F(MakeUserKupFrmTest, SavingWritesTheCouponAndTheCheckedMatchesAfterASort)
{
    messages.Clear();
    MakeFirstLeague();
    ASSERT_EQ(form->SGrd->RowCount(), 4);
    EXPECT_EQ(form->SGrd->Cells(3, 1), "17:00:00");
    EXPECT_EQ(form->SGrd->Cells(9, 1), "2,75");
    EXPECT_EQ(form->SGrd->Cells(10, 1), "2,65");
    EXPECT_EQ(form->SGrd->Cells(11, 1), "2,75");
    EXPECT_EQ(form->SGrd->Cells(9, 2), "1,85");
    form->SGrd->SetCell(1, 1, "21");
    form->SGrd->SetCell(1, 2, "22");
    ClickCell(0, 2); // the played match stays out
    EXPECT_EQ(form->SGrd->Cells(0, 2), "0");
    ClickCell(5, 0); // by home team: Άρης, Βέροια, Γιάννινα
    ASSERT_EQ(form->SGrd->Cells(5, 2), "Βέροια");
    EXPECT_EQ(form->SGrd->Cells(1, 2), "7");
    EXPECT_EQ(form->SGrd->Cells(0, 3), "0");

    messages.QueueInput("12");
    QTest::mouseClick(form->BBtnSave, Qt::LeftButton);

    ASSERT_TRUE(QFileInfo::exists(KupPath()));
    const TKupReadResult read = ReadKupRecords(KupPath());
    ASSERT_EQ(read.records.size(), 2);
    EXPECT_EQ(read.records[0].KupTag, 12);
    EXPECT_EQ(read.records[0].Row.Code, "21");
    EXPECT_EQ(read.records[1].Row.Code, "7");
    EXPECT_EQ(Stored(noTime), QStringList({"21", "2.75", "2.65", "2.75"}));
    EXPECT_EQ(Stored(played), QStringList({"", "1.85", "3.2", "4"}));
    EXPECT_EQ(Stored(coded), QStringList({"7", "2.5", "3.2", "4"}));
}

TEST_F(MakeUserKupFrmTest, BadRowOrNumberChangesNothing)
{
    messages.Clear();
    MakeFirstLeague();
    form->SGrd->SetCell(1, 1, "21");
    form->SGrd->SetCell(1, 2, "22");
    form->SGrd->SetCell(9, 2, "1.8.5");
    QTest::mouseClick(form->BBtnSave, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "Οι αποδόσεις του αγώνα με κωδικό 22 πρέπει να είναι αριθμοί.");

    form->SGrd->SetCell(9, 2, "1,9");
    messages.Clear();
    messages.QueueInput("12a");
    QTest::mouseClick(form->BBtnSave, Qt::LeftButton);
    EXPECT_EQ(messages.Count(), 1); // the prompt only

    EXPECT_FALSE(QFileInfo::exists(KupPath()));
    EXPECT_EQ(Stored(noTime), QStringList({"", "", "", ""}));
    EXPECT_EQ(Stored(played), QStringList({"", "1.85", "3.2", "4"}));
}

} // namespace

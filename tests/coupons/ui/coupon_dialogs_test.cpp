#include "controls/styled/sty_button.h"
#include "controls/styled/sty_image_lists.h"
#include "coupons/kup_file.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/sel_period_frm.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "support/data_module_test_base.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const char *const kChooseCoupon = "Παρακαλώ επιλέξτε ένα κουπόνι!";
const char *const kChooseSeason = "Πρέπει να επιλέξετε μία περίοδο!";

void Touch(const QString &folder, const QString &name, const QByteArray &bytes = {})
{
    ASSERT_TRUE(EnsureFolder(folder));
    WriteBytes(JoinPath(folder, name), bytes);
}

// Clicks a list line through the mouse, as the user chooses a coupon or a season.
void ClickLine(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Clicks a check list's box of the line.
void ToggleLine(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

class CouponDialogsTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        Post(Dm().Kathgories, {{"GrName", "Πρέμιερ"}, {"Kratos", country}, {"OPAP", "ΑΓΓ"}, {"Typos", 0}});
        const int premier = Dm().Kathgories.FieldByName("KatNo").AsInteger();
        AddCompetition(premier, "2002-03", 20);
        newest_ = AddCompetition(premier, "2004-05", 20);
        AddSeason("2003-04");
        const QDate day(2004, 3, 5);
        Touch(KouponiaFolder(), "12_20040301_20040304.kup");
        Touch(KouponiaFolder(), "13_20040305_20040308.kup",
              KupBytes(KupRow("3", day, "", "ΑΓΓ", "", ""), 38051.0, 38054.0, 13) +
                  KupBytes(KupRow("47", day, "", "ΑΓΓ", "", "")));
        messages_.Clear(); // the confirmations of entering the reference data
    }

    int newest_ = 0;
    MessageRecorder messages_;
};

TEST_F(CouponDialogsTest, PickerThenSeasonsThenFilter)
{
    QStringList shownLines;
    int emptyOkRuns = 0;
    ScriptedModalRunner runner([&](QDialog &dialog) -> int {
        if (auto *picker = qobject_cast<TListDeltiaKFrm *>(&dialog)) {
            for (int row = 0; row < picker->List1->count(); ++row)
                shownLines.append(picker->List1->item(row)->text());
            QTest::mouseClick(picker->BBtnOK, Qt::LeftButton);
            emptyOkRuns += picker->isVisible() ? 1 : 0;
            ClickLine(picker->List1, 0);
            QTest::mouseClick(picker->BBtnOK, Qt::LeftButton);
            return dialog.result();
        }
        if (auto *seasons = qobject_cast<TSelPeriodFrm *>(&dialog)) {
            EXPECT_EQ(seasons->PeriodCombo->count(), 3);
            EXPECT_EQ(seasons->PeriodCombo->item(1)->checkState(), Qt::Checked);
            EXPECT_EQ(seasons->PeriodCombo->item(2)->checkState(), Qt::Unchecked);
            ToggleLine(seasons->PeriodCombo, 1);
            QTest::mouseClick(seasons->BBtnOK, Qt::LeftButton);
            return dialog.result();
        }
        auto *filter = qobject_cast<TFilterKupFrm *>(&dialog);
        EXPECT_NE(filter, nullptr);
        QTest::mouseClick(filter->BBtnOK, Qt::LeftButton);
        return dialog.result();
    });

    ASSERT_EQ(RunModal(*ListDeltiaKFrm()), mrOk);
    EXPECT_EQ(shownLines, QStringList({"13  Παρασκευή 05/03/2004 έως Δευτέρα 08/03/2004",
                                       "12  Δευτέρα 01/03/2004 έως Πέμπτη 04/03/2004"}));
    EXPECT_EQ(emptyOkRuns, 1);
    EXPECT_EQ(messages_.Texts(), QStringList{kChooseCoupon});
    EXPECT_EQ(ListDeltiaKFrm()->KupFileName, "13_20040305_20040308.kup");
    EXPECT_EQ(ListDeltiaKFrm()->KupDir, KouponiaFolder() + '/');
    EXPECT_EQ(ListDeltiaKFrm()->KupDateFrom.date(), QDate(2004, 3, 5));
    EXPECT_EQ(ListDeltiaKFrm()->KupDateTo.date(), QDate(2004, 3, 8));

    ASSERT_EQ(RunModal(*SelPeriodFrm()), mrOk);
    EXPECT_EQ(SelPeriodFrm()->Periods, QStringList{"2004-05"});

    TFilterKupFrm &filter = *FilterKupFrm();
    filter.FromMyKouponia = ListDeltiaKFrm()->PageControl1->currentIndex() == 1;
    filter.KupFileName = ListDeltiaKFrm()->KupFileName;
    filter.Periods = SelPeriodFrm()->Periods;
    ASSERT_EQ(RunModal(filter), mrOk);
    EXPECT_EQ(filter.EdtKvdApo->text(), "3");
    EXPECT_EQ(filter.EdtKvdEos->text(), "47");
    EXPECT_EQ(filter.DateFrom->date(), QDate(2004, 3, 5));
    ASSERT_EQ(filter.ChkLstDior->count(), 1);
    EXPECT_EQ(filter.ChkLstDior->item(0)->text(), "Πρέμιερ");
    EXPECT_EQ(filter.CheckedDiorg(), QList<int>{newest_});
    const QStringList odds{filter.EdtAp1From->text(), filter.EdtApXFrom->text(), filter.EdtAp2From->text(),
                           filter.EdtAp1To->text(),   filter.EdtApXTo->text(),   filter.EdtAp2To->text()};
    EXPECT_EQ(odds, QStringList({"1,01", "1,00", "1,00", "30", "30", "30"}));

    filter.ChkAll->click();
    EXPECT_TRUE(filter.CheckedDiorg().isEmpty());
}

TEST_F(CouponDialogsTest, NoSeasonCheckedKeepsTheFormOpenEveryTime)
{
    ScriptedModalRunner runner([&](QDialog &dialog) -> int {
        auto &seasons = static_cast<TSelPeriodFrm &>(dialog);
        for (int row = 0; row < 2; ++row)
            ToggleLine(seasons.PeriodCombo, row);
        QTest::mouseClick(seasons.BBtnOK, Qt::LeftButton);
        QTest::mouseClick(seasons.BBtnOK, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(seasons.BitBtn1, Qt::LeftButton);
        return dialog.result();
    });
    EXPECT_EQ(RunModal(*SelPeriodFrm()), mrCancel);
    EXPECT_EQ(messages_.Texts(), QStringList({kChooseSeason, kChooseSeason}));
}

TEST(CouponPicker, UserCouponsKeepTheirRealFileName)
{
    MessageRecorder messages;
    Touch(MyKouponiaFolder(), "007_20040301_20040304.kup");
    Touch(KouponiaFolder(), "12_20040301_20040304.kup");
    Touch(KouponiaFolder(), "112_20040301_20040304.kup");
    Touch(KouponiaFolder(), "x_20040301_20040304.kup");
    TListDeltiaFrm picker;
    ScriptedModalRunner runner([&](QDialog &) -> int {
        EXPECT_EQ(picker.List1->count(), 2);
        ClickLine(picker.List1, 1);
        QTest::mouseDClick(picker.List1->viewport(), Qt::LeftButton, {},
                           picker.List1->visualItemRect(picker.List1->item(1)).center());
        return picker.result();
    });
    ASSERT_EQ(RunModal(picker), mrOk);
    EXPECT_EQ(picker.KupFileName, "12_20040301_20040304.kup");

    picker.PageControl1->setCurrentIndex(1);
    ASSERT_EQ(picker.List2->count(), 1);
    EXPECT_TRUE(picker.List2->item(0)->text().startsWith("7  "));
    picker.List2->setCurrentRow(0);
    picker.BtnOKClick();
    EXPECT_EQ(picker.KupFilePath, JoinPath(MyKouponiaFolder(), "007_20040301_20040304.kup"));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST(FilterKeys, EachEditTakesOnlyItsKeys)
{
    TFilterKupFrm filter;
    struct TCase
    {
        QLineEdit *edit;
        QString typed;
        QString kept;
    };
    const TCase cases[] = {
        {filter.EdtKvdApo, "1a2,.", "12"},   {filter.EdtKvdEos, "x9", "9"},
        {filter.EdtAp1From, "1,5.a", "1,5"}, {filter.EdtApXTo, "2.5", "25"},
        {filter.EdtAp2To, "b3,", "3,"},
    };
    for (const TCase &c : cases) {
        c.edit->clear();
        QTest::keyClicks(c.edit, c.typed);
        QTest::keyClick(c.edit, Qt::Key_Backspace);
        QTest::keyClicks(c.edit, c.kept.right(1));
        EXPECT_EQ(c.edit->text(), c.kept) << c.typed.toStdString();
    }
}

} // namespace

#include "coupons/ui/betbrain_frm.h"

#include "betbrain_fixture.h"
#include "coupons/kup_file.h"
#include "coupons/ui/betbrain_notes_dlg.h"
#include "coupons/ui/betbrain_prot_range_dlg.h"
#include "coupons/ui/list_deltia_frm.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/core/text_file.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

class BetBrainFormTest : public BetBrainTest
{
protected:
    void SetUp() override
    {
        BetBrainTest::SetUp();
        AddServiceTeam(1, "ΑΡΣΕΝΑΛ");
        AddServiceTeam(2, "ΤΣΕΛΣΙ");
        AddAverages(couponDay.addDays(-1), 1, 2, 1.80, 3.40, 4.50);
        QDir().mkpath(KouponiaFolder());
        TKupRow known = KupRow("5", couponDay, "17:00", "ΑΓΓ", "ΑΡΣΕΝΑΛ", "ΤΣΕΛΣΙ");
        known.Odd1 = "1.90";
        known.OddX = "3.20";
        known.Odd2 = "4.00";
        known.Sign = "1";
        TKupRow unknown = KupRow("2", couponDay, "", "", "Brighton & Hove", "Leeds");
        unknown.Odd1 = "2,10";
        unknown.OddX = "3,00";
        unknown.Odd2 = "3,50";
        WriteBytes(JoinPath(KouponiaFolder(), "1234_20040305_20040308.kup"),
                   KupBytes(known, 38051, 38054, 1234) + KupBytes(unknown));
        site_ = JoinPath(ProgramFolder(), "site");
        QDir().mkpath(site_);
        TRegIniFile("Software\\Tavrolin\\Directories").WriteString("Options", "DeRerUzive", site_);
        WriteTextLines(JoinPath(ProgramFolder(), "HeaderBetBrain.txt"),
                       {"<html>", "<table title=\"A & B\">"});
    }

    // Answers every dialog the form shows: the picker takes the first coupon, the range all rows,
    // the notes get one typed line.
    int Answer(QDialog &dialog)
    {
        if (auto *picker = dynamic_cast<TListDeltiaFrm *>(&dialog)) {
            picker->List1->setCurrentRow(0);
            QTest::mouseClick(picker->BtnOK, Qt::LeftButton);
        } else if (auto *range = dynamic_cast<TProtRangeDlg *>(&dialog)) {
            QTest::mouseClick(range->ChkAll, Qt::LeftButton);
            QTest::mouseClick(range->BtnOK, Qt::LeftButton);
        } else if (auto *notes = dynamic_cast<TNotesDlg *>(&dialog)) {
            EXPECT_EQ(notes->SGrd->RowCount(), 2);
            EXPECT_EQ(notes->SGrd->Cells(8, 1), "5");
            notes->Memo2->setFocus();
            QTest::keyClicks(notes->Memo2, "ok");
            QTest::mouseClick(notes->BtnCancel, Qt::LeftButton);
        }
        return dialog.result();
    }

    QString site_;
};

TEST_F(BetBrainFormTest, ComparesCouponWritesPageAndTipColumnFile)
{
    MessageRecorder messages;
    ScriptedModalRunner runner([this](QDialog &dialog) { return Answer(dialog); });
    TBETBRAINFrm *form = CreateBETBRAINFrm();
    form->show();
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);

    TStringGrid &grid = *form->SGrd;
    ASSERT_EQ(grid.RowCount(), 3);
    const int known = grid.Cells(4, 1) == "ΑΡΣΕΝΑΛ" ? 1 : 2;
    EXPECT_EQ(grid.Cells(6, known), "1,90");
    EXPECT_EQ(grid.Cells(14, known), "1");
    EXPECT_EQ(grid.Cells(19, known), "6,7");
    EXPECT_EQ(grid.Cells(9, 3 - known), "");
    EXPECT_EQ(grid.Cells(1, 3 - known), "ΑΓΓ");
    EXPECT_EQ(form->Label1->text(), "Αγώνες :1  Επιτυχίες 1 από 1 Αποδοση :1,90");
    EXPECT_TRUE(form->windowTitle().endsWith("1234_20040305_20040308.kup"));

    messages.QueueAnswer(mrYes);
    QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(grid.Cells(0, 1), "2");
    const QStringList page = ReadTextLines(JoinPath(ProgramFolder(), "htm/1234_comparisons.htm"));
    ASSERT_GT(page.size(), 2);
    EXPECT_EQ(page.mid(0, 2), QStringList({"<html>", "<table title=\"A & B\">"}));
    EXPECT_TRUE(
        page.contains(QString("<td width=\"12%\">Brighton &amp; Hove") + QString("&nbsp;").repeated(12)));
    EXPECT_EQ(page.last(), "</html>");
    EXPECT_EQ(ReadBytes(JoinPath(site_, "comparisons.htm")),
              ReadBytes(JoinPath(ProgramFolder(), "htm/1234_comparisons.htm")));
    EXPECT_EQ(messages.Texts().last(), "Η ενημέρωση ολοκληρώθηκε.");

    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(JoinPath(site_, "pelvorans.txt")),
              QByteArray("1234_\r\n\xd0\xc5\xcb\xc2\xcf\xd1\xc1\xcd\xd3\r\n55\r\n5,1\r\n#ok\r\n"));
    EXPECT_EQ(messages.Texts().last(), "Η αποθήκευση ολοκληρώθηκε!");

    QTest::mouseClick(form->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(BETBRAINFrm(), nullptr);
}

TEST_F(BetBrainFormTest, FailedTipColumnFileIsReportedAndNothingCopied)
{
    MessageRecorder messages;
    ScriptedModalRunner runner([this](QDialog &dialog) { return Answer(dialog); });
    const QString english = JoinPath(ProgramFolder(), "english");
    QDir().mkpath(english);
    TRegIniFile("Software\\Tavrolin\\Directories").WriteString("Options", "VuVavUdova", english);
    // A folder in the way of the file makes the write fail.
    QDir().mkpath(JoinPath(site_, "pelvorans.txt"));
    TBETBRAINFrm *form = CreateBETBRAINFrm();
    form->show();
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    messages.QueueAnswer(mrYes);
    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    ASSERT_FALSE(messages.Texts().isEmpty());
    EXPECT_TRUE(messages.Texts().last().startsWith("Η αποθήκευση του αρχείου pelvorans.txt απέτυχε."));
    EXPECT_FALSE(messages.Texts().contains("Η αποθήκευση ολοκληρώθηκε!"));
    EXPECT_FALSE(QFileInfo::exists(JoinPath(english, "pelvorans.txt")));
    form->done(mrCancel);
}

} // namespace

#include "coupons/kup_file.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/print_range_dlg.h"
#include "coupons/ui/prn_kup_frm.h"
#include "coupons/ui/view_edit_kup_frm.h"
#include "coupons/ui/view_edit_opt_dlg.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "platform/ui/string_grid.h"
#include "support/pdf_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace tav::coupons;

namespace {

const char *const kCouponName = "5_20040305_20040308.kup";

QString CouponPath(const char *name = kCouponName)
{
    return JoinPath(KouponiaFolder(), QString::fromUtf8(name));
}

void WriteCoupon(const QList<TKupRow> &rows, double from = 38051.0, double to = 38054.0, int tag = 5,
                 const char *name = kCouponName)
{
    ASSERT_TRUE(EnsureFolder(KouponiaFolder()));
    QByteArray bytes;
    for (qsizetype i = 0; i < rows.size(); ++i)
        bytes += i == 0 ? KupBytes(rows[i], from, to, tag) : KupBytes(rows[i]);
    WriteBytes(CouponPath(name), bytes);
}

TKupRow Odds(TKupRow row, const QString &odd1, const QString &oddX, const QString &odd2)
{
    row.Odd1 = odd1;
    row.OddX = oddX;
    row.Odd2 = odd2;
    return row;
}

// Chooses the first coupon of the picker with the mouse and answers the change dialog with its
// Cancel button.
ScriptedModalRunner::Script ChooseFirstCoupon()
{
    return [](QDialog &dialog) -> int {
        if (auto *picker = qobject_cast<TListDeltiaFrm *>(&dialog)) {
            const QRect line = picker->List1->visualItemRect(picker->List1->item(0));
            QTest::mouseClick(picker->List1->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseClick(picker->BtnOK, Qt::LeftButton);
        } else if (auto *options = qobject_cast<TViewEditOptDlg *>(&dialog)) {
            EXPECT_EQ(options->CmbTime->count(), 1);
            EXPECT_EQ(options->CmbAp->currentText(), "0");
            QTest::mouseClick(options->BtnCancel, Qt::LeftButton);
        }
        return dialog.result();
    };
}

// Types a character as the keyboard gives it, Greek letters included.
void Type(QWidget *widget, QChar character)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(character.toUpper().unicode()), QString(character), {});
}

class ViewerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const QDate day(2004, 3, 5);
        TKupRow first = Odds(KupRow("1", day, "20:00:00", "ΑΓΓ", "Arsenal", "Leeds"), "1,50", "3.20", "");
        WriteCoupon({first, Odds(KupRow("2", day, "", "", "Chelsea", "Fulham"), "2,10", "3,00", "3,40"),
                     Odds(KupRow("3", day.addDays(1), " ", "", "Everton", "Wigan"), "1,90", "3,10", "4,00")});
    }

    MessageRecorder messages;
};

TEST_F(ViewerTest, CancelledChangesShowTimesAndOddsRewrittenAndBlankCellsFilledDown)
{
    TViewEditKupFrm &form = *ViewEditKupFrm();
    form.show();
    ScriptedModalRunner runner(ChooseFirstCoupon());
    QTest::mouseClick(form.BtnKup, Qt::LeftButton);

    const TStringGrid &grid = *form.SGrd;
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_TRUE(form.windowTitle().startsWith("ΕΜΦΑΝΙΣΗ-ΑΛΛΑΓΕΣ KΟYΠΟΝΙΟΥ 5"));
    EXPECT_EQ(grid.Cells(0, 0), "ΚΩΔ.");
    EXPECT_EQ(grid.Cells(19, 0), "A/A");
    const QStringList first{"1", "ΑΓΓ", "05/03/2004", "20:00", "ARSENAL", "LEEDS", "1,5", "3,2", "1"};
    for (int col = 0; col < first.size(); ++col)
        EXPECT_EQ(grid.Cells(col, 1), first[col]) << col;
    for (int row : {2, 3}) {
        EXPECT_EQ(grid.Cells(3, row), "20:00");
        EXPECT_EQ(grid.Cells(1, row), "ΑΓΓ");
        EXPECT_EQ(grid.Cells(19, row), QString::number(row));
    }
    EXPECT_EQ(grid.Cells(6, 2), "2,1");
    EXPECT_TRUE(messages.Texts().isEmpty());
    form.close();
}

TEST_F(ViewerTest, SavingStoresTheFilledCellsAndKeepsRangeNumberAndRecords)
{
    TViewEditKupFrm &form = *ViewEditKupFrm();
    form.show();
    ScriptedModalRunner runner(ChooseFirstCoupon());
    QTest::mouseClick(form.BtnKup, Qt::LeftButton);
    messages.QueueAnswer(mrYes);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);

    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Calls().at(0).caption, "ΕΠΙΒΕΒΑΙΩΣΗ");
    EXPECT_EQ(messages.Calls().at(0).defaultButton, mbNo);
    EXPECT_EQ(messages.Last().text, "Η απόθηκευση ολοκληρώθηκε.");
    const TKupReadResult read = ReadKupRecords(CouponPath());
    ASSERT_EQ(read.records.size(), 3);
    EXPECT_EQ(read.records[0].DateFrom, 38051.0);
    EXPECT_EQ(read.records[0].DateTo, 38054.0);
    EXPECT_EQ(read.records[0].KupTag, 5);
    for (int record : {1, 2}) {
        EXPECT_EQ(read.records[record].Row.TimeText, "20:00");
        EXPECT_EQ(read.records[record].Row.Diorg, "ΑΓΓ");
        EXPECT_EQ(read.records[record].KupTag, 0);
    }
    EXPECT_EQ(read.records[0].Row.Odd1, "1,5");
    EXPECT_EQ(read.records[2].Row.MatchDate, QDate(2004, 3, 6));
    form.close();
}

TEST_F(ViewerTest, ACellThatHoldsNoDateIsNotSavedAndTheFileStaysAsItWas)
{
    TViewEditKupFrm &form = *ViewEditKupFrm();
    form.show();
    ScriptedModalRunner runner(ChooseFirstCoupon());
    QTest::mouseClick(form.BtnKup, Qt::LeftButton);
    const QByteArray before = ReadBytes(CouponPath());
    form.SGrd->SetCell(2, 2, "31/02/2004");
    messages.QueueAnswer(mrYes);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);

    EXPECT_EQ(messages.Last().text, "Παρουσιάστηκε σφάλμα στην αποθήκευση του κουπονιού");
    EXPECT_EQ(ReadBytes(CouponPath()), before);
    form.close();
}

TEST_F(ViewerTest, TheSignColumnTakesTheLatinXAndRefusesTheGreekChi)
{
    TViewEditKupFrm &form = *ViewEditKupFrm();
    form.show();
    ScriptedModalRunner runner(ChooseFirstCoupon());
    QTest::mouseClick(form.BtnKup, Qt::LeftButton);
    TStringGrid &grid = *form.SGrd;
    EXPECT_FALSE(grid.FocusCell(0, 1)); // the code is not edited
    EXPECT_FALSE(grid.FocusCell(19, 1));
    ASSERT_TRUE(grid.FocusCell(15, 1));
    grid.setFocus();

    Type(&grid, u'Χ');
    EXPECT_EQ(grid.indexWidget(grid.currentIndex()), nullptr); // nothing typed, no editor
    Type(&grid, u'X');
    auto *editor = qobject_cast<QLineEdit *>(grid.indexWidget(grid.currentIndex()));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "X");
    for (QChar typed : {u'Χ', u'a', u'2'})
        Type(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands its text over once it has closed
    EXPECT_EQ(grid.Cells(15, 1), "X2");
    form.close();
}

class PrnKupTest : public testing::Test
{
protected:
    void TearDown() override { Printer().SetOutputFileName(QString()); }

    // Opens the print form on the coupon through the picker.
    TPrnKupFrm &OpenCoupon()
    {
        TPrnKupFrm &form = *PrnKupFrm();
        form.show();
        ScriptedModalRunner runner(ChooseFirstCoupon());
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        return form;
    }

    // Prints with the range dialog answered through its edits; the printout goes to pdf.
    void Print(TPrnKupFrm &form, const QString &from, const QString &to, bool all = false)
    {
        Printer().SetOutputFileName(pdf);
        ScriptedModalRunner runner([&](QDialog &dialog) -> int {
            auto &range = dynamic_cast<TPrintRangeDlg &>(dialog);
            EXPECT_EQ(range.Edit1->text(), "1");
            range.Edit1->setText(from);
            range.Edit2->setText(to);
            range.ChkAll->setChecked(all);
            QTest::mouseClick(range.BtnOK, Qt::LeftButton);
            return range.result();
        });
        QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath("coupon.pdf");
    MessageRecorder messages;
};

TEST_F(PrnKupTest, RowsComeInDateOrderAndEqualDatesKeepTheirFileOrder)
{
    const QList<QDate> days{{2004, 3, 31}, {2004, 4, 1}, {2004, 3, 30}, {2004, 4, 1}, {2004, 4, 2}};
    QList<TKupRow> rows;
    for (int i = 0; i < days.size(); ++i)
        rows.append(KupRow(QString::number(i + 1), days[i], "18:00", "ΑΓΓ", "H", "A"));
    WriteCoupon(rows, 38076.0, 38079.0);
    TPrnKupFrm &form = OpenCoupon();

    const QStringList order{"3", "1", "2", "4", "5"};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(form.SGrd->Cells(11, row), order[row - 1]) << row;
        EXPECT_EQ(form.SGrd->Cells(0, row), order[row - 1]) << row;
    }
    EXPECT_EQ(form.SGrd->Cells(2, 1), "30/03/2004");
    EXPECT_EQ(form.SGrd->Cells(2, 5), "02/04/2004");
    EXPECT_TRUE(form.windowTitle().startsWith("ΕΚΤΥΠΩΣΗ KΟYΠΟΝΙΟΥ 5"));
    form.close();
}

// A coupon of 70 matches of one day, the teams named by their row.
void WriteLongCoupon()
{
    QList<TKupRow> rows;
    for (int i = 1; i <= 70; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 2, 10, QChar('0'));
        rows.append(KupRow(number, QDate(2004, 3, 5), "18:00", "ΑΓΓ", "HOME" + number, "AWAY" + number));
    }
    WriteCoupon(rows);
}

TEST_F(PrnKupTest, ARangePrintsItsRowsOnlyWithColumnsAsWideAsOnScreenAndRowsAFifthOfAnInchApart)
{
    WriteLongCoupon();
    TPrnKupFrm &form = OpenCoupon();
    Print(form, "5", "8");

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString text = PdfText(pdf);
    for (int row = 1; row <= 70; ++row) {
        const QString home = QStringLiteral("HOME%1").arg(row, 2, 10, QChar('0'));
        EXPECT_EQ(text.contains(home), row >= 5 && row <= 8) << row;
    }
    const PdfPage &page = pages[0];
    const qsizetype home5 = FindWords(page, {"HOME05"});
    const qsizetype away5 = FindWords(page, {"AWAY05"});
    const qsizetype home6 = FindWords(page, {"HOME06"});
    ASSERT_GE(home5, 0);
    ASSERT_GE(away5, 0);
    ASSERT_GE(home6, 0);
    const double inch = 72.0;
    // The home team's column: 120 pixels on the screen, 1,2 inch on paper.
    EXPECT_NEAR(page.Words[away5].Box.left() - page.Words[home5].Box.left(), 1.2 * inch, 1.0);
    EXPECT_NEAR(page.Words[home6].Box.top() - page.Words[home5].Box.top(), 0.2 * inch, 0.5);
    form.close();
}

TEST_F(PrnKupTest, EveryPageStartsWithTheHead)
{
    WriteLongCoupon();
    TPrnKupFrm &form = OpenCoupon();
    Print(form, "", "", true);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    for (const PdfPage &page : pages) {
        EXPECT_GE(FindWords(page, {"ΕΚΤΥΠΩΣΗ", "KΟYΠΟΝΙΟΥ"}), 0);
        EXPECT_GE(FindWords(page, {"ΚΩΔ.", "ΔΙΟΡ"}), 0);
    }
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("HOME01"));
    EXPECT_TRUE(text.contains("HOME70"));
    form.close();
}

TEST_F(PrnKupTest, ARangeThatIsNoNumberShowsTheConversionMessageAndPrintsNothing)
{
    WriteLongCoupon();
    TPrnKupFrm &form = OpenCoupon();
    Print(form, "", "8");

    EXPECT_EQ(messages.Last().text, "'' δεν είναι έγκυρος ακέραιος");
    EXPECT_FALSE(QFile::exists(pdf));
    form.close();
}

TEST_F(ViewerTest, ThePrintoutShowsTheGridAsCorrected)
{
    TViewEditKupFrm &form = *ViewEditKupFrm();
    form.show();
    ScriptedModalRunner chooser(ChooseFirstCoupon());
    QTest::mouseClick(form.BtnKup, Qt::LeftButton);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("viewer.pdf");
    Printer().SetOutputFileName(pdf);
    {
        ScriptedModalRunner runner([](QDialog &dialog) -> int {
            auto &range = dynamic_cast<TPrintRangeDlg &>(dialog);
            EXPECT_EQ(range.Edit2->text(), "4");
            QTest::mouseClick(range.BtnOK, Qt::LeftButton);
            return range.result();
        });
        QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    }
    Printer().SetOutputFileName(QString());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("ARSENAL"));
    EXPECT_TRUE(text.contains("EVERTON"));
    EXPECT_TRUE(text.contains("ΕΜΦΑΝΙΣΗ-ΑΛΛΑΓΕΣ"));
    form.close();
}

} // namespace

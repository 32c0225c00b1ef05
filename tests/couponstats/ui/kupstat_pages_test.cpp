#include "couponstats/ui/kupstat_frm.h"
#include "couponstats/ui/kupstat_next_frm.h"

#include "coupons/proposal_file.h"
#include "couponstats/ui/stat_options_frm.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// A first-page row: code, competition and A/A.
QStringList FirstRow(int n, const QString &diorg, int number)
{
    return FirstPageRow(FirstPageColumns(), n, diorg, "06/03/2004", number);
}

// The words printed on the line of the word, left to right.
QStringList LineOf(const PdfPage &page, const QString &word)
{
    const auto found =
        std::find_if(page.Words.begin(), page.Words.end(), [&](const PdfWord &w) { return w.Text == word; });
    if (found == page.Words.end())
        return {};
    QList<PdfWord> line;
    for (const PdfWord &w : page.Words) {
        if (std::abs(w.Box.center().y() - found->Box.center().y()) < found->Box.height() / 2)
            line.append(w);
    }
    std::sort(line.begin(), line.end(),
              [](const PdfWord &a, const PdfWord &b) { return a.Box.left() < b.Box.left(); });
    QStringList texts;
    for (const PdfWord &w : line)
        texts.append(w.Text);
    return texts;
}

class KupstatPagesTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        SetSpecialEngine(0, SpecialCodeLessTwoEngine);
    }
    void TearDown() override
    {
        SetSpecialEngine(0, {});
        ProgramDataModuleTest::TearDown();
    }

    TKupstatFrm &FirstPage()
    {
        TKupstatFrm &page =
            FirstPageOf(*KupstatFrm(), "12_20040305_20040308.kup",
                        {FirstRow(3, "ΑΓΓ", 1), FirstRow(1, "ΙΤΑ", 2), FirstRow(5, "ΑΓΓ", 3)});
        page.EdtApo->setText("1");
        page.EdtEos->setText("3");
        return page;
    }
};

TEST_F(KupstatPagesTest, ChainFillsPageOneAndReusesItsSuccessor)
{
    MessageRecorder messages;
    TKupstatFrm &first = FirstPage();
    first.EdtEos->setText("");
    QStringList seen;
    int successors = 0;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFrm *>(&dialog)) {
            const bool onFirst = seen.isEmpty();
            return ChooseKind(dialog, onFirst ? 0 : 5, "2", onFirst);
        }
        auto &page = dynamic_cast<TKupstatPage &>(dialog);
        seen.append(page.objectName() + ":" + page.FilterCode);
        if (page.PageNo == 1) {
            EXPECT_EQ(page.LblFilter->text(), "ΒΑΘΜΟΛΟΓΙΑ   Πρόσφατοι Αγωνες ΟΛΟΙ");
            EXPECT_EQ(Column(page, 2), QStringList({"ΑΓΓ", "ΑΓΓ", "ΙΤΑ"}));
            EXPECT_EQ(Column(page, 15), QStringList({"1", "1", "X"}));
            QTest::mouseClick(page.BtnNext, Qt::LeftButton);
            page.BtnNextClick();
            successors = int(page.findChildren<TKupstatPage *>().size());
        } else {
            EXPECT_EQ(Column(page, 12), QStringList(page.Rows().size()));
        }
        return int(mrOk);
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);
    EXPECT_EQ(seen, QStringList({"KupStat_Nextfrm1:BA", "KupStat_Nextfrm2:EB2", "KupStat_Nextfrm2:EB2"}));
    EXPECT_EQ(successors, 1);
    EXPECT_TRUE(messages.Texts().value(0).contains("δεν είναι διαθέσιμη"));
    EXPECT_EQ(LiveKupstatPages().size(), 2);
}

TEST_F(KupstatPagesTest, FirstPageWritesGreekCodeAndKindsWithoutStatisticLeaveColumnsEmpty)
{
    MessageRecorder messages;
    TKupstatFrm &first = FirstPage();
    int kind = 5;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFrm *>(&dialog))
            return ChooseKind(dialog, kind, "2", false);
        return int(mrOk);
    });
    first.BtnNextClick();
    EXPECT_EQ(Kupstat_NextFrm()->FilterCode, "ΕΒ2");
    kind = 11;
    first.BtnNextClick();
    EXPECT_EQ(Kupstat_NextFrm()->FilterCode, "ΕΒ2");
    for (int col = 12; col <= 15; ++col)
        EXPECT_EQ(Column(*Kupstat_NextFrm(), col), QStringList(3)) << col;
}

TEST_F(KupstatPagesTest, RangeThatIsNoNumberStopsTheStep)
{
    MessageRecorder messages;
    TKupstatFrm &first = FirstPage();
    first.EdtApo->setText("-");
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFrm *>(&dialog))
            return ChooseKind(dialog, 0, "2", false);
        ADD_FAILURE() << "no page is shown";
        return int(mrOk);
    });
    first.BtnNextClick();
    ASSERT_EQ(messages.Texts().size(), 1);
}

TEST_F(KupstatPagesTest, TitleClickSortsDifferencesByAbsoluteValue)
{
    TKupstat_NextFrm &page = *Kupstat_NextFrm();
    TPageRows rows;
    for (const char *d : {"-5", "3", "-1"}) {
        QStringList row = BlankRow(SpecialPageColumns());
        row[0] = "1";
        row[14] = d;
        rows.append(row);
    }
    page.SetRows(rows);
    page.show();
    ClickCell(*page.SGrd, 14, 0);
    EXPECT_EQ(Column(page, 14), QStringList({"-1", "3", "-5"}));
    EXPECT_EQ(Column(page, 11), QStringList({"1", "2", "3"}));
}

TEST_F(KupstatPagesTest, AutoListOfTwoStepsBuildsTwoPagesAndWaitsForTheEngine)
{
    TStatOptionsFrm &options = *StatOptionsFrm();
    options.AutoSteps = {{0, 6}, {0, 3}};
    options.AutoCursor = 0;
    TKupstat_NextFrm &page1 = *Kupstat_NextFrm();
    TPageRows rows;
    for (const QStringList &row : {FirstRow(3, "ΑΓΓ", 1), FirstRow(4, "ΙΤΑ", 2)}) {
        QStringList pageRow = BlankRow(SpecialPageColumns());
        for (int c = 0; c <= 11; ++c)
            pageRow[c] = row[c];
        rows.append(pageRow);
    }
    page1.SetRows(rows);
    page1.EdtApo->setText("1");
    page1.EdtEos->setText("10");
    QList<int> cursorsDuringRuns;
    SetSpecialEngine(0, [&](TPageRun &run) {
        // The timer of the page being filled fires: the step has to wait.
        LiveKupstatPages().last()->Timer1Timer();
        cursorsDuringRuns.append(options.AutoCursor);
        SpecialCodeLessTwoEngine(run);
    });
    QStringList built;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        auto &page = dynamic_cast<TKupstatPage &>(dialog);
        built.append(page.FilterCode + "/" + page.Rows().value(0).value(12));
        page.Timer1Timer();
        return int(mrOk);
    });
    page1.BitBtn1Click();
    EXPECT_EQ(built, QStringList({"B6/3", "B3/3"}));
    EXPECT_EQ(cursorsDuringRuns, QList<int>({1, 2}));
    EXPECT_FALSE(options.AutoMode);
    EXPECT_EQ(runner.RunCount(), 2);
}

TEST_F(KupstatPagesTest, ProposalsPrintOnlyTheirRowsRenumbered)
{
    TKupstat_NextFrm &page = *Kupstat_NextFrm();
    page.CouponName = "12_20040305_20040308.kup";
    TPageRows rows;
    for (int code : {41, 17, 29}) {
        QStringList row = BlankRow(SpecialPageColumns());
        row[0] = "1";
        row[1] = QString::number(code);
        row[11] = QString::number(100 + code);
        row[15] = code == 17 ? "" : "X";
        rows.append(row);
    }
    page.SetRows(rows);
    const PdfPrintout pdf("page.pdf");
    ScriptedModalRunner runner([](QDialog &dialog) { return ChoosePrintout(dialog, 1); });
    QTest::mouseClick(page.BtnPrint, Qt::LeftButton);
    const QList<PdfPage> pages = PdfPages(pdf.path);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(PdfText(pdf.path).contains("ΚΟΥΠΟΝΙ"));
    EXPECT_EQ(LineOf(pages[0], "29"), QStringList({"1", "29", "2", "X"}));
    EXPECT_EQ(LineOf(pages[0], "41"), QStringList({"1", "41", "3", "X"}));
    for (const PdfWord &word : pages[0].Words)
        EXPECT_NE(word.Text, "17");
}

TEST_F(KupstatPagesTest, ProposalOfAnotherCouponLoadsNothing)
{
    MessageRecorder messages;
    TKupstatFrm &first = FirstPage();
    WriteBlankCoupon(first.KupFileName);
    const QString other = ProposalFile("99.txt");
    tav::coupons::WriteProposalFile(other, {"99", {{"1", "1", {}}}});
    first.LoadProposalFile(other);
    EXPECT_TRUE(messages.Texts().value(0).startsWith("Η πρόταση αφορά το κουπόνι 99 και δεν συμφωνεί"));
    EXPECT_EQ(first.SGrd->Cells(12, 2), "");

    const QString own = ProposalFile("12.txt");
    tav::coupons::WriteProposalFile(own, {"12", {{"1", "2", {}}}});
    first.LoadProposalFile(own);
    EXPECT_EQ(first.SGrd->Cells(12, 2), "2");
    EXPECT_EQ(first.SGrd->Cells(16, 2), "2");
    QTest::mouseClick(first.ChkProt, Qt::LeftButton);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("000100"));
}

} // namespace

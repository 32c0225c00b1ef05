#include "couponstats/ui/kup_stat_all_frm.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/print_range_dlg.h"
#include "couponstats/stat_all.h"
#include "couponstats/ui/kupstat_frm.h"
#include "couponstats/ui/kupstat_next_frm.h"
#include "couponstats/ui/stat_options_frm.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "12_20040305_20040308.kup";

// The odds, sign and score the summary shows and scores a row by.
QStringList Played(QStringList row, const QString &sign)
{
    row[7] = "1,50";
    row[8] = "3,00";
    row[9] = "6,00";
    row[10] = sign;
    row[17] = "2-1";
    return row;
}

QStringList FirstRow(int code, const QString &diorg, int number, const QString &sign)
{
    return Played(FirstPageRow(FirstPageColumns(), code, diorg, "06/03/2004", number), sign);
}

// Cells of a column of the summary by code.
QMap<QString, QString> ByCode(const TKupStatAllFrm &summary, int col)
{
    QMap<QString, QString> cells;
    for (int r = 1; r < summary.SGrd->RowCount(); ++r)
        cells.insert(summary.SGrd->Cells(1, r), summary.SGrd->Cells(col, r));
    return cells;
}

class KupStatAllFrmTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        SetSpecialEngine(0, SpecialCodeLessTwoEngine);
        SetSpecialEngine(5, SpecialCodeLessTwoEngine);
    }
    void TearDown() override
    {
        SetSpecialEngine(0, {});
        SetSpecialEngine(5, {});
        ProgramDataModuleTest::TearDown();
    }

    // The summary of page 1 alone, as its button fills it.
    TKupStatAllFrm &SummaryOfPageOne(const QList<QStringList> &rows)
    {
        TKupstat_NextFrm &page = *Kupstat_NextFrm();
        page.CouponName = kCoupon;
        page.FilterCode = "B2";
        page.SetRows(rows);
        TKupStatAllFrm &summary = *KupStatAllFrm();
        ScriptedModalRunner runner([&](QDialog &) {
            summary.CouponName = kCoupon;
            summary.FillStatAllGrid();
            return int(mrOk);
        });
        RunModal(page);
        return summary;
    }

    static QStringList PageRow(int code, int number, const QString &value, const QString &sign)
    {
        QStringList row = BlankRow(SpecialPageColumns());
        row[0] = "1";
        row[1] = QString::number(code);
        row[11] = QString::number(number);
        row[14] = value;
        return Played(row, sign);
    }
};

TEST_F(KupStatAllFrmTest, ButtonOfAPageInAChainLaysEveryOpenPageSideBySide)
{
    MessageRecorder messages;
    TKupstatFrm &first =
        FirstPageOf(*KupstatFrm(), kCoupon,
                    {FirstRow(3, "ΑΓΓ", 1, "1"), FirstRow(1, "ΙΤΑ", 2, "X"), FirstRow(5, "ΑΓΓ", 3, "")});
    first.EdtApo->setText("1");
    first.EdtEos->setText("3");
    int options = 0;
    QStringList titles;
    QMap<QString, QString> proposals;
    QMap<QString, QString> secondPage;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFrm *>(&dialog))
            return ChooseKind(dialog, options++ == 0 ? 0 : 5, "2", false);
        if (auto *summary = dynamic_cast<TKupStatAllFrm *>(&dialog)) {
            EXPECT_EQ(summary->GrpBoxKup->title(), kCoupon);
            for (int col = 0; col < summary->SGrd->ColCount(); ++col)
                titles.append(summary->SGrd->Cells(col, 0));
            proposals = ByCode(*summary, kStatAllProposalColumn);
            secondPage = ByCode(*summary, 16);
            QTest::mouseClick(summary->BBtnBack, Qt::LeftButton);
            return dialog.result();
        }
        auto &page = dynamic_cast<TKupstatPage &>(dialog);
        EXPECT_TRUE(page.BBtnStatAll->isVisible());
        QTest::mouseClick(page.PageNo == 1 ? page.BtnNext : page.BBtnStatAll, Qt::LeftButton);
        return int(mrOk);
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);

    ASSERT_EQ(titles.size(), 17);
    EXPECT_EQ(titles.mid(11), QStringList({"A/A", "Προτ0", "ΠΡΟΤ", "ΣΚΟΡ", "B2", "EB2"}));
    // Code 1 proposes X on page 1, which the bound ΔΒΧ >= 0 keeps from page 2.
    EXPECT_EQ(secondPage, (QMap<QString, QString>{{"1", ""}, {"3", "1"}, {"5", "3"}}));
    EXPECT_EQ(proposals, (QMap<QString, QString>{{"1", "X"}, {"3", "1"}, {"5", "1"}}));
    EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join('\n').toStdString();
}

TEST_F(KupStatAllFrmTest, TitleClickSortsAndRenumbersAndOnlyProposalCellsAreSelectable)
{
    TKupStatAllFrm &summary = SummaryOfPageOne({PageRow(41, 1, "-7", "2"), PageRow(17, 2, "12", "1"),
                                                PageRow(29, 3, "3", ""), PageRow(8, 4, "", "X")});
    summary.show();
    ClickCell(*summary.SGrd, kStatAllFirstPageColumn, 0);

    QStringList values;
    QStringList numbers;
    for (int r = 1; r < summary.SGrd->RowCount(); ++r) {
        // A blank value stays where the sort's partition leaves it.
        if (!summary.SGrd->Cells(kStatAllFirstPageColumn, r).isEmpty())
            values.append(summary.SGrd->Cells(kStatAllFirstPageColumn, r));
        numbers.append(summary.SGrd->Cells(11, r));
    }
    EXPECT_EQ(values, QStringList({"-7", "3", "12"}));
    EXPECT_EQ(numbers, QStringList({"1", "2", "3", "4"}));
    for (int col = 0; col < summary.SGrd->ColCount(); ++col)
        EXPECT_EQ(summary.SGrdSelectCell(col, 1), col == 12 || col == 13) << col;
    summary.hide();
}

TEST_F(KupStatAllFrmTest, SavedFileInTheProposalFolderIsWrittenOnceAndLoadsBack)
{
    MessageRecorder messages;
    TKupStatAllFrm &summary = SummaryOfPageOne({PageRow(41, 1, "-7", "2"), PageRow(17, 2, "12", "X")});
    const QString file = JoinPath(tav::coupons::ProposalFolder(), "12.txt");
    {
        ScriptedModalRunner runner([&](QDialog &dialog) {
            auto &chooser = dynamic_cast<QFileDialog &>(dialog);
            chooser.selectFile(file);
            static_cast<QDialog &>(chooser).accept();
            return chooser.result();
        });
        QTest::mouseClick(summary.BitBtn4, Qt::LeftButton);
    }
    EXPECT_EQ(messages.Texts(), QStringList({"Η αποθήκευση ολοκληρώθηκε!"}));
    EXPECT_EQ(QDir(tav::coupons::ProposalFolder()).entryList(QDir::Files), QStringList({"12.txt"}));
    const tav::coupons::TProposalFile saved = tav::coupons::ReadProposalFile(file);
    EXPECT_EQ(saved.couponNumber, "12");
    ASSERT_EQ(saved.lines.size(), 2);
    EXPECT_EQ(saved.lines[0].code + saved.lines[0].sign + saved.lines[1].code + saved.lines[1].sign,
              "171412");

    // Another coupon's file changes nothing; the coupon's own loads and is scored.
    WriteBytes(CouponFile(kCoupon), {});
    const QString other = ProposalFile("99.txt");
    tav::coupons::WriteProposalFile(other, {"99", {{"41", "1", {}}}});
    tav::coupons::WriteProposalFile(file, {"12", {{"41", "2", {}}, {"17", "2", {}}}});
    messages.Clear();
    summary.LoadStatAllProposal(other);
    EXPECT_EQ(ByCode(summary, kStatAllProposalColumn), (QMap<QString, QString>{{"17", "1"}, {"41", "2"}}));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().caption, "Ενημέρωση");
    summary.LoadStatAllProposal(file);
    EXPECT_EQ(ByCode(summary, kStatAllProposalColumn), (QMap<QString, QString>{{"17", "2"}, {"41", "2"}}));
    EXPECT_EQ(messages.Last().text, "Αγώνες :2  Επιτυχίες 1 από 2 Αποδοση :6,00");
}

TEST_F(KupStatAllFrmTest, PrintingProposalsPrintsOnlyRowsWithOne)
{
    TKupStatAllFrm &summary = SummaryOfPageOne({PageRow(41, 1, "-7", "2"), PageRow(93, 2, "", "1")});
    const PdfPrintout pdf("summary.pdf");
    ScriptedModalRunner runner([](QDialog &dialog) { return ChoosePrintout(dialog, 1); });
    QTest::mouseClick(summary.BtnPrint, Qt::LeftButton);
    const QString text = PdfText(pdf.path);
    EXPECT_TRUE(text.contains("ΣΥΓΚΕΝΤΡΩΤΙΚΟΣ")) << text.toStdString();
    EXPECT_TRUE(text.contains("41"));
    EXPECT_FALSE(text.contains("93"));
}

TEST_F(KupStatAllFrmTest, CancellingThePrintRangePrintsNothing)
{
    TKupStatAllFrm &summary = SummaryOfPageOne({PageRow(41, 1, "-7", "2"), PageRow(93, 2, "", "1")});
    const PdfPrintout pdf("summary-rows.pdf");
    bool cancelled = true;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (auto *range = dynamic_cast<TPrintRangeDlg *>(&dialog)) {
            range->ChkAll->setChecked(true);
            return int(cancelled ? mrCancel : mrOk);
        }
        return ChoosePrintout(dialog, 0);
    });
    QTest::mouseClick(summary.BtnPrint, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(pdf.path));
    cancelled = false;
    QTest::mouseClick(summary.BtnPrint, Qt::LeftButton);
    const QString text = PdfText(pdf.path);
    EXPECT_TRUE(text.contains("41")) << text.toStdString();
    EXPECT_TRUE(text.contains("93"));
}

} // namespace

#include "couponstats/over_under_analysis.h"
#include "couponstats/over_under_columns.h"
#include "couponstats/ui/kupstat_forma_o_frm.h"
#include "couponstats/ui/kupstat_next_forma_o_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/print_range_dlg.h"
#include "couponstats/ui/kup_stat_param_frm.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/format.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "123_20050101.kup";
constexpr int kColumns = 108;
constexpr int kDifference = 27;
constexpr int kProposal = 28;

// A stand-in for the over/under grid with the page's positions: ΔB in 27, the proposal in 28, the
// user's column 32, every column carried, columns 7-9, 11-27 and 29-41 by absolute value.
const TPageColumnSet &TestColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s = CarriedColumnSet("T", kColumns);
        s.columns[5].width = 125;
        for (int c = 7; c <= 41; ++c) {
            if (c != 10 && c != kProposal)
                s.sortRule.numericColumns.append(c);
        }
        s.homeColumn = 13;
        s.awayColumn = 20;
        s.differenceColumn = kDifference;
        s.proposalColumn = kProposal;
        s.editableColumns = {kProposal, 32};
        s.saveFields = {13, 20, kDifference};
        return s;
    }();
    return set;
}

// The engine stand-in: home points are the code, away points 2, ΔB and the proposal from them.
void KnownPointsEngine(TPageRun &run)
{
    CodeLessTwo(run, 13, 20, kDifference, kProposal);
}

QStringList PageRow(int code, const QString &difference, const QString &proposal, int number = 0)
{
    return PageRowOf(TestColumns(), code, "01/01/2005", number ? number : code, difference, proposal);
}

class OverUnderPagesTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        ConnectOverUnderPages(TestColumns(), KnownPointsEngine);
        Kupstat_NextFormaOFrm()->InitPageGrid();
    }

    // Page 1 holding the rows, their transfer range wide open.
    TKupstat_NextFormaOFrm &Page(const TPageRows &rows)
    {
        TKupstat_NextFormaOFrm &page = *Kupstat_NextFormaOFrm();
        page.CouponName = kCoupon;
        page.SetRows(rows);
        page.EdtApo->setText("1");
        page.EdtEos->setText("400");
        page.EdtAp1->setText("0");
        page.EdtAp2->setText("-1");
        page.EdtApX->setText("0");
        return page;
    }

    // The rows that ΕΠΟΜΕΝΗ hands to the successor, by code.
    static QStringList HandedOver(TKupstat_NextFormaOFrm &page)
    {
        QStringList codes;
        ScriptedModalRunner runner([&](QDialog &dialog) {
            if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
                return ChooseN(dialog, "6");
            codes = Column(dynamic_cast<TKupstatPage &>(dialog), 1);
            return int(mrOk);
        });
        page.BtnNextClick();
        codes.sort();
        return codes;
    }
};

TEST_F(OverUnderPagesTest, TransferBoundsDropOnlyTheSignTheyGuard)
{
    TKupstat_NextFormaOFrm &page = Page({PageRow(1, "-2", "1"), PageRow(2, "0", "2"), PageRow(3, "-1", "X"),
                                         PageRow(4, "", "1"), PageRow(5, "3", "1"), PageRow(6, "-4", "2")});
    EXPECT_EQ(HandedOver(page), QStringList({"4", "5", "6"}));
}

TEST_F(OverUnderPagesTest, RowNumbersAbove255AreTakenOver)
{
    TKupstat_NextFormaOFrm &page =
        Page({PageRow(1, "", "", 300), PageRow(2, "", "", 5), PageRow(3, "", "", 401)});
    EXPECT_EQ(HandedOver(page), QStringList({"1", "2"}));
}

TEST_F(OverUnderPagesTest, NextTwiceRefillsOneSuccessor)
{
    TKupstat_NextFormaOFrm &page = Page({PageRow(7, "", ""), PageRow(4, "", "")});
    QStringList shown;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
            return ChooseN(dialog, "0", true);
        auto &next = dynamic_cast<TKupstatPage &>(dialog);
        shown.append(next.objectName() + ":" + next.FilterCode + ":" + next.LblFilter->text());
        EXPECT_EQ(next.SGrd->ColCount(), kColumns);
        QStringList differences = Column(next, kDifference);
        differences.sort();
        EXPECT_EQ(differences, QStringList({"2", "5"}));
        return int(mrOk);
    });
    QTest::mouseClick(page.BtnNext, Qt::LeftButton);
    page.BtnNextClick();
    const QString expected = "KupStat_NextFormaOfrm2:BA:ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ   Πρόσφατοι Αγωνες ΟΛΟΙ";
    EXPECT_EQ(shown, QStringList({expected, expected}));
    EXPECT_EQ(page.findChildren<TKupstatPage *>(Qt::FindDirectChildrenOnly).size(), 1);
}

// The program's own 108 columns and engine, as start-up connects them: the successor gets their
// titles, and a row whose match is not stored keeps what it carried.
TEST_F(OverUnderPagesTest, TheProgramsColumnsAndEngineMakeTheSuccessor)
{
    ConnectOverUnderPages(OverUnderPageColumns(), OverUnderEngine());
    Kupstat_NextFormaOFrm()->InitPageGrid();
    TKupstat_NextFormaOFrm &page = Page({PageRow(7, "", "")});
    int pages = 0;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
            return ChooseN(dialog, "6");
        auto &next = dynamic_cast<TKupstatPage &>(dialog);
        ++pages;
        EXPECT_EQ(next.SGrd->ColCount(), kColumns);
        for (int col = 0; col < kColumns; ++col)
            EXPECT_EQ(next.SGrd->Cells(col, 0), OverUnderPageColumns().columns[col].title) << col;
        EXPECT_EQ(Column(next, 1), QStringList({"7"}));
        EXPECT_EQ(Column(next, 13), QStringList({""}));
        return int(mrOk);
    });
    QTest::mouseClick(page.BtnNext, Qt::LeftButton);
    EXPECT_EQ(pages, 1);
}

TEST_F(OverUnderPagesTest, TextThatIsNoNumberStopsTheStepAndChangesNothing)
{
    for (const QString bad : {"ap1", "param"}) {
        MessageRecorder messages;
        TKupstat_NextFormaOFrm &page = Page({PageRow(9, "", ""), PageRow(3, "", "")});
        if (bad == "ap1")
            page.EdtAp1->setText("-");
        ScriptedModalRunner runner(ChooseNoNumberAndNoPage);
        page.BtnNextClick();
        EXPECT_EQ(messages.Count(), 1) << bad.toStdString();
        if (bad == "ap1") {
            EXPECT_EQ(Column(page, 1), QStringList({"9", "3"}));
        }
    }
}

TEST_F(OverUnderPagesTest, ApplyRemovesUntickedRowsAndProposesTheRestAgain)
{
    QList<QStringList> rows;
    for (int code = 1; code <= 6; ++code) {
        QStringList row = PageRow(code, "", "2");
        row[0] = code % 2 ? "1" : "0";
        row[13] = QString::number(code);
        row[20] = "3";
        rows.append(row);
    }
    rows[4][13] = ""; // never analysed: keeps its proposal, and the pass goes on
    TKupstat_NextFormaOFrm &page = Page(rows);
    MessageRecorder messages;
    ScriptedModalRunner runner([](QDialog &dialog) {
        auto &params = dynamic_cast<Tkup_StatParamFrm &>(dialog);
        const std::pair<QLineEdit *, const char *> bounds[] = {
            {params.Edt1Apo, "1"}, {params.Edt1Eos, "500"},  {params.EdtXApo, "0"},
            {params.EdtXEos, "0"}, {params.Edt2Apo, "-500"}, {params.Edt2Eos, "-1"}};
        for (const auto &[edit, text] : bounds)
            edit->setText(text);
        dialog.done(mrOk);
        return int(mrOk);
    });
    QTest::mouseClick(page.SpdBtnApply, Qt::LeftButton);
    EXPECT_EQ(Column(page, 1), QStringList({"1", "3", "5"}));
    EXPECT_EQ(Column(page, kProposal), QStringList({"2", "X", "2"}));
    EXPECT_EQ(page.Checks, QByteArray::fromHex("010101"));
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(OverUnderPagesTest, TitleSortsDifferenceByAbsoluteValueAndAwayMatchesAsText)
{
    TKupstat_NextFormaOFrm &page = Page({PageRow(1, "-5", ""), PageRow(2, "3", ""), PageRow(3, "1", "")});
    page.SGrdMouseUp(kDifference, 0);
    EXPECT_EQ(Column(page, kDifference), QStringList({"1", "3", "-5"}));
    EXPECT_EQ(Column(page, 11), QStringList({"1", "2", "3"}));

    TPageRows rows = page.Rows();
    rows[0][TKupstat_NextFormaOFrm::kAwayMatches] = "9";
    rows[1][TKupstat_NextFormaOFrm::kAwayMatches] = "10";
    rows[2][TKupstat_NextFormaOFrm::kAwayMatches] = "2";
    page.SetRows(rows);
    page.SGrdMouseUp(TKupstat_NextFormaOFrm::kAwayMatches, 0);
    EXPECT_EQ(Column(page, TKupstat_NextFormaOFrm::kAwayMatches), QStringList({"10", "2", "9"}));
}

TEST_F(OverUnderPagesTest, ProposalCellShowsWhetherItHit)
{
    QStringList hit = PageRow(1, "2", "1");
    hit[10] = "1";
    QStringList miss = PageRow(2, "0", "X");
    miss[10] = "2";
    QStringList open = PageRow(3, "0", "X");
    TKupstat_NextFormaOFrm &page = Page({hit, miss, open});
    page.SGrd->SetRow(3);
    page.SGrd->SetCol(32);
    page.SGrd->scrollTo(page.SGrd->model()->index(1, kProposal));
    page.SGrd->resize(1200, 300);
    const QImage image = page.SGrd->viewport()->grab().toImage();
    const auto background = [&](int row) {
        const TRect rect = page.SGrd->CellRect(kProposal, row);
        return image.pixelColor(rect.Right - 4, rect.Bottom - 4);
    };
    EXPECT_EQ(background(1), QColor(155, 241, 153));
    EXPECT_EQ(background(2), QColor(247, 179, 105));
    EXPECT_NE(background(3), QColor(247, 179, 105));
    EXPECT_NE(background(3), QColor(155, 241, 153));

    QList<int> selectable;
    for (int col = 0; col < kColumns; ++col) {
        if (page.SGrdSelectCell(col, 1))
            selectable.append(col);
    }
    EXPECT_EQ(selectable, QList<int>({kProposal, 32}));
}

TEST_F(OverUnderPagesTest, SavedProposalKeepsTheUnderscoreAndItsCopyInDys)
{
    MessageRecorder messages;
    QStringList first = PageRow(5, "6", " 1 ");
    first[13] = "9";
    first[20] = "3";
    QStringList second = PageRow(12, "-1", "2");
    second[13] = "4";
    second[20] = "5";
    TKupstat_NextFormaOFrm &page = Page({second, first, PageRow(8, "0", ""), PageRow(9, "1", "X")});
    page.SGrd->SetCell(1, 4, "  ");
    const QString drumlane = RegisterDrumlane();
    const QString path = ProposalFile("prot.txt");
    ScriptedModalRunner runner([&](QDialog &dialog) { return ChooseFile(dialog, path); });
    QTest::mouseClick(page.BBtnSave, Qt::LeftButton);
    // By code as text, as the save orders them.
    const QByteArray expected = Cp1253("123_\r\n12,2,4,5,-1\r\n5,1,9,3,6\r\n#3 ΣΥΣΤΗΜΑ\r\n#3 ΕΠΙΤΥΧΙΕΣ\r\n");
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(ReadBytes(JoinPath(JoinPath(drumlane, "Dys"), "prot.txt")), expected);
    EXPECT_EQ(messages.Texts(), QStringList({"Η αποθήκευση ολοκληρώθηκε!"}));
}

TEST_F(OverUnderPagesTest, FailedCopyIsNamedAndNotReportedAsDone)
{
    MessageRecorder messages;
    TKupstat_NextFormaOFrm &page = Page({PageRow(5, "6", "1")});
    // Drumlane names a file, so no Dys folder can be made under it.
    WriteBytes(RegisterDrumlane(), "x");
    const QString path = JoinPath(ProgramFolder(), "prot.txt");
    page.WriteProposalFile(path);
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_TRUE(messages.Texts()[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(messages.Texts()[0].contains("Dys"));
}

class OverUnderFirstPageTest : public OverUnderPagesTest
{
protected:
    // A coupon of five matches: one withdrawn with 1,00, one with 1.00, three kept.
    static void WriteCoupon(const QString &name)
    {
        WriteCouponFile(CouponFile(name),
                        {{"1", "ΑΓΓ", "3,20", "2-1", "1-0"},
                         {"2", "ΑΓΓ", "1,00", "0-0", "0-0"},
                         {"3", "ΑΓΓ", "1.00", "1-1", "0-1"},
                         {"4", "ΑΓΓ", "3.10", "", ""},
                         {"5", "ΑΓΓ", "3,30", "3-0", "2-0"}},
                        38356.0);
    }

    static TKupstatFormaOFrm &FirstPage()
    {
        TKupstatFormaOFrm &first = *KupstatFormaOFrm();
        first.InitGrid();
        first.KupFileName = kCoupon;
        ListDeltiaKFrm()->KupDir = tav::coupons::KouponiaFolder() + QDir::separator();
        return first;
    }

    // The first page with the coupon written and loaded.
    static TKupstatFormaOFrm &LoadedFirstPage()
    {
        WriteCoupon(kCoupon);
        TKupstatFormaOFrm &first = FirstPage();
        first.LoadKupFile(false);
        return first;
    }
};

TEST_F(OverUnderFirstPageTest, LoadsGoalsAndNeverTheWithdrawnMatches)
{
    TKupstatFormaOFrm &first = LoadedFirstPage();
    EXPECT_EQ(first.SGrd->ColCount(), 45);
    EXPECT_EQ(first.SGrd->Cells(44, 0), "Ahm");
    const TPageRows rows = first.Rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][1], "1");
    EXPECT_EQ(rows[0].mid(42, 3), QStringList({"2", "1", "1"}));
    EXPECT_EQ(rows[1][1], "4");
    EXPECT_EQ(rows[1].mid(42, 3), QStringList({"", "", ""}));
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010101"));
    EXPECT_EQ(SelectableColumns(*first.SGrd, 1), QList<int>({16}));
}

TEST_F(OverUnderFirstPageTest, UnreadableCouponIsNamed)
{
    MessageRecorder messages;
    TKupstatFormaOFrm &first = FirstPage();
    first.LoadKupFile(false);
    const QString path = CouponFile(kCoupon);
    EXPECT_EQ(messages.Texts(), QStringList({"Σφάλμα στην ανάγνωση του αρχείου " + path}));
}

TEST_F(OverUnderFirstPageTest, FilterThatTakesNothingLeavesOneEmptyRow)
{
    TKupstatFormaOFrm &first = LoadedFirstPage();
    TFilterKupFrm &filter = *FilterKupFrm();
    filter.DateFrom->setDate(QDate(2000, 1, 1));
    filter.DateTo->setDate(QDate(2000, 1, 1));
    for (QLineEdit *edit : {filter.EdtKvdApo, filter.EdtAp1From, filter.EdtApXFrom, filter.EdtAp2From})
        edit->setText("0");
    for (QLineEdit *edit : {filter.EdtKvdEos, filter.EdtAp1To, filter.EdtApXTo, filter.EdtAp2To})
        edit->setText("999");
    first.LoadKupFile(true);
    EXPECT_EQ(first.SGrd->RowCount(), 2);
    EXPECT_EQ(first.Rows(), TPageRows({QStringList(45)}));
    EXPECT_EQ(first.Checks, QByteArray(1, 0));
}

TEST_F(OverUnderFirstPageTest, SavedProposalLoadsIntoTheFirstPageAndTicksItsRows)
{
    MessageRecorder messages;
    TKupstatFormaOFrm &first = LoadedFirstPage();
    QStringList row = PageRow(4, "-1", "2");
    row[13] = "4";
    row[20] = "5";
    TKupstat_NextFormaOFrm &page = Page({row});
    const QString path = ProposalFile("prot.txt");
    page.WriteProposalFile(path);
    WriteBytes(path, ReadBytes(path) + Cp1253("1,X\r\n"));
    messages.Clear();
    first.LoadProposalFile(path);
    EXPECT_EQ(first.Rows()[1].mid(12, 5), QStringList({"2", "4", "5", "-1", "2"}));
    EXPECT_EQ(first.Rows()[0].mid(12, 5), QStringList({"X", "", "", "", "X"}));
    EXPECT_EQ(first.Rows()[2].mid(12, 5), QStringList(5));
    EXPECT_EQ(messages.Count(), 1); // the score of the proposals

    first.SGrdMouseUp(0, 1);
    QTest::mouseClick(first.ChkProt, Qt::LeftButton);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010100"));
    QTest::mouseClick(first.ChkProt, Qt::LeftButton);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("000001"));
}

TEST_F(OverUnderFirstPageTest, ProposalOfAnotherCouponOrUnreadableChangesNothing)
{
    MessageRecorder messages;
    TKupstatFormaOFrm &first = LoadedFirstPage();
    WriteCoupon("1234_20050101.kup");
    const TPageRows before = first.Rows();
    const QString other = ProposalFile("other.txt");
    WriteBytes(other, Cp1253("1234_\r\n1,2\r\n"));
    first.LoadProposalFile(other);
    EXPECT_TRUE(messages.Texts().value(0).startsWith("Η πρόταση αφορά το κουπόνι 1234_ και δεν συμφωνεί"));
    const QString missing = ProposalFile("missing.txt");
    first.LoadProposalFile(missing);
    EXPECT_TRUE(messages.Texts().value(1).contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(first.Rows(), before);
}

TEST_F(OverUnderFirstPageTest, ChainRunsThroughClicksFromTheFirstPage)
{
    MessageRecorder messages;
    TKupstatFormaOFrm &first = LoadedFirstPage();
    first.EdtEos->setText("");
    EXPECT_TRUE(first.BitBtn2->isEnabled());
    QStringList seen;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
            return ChooseN(dialog, seen.isEmpty() ? "0" : "6");
        auto &page = dynamic_cast<TKupstat_NextFormaOFrm &>(dialog);
        QStringList proposals = Column(page, kProposal);
        proposals.sort();
        seen.append(page.objectName() + ":" + page.FilterCode + ":" + proposals.join("/"));
        EXPECT_TRUE(page.BitBtn2->isEnabled());
        EXPECT_TRUE(page.Button1->isHidden());
        if (seen.size() == 1) {
            EXPECT_EQ(page.GrpBoxKup->title(), "ΚΟΥΠΟΝΙ  " + kCoupon);
            for (const QStringList &row : page.Rows()) {
                if (row[1] == "5") {
                    EXPECT_EQ(row.mid(42, 3), QStringList({"3", "0", "2"}));
                }
            }
            QTest::mouseClick(page.BtnNext, Qt::LeftButton);
        }
        return int(mrOk);
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);
    EXPECT_EQ(seen, QStringList({"Kupstat_NextFormaOFrm:B0:1/1/2", "KupStat_NextFormaOfrm2:B6:1/1/2"}));
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(OverUnderPagesTest, PrintoutHeadsEveryPageAndKeepsScreenWidths)
{
    TPageRows rows;
    for (int code = 1; code <= 70; ++code)
        rows.append(PageRow(code, "", code % 2 ? "1" : ""));
    TKupstat_NextFormaOFrm &page = Page(rows);
    const PdfPrintout pdf("ou.pdf");
    bool cancelled = true;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (auto *range = dynamic_cast<TPrintRangeDlg *>(&dialog)) {
            EXPECT_EQ(range->Edit2->text(), "70");
            range->ChkAll->setChecked(true);
            return int(cancelled ? mrCancel : mrOk);
        }
        return ChoosePrintout(dialog, 0);
    });
    QTest::mouseClick(page.BtnPrint, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(pdf.path));
    cancelled = false;
    QTest::mouseClick(page.BtnPrint, Qt::LeftButton);
    const QList<PdfPage> pages = PdfPages(pdf.path);
    ASSERT_GE(pages.size(), 2);
    const QString date = FormatDateTime(QStringLiteral("dd/mm/yyyy"), QDate::currentDate());
    for (const PdfPage &sheet : pages) {
        EXPECT_GE(FindWords(sheet, {"Over-Under", "ΚΟΥΠΟΝΙΟΥ", "ΗΜ/ΝΙΑ", "ΕΚΤΥΠΩΣΗΣ:" + date}), 0);
        EXPECT_GE(FindWords(sheet, {"ΚΟΥΠΟΝΙ"}), 0);
        EXPECT_GE(FindWords(sheet, {"Tavrolin"}), 0);
    }
    const auto left = [&](const QString &word) {
        for (const PdfWord &w : pages[0].Words) {
            if (w.Text == word)
                return w.Box.left();
        }
        ADD_FAILURE() << word.toStdString();
        return 0.0;
    };
    // 600 dots an inch: 180 dots are 21.6 points, 720 dots 86.4.
    EXPECT_NEAR(left("T3") - left("T2"), 21.6, 0.3);
    EXPECT_NEAR(left("T6") - left("T5"), 86.4, 0.3);
    for (const PdfWord &w : pages[0].Words)
        EXPECT_NE(w.Text, "T0"); // the check column stays off paper
    // Rows never run into one another: the codes of two rows lie a line apart at least.
    QList<QRectF> codes;
    for (const PdfWord &w : pages[0].Words) {
        if (w.Text == "1" || w.Text == "2")
            codes.append(w.Box);
    }
    ASSERT_GE(codes.size(), 2);
    std::sort(codes.begin(), codes.end(), [](const QRectF &a, const QRectF &b) { return a.top() < b.top(); });
    for (qsizetype i = 1; i < codes.size(); ++i) {
        if (std::abs(codes[i].top() - codes[i - 1].top()) > 0.5) {
            EXPECT_GE(codes[i].top(), codes[i - 1].bottom());
        }
    }
}

} // namespace

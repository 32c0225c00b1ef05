#include "couponstats/score_proposal.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/scorstat_next_forma_frm.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/print_range_dlg.h"
#include "couponstats/ui/range_dlg.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

constexpr int kColumns = 47;

// A stand-in for the score grid with the page's positions: ΔΤ-Γ in 15, ΔΒ in 19, the proposal in
// 46, every column carried.
const TPageColumnSet &TestColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s = CarriedColumnSet("S", kColumns);
        s.sortRule.numericColumns = {1, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
        s.homeColumn = 15;
        s.awayColumn = 18;
        s.differenceColumn = 19;
        s.proposalColumn = kScoreProposalColumn;
        s.editableColumns = {kScoreProposalColumn};
        return s;
    }();
    return set;
}

// The engine stand-in: rows with an even code are analysed: ΓΥ 4, ΓG 7, ΔΤ-Γ the code, proposal X.
void KnownEngine(TPageRun &run)
{
    ForEachAnalysedRow(run, [](QStringList &row) {
        if (row[kScoreCodeColumn].toInt() % 2)
            return;
        row[kScoreHomeScoredColumn] = "4";
        row[kScoreHomeSumColumn] = "7";
        row[kScoreHomeDifferenceColumn] = row[kScoreCodeColumn];
        row[kScoreProposalColumn] = "X";
    });
}

// A first-page row (13 cells): its number, code and result.
QStringList FirstRow(int number, int code, const QString &sign = QString())
{
    QStringList row(13);
    row[0] = "1";
    row[kScoreNumberColumn] = QString::number(number);
    row[kScoreCodeColumn] = QString::number(code);
    row[kScoreDiorgColumn] = "ΑΓΓ";
    row[4] = "01/01/2005";
    row[kOdd1Column] = "1,50";
    row[kOddXColumn] = "3,20";
    row[kOdd2Column] = "2,10";
    row[kScoreSignColumn] = sign;
    return row;
}

class ScorePagesTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        ConnectScorePages(TestColumns(), KnownEngine);
        Scorstat_NextFormaFrm()->InitPageGrid();
        source_.SetColCount(13);
    }

    // Page 1 filled from a first page of the rows, the range cleared.
    TScorstat_NextFormaFrm &Page(const QList<QStringList> &firstRows)
    {
        SetGridRows(source_, firstRows);
        TScorstat_NextFormaFrm &page = *Scorstat_NextFormaFrm();
        page.CouponName = "123_20050101.kup";
        page.SourceGrid = &source_;
        page.SourceColumns = &page.Columns();
        page.SourceChecks = ChecksOf(firstRows);
        page.RowFrom = 1;
        page.RowTo = 1000;
        page.Bounds = {"0", "-1", "0"};
        page.TakeOverRows();
        page.PageNo = 1;
        return page;
    }

    TStringGrid source_;
};

TEST_F(ScorePagesTest, NextTwiceRefillsOneSuccessorLabelledByItsOptions)
{
    TScorstat_NextFormaFrm &page = Page({FirstRow(1, 4), FirstRow(2, 5), FirstRow(3, 6)});
    page.EdtApo->clear();
    page.EdtEos->clear();
    QStringList labels;
    QStringList codes;
    bool all = false;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TScorOptionsFrm *>(&dialog))
            return ChooseScore(dialog, 0, "6", all);
        auto &next = dynamic_cast<TScorstat_NextFormaFrm &>(dialog);
        labels.append(next.LblFilter->text());
        codes.append(QString::number(next.SGrd->RowCount() - 1));
        return int(mrOk);
    });
    QTest::mouseClick(page.BtnNext, Qt::LeftButton);
    all = true;
    QTest::mouseClick(page.BtnNext, Qt::LeftButton);
    EXPECT_EQ(page.findChildren<TScorstat_NextFormaFrm *>().size(), 1);
    EXPECT_NE(page.findChild<TScorstat_NextFormaFrm *>("Scorstat_NextFormaFrm2"), nullptr);
    EXPECT_EQ(labels, QStringList({"ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)   Πρόσφατοι Αγωνες 6",
                                   "ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)   Πρόσφατοι Αγωνες ΟΛΟΙ"}));
    // Cleared range edits take every ticked row.
    EXPECT_EQ(codes, QStringList({"3", "3"}));
}

TEST_F(ScorePagesTest, NoTickGivesAPageWithoutRows)
{
    QStringList unticked = FirstRow(1, 4);
    unticked[0] = "0";
    TScorstat_NextFormaFrm &page = Page({unticked});
    EXPECT_EQ(page.Rows().size(), 0);
}

TEST_F(ScorePagesTest, SavedProposalNamesRowsByTheirFirstPageNumber)
{
    MessageRecorder messages;
    TScorstat_NextFormaFrm &page = Page({FirstRow(3, 8), FirstRow(1, 2), FirstRow(2, 5)});
    page.RunStatistic(0, 6, QString());
    page.FormShow(); // renumbers the page's own "A/A"
    const QString drumlane = RegisterDrumlane();
    const QString path = ProposalFile("prot.txt");
    ScriptedModalRunner runner([&](QDialog &dialog) { return ChooseFile(dialog, path); });
    QTest::mouseClick(page.BBtnSave, Qt::LeftButton);
    // By code: code 2 was row 1 on the first page, code 8 row 3.
    const QByteArray expected = Cp1253("123\r\n1,X,4,7,\r\n3,X,4,7,\r\n#3 ΣΥΣΤΗΜΑ\r\n#3 ΕΠΙΤΥΧΙΕΣ\r\n");
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(ReadBytes(JoinPath(JoinPath(drumlane, "Dys"), "prot.txt")), expected);
    EXPECT_EQ(messages.Texts(), QStringList({"Η αποθήκευση ολοκληρώθηκε!"}));
}

TEST_F(ScorePagesTest, CalculationShowsHitsAndYield)
{
    MessageRecorder messages;
    TScorstat_NextFormaFrm &page = Page({FirstRow(1, 2, "2"), FirstRow(2, 4, "Χ"), FirstRow(3, 6, "1")});
    page.RunStatistic(0, 6, QString());
    page.SGrd->SetCell(kScoreProposalColumn, 1, "2");
    ScriptedModalRunner runner([&](QDialog &dialog) {
        dynamic_cast<TCalcRangeDlg &>(dialog).ChkAll->setChecked(true);
        return int(mrOk);
    });
    QTest::mouseClick(page.BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(messages.Texts(), QStringList({"Αγώνες :3  Επιτυχίες 2 από 3 Αποδοση :5,30  176,67%  "}));
}

TEST_F(ScorePagesTest, ProposalsPrintoutHoldsOnlyAnalysedRows)
{
    TScorstat_NextFormaFrm &page = Page({FirstRow(1, 2), FirstRow(2, 5), FirstRow(3, 8)});
    page.RunStatistic(0, 6, QString());
    page.SGrd->SetCell(kScoreProposalColumn, 2, "1"); // typed on a row never analysed
    const PdfPrintout pdf("score.pdf");
    ScriptedModalRunner runner([](QDialog &dialog) { return ChoosePrintout(dialog, 1); });
    QTest::mouseClick(page.BtnPrint, Qt::LeftButton);
    const QList<PdfPage> pages = PdfPages(pdf.path);
    ASSERT_EQ(pages.size(), 1);
    QStringList codes;
    for (const PdfWord &w : pages[0].Words) {
        if (w.Text == "2" || w.Text == "5" || w.Text == "8")
            codes.append(w.Text);
    }
    EXPECT_TRUE(codes.contains("2"));
    EXPECT_TRUE(codes.contains("8"));
    EXPECT_FALSE(codes.contains("5"));
}

} // namespace

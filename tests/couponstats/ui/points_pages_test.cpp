#include "couponstats/ui/kupstat_forma_b_frm.h"
#include "couponstats/ui/kupstat_next_forma_b_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/filter_kup_frm.h"
#include "couponstats/operations/history_fixture.h"
#include "couponstats/points_columns.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/string_grid.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// A row of the points first page: the coupon's match with the code on the fixture's day.
QStringList FirstRow(int code, int number, const QString &diorg)
{
    return FirstPageRow(PointsFirstPageColumns(), code, diorg, "05/03/2005", number);
}

// A points page row with ΔB and its proposal, of a competition the program does not hold.
QStringList PageRow(int code, const QString &difference, const QString &proposal)
{
    return PageRowOf(PointsPageColumns(), code, "05/03/2005", code, difference, proposal);
}

class PointsPagesTest : public TeamHistoryTest
{
protected:
    void SetUp() override
    {
        TeamHistoryTest::SetUp();
        // Match 7 of the coupon: its home team won 1 of its 8 home matches; the away team has none.
        Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, \"Date\", OPAPAr) "
             "VALUES (1, 90, 1, 2, 0, ?1, 7)",
             {day.toString(Qt::ISODate)});
        for (int i = 1; i <= 8; ++i)
            Add(kTeam, 10 + i, DaysBefore(i), i == 1 ? 2 : 0, i == 1 ? 0 : 1);
        FilterKupFrm()->Periods = {"2004-05"};
    }
};

TEST_F(PointsPagesTest, ChainFromTheFirstPageThroughClicks)
{
    MessageRecorder messages;
    TKupstatFormaBFrm &first = FirstPageOf(*KupstatFormaBFrm(), "12_20050305_20050306.kup",
                                           {FirstRow(9, 1, "AAA"), FirstRow(7, 2, "GR1")});
    first.EdtEos->setText("");
    QStringList seen;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
            return ChooseN(dialog, seen.isEmpty() ? "0" : "6");
        auto &page = dynamic_cast<TKupstat_NextFormaBFrm &>(dialog);
        seen.append(page.objectName() + ":" + page.LblFilter->text());
        EXPECT_FALSE(ProgressDlg()->isVisible());
        if (page.PageNo == 1) {
            EXPECT_EQ(page.GrpBoxKup->title(), "ΚΟΥΠΟΝΙ  12_20050305_20050306.kup");
            EXPECT_EQ(Column(page, 1), QStringList({"9", "7"}));
            EXPECT_EQ(page.Rows()[1].mid(12, 17), QStringList({"8", "3", "1", "0", "7", "12", "0", "88", "0",
                                                               "0", "0", "0", "", "", "", "3", "1"}));
            EXPECT_EQ(page.Rows()[0].mid(12, 17), QStringList(17));
            EXPECT_TRUE(page.Button1->isHidden());
            QTest::mouseClick(page.BtnNext, Qt::LeftButton);
        } else {
            // N = 6: the latest 6 home matches of the home team; the away team has none away.
            EXPECT_EQ(page.Rows()[1][PtHomePoints], "3");
            EXPECT_EQ(page.Rows()[1][PtHomeWinPct], "17");
            EXPECT_EQ(page.Rows()[1][PtAwayLossPct], "");
        }
        return int(mrOk);
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);
    EXPECT_EQ(seen, QStringList({"KupStat_NextFormaBfrm1:ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ   Πρόσφατοι Αγωνες ΟΛΟΙ",
                                 "KupStat_NextFormaBfrm2:ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ   Πρόσφατοι Αγωνες 6"}));
    EXPECT_EQ(Kupstat_NextFormaBFrm()->FilterCode, "B0");
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(PointsPagesTest, DifferenceBoundDropsOnlyTheSignItGuards)
{
    TKupstat_NextFormaBFrm &page = *Kupstat_NextFormaBFrm();
    page.SetRows({PageRow(1, "1", "1"), PageRow(2, "1", "X"), PageRow(3, "5", "1")});
    page.EdtApo->setText("1");
    page.EdtEos->setText("3");
    page.EdtAp1->setText("2");
    TPageRows next;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
            return ChooseN(dialog, "6");
        next = dynamic_cast<TKupstatPage &>(dialog).Rows();
        return int(mrOk);
    });
    page.BtnNextClick();
    QStringList kept;
    for (const QStringList &row : next)
        kept.append(row[1] + ":" + row[PtDifference] + ":" + row[PtProposal]);
    EXPECT_EQ(kept, QStringList({"2:1:X", "3:5:1"}));
}

TEST_F(PointsPagesTest, NThatIsNoNumberStopsBeforeAnythingChanges)
{
    MessageRecorder messages;
    TKupstat_NextFormaBFrm &page = *Kupstat_NextFormaBFrm();
    page.SetRows({PageRow(1, "1", "1")});
    ScriptedModalRunner runner(ChooseNoNumberAndNoPage);
    page.BtnNextClick();
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_FALSE(ProgressDlg()->isVisible());
}

TEST_F(PointsPagesTest, ProposalLinesCarryHomeAndAwayPointsAndDifference)
{
    MessageRecorder messages;
    TKupstat_NextFormaBFrm &page = *Kupstat_NextFormaBFrm();
    page.CouponName = "12_20050305_20050306.kup";
    QStringList row = PageRow(5, "6", " 1 ");
    row[PtHomePoints] = "9";
    row[PtAwayPoints] = "3";
    page.SetRows({row, PageRow(6, "2", "")});
    const QString path = JoinPath(ProgramFolder(), "points.txt");
    page.WriteProposalFile(path);
    const tav::coupons::TProposalFile file = tav::coupons::ReadProposalFile(path);
    EXPECT_EQ(file.couponNumber, "12");
    ASSERT_EQ(file.lines.size(), 1);
    EXPECT_EQ(file.lines[0].code, "5");
    EXPECT_EQ(file.lines[0].sign, "1");
    EXPECT_EQ(file.lines[0].extra, QStringList({"9", "3", "6"}));
}

TEST_F(PointsPagesTest, OptionsOfferTheirDesignValuesAndAllMatchesSendsZero)
{
    TStatOptionsFormaBFrm &options = *StatOptionsFormaBFrm();
    options.EdtParam->setText("3");
    options.RadioGroup1Click();
    EXPECT_EQ(options.ItemCaption(), "ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ");
    EXPECT_EQ(options.Label1->text(), "Πρόσφατοι Αγωνες");
    EXPECT_EQ(options.EdtParam->text(), "6");
    options.ChkAll->setChecked(true);
    ScriptedModalRunner runner([](QDialog &dialog) {
        dialog.reject();
        return dialog.result();
    });
    EXPECT_EQ(RunModal(options), int(mrCancel));
    EXPECT_EQ(options.EdtParam->text(), "0");
}

class PointsFirstPageTest : public PointsPagesTest
{
protected:
    static TKupstatFormaBFrm &FirstPage()
    {
        QStringList nine = FirstRow(9, 1, "BBB");
        nine[7] = "10";
        QStringList seven = FirstRow(7, 2, "AAA");
        seven[7] = "1,5";
        QStringList twelve = FirstRow(12, 3, "CCC");
        twelve[7] = "2";
        return FirstPageOf(*KupstatFormaBFrm(), "12_20050305_20050306.kup", {nine, seven, twelve});
    }
};

TEST_F(PointsFirstPageTest, TitleClicksTickAndSortWhileNextKeepsTheNumbers)
{
    TKupstatFormaBFrm &first = FirstPage();
    first.show();
    ClickCell(*first.SGrd, 0, 0);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("000000"));
    EXPECT_EQ(Column(first, 0), QStringList({"0", "0", "0"}));
    ClickCell(*first.SGrd, 0, 0);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010101"));
    ClickCell(*first.SGrd, 0, 2);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010001"));

    // "ΑΠ1" orders by number: 1,5 before 2 before 10; "A/A" is written again.
    ClickCell(*first.SGrd, 7, 0);
    EXPECT_EQ(Column(first, 7), QStringList({"1,5", "2", "10"}));
    EXPECT_EQ(Column(first, 1), QStringList({"7", "12", "9"}));
    EXPECT_EQ(Column(first, 11), QStringList({"1", "2", "3"}));
    EXPECT_EQ(first.Checks, QByteArray::fromHex("000101"));

    EXPECT_EQ(SelectableColumns(*first.SGrd, 1), QList<int>({16}));

    // "ΕΠΟΜΕΝΗ" orders by competition before it asks and keeps the numbers.
    ScriptedModalRunner runner([](QDialog &dialog) {
        dialog.reject();
        return dialog.result();
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);
    EXPECT_EQ(Column(first, 2), QStringList({"AAA", "BBB", "CCC"}));
    EXPECT_EQ(Column(first, 11), QStringList({"1", "3", "2"}));
    first.hide();
}

TEST_F(PointsFirstPageTest, ProposalFillsTheRowsOfItsCodesAndTicksThem)
{
    MessageRecorder messages;
    TKupstatFormaBFrm &first = FirstPage();
    WriteBlankCoupon(first.KupFileName);
    const QString path = ProposalFile("points.txt");
    WriteBytes(path, Cp1253("12_\r\n12,1\r\n9,2,5,3,2\r\n#3 ΣΥΣΤΗΜΑ\r\n"));
    first.LoadProposalFile(path);
    const TPageRows rows = first.Rows();
    EXPECT_EQ(rows[2].mid(12, 5), QStringList({"1", "", "", "", "1"}));
    EXPECT_EQ(rows[0].mid(12, 5), QStringList({"2", "5", "3", "2", "2"}));
    EXPECT_EQ(rows[1].mid(12, 5), QStringList(5));
    EXPECT_EQ(messages.Count(), 1); // the score of the proposals

    first.ChkProt->setChecked(false);
    QTest::mouseClick(first.ChkProt, Qt::LeftButton);
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010001"));
    EXPECT_EQ(Column(first, 0), QStringList({"1", "0", "1"}));
}

} // namespace

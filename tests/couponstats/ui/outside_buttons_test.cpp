#include "couponstats/over_under_columns.h"
#include "couponstats/ui/kupstat_forma_b_frm.h"
#include "couponstats/ui/kupstat_forma_o_frm.h"
#include "couponstats/ui/kupstat_next_forma_o_frm.h"

#include "../over_under_outside.h"
#include "couponstats/points_columns.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "1234_20050101.kup";

// The buttons that write into the outside analysis databases, pressed as the user does.
class OutsideButtonsTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        RegisterOverUnderDatabase(overUnder);
        CreateOverUnderTable(overUnder, 6);
    }

    // A first-page row: code, sign and final goals.
    static QStringList FirstRow(const TPageColumnSet &set, const QString &code, const QString &sign,
                                const QString &home, const QString &away)
    {
        QStringList row = BlankRow(set);
        row[0] = "1";
        row[1] = code;
        row[10] = sign;
        row[42] = home;
        row[43] = away;
        return row;
    }

    MessageRecorder messages;
    TDatabase overUnder;
};

TEST_F(OutsideButtonsTest, OverUnderPageExportsIntoTheTableOfItsFilter)
{
    ConnectOverUnderPages(OverUnderPageColumns(), [](TPageRun &) {});
    TKupstat_NextFormaOFrm &page = *Kupstat_NextFormaOFrm();
    page.InitPageGrid();
    QStringList row = BlankRow(OverUnderPageColumns());
    const QStringList head{"1",    "7",    "GR1",  "05/03/2005", "17:30", "Άρης",
                           "Δόξα", "1,85", "3,10", "4,00",       "1"};
    for (int c = 0; c < head.size(); ++c)
        row[c] = head[c];
    row[OuHomeMatches] = "1";
    row[OuAwayMatches] = "1";
    page.SetRows({row});
    page.CouponName = kCoupon;
    page.FilterCode = "B6";
    ASSERT_TRUE(page.BitBtn2->isEnabled());
    QTest::mouseClick(page.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(::Rows(overUnder, "SELECT DArKup, Dcode, Dap1 FROM Anal_va_koup6"),
              (QList<QVariantList>{{1234, 7, 1.85}}));
    EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join("\n").toStdString();
}

TEST_F(OutsideButtonsTest, FirstPagesUpdateTheFinalScores)
{
    // The update goes through every table of the over/under export.
    for (int n : {0, 3, 4, 5})
        CreateOverUnderTable(overUnder, n);
    overUnder.Connection().Execute("INSERT INTO Anal_va_koup6 (DArKup, Dcode) VALUES (1234, 7)");
    TKupstatFormaOFrm &overUnderFirst = FirstPageOf(
        *KupstatFormaOFrm(), kCoupon, {FirstRow(OverUnderFirstPageColumns(), "7", "1", "2", "1")});
    QTest::mouseClick(overUnderFirst.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(::Rows(overUnder, "SELECT DGgip, DGfil, Dsim FROM Anal_va_koup6"),
              (QList<QVariantList>{{2, 1, "1"}}));

    TDatabase points;
    RegisterPointsScoreDatabase(points);
    points.Connection().Execute("INSERT INTO Anal_va_koup VALUES (1234, 7, NULL, NULL, NULL)");
    TKupstatFormaBFrm &pointsFirst =
        FirstPageOf(*KupstatFormaBFrm(), kCoupon, {FirstRow(PointsFirstPageColumns(), "7", "2", "0", "3")});
    QTest::mouseClick(pointsFirst.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(::Rows(points, "SELECT Dsim, Dendf, Dendg FROM Anal_va_koup"),
              (QList<QVariantList>{{"2", 0, 3}}));
    EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join("\n").toStdString();
}

} // namespace

#include "couponstats/score_columns.h"
#include "couponstats/score_proposal.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/scorstat_forma_frm.h"
#include "couponstats/ui/scorstat_next_forma_frm.h"

#include "coupons/kup_file.h"
#include "coupons/proposal_file.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "couponstats/ui/stat_page_fixture.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "123_20050101.kup";

// The engine stand-in: every checked row is analysed; ΔΤ-Γ takes its code, the proposal "1".
void CodeEngine(TPageRun &run)
{
    ForEachAnalysedRow(run, [](QStringList &row) {
        row[ScHomeDifference] = row[ScCode];
        row[ScProposal] = "1";
    });
}

QStringList GridColumn(const TStringGrid &grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid.RowCount(); ++row)
        cells.append(grid.Cells(col, row));
    return cells;
}

class ScoreFirstPageTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        ConnectScorePages(ScorePageColumns(), CodeEngine);
        Scorstat_NextFormaFrm()->InitPageGrid();
    }

    // A coupon of five matches without half-time scores, each won by the home side: codes 2 and 3
    // withdrawn (X odds 1,00 and 1.00), the others kept; code 4 without a competition.
    static void WriteCoupon(const QString &folder, const QString &name)
    {
        QDir().mkpath(folder);
        WriteCouponFile(JoinPath(folder, name),
                        {{"1", "ΑΓΓ", "3,20", "2-1", ""},
                         {"2", "ΑΓΓ", "1,00", "2-1", ""},
                         {"3", "ΑΓΓ", "1.00", "2-1", ""},
                         {"4", "", "3.10", "2-1", ""},
                         {"5", "ΙΤΑ", "3,30", "2-1", ""}},
                        38353.0);
    }

    static TScorStatFormaFrm &LoadedFirstPage(const QString &folder = tav::coupons::KouponiaFolder())
    {
        WriteCoupon(folder, kCoupon);
        TScorStatFormaFrm &first = *ScorStatFormaFrm();
        first.InitGrid();
        first.KupFileName = kCoupon;
        ListDeltiaKFrm()->KupDir = folder + QDir::separator();
        first.LoadKupFile(false);
        return first;
    }

    static QString WriteProposal(const QString &text)
    {
        const QString path = ProposalFile("prot.txt");
        WriteBytes(path, Cp1253(text));
        return path;
    }
};

TEST_F(ScoreFirstPageTest, LoadsOwnCouponsInTheScoreOrderWithoutWithdrawnMatches)
{
    TScorStatFormaFrm &first = LoadedFirstPage(tav::coupons::MyKouponiaFolder());
    EXPECT_EQ(first.windowTitle(), "ΠΡΟΒΛΕΨΗ ΣΚΟΡ ΑΓΩΝΩΝ ΚΟΥΠΟΝΙΟΥ");
    ASSERT_EQ(first.SGrd->ColCount(), 13);
    EXPECT_EQ(first.SGrd->Cells(1, 0), "A/A");
    EXPECT_EQ(first.SGrd->Cells(12, 0), "ΠΡΟΤ");
    const TPageRows rows = first.Rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].mid(0, 13), QStringList({"1", "1", "1", "ΑΓΓ", "01/01/2005", "A1", "B1", "1,50", "3,20",
                                               "4,00", "1", "2-1", ""}));
    // The competition of the match above; the odd written with the comma.
    EXPECT_EQ(rows[1].mid(1, 4), QStringList({"2", "4", "ΑΓΓ", "01/01/2005"}));
    EXPECT_EQ(rows[1][8], "3,10");
    EXPECT_EQ(rows[2].mid(1, 3), QStringList({"3", "5", "ΙΤΑ"}));
    EXPECT_EQ(first.Checks, QByteArray::fromHex("010101"));
    EXPECT_EQ(first.EdtEos->text(), "3");
    EXPECT_TRUE(first.ChkProt->isHidden());
}

TEST_F(ScoreFirstPageTest, ProposalLinesLandFirstAndEachRowIsScoredOnce)
{
    MessageRecorder messages;
    TScorStatFormaFrm &first = LoadedFirstPage();
    // Row 1 twice: the later line stays; row 3 is the hit on its 1,50.
    const QString path =
        WriteProposal("123\r\n1,2,4,7,\r\n3,1,5,8,\r\n1,Χ\r\n#3 ΣΥΣΤΗΜΑ\r\n#3 ΕΠΙΤΥΧΙΕΣ\r\n");
    first.LoadScoreProposal(path);
    const TPageRows rows = first.Rows();
    EXPECT_EQ(rows[0][12], "Χ");
    EXPECT_EQ(rows[1][12], "");
    EXPECT_EQ(rows[2][12], "1");
    EXPECT_EQ(messages.Texts(), QStringList({"Αγώνες :2  Επιτυχίες 1 από 2 Αποδοση :1,50"}));
    EXPECT_EQ(first.SGrd->Row(), 1);
}

TEST_F(ScoreFirstPageTest, ProposalOfNoOrAnotherCouponOrUnreadableChangesNothing)
{
    MessageRecorder messages;
    TScorStatFormaFrm &first = LoadedFirstPage();
    WriteCoupon(tav::coupons::KouponiaFolder(), "1234_20050101.kup");
    // A coupon whose name starts with "_" is what an empty number would find.
    WriteCoupon(tav::coupons::KouponiaFolder(), "_20050101.kup");
    const TPageRows before = first.Rows();
    first.LoadScoreProposal(WriteProposal("1234\r\n1,2\r\n"));
    first.KupFileName = "_20050101.kup";
    first.LoadScoreProposal(WriteProposal("\r\n1,2\r\n"));
    first.KupFileName = kCoupon;
    const QString missing = ProposalFile("missing.txt");
    first.LoadScoreProposal(missing);
    ASSERT_EQ(messages.Texts().size(), 3);
    EXPECT_EQ(messages.Texts()[0], "Η πρόταση αφορά το κουπόνι 1234 και δεν συμφωνεί με αυτό που έχετε "
                                   "φορτώσει!Παρακαλώ κάντε ανάλυση στο κουπόνι 1234 και μετά φορτώστε την "
                                   "πρόταση.");
    EXPECT_TRUE(messages.Texts()[1].startsWith("Η πρόταση αφορά το κουπόνι  και δεν συμφωνεί"));
    EXPECT_TRUE(messages.Texts()[2].contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(first.Rows(), before);
}

TEST_F(ScoreFirstPageTest, RangeThatIsNoNumberLeavesThePagesAlone)
{
    MessageRecorder messages;
    TScorStatFormaFrm &first = LoadedFirstPage();
    first.SGrd->SetCell(ScDiorg, 1, "ΩΩΩ"); // a sort by competition would move this row last
    first.EdtEos->setText("-");
    int shown = 0;
    ScriptedModalRunner runner([&](QDialog &) {
        ++shown;
        return int(mrOk);
    });
    first.BtnNextClick();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(first.SGrd->Cells(ScDiorg, 1), "ΩΩΩ");
}

TEST_F(ScoreFirstPageTest, ChainRunsThroughClicksFromTheMenuPageToItsSuccessor)
{
    MessageRecorder messages;
    TScorStatFormaFrm &first = LoadedFirstPage();
    first.LoadScoreProposal(WriteProposal("123\r\n3,2\r\n"));
    messages.Clear();
    first.EdtApo->clear();
    first.EdtEos->clear();
    first.show();
    // The title of the check column inverts every tick; a click on row 2's tick brings it back.
    ClickCell(*first.SGrd, 0, 0);
    ClickCell(*first.SGrd, 0, 2);
    ASSERT_EQ(first.Checks, QByteArray::fromHex("000100"));
    first.SGrdMouseUp(0, 3);

    QStringList seen;
    ScriptedModalRunner runner([&](QDialog &dialog) {
        if (dynamic_cast<TScorOptionsFrm *>(&dialog))
            return ChooseScore(dialog, seen.isEmpty() ? 1 : 0, "6", false);
        auto &page = dynamic_cast<TScorstat_NextFormaFrm &>(dialog);
        seen.append(page.objectName() + ":" + GridColumn(*page.SGrd, ScCode).join("/") + ":" +
                    GridColumn(*page.SGrd, kScoreFirstNumberColumn).join("/") + ":" +
                    GridColumn(*page.SGrd, ScHomeMatches).join("/") + ":" + page.LblFilter->text());
        if (seen.size() == 1) {
            EXPECT_EQ(page.windowTitle(), "ΑΝΑΛΥΣΗ ΣΚΟΡ ΚΟΥΠΟΝΙΟΥ");
            QTest::mouseClick(page.BtnNext, Qt::LeftButton);
        }
        return int(mrOk);
    });
    QTest::mouseClick(first.BtnNext, Qt::LeftButton);
    // The loaded proposal arrives in "ΑΓ." and the first page's numbers travel with the rows.
    EXPECT_EQ(seen, QStringList({"Scorstat_NextFormaFrm:4/5:2/3:/2:ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ+ΕΚΤΟΣ)   "
                                 "Πρόσφατοι Αγωνες 6",
                                 "Scorstat_NextFormaFrm2:4/5:2/3:/2:ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)   "
                                 "Πρόσφατοι Αγωνες 6"}));
    EXPECT_EQ(messages.Count(), 0);
    first.hide();
}

} // namespace

#include "coupons/analysis_proposal.h"

#include "analysis_grid_rows.h"
#include "coupons/kup_file.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const QString kKup = "1234_20040305_20040308.kup";
// "1234", " 5,1", "6,X", "7,2" and the two closing lines in code page 1253.
const QByteArray kSavedBytes("1234\r\n 5,1\r\n6,X\r\n7,2\r\n#3 \xd3\xd5\xd3\xd4\xc7\xcc\xc1\r\n"
                             "#3 \xc5\xd0\xc9\xd4\xd5\xd7\xc9\xc5\xd3\r\n");

class AnalysisProposalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        drumlane = JoinPath(CurrentTestFolders().Root(), "Drumlane");
        ASSERT_TRUE(EnsureFolder(JoinPath(drumlane, "Dys")));
        TRegIniFile("Software\\Tavrolin\\Directories").WriteString("Options", "Drumlane", drumlane);
        path = JoinPath(ProposalDialogFolder(), "p.txt");
    }

    // The extended layout with the agreement columns set: codes " 5", "6", "7" with results 1, 2
    // and "?", the odds of the first 2,10, 3,20 and 4,00; the proposals in column 30 as given.
    QList<QStringList> ExtendedGrid(const QStringList &proposals)
    {
        QList<QStringList> grid = AnalysisGrid(true, 5);
        const QStringList codes{" 5", "6", "7", "", "8"};
        const QStringList results{"1", "2", "?", "1", "X"};
        for (int row = 1; row <= 5; ++row) {
            QStringList &cells = grid[row];
            cells[AnOpapCode] = codes[row - 1];
            cells[AnSign] = results[row - 1];
            cells[AnOdd1] = "2,10";
            cells[AnOdd1 + 1] = "3,20";
            cells[AnOdd1 + 2] = "4,00";
            cells[AnAgree1] = "T" + QString::number(row);
            cells[AnExtProposal] = proposals.value(row - 1);
        }
        return grid;
    }

    void AddCoupon(const QString &name)
    {
        ASSERT_TRUE(EnsureFolder(KouponiaFolder()));
        WriteBytes(JoinPath(KouponiaFolder(), name), {});
    }

    MessageRecorder messages;
    QString drumlane;
    QString path;
};

TEST_F(AnalysisProposalTest, SaveWritesTheLayoutsProposalsAndCopiesToDys)
{
    // Row 4 has a sign but no code, row 5 a code but only blanks for a sign.
    const QList<QStringList> grid = ExtendedGrid({"1", " X ", "2", "1", "  "});

    ASSERT_TRUE(SaveProposal(path, grid, kKup));

    EXPECT_EQ(ReadBytes(path), kSavedBytes);
    EXPECT_EQ(ReadBytes(JoinPath(drumlane, "Dys/p.txt")), kSavedBytes);
    EXPECT_EQ(messages.Texts(), QStringList{"Η αποθήκευση ολοκληρώθηκε!"});
}

TEST_F(AnalysisProposalTest, SaveWithoutProposalsWritesTheNumberAndTheClosingLines)
{
    ASSERT_TRUE(SaveProposal(path, AnalysisGrid(false, 2), "coupon.kup"));
    EXPECT_EQ(ReadBytes(path), QByteArray("\r\n#3 \xd3\xd5\xd3\xd4\xc7\xcc\xc1\r\n"
                                          "#3 \xc5\xd0\xc9\xd4\xd5\xd7\xc9\xc5\xd3\r\n"));
}

TEST_F(AnalysisProposalTest, SaveWithoutADysFolderKeepsOnlyOurFile)
{
    QDir(JoinPath(drumlane, "Dys")).removeRecursively();
    ASSERT_TRUE(SaveProposal(path, ExtendedGrid({"1"}), kKup));
    EXPECT_FALSE(QFileInfo::exists(JoinPath(drumlane, "Dys")));
    EXPECT_EQ(messages.Count(), 1);
}

TEST_F(AnalysisProposalTest, SaveThatCannotWriteSaysSoAndCopiesNothing)
{
    const QString missing = JoinPath(CurrentTestFolders().Root(), "none/p.txt");

    EXPECT_FALSE(SaveProposal(missing, ExtendedGrid({"1"}), kKup));

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.startsWith("Η πρόταση δεν αποθηκεύτηκε."))
        << messages.Last().text.toStdString();
    EXPECT_TRUE(messages.Last().text.contains("p.txt"));
    EXPECT_FALSE(QFileInfo::exists(JoinPath(drumlane, "Dys/p.txt")));
}

TEST_F(AnalysisProposalTest, LoadBackScoresTheProposalColumnAndKeepsTheAgreementColumns)
{
    AddCoupon(kKup);
    ASSERT_TRUE(SaveProposal(path, ExtendedGrid({"1", "X", "2"}), kKup));
    QList<QStringList> grid = ExtendedGrid({});
    messages.Clear();

    ASSERT_TRUE(LoadProposal(path, grid, kKup));

    EXPECT_EQ(messages.Texts(), QStringList{"Αγώνες :3  Επιτυχίες 1 από 3 Αποδοση :2,10"});
    const QStringList expected{"1", "X", "2", "", ""};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(grid[row][AnExtProposal], expected[row - 1]) << row;
        EXPECT_EQ(grid[row][AnAgree1], "T" + QString::number(row)) << row;
    }
}

TEST_F(AnalysisProposalTest, LoadOfTheOrdinaryLayoutWritesColumn27AndCountsEveryRowOfACode)
{
    AddCoupon(kKup);
    WriteBytes(path, "1234\r\n5,2,10,-4,2\r\n6,1 # note\r\n#3 x\r\n8,X\r\n");
    QList<QStringList> grid = AnalysisGrid(false, 3);
    const QStringList codes{"5", " 5 ", "8"};
    const QStringList results{"2", "1", "Χ"};
    for (int row = 1; row <= 3; ++row) {
        grid[row][AnOpapCode] = codes[row - 1];
        grid[row][AnSign] = results[row - 1];
        grid[row][AnOdd1] = "1,50";
        grid[row][AnOdd1 + 1] = "3,00";
        grid[row][AnOdd1 + 2] = "5,25";
    }

    ASSERT_TRUE(LoadProposal(path, grid, kKup));

    // "X" proposed for a Greek "Χ" result is no hit: the signs are compared as written.
    EXPECT_EQ(messages.Texts(), QStringList{"Αγώνες :3  Επιτυχίες 1 από 3 Αποδοση :5,25"});
    EXPECT_EQ(grid[1][AnProposal], "2");
    EXPECT_EQ(grid[2][AnProposal], "2");
    EXPECT_EQ(grid[3][AnProposal], "X");
}

TEST_F(AnalysisProposalTest, LoadOfAnotherCouponsProposalLeavesTheGrid)
{
    ASSERT_TRUE(SaveProposal(path, ExtendedGrid({"1", "X", "2"}), kKup));
    const QList<QStringList> before = ExtendedGrid({});
    QList<QStringList> grid = before;
    messages.Clear();

    EXPECT_FALSE(LoadProposal(path, grid, kKup));

    EXPECT_EQ(grid, before);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text,
              "Η πρόταση αφορά το κουπόνι 1234 και δεν συμφωνεί με αυτό που έχετε φορτώσει!"
              "Παρακαλώ κάντε ανάλυση στο κουπόνι 1234 και μετά φορτώστε την πρόταση.");
    EXPECT_EQ(messages.Last().caption, "Ενημέρωση");
    EXPECT_EQ(messages.Last().buttons, QList<TMsgDlgBtn>{mbOK});
}

TEST_F(AnalysisProposalTest, LoadThatFailsChangesNothing)
{
    AddCoupon(kKup);
    WriteBytes(path, "1234\r\n6,X\r\n 5,1\r\n");
    QList<QStringList> grid = ExtendedGrid({});
    grid[1][AnOdd1] = "δύο";
    const QList<QStringList> before = grid;

    EXPECT_FALSE(LoadProposal(path, grid, kKup));
    EXPECT_FALSE(LoadProposal(JoinPath(ProgramFolder(), "missing.txt"), grid, kKup));

    EXPECT_EQ(grid, before);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_TRUE(messages.Calls()[0].text.contains("δύο")) << messages.Calls()[0].text.toStdString();
    EXPECT_TRUE(messages.Calls()[1].text.contains("missing.txt")) << messages.Calls()[1].text.toStdString();
}

} // namespace

#include "couponstats/score_proposal.h"

#include "platform/core/codepage.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// An analysis page row: the page's own number, the first page's number, code, odds, result,
// ΓΥ, ΓG and proposal.
QStringList PageRow(const QString &number, const QString &firstNumber, const QString &code,
                    const QString &sign, const QString &proposal)
{
    QStringList row(kScoreFirstNumberColumn + 1);
    row[0] = QStringLiteral("1");
    row[kScoreNumberColumn] = number;
    row[kScoreCodeColumn] = code;
    row[kOdd1Column] = QStringLiteral("1,50");
    row[kOddXColumn] = QStringLiteral("3,20");
    row[kOdd2Column] = QStringLiteral("2,10");
    row[kScoreSignColumn] = sign;
    row[kScoreHomeScoredColumn] = QStringLiteral("4");
    row[kScoreHomeSumColumn] = QStringLiteral("7");
    row[kScoreProposalColumn] = proposal;
    row[kScoreFirstNumberColumn] = firstNumber;
    return row;
}

QList<int> AllRows(const TPageRows &rows)
{
    QList<int> all;
    for (int r = 0; r < rows.size(); ++r)
        all.append(r);
    return all;
}

TEST(ScoreProposalTest, TheFileNamesEachRowByItsFirstPageNumber)
{
    const TPageRows rows = {PageRow("1", "3", "17", "", "X"), PageRow("2", "5", "18", "", " "),
                            PageRow("3", "", "19", "", "1")};
    const tav::coupons::TProposalFile file = ScoreProposalFile(QStringLiteral("123_20050101.kup"), rows);
    EXPECT_EQ(file.couponNumber, QStringLiteral("123"));
    ASSERT_EQ(file.lines.size(), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.txt"));
    tav::coupons::WriteProposalFile(path, file);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(),
              ToCodePage(QStringLiteral("123\r\n3,X,4,7,\r\n#3 ΣΥΣΤΗΜΑ\r\n#3 ΕΠΙΤΥΧΙΕΣ\r\n"),
                         CodePage::Windows1253));
}

TEST(ScoreProposalTest, TheSummaryCountsHitsAndTheirOdds)
{
    struct TCase
    {
        TPageRows rows;
        QString summary;
    };
    const TCase cases[] = {
        {{PageRow("1", "1", "1", "2", "2"), PageRow("2", "2", "2", "1", "X"),
          PageRow("3", "3", "3", "X", "1"), PageRow("4", "4", "4", "", "1")},
         QStringLiteral("Αγώνες :3  Επιτυχίες 1 από 3 Αποδοση :2,10  70,00%  ")},
        // The Greek capital Chi and the Latin X are one sign: the hit takes the odd of X.
        {{PageRow("1", "1", "1", "Χ", "X")},
         QStringLiteral("Αγώνες :1  Επιτυχίες 1 από 1 Αποδοση :3,20  320,00%  ")},
        {{PageRow("1", "1", "1", "Χ", "Χ")},
         QStringLiteral("Αγώνες :1  Επιτυχίες 1 από 1 Αποδοση :3,20  320,00%  ")},
        // No result yet: nothing to divide by, the yield reads 0,00.
        {{PageRow("1", "1", "1", "", "1")},
         QStringLiteral("Αγώνες :0  Επιτυχίες 0 από 0 Αποδοση :0,00  0,00%  ")},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.summary.toStdString());
        EXPECT_EQ(ScoreSummaryText(TallyScoreRows(c.rows, AllRows(c.rows), kScoreProposalColumn)), c.summary);
    }
}

TEST(ScoreProposalTest, LoadingAppliesEveryLineThenScoresEachRowOnce)
{
    QStringList first(13);
    first[kScoreNumberColumn] = QStringLiteral("3");
    first[kScoreSignColumn] = QStringLiteral("2");
    first[kOdd2Column] = QStringLiteral("2,10");
    QStringList second = first;
    second[kScoreNumberColumn] = QStringLiteral("4");
    second[kScoreSignColumn] = QString();
    TPageRows rows = {first, second};
    tav::coupons::TProposalFile file;
    file.lines = {{QStringLiteral("3"), QStringLiteral("1"), {QStringLiteral("4"), QStringLiteral("7"), {}}},
                  {QStringLiteral("4"), QStringLiteral("X"), {}},
                  {QStringLiteral("3"), QStringLiteral("2"), {QStringLiteral("5"), QStringLiteral("8"), {}}}};
    const QList<int> received = ApplyScoreProposal(rows, file);
    EXPECT_EQ(received, QList<int>({0, 1}));
    EXPECT_EQ(rows[0][kScoreFirstPageProposalColumn], QStringLiteral("2"));
    EXPECT_EQ(rows[0][kScoreFirstPageExtraColumn], QStringLiteral("5"));
    EXPECT_EQ(rows[0][kScoreFirstPageExtraColumn + 1], QStringLiteral("8"));
    EXPECT_EQ(rows[1][kScoreFirstPageProposalColumn], QStringLiteral("X"));
    EXPECT_EQ(LoadSummaryText(TallyScoreRows(rows, received, kScoreFirstPageProposalColumn)),
              QStringLiteral("Αγώνες :1  Επιτυχίες 1 από 1 Αποδοση :2,10"));
}

} // namespace

#include "couponstats/stat_all.h"

#include "coupons/row_sort.h"
#include "platform/core/errors.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// A page row of the code whose summary value is the given cell.
QStringList PageRow(const QString &code, const QString &value)
{
    QStringList row = BlankRow(SpecialPageColumns());
    row[1] = code;
    row[14] = value;
    return row;
}

// A summary row of code 1 with the page values and a proposal already there.
QStringList SummaryRow(const QStringList &values, const QString &proposal = "K")
{
    QStringList row(kStatAllFirstPageColumn);
    row[1] = "1";
    row[kStatAllProposalColumn] = proposal;
    return row + values;
}

TEST(StatAll, RowsTakePageOneAndEachPagesValueByTrimmedCode)
{
    QStringList one = BlankRow(SpecialPageColumns());
    for (int col = 1; col <= 17; ++col)
        one[col] = "c" + QString::number(col);
    one[1] = " 7";
    const QList<TStatAllPage> pages = {{"B2", {PageRow("8", "9"), PageRow("7 ", "3")}, &SpecialPageColumns()},
                                       {"ΦA", {PageRow("8", "1")}, &SpecialPageColumns()}};

    const TPageRows rows = StatAllRows({one}, pages);

    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QStringList{"", " 7", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10", "c11",
                                    "c16", "", "c17", "3", ""}));
    EXPECT_EQ(StatAllBaseColumns().size(), kStatAllFirstPageColumn);
    EXPECT_EQ(StatAllBaseColumns()[kStatAllProposalColumn].title, "ΠΡΟΤ");
}

TEST(StatAll, ConsensusNeedsEveryWholeNumberInOneBand)
{
    struct Case
    {
        QStringList values;
        QString expected;
    };
    const Case cases[] = {
        {{"3", "5"}, "1"},        {{"3", "-2"}, "K"},   {{"3", ""}, "1"}, {{"", "-2"}, "X"},
        {{"-7", "-500"}, "2"},    {{"1,5", "-8"}, "2"}, {{}, "K"},        {{"", " "}, "K"},
        {{"0", "-4", "-1"}, "X"}, {{"501", "3"}, "K"},
    };
    for (const Case &c : cases) {
        TPageRows rows = {SummaryRow(c.values)};
        SetConsensusProposals(rows, kDefaultsA);
        EXPECT_EQ(rows[0][kStatAllProposalColumn], c.expected) << c.values.join('|').toStdString();
    }
}

TEST(StatAll, ALaterBandOverwritesAnEarlierOne)
{
    TPageRows rows = {SummaryRow({"0"}, "")};
    SetConsensusProposals(rows, {0, 5, 0, 0, -5, 0});
    EXPECT_EQ(rows[0][kStatAllProposalColumn], "2");
}

TEST(StatAll, SortRuleTakesOddsNumberAndEveryPageColumnAsNumbers)
{
    const tav::coupons::TRowSortRule rule = StatAllSortRule(17);
    EXPECT_EQ(rule.numericColumns, (QList<int>{7, 8, 9, 11, 15, 16}));
    EXPECT_FALSE(rule.absoluteValues);
    for (int seed = 0; seed < 8; ++seed) {
        TPageRows rows = {SummaryRow({"10"}), SummaryRow({""}),    SummaryRow({"-3"}),
                          SummaryRow({"x"}),  SummaryRow({"2,5"}), SummaryRow({"2"})};
        SortStatAllRows(rows, 15, 16, [&](int low, int high) { return low + seed % (high - low + 1); });
        QStringList values;
        for (const QStringList &row : rows)
            values.append(row[15]);
        EXPECT_EQ(values, (QStringList{"-3", "2", "2,5", "10", "", "x"})) << seed;
    }
}

TEST(StatAll, ProposalFileKeepsRowsWithCodeAndProposal)
{
    TPageRows rows = {SummaryRow({}, " X "), SummaryRow({}, ""), SummaryRow({}, "1")};
    rows[1][1] = "2";
    rows[2][1] = " ";
    const tav::coupons::TProposalFile file = StatAllProposalFile("123_20040305.kup", rows);
    EXPECT_EQ(file.couponNumber, "123");
    ASSERT_EQ(file.lines.size(), 1);
    EXPECT_EQ(file.lines[0].code, "1");
    EXPECT_EQ(file.lines[0].sign, "X");
    EXPECT_TRUE(file.lines[0].extra.isEmpty());
}

TEST(StatAll, LoadedProposalsAreScoredAgainstTheResults)
{
    TPageRows rows;
    const QStringList signs = {"1", "Χ", "2", ""};
    for (int i = 0; i < 4; ++i) {
        QStringList row = SummaryRow({}, "");
        row[1] = QString::number(i + 1);
        row[7] = "1,50";
        row[8] = "3,00";
        row[9] = "5,25";
        row[10] = signs[i];
        rows.append(row);
    }
    tav::coupons::TProposalFile file{"12", {{" 1", "1", {}}, {"2", "Χ", {}}, {"3", "1", {}}, {"4", "2", {}}}};

    const tav::coupons::TProposalScore score = ApplyStatAllProposals(file, rows);

    EXPECT_EQ(score.Matches, 3);
    EXPECT_EQ(score.Hits, 2);
    EXPECT_EQ(score.Played, 3);
    EXPECT_DOUBLE_EQ(score.OddsSum, 4.5);
    EXPECT_EQ(rows[3][kStatAllProposalColumn], "2");

    TPageRows bad = rows;
    bad[0][7] = "x";
    const TPageRows before = bad;
    EXPECT_THROW(ApplyStatAllProposals(file, bad), EConvertError);
    EXPECT_EQ(bad, before);
}

} // namespace

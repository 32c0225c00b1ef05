#include "analysis/match_analysis.h"
#include "analysis/match_analysis_grid.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

using M = TAnalysisMark;

// A row with form figures, a sign and the three odds.
QStringList Row(const QStringList &form, const QString &sign, const QStringList &odds = {"", "", ""})
{
    QStringList row(kMatchAnalysisColumns);
    for (int i = 0; i < 3; ++i) {
        row[macForm1 + i] = form[i];
        row[macOdds1 + i] = odds[i];
    }
    row[macSign] = sign;
    return row;
}

QList<M> FormMarks(const QStringList &row)
{
    return {AnalysisCellMark(row, macForm1), AnalysisCellMark(row, macFormX),
            AnalysisCellMark(row, macForm2)};
}

TEST(MatchAnalysisMarks, FormFiguresRankAnUnplayedMatchAndJudgeAPlayedOne)
{
    const struct
    {
        QStringList form;
        const char *sign;
        QList<M> marks;
    } cases[] = {
        {{"50", "30", "20"}, "?", {M::First, M::Second, M::Third}},
        {{"20", "30", "50"}, "?", {M::Third, M::Second, M::First}},
        {{"40", "40", "20"}, "?", {M::First, M::Second, M::Third}},
        {{"20", "40", "40"}, "?", {M::None, M::None, M::None}},
        {{"30", "50", "20"}, "?", {M::Second, M::First, M::Third}},
        {{"45", "30", "25"}, "1", {M::First, M::None, M::None}},
        {{"45", "30", "25"}, "2", {M::None, M::None, M::Third}},
        {{"45", "30", "25"}, "X", {M::None, M::Second, M::None}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormMarks(Row(c.form, c.sign)), c.marks) << c.form.join(' ').toStdString() << c.sign;
}

TEST(MatchAnalysisMarks, TheExtraEstimateIsMarkedAsTheForm)
{
    QStringList row = Row({"", "", ""}, "?");
    row.append({"20", "30", "50"});
    EXPECT_EQ(AnalysisCellMark(row, macExtra1), M::Third);
    EXPECT_EQ(AnalysisCellMark(row, macExtra2), M::First);
    EXPECT_FALSE(IsMarkedColumn(macTeams));
    EXPECT_TRUE(IsMarkedColumn(macExtraX));
}

TEST(MatchAnalysisMarks, AWonFavouriteMarksItsOdds)
{
    const QStringList odds{"1,5", "3,8", "6"};
    const struct
    {
        const char *sign;
        QStringList odds;
        QList<int> marked;
    } cases[] = {
        {"1", odds, {macOdds1Percent, macOdds1}},
        {"X", odds, {}},
        {"?", odds, {}},
        {"1", {"1,5", "3,8", ""}, {}},
    };
    for (const auto &c : cases) {
        const QStringList row = Row({"45", "30", "25"}, c.sign, c.odds);
        QList<int> marked;
        for (int column = macOdds1Percent; column <= macOdds2; ++column)
            if (AnalysisCellMark(row, column) == M::FavouriteWon)
                marked.append(column);
        EXPECT_EQ(marked, c.marked) << c.sign;
    }
}

// Rows named by their first cell, with a figure in the column sorted.
QList<QStringList> Rows(int column, const QStringList &figures)
{
    QList<QStringList> rows;
    for (int i = 0; i < figures.size(); ++i) {
        QStringList row(kMatchAnalysisColumns);
        row[macDate] = QString("r%1").arg(i + 1);
        row[column] = figures[i];
        row[macRowNumber] = QString::number(i + 1);
        rows.append(row);
    }
    return rows;
}

QStringList Column(const QList<QStringList> &rows, int column)
{
    QStringList cells;
    for (const QStringList &row : rows)
        cells.append(row[column]);
    return cells;
}

TEST(MatchAnalysisSort, HeadingsSortTheirKind)
{
    EXPECT_EQ(SortKindOf(macOdds1Percent), QChar('d'));
    EXPECT_EQ(SortKindOf(macCouponNumber), QChar('d'));
    EXPECT_EQ(SortKindOf(macOdds1), QChar('a'));
    EXPECT_EQ(SortKindOf(macCategoryCode), QChar('a'));
    EXPECT_TRUE(IsSortColumn(macCategoryCode));
    EXPECT_FALSE(IsSortColumn(macTeams));
    EXPECT_FALSE(IsSortColumn(macDate));
    EXPECT_TRUE(IsSortColumn(macExtra2));
}

TEST(MatchAnalysisSort, RowsSortByTheirColumnAndAreNumberedAgain)
{
    const struct
    {
        int column;
        QStringList cells;
        QStringList order;
        QStringList after;
    } cases[] = {
        // Smallest first, rows without odds last, their cells blank again; equal rows keep order.
        {macOdds1Percent, {"40", "", "20", "40"}, {"r3", "r1", "r4", "r2"}, {"20", "40", "40", ""}},
        // Largest first: rows without odds first.
        {macOdds1, {"1,5", "", "2,25", "1,5"}, {"r2", "r3", "r1", "r4"}, {"", "2,25", "1,5", "1,5"}},
        {macForm1, {"33", "61", "33"}, {"r2", "r1", "r3"}, {"61", "33", "33"}},
        // Texts in ascending order; a blank text keeps its place and parts the rows.
        {macCategoryCode,
         {"GR2", "GR1", "", "IT1", "EN1"},
         {"r2", "r1", "r3", "r5", "r4"},
         {"GR1", "GR2", "", "EN1", "IT1"}},
        // The running number: reversed.
        {macRowNumber, {"1", "2", "3"}, {"r3", "r2", "r1"}, {"1", "2", "3"}},
    };
    for (const auto &c : cases) {
        QList<QStringList> rows = Rows(c.column, c.cells);
        SortGridByColumn(rows, c.column, SortKindOf(c.column));
        EXPECT_EQ(Column(rows, macDate), c.order) << c.column;
        EXPECT_EQ(Column(rows, c.column), c.after) << c.column;
        QStringList numbers;
        for (int i = 1; i <= rows.size(); ++i)
            numbers.append(QString::number(i));
        EXPECT_EQ(Column(rows, macRowNumber), numbers) << c.column;
    }
}

TEST(MatchAnalysisSort, SortingTwiceKeepsOrRestoresTheOrder)
{
    QList<QStringList> rows = Rows(macOdds1Percent, {"40", "", "20", "40"});
    SortGridByColumn(rows, macOdds1Percent, SortKindOf(macOdds1Percent));
    const QList<QStringList> once = rows;
    SortGridByColumn(rows, macOdds1Percent, SortKindOf(macOdds1Percent));
    EXPECT_EQ(rows, once);

    SortGridByColumn(rows, macRowNumber, SortKindOf(macRowNumber));
    SortGridByColumn(rows, macRowNumber, SortKindOf(macRowNumber));
    EXPECT_EQ(rows, once);
}

} // namespace

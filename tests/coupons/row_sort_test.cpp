#include "coupons/row_sort.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

// Rows whose column 0 names them and whose column `column` holds the given cells.
QList<QStringList> Rows(int column, const QStringList &cells)
{
    QList<QStringList> rows;
    for (int row = 0; row < cells.size(); ++row) {
        QStringList cellsOfRow(column + 1);
        cellsOfRow[0] = QString::number(row);
        cellsOfRow[column] = cells[row];
        rows.append(cellsOfRow);
    }
    return rows;
}

QStringList Column(const QList<QStringList> &rows, int column)
{
    QStringList cells;
    for (const QStringList &row : rows)
        cells.append(row.value(column));
    return cells;
}

TEST(RowSort, RandomPivotOrdersEveryPivotChoiceAlike)
{
    struct TCase
    {
        TRowSortRule rule;
        int column;
        QStringList cells;
        QStringList sorted;
    };
    const TCase cases[] = {
        {PageSortRule(), 14, {"-5", "3", "-1", "0"}, {"0", "-1", "3", "-5"}},
        {FirstPageSortRule(), 14, {"-5", "3", "-1", "0"}, {"-5", "-1", "0", "3"}},
        {FirstPageSortRule(), 7, {"2,10", "1.85", "10,0", "1,01"}, {"1,01", "1.85", "2,10", "10,0"}},
        {PageSortRule(), 14, {"12", "2", "100"}, {"2", "12", "100"}},
        {PageSortRule(), 1, {"12", "2", "100"}, {"100", "12", "2"}},
        {PageSortRule(), 2, {"ΙΤΑ", "ΑΓΓ", "ΓΑΛ"}, {"ΑΓΓ", "ΓΑΛ", "ΙΤΑ"}},
    };
    for (const TCase &c : cases) {
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QRandomGenerator random(seed);
            QList<QStringList> rows = Rows(c.column, c.cells);
            SortRows(rows, c.column, c.rule,
                     [&random](int low, int high) { return random.bounded(low, high + 1); });
            EXPECT_EQ(Column(rows, c.column), c.sorted) << c.column << " seed " << seed;
        }
    }
}

TEST(RowSort, RandomPivotKeepsEveryRowWithBlankAndForeignCells)
{
    QList<QStringList> rows = Rows(13, {"4", "", "x", "-2", "", "7", "1"});
    for (int low = 0; low < 3; ++low) {
        QList<QStringList> sorted = rows;
        SortRows(sorted, 13, FirstPageSortRule(),
                 [low](int first, int last) { return qMin(first + low, last); });
        QStringList names = Column(sorted, 0);
        names.sort();
        EXPECT_EQ(names, QStringList({"0", "1", "2", "3", "4", "5", "6"}));
    }
}

TEST(RowSort, RandomPivotOfTheProgramsSourceSortsLargeInput)
{
    QStringList cells;
    for (int row = 0; row < 2000; ++row)
        cells.append(QString::number(row % 97));
    QList<QStringList> rows = Rows(8, cells);
    SortRows(rows, 8, PageSortRule());
    const QStringList sorted = Column(rows, 8);
    for (int row = 1; row < sorted.size(); ++row)
        ASSERT_LE(sorted[row - 1].toInt(), sorted[row].toInt());
}

TEST(RowSort, ExchangeSortKeepsEqualKeysAndHandlesBlanks)
{
    struct TCase
    {
        TExchangeOrder order;
        int column;
        QStringList cells;
        QStringList sorted;
        QStringList names; // column 0 after the sort: equal keys in their order
    };
    const TCase cases[] = {
        {TExchangeOrder::A, 6, {"20", "", "50", "20"}, {"", "50", "20", "20"}, {"1", "2", "0", "3"}},
        {TExchangeOrder::D, 23, {"2,5", "", "1,5", "2,5"}, {"1,5", "2,5", "2,5", ""}, {"2", "0", "3", "1"}},
        {TExchangeOrder::A, 18, {"X", "1", "", "2"}, {"1", "X", "", "2"}, {"1", "0", "2", "3"}},
        {TExchangeOrder::D, 2, {"ΑΓΓ", "ΙΤΑ", "ΑΓΓ"}, {"ΙΤΑ", "ΑΓΓ", "ΑΓΓ"}, {"1", "0", "2"}},
    };
    for (const TCase &c : cases) {
        QList<QStringList> rows = Rows(c.column, c.cells);
        SortRows(rows, c.column, AnalysisSortRule(c.order));
        EXPECT_EQ(Column(rows, c.column), c.sorted) << c.column;
        EXPECT_EQ(Column(rows, 0), c.names) << c.column;
    }
}

} // namespace

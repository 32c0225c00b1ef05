#include "coupons/analysis_sort.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

constexpr int kColumns = 28;
constexpr int kRowNo = 26;

// A grid's rows: titles in row 0, then a row per cell given, named in column 3 by its place and
// holding the cell in the column.
QList<QStringList> GridRows(int column, const QStringList &cells)
{
    QList<QStringList> rows{QStringList(kColumns, QStringLiteral("T"))};
    for (qsizetype i = 0; i < cells.size(); ++i) {
        QStringList row(kColumns);
        row[3] = QStringLiteral("R%1").arg(i + 1);
        row[column] = cells[i];
        row[kRowNo] = QStringLiteral("9");
        rows.append(row);
    }
    return rows;
}

QStringList Column(const QList<QStringList> &rows, int column)
{
    QStringList cells;
    for (qsizetype row = 1; row < rows.size(); ++row)
        cells.append(rows[row].value(column));
    return cells;
}

TEST(AnalysisSort, ATitleClickChoosesTheOrder)
{
    struct TCase
    {
        Qt::MouseButton button;
        int col;
        int row;
        std::optional<TExchangeOrder> order;
    };
    const TCase cases[] = {
        {Qt::LeftButton, 2, 0, TExchangeOrder::D},  {Qt::LeftButton, 6, 0, TExchangeOrder::A},
        {Qt::LeftButton, 17, 0, TExchangeOrder::A}, {Qt::LeftButton, 18, 0, TExchangeOrder::A},
        {Qt::LeftButton, 19, 0, TExchangeOrder::D}, {Qt::LeftButton, 20, 0, TExchangeOrder::A},
        {Qt::LeftButton, 22, 0, TExchangeOrder::A}, {Qt::LeftButton, 23, 0, TExchangeOrder::D},
        {Qt::LeftButton, 25, 0, TExchangeOrder::D}, {Qt::LeftButton, 0, 0, std::nullopt},
        {Qt::LeftButton, 3, 0, std::nullopt},       {Qt::LeftButton, 5, 0, std::nullopt},
        {Qt::LeftButton, 26, 0, std::nullopt},      {Qt::LeftButton, 27, 0, std::nullopt},
        {Qt::RightButton, 6, 0, std::nullopt},      {Qt::LeftButton, 6, 1, std::nullopt},
        {Qt::LeftButton, -1, -1, std::nullopt},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(AnalysisTitleSortOrder(c.button, c.col, c.row), c.order) << c.col << "," << c.row;
}

TEST(AnalysisSort, RowsSortByTheColumnAndAreNumberedAgain)
{
    struct TCase
    {
        const char *what;
        int column;
        TExchangeOrder order;
        QStringList cells;
        QStringList sorted;
        QStringList names;
    };
    const TCase cases[] = {
        {"estimates: empty and foreign cells first, largest first, equal keys in order",
         6,
         TExchangeOrder::A,
         {"20", "", "50", "abc", "20"},
         {"", "abc", "50", "20", "20"},
         {"R2", "R4", "R3", "R1", "R5"}},
        {"odds: smallest first, empty last",
         23,
         TExchangeOrder::D,
         {"2,5", "", "1,5", "2,5"},
         {"1,5", "2,5", "2,5", ""},
         {"R3", "R1", "R4", "R2"}},
        {"sign as text, blank left alone",
         18,
         TExchangeOrder::A,
         {"X", "1", "", "2"},
         {"1", "X", "", "2"},
         {"R2", "R1", "R3", "R4"}},
        {"competition codes descending",
         2,
         TExchangeOrder::D,
         {"ΑΓΓ", "ΙΤΑ", "ΑΓΓ"},
         {"ΙΤΑ", "ΑΓΓ", "ΑΓΓ"},
         {"R2", "R1", "R3"}},
    };
    for (const TCase &c : cases) {
        QList<QStringList> rows = GridRows(c.column, c.cells);
        SortAnalysisRows(rows, 1, c.order, c.column, int(rows.size()) - 1);
        EXPECT_EQ(Column(rows, c.column), c.sorted) << c.what;
        EXPECT_EQ(Column(rows, 3), c.names) << c.what;
        QStringList numbers;
        for (int row = 1; row <= c.cells.size(); ++row)
            numbers.append(QString::number(row));
        EXPECT_EQ(Column(rows, kRowNo), numbers) << c.what;
        EXPECT_EQ(rows[0], QStringList(kColumns, QStringLiteral("T"))) << c.what;
    }
}

TEST(AnalysisSort, AGenuineThousandStays)
{
    QList<QStringList> rows = GridRows(7, {"30", "60", "10"});
    rows[1][19] = QStringLiteral("1000");
    rows[2][6] = QStringLiteral("1000");
    SortAnalysisRows(rows, 1, TExchangeOrder::A, 7, 3);
    EXPECT_EQ(Column(rows, 7), QStringList({"60", "30", "10"}));
    EXPECT_EQ(Column(rows, 19), QStringList({"", "1000", ""}));
    EXPECT_EQ(Column(rows, 6), QStringList({"1000", "", ""}));
}

TEST(AnalysisSort, OnlyTheRangeMovesAndShortRowsAreNumbered)
{
    QList<QStringList> rows{{"titles"},
                            {"", "", "", "R1", "", "", "5"},
                            {"", "", "", "R2", "", "", "7"},
                            {"", "", "", "R3", "", "", "9"}};
    SortAnalysisRows(rows, 2, TExchangeOrder::A, 6, 3);
    EXPECT_EQ(Column(rows, 3), QStringList({"R1", "R3", "R2"}));
    EXPECT_EQ(Column(rows, kRowNo), QStringList({"", "2", "3"}));
    SortAnalysisRows(rows, 3, TExchangeOrder::A, 6, 9);
    SortAnalysisRows(rows, 2, TExchangeOrder::A, 6, 1);
    EXPECT_EQ(Column(rows, 3), QStringList({"R1", "R3", "R2"}));
}

} // namespace

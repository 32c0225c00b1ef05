#include "couponstats/over_under_columns.h"

#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tav::couponstats;

namespace {

TEST(OverUnderColumnsTest, TitlesAndWidthsOfThePage)
{
    const TPageColumnSet &set = OverUnderPageColumns();
    ASSERT_EQ(set.columns.size(), kOverUnderColumns);
    // Latin look-alikes and their Greek neighbours spelt out by code point.
    const struct
    {
        int col;
        const char16_t *title;
        int width;
    } cases[] = {
        {0, u"", 20},
        {3, u"\u0397\u039C/\u039D\u0399\u0391", 65},
        {6, u"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 125},
        {8, u"\u0391\u03A0\u03A7", 30},
        {10, u"\u03A3", 20},
        {11, u"A/A", 25},
        {12, u"\u0391\u0393.", 20},
        {13, u"\u0392-\u0393", 25},
        {14, u"\u039D", 25},
        {16, u"\u0397", 25},
        {17, u"\u039D%", 25},
        {19, u"H%", 25},
        {21, u"H", 25},
        {22, u"\u0399", 25},
        {23, u"N", 25},
        {24, u"H%", 25},
        {26, u"N%", 25},
        {27, u"\u0394B", 25},
        {28, u"\u03A0\u03A1", 20},
        {30, u"\u03A4\u0391-\u03A7", 25},
        {32, u"\u03A0\u03C10", 25},
        {33, u"", 10},
        {41, u"", 10},
        {42, u"ggip", 30},
        {44, u"Ahm", 30},
        {49, u"\u0391\u0393.\u03A6", 30},
        {53, u"Unf", 30},
        {54, u"Un/OV", 35},
        {55, u"G0", 35},
        {62, u"G7", 35},
        {70, u"F7", 35},
        {76, u"TGG", 35},
        {77, u"gdt0", 35},
        {82, u"gdt_1", 35},
        {94, u"fdt_4", 35},
        {95, u"DT0", 35},
        {103, u"DT_4", 35},
        {104, u"GNGA", 35},
        {107, u"FGGA", 35},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(set.columns[c.col].title, QString::fromUtf16(c.title)) << c.col;
        EXPECT_EQ(set.columns[c.col].width, c.width) << c.col;
    }
    const int total = std::accumulate(set.columns.begin(), set.columns.end(), 0,
                                      [](int sum, const TPageColumn &column) { return sum + column.width; });
    EXPECT_EQ(total, 3415);
}

TEST(OverUnderColumnsTest, RolesOfThePageColumns)
{
    const TPageColumnSet &set = OverUnderPageColumns();
    EXPECT_EQ(set.homeColumn, 13);
    EXPECT_EQ(set.awayColumn, 20);
    EXPECT_EQ(set.differenceColumn, 27);
    EXPECT_EQ(set.proposalColumn, 28);
    EXPECT_EQ(set.editableColumns, (QList<int>{28, 32}));
    EXPECT_EQ(set.saveFields, (QList<int>{13, 20, 27}));
    EXPECT_EQ(set.carriedColumns.size(), kOverUnderColumns);
    EXPECT_EQ(set.carriedColumns.last(), 107);
    EXPECT_DOUBLE_EQ(set.printFactor, 0.1);
    for (int col = 0; col < kOverUnderColumns; ++col) {
        const bool numeric = (col >= 7 && col <= 9) || (col >= 11 && col <= 27) || (col >= 29 && col <= 41);
        EXPECT_EQ(set.sortRule.numericColumns.contains(col), numeric) << col;
    }
}

// Rows of the page with one cell set in the column.
QList<QStringList> RowsOf(int col, const QStringList &cells)
{
    QList<QStringList> rows;
    for (const QString &cell : cells) {
        QStringList row(kOverUnderColumns);
        row[col] = cell;
        rows.append(row);
    }
    return rows;
}

QStringList Column(const QList<QStringList> &rows, int col)
{
    QStringList cells;
    for (const QStringList &row : rows)
        cells.append(row[col]);
    return cells;
}

TEST(OverUnderColumnsTest, TitleClickOrders)
{
    const struct
    {
        int col;
        QStringList cells;
        QStringList sorted;
    } cases[] = {
        {27, {"-5", "3", "-1"}, {"-1", "3", "-5"}}, // by size, whatever the sign
        {49, {"9", "10", "2"}, {"10", "2", "9"}},   // as text
        {13, {"12", "-20", "7"}, {"7", "12", "-20"}},
    };
    for (const auto &c : cases) {
        QList<QStringList> rows = RowsOf(c.col, c.cells);
        tav::coupons::SortRows(rows, c.col, OverUnderPageColumns().sortRule,
                               [](int low, int) { return low; });
        EXPECT_EQ(Column(rows, c.col), c.sorted) << c.col;
    }
}

TEST(OverUnderColumnsTest, FirstPage)
{
    const TPageColumnSet &set = OverUnderFirstPageColumns();
    ASSERT_EQ(set.columns.size(), kOverUnderFirstPageColumns);
    const struct
    {
        int col;
        const char *title;
        int width;
    } cases[] = {{0, "", 20},       {5, "ΓΗΠΕΔΟΥΧΟΣ", 150}, {10, "ΣΗΜ", 30},  {11, "A/A", 30},
                 {12, "Προτ0", 30}, {13, "Β-ΓΗΠ", 30},      {15, "ΔΙΑΦ", 30}, {16, "Προτ0", 30},
                 {17, "", 30},      {41, "", 30},           {42, "Ggip", 30}, {43, "Gfil", 30},
                 {44, "Ahm", 30}};
    for (const auto &c : cases) {
        EXPECT_EQ(set.columns[c.col].title, QString::fromUtf8(c.title)) << c.col;
        EXPECT_EQ(set.columns[c.col].width, c.width) << c.col;
    }
    EXPECT_EQ(set.editableColumns, QList<int>{16});
    EXPECT_EQ(set.sortRule.numericColumns, (QList<int>{7, 8, 9, 11, 13, 14, 15}));
    EXPECT_FALSE(set.sortRule.absoluteValues);
    // Signed: -20 comes first.
    QList<QStringList> rows = RowsOf(13, {"7", "-20", "3"});
    tav::coupons::SortRows(rows, 13, set.sortRule, [](int low, int) { return low; });
    EXPECT_EQ(Column(rows, 13), (QStringList{"-20", "3", "7"}));
}

} // namespace

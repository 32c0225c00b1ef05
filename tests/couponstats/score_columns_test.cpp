#include "couponstats/score_columns.h"

#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

QStringList Titles(const TPageColumnSet &set)
{
    QStringList titles;
    for (const TPageColumn &column : set.columns)
        titles << column.title;
    return titles;
}

QList<int> Widths(const TPageColumnSet &set)
{
    QList<int> widths;
    for (const TPageColumn &column : set.columns)
        widths << column.width;
    return widths;
}

TEST(ScoreColumnsTest, ThePageHasItsFortySevenTitlesAndWidths)
{
    const TPageColumnSet &set = ScorePageColumns();
    ASSERT_EQ(set.columns.size(), kScoreColumns);
    QStringList expected{"",     "A/A", "ΚΩΔ",  "ΔΙΟΡ", "ΗΜ/ΝΙΑ", "ΓΗΠΕΔΟΥΧΟΣ", "ΦΙΛΟΞΕΝΟΥΜΕΝΗ", "ΑΠ1", "ΑΠΧ",
                         "ΑΠ2",  "Σ",   "ΣΚΟΡ", "ΑΓ.",  "ΓΥ",     "ΓΚ",         "ΔΤ-Γ",          "ΦΥ",  "ΦΚ",
                         "ΔΤ-Φ", "ΔΒ",  "ΓG",   "ΦG",   "ΔG",     "HGpts",      "AGpts"};
    expected << QString("0-0 1-1 2-2 3-3 4-4 1-0 2-0 2-1 3-1 3-2 4-1 4-2 4-3 0-1 0-2 1-2 1-3 2-3 1-4 2-4 3-4")
                    .split(' ')
             << "ΠΡ";
    EXPECT_EQ(Titles(set), expected);
    // The Latin letters stay Latin: A/A, HGpts, AGpts and the G of the goal sums.
    EXPECT_EQ(set.columns[ScNumber].title.at(0), QChar('A'));
    EXPECT_EQ(set.columns[ScHomeGoals].title.at(1), QChar('G'));
    QList<int> widths{20, 30, 30, 30, 65, 125, 125, 35, 35, 35, 20, 30, 20,
                      25, 25, 30, 25, 25, 30,  25,  30, 30, 30, 25, 25};
    widths << QList<int>(21, 25) << 25;
    EXPECT_EQ(Widths(set), widths);
    EXPECT_EQ(set.differenceColumn, ScDifference);
    EXPECT_EQ(set.proposalColumn, ScProposal);
    EXPECT_EQ(set.editableColumns, QList<int>{ScProposal});
    EXPECT_EQ(set.carriedColumns.size(), kScoreColumns);
}

TEST(ScoreColumnsTest, TheFirstPageHasThirteenColumns)
{
    const TPageColumnSet &set = ScoreFirstPageColumns();
    EXPECT_EQ(Titles(set), QStringList({"", "A/A", "ΚΩΔ", "ΔΙΟΡ", "ΗΜ/ΝΙΑ", "ΓΗΠΕΔΟΥΧΟΣ", "ΦΙΛΟΞΕΝΟΥΜΕΝΗ",
                                        "ΑΠ1", "ΑΠΧ", "ΑΠ2", "ΣΗΜ", "ΣΚΟΡ", "ΠΡΟΤ"}));
    EXPECT_EQ(Widths(set), QList<int>({20, 30, 35, 35, 75, 150, 150, 35, 35, 35, 30, 30, 30}));
}

// Sorted values of the column with the set's rule, one row each.
QStringList Sorted(const TPageColumnSet &set, int column, const QStringList &values)
{
    QList<QStringList> rows;
    for (const QString &value : values) {
        QStringList row(set.columns.size());
        row[column] = value;
        rows << row;
    }
    tav::coupons::SortRows(rows, column, set.sortRule, [](int low, int) { return low; });
    QStringList sorted;
    for (const QStringList &row : rows)
        sorted << row[column];
    return sorted;
}

TEST(ScoreColumnsTest, NumericColumnsSortBySizeWhateverTheirSign)
{
    const TPageColumnSet &page = ScorePageColumns();
    EXPECT_EQ(Sorted(page, ScDifference, {"2", "-3", "-1"}), QStringList({"-1", "2", "-3"}));
    for (int column : {1, 7, 8, 9, 12, 15, 18, 22})
        EXPECT_EQ(Sorted(page, column, {"10", "-5", "3"}), QStringList({"3", "-5", "10"})) << column;
    // The goal points order as text.
    EXPECT_EQ(Sorted(page, ScHomeGoalPoints, {"10", "9", "3"}), QStringList({"10", "3", "9"}));

    const TPageColumnSet &first = ScoreFirstPageColumns();
    for (int column : {1, 7, 8, 9})
        EXPECT_EQ(Sorted(first, column, {"10", "-5", "3"}), QStringList({"3", "-5", "10"})) << column;
    EXPECT_EQ(Sorted(first, 2, {"10", "9", "3"}), QStringList({"10", "3", "9"}));
}

} // namespace

#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_query_form.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RowFilterTest : public testing::Test
{
protected:
    RowFilterTest()
    {
        grid.SetColCount(3);
        grid.SetRowCount(6);
        grid.SetColumnHeaders({"", "A", "B"});
        const QStringList a = {"x", "x", " x", "X", "z"};
        const QStringList b = {"my", "no", "yes", "Yy", "y"};
        for (int row = 1; row <= 5; ++row) {
            grid.SetCell(1, row, a[row - 1]);
            grid.SetCell(2, row, b[row - 1]);
        }
    }

    QList<int> VisibleRows()
    {
        QList<int> rows;
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.RowHeights(row) > 0)
                rows.append(row);
        return rows;
    }

    MessageRecorder messages;
    TfgStringGrid grid;
};

TEST_F(RowFilterTest, ConditionsKeepTheRowsThatMeetEveryTerm)
{
    const QString tenTerms = QStringList(10, "[A] <> \"q\"").join(" and ");
    const struct
    {
        QString condition;
        QList<int> visible;
        QString message;
    } cases[] = {
        {"[A] = \"x\" [B] like \"y\"", {1}, {}},
        {"[A] = \"x\" and [B] LIKE \"Y\"", {1}, {}},
        {"[A] = \" x\"", {3}, {}},
        {"[A] > \"x\"", {5}, {}},
        {"[A] < \"x\" [B] <> \"yes\"", {4}, {}},
        {"", {1, 2, 3, 4, 5}, {}},
        {"[C] = \"x\"", {1, 2, 3, 4, 5}, "Ο όρος 1 του φίλτρου: δεν υπάρχει στήλη με τίτλο «C»."},
        {"[A] = \"x\" [B] = \"y",
         {1, 2, 3, 4, 5},
         "Ο όρος 2 του φίλτρου: η τιμή γράφεται μέσα σε εισαγωγικά \" \"."},
        {"[A] == \"x\"",
         {1, 2, 3, 4, 5},
         "Ο όρος 1 του φίλτρου: άγνωστος τελεστής «==» (επιτρέπονται =, <>, >, <, like)."},
        {"[] = \"x\"", {1, 2, 3, 4, 5}, "Ο όρος 1 του φίλτρου έχει κενό τίτλο στήλης."},
        {tenTerms, {1, 2, 3, 4, 5}, "Filter too complex"},
    };
    for (const auto &c : cases) {
        grid.ShowAllRows();
        messages.Clear();
        grid.SetFilter(c.condition);
        EXPECT_EQ(VisibleRows(), c.visible) << c.condition.toStdString();
        EXPECT_EQ(messages.Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.condition.toStdString();
    }
}

TEST_F(RowFilterTest, FiltersAddUpUntilAllRowsShowAgain)
{
    grid.SetFilter("[A] = \"x\"");
    grid.SetFilter("[B] = \"no\"");
    EXPECT_EQ(VisibleRows(), QList<int>{2});
    grid.ShowAllRows();
    EXPECT_EQ(VisibleRows(), QList<int>({1, 2, 3, 4, 5}));
}

TEST_F(RowFilterTest, TheQueryBuilderComposesAndApplies)
{
    grid.show();
    QList<int> seenWhileOpen;
    QStringList titles;
    ScriptedModalRunner runner([&](QDialog &shown) {
        auto &dialog = static_cast<TfgStringGridQueryF &>(shown);
        for (int i = 0; i < dialog.FieldsList->count(); ++i)
            titles.append(dialog.FieldsList->item(i)->text());
        const auto click = [](QListWidget *list, int index) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(index)).center());
        };
        click(dialog.FieldsList, 1);
        click(dialog.oplist, 4);
        QTest::keyClicks(dialog.querymemo, "\"y\"");
        QTest::keyClick(dialog.querymemo, Qt::Key_Return);
        click(dialog.FieldsList, 0);
        click(dialog.oplist, 0);
        QTest::keyClicks(dialog.querymemo, "\"x\"");
        EXPECT_EQ(dialog.querymemo->toPlainText(), "[B] LIKE \"y\"\n[A] = \"x\"");
        QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
        seenWhileOpen = VisibleRows();
        QTest::mouseClick(dialog.btnall, Qt::LeftButton);
        QTest::mouseClick(dialog.btnClose, Qt::LeftButton);
        return 0;
    });
    QTest::keyClick(&grid, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(runner.RunCount(), 1);
    EXPECT_EQ(titles, QStringList({"A", "B"}));
    EXPECT_EQ(seenWhileOpen, QList<int>{1});
    EXPECT_EQ(VisibleRows(), QList<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(messages.Count(), 0);
}

} // namespace

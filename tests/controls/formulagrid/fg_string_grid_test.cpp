#include "controls/formulagrid/fg_string_grid.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FgGridTest : public testing::Test
{
protected:
    FgGridTest()
    {
        grid.SetColCount(7);
        grid.SetRowCount(7);
        grid.resize(700, 400);
        for (int col = 0; col < 7; ++col)
            for (int row = 0; row < 7; ++row)
                grid.SetCell(col, row, QString("%1.%2").arg(col).arg(row));
        grid.show();
    }

    QStringList ColumnTexts(int col)
    {
        QStringList texts;
        for (int row = 0; row < grid.RowCount(); ++row)
            texts.append(grid.Cells(col, row));
        return texts;
    }

    MessageRecorder messages;
    TfgStringGrid grid;
};

TEST_F(FgGridTest, DefaultShortcutsKeepTheirNumbers)
{
    const TGridKeyMappings *keys = grid.KeyMappings();
    EXPECT_EQ(keys->RowInsert, 8237);
    EXPECT_EQ(keys->RowDelete, 8238);
    EXPECT_EQ(keys->ColumnInsert, 24621);
    EXPECT_EQ(keys->ColumnDelete, 24622);
    EXPECT_EQ(keys->PrintPreview, 16464);
    EXPECT_EQ(keys->QueryDialog, 16465);
    EXPECT_EQ(keys->FormuleDialog, 114);
    // Published settings are readable by name, as a stored design reads them.
    EXPECT_EQ(grid.property("BandsColor").toInt(), 16644814);
    EXPECT_EQ(grid.property("NumberFormat").toString(), "%.2f");
    EXPECT_EQ(keys->property("ColumnInsert").toInt(), 24621);
    EXPECT_EQ(grid.PrintOptions()->property("PageFooter").toString(), "date|time|page");
    EXPECT_EQ(grid.PrintOptions()->HeaderSize, 10);
    EXPECT_EQ(grid.PrintOptions()->FooterSize, 7);
    EXPECT_EQ(grid.ColWidths(0), 20);
}

TEST_F(FgGridTest, CtrlShiftInsInsertsAnEmptyColumnAtTheCursor)
{
    grid.SetColWidth(5, 90);
    ASSERT_TRUE(grid.FocusCell(2, 3));
    const QStringList old2 = ColumnTexts(2);
    const QStringList old6 = ColumnTexts(6);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.ColCount(), 8);
    EXPECT_EQ(ColumnTexts(3), old2);
    EXPECT_EQ(ColumnTexts(7), old6);
    EXPECT_EQ(ColumnTexts(2), QStringList(7, QString()));
    EXPECT_EQ(grid.ColWidths(2), grid.DefaultColWidth());
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 3);
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.ColCount(), 7);
    EXPECT_EQ(ColumnTexts(2), old2);
}

TEST_F(FgGridTest, RowsInsertAndDeleteButNeverBelowTwo)
{
    ASSERT_TRUE(grid.FocusCell(1, 2));
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_EQ(grid.Cells(1, 3), "1.2");
    EXPECT_EQ(grid.Row(), 2);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid.RowCount(), 2);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.ColCount(), 2);
}

TEST_F(FgGridTest, ShiftDelOnAHiddenRowShowsAllThenDeletes)
{
    ASSERT_TRUE(grid.FocusCell(1, 3));
    grid.SetRowHeight(3, 0);
    grid.SetRowHeight(5, 0);
    grid.KeyMappings()->RowDelete = TextToShortCut("Shift+Del");
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(1, 3), "1.4");
    for (int row = 1; row < grid.RowCount(); ++row)
        EXPECT_GT(grid.RowHeights(row), 0) << row;
}

TEST_F(FgGridTest, ArrowKeysLeaveHiddenRowsAndColumns)
{
    const struct
    {
        QList<int> hidden;
        int from;
        Qt::Key key;
        int landed;
    } cases[] = {
        {{3, 4}, 2, Qt::Key_Down, 5},
        {{5, 6}, 4, Qt::Key_Down, 4}, // nothing visible below: the nearest above
        {{2, 3}, 4, Qt::Key_Up, 1},
    };
    for (const auto &c : cases) {
        for (int row = 1; row < grid.RowCount(); ++row)
            grid.SetRowHeight(row, c.hidden.contains(row) ? 0 : 20);
        ASSERT_TRUE(grid.FocusCell(1, c.from));
        QTest::keyClick(&grid, c.key);
        EXPECT_EQ(grid.Row(), c.landed) << c.from;
    }
    // A current row hidden under the cursor: Down goes to the next visible row, else above.
    grid.ShowAllRows();
    ASSERT_TRUE(grid.FocusCell(1, 5));
    grid.SetRowHeight(5, 0);
    grid.SetRowHeight(6, 0);
    QTest::keyRelease(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 4);
    grid.ShowAllRows();
    ASSERT_TRUE(grid.FocusCell(3, 1));
    grid.SetColWidth(3, 0);
    QTest::keyRelease(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 4);
}

TEST_F(FgGridTest, EnterRecalculatesAndAdvances)
{
    const struct
    {
        TfgStringGrid::TAdvanceDirection direction;
        int fromCol, fromRow, toCol, toRow;
    } cases[] = {
        {TfgStringGrid::right, 2, 2, 3, 2}, {TfgStringGrid::right, 6, 2, 1, 3},
        {TfgStringGrid::right, 6, 6, 6, 6}, {TfgStringGrid::down, 2, 2, 2, 3},
        {TfgStringGrid::down, 2, 6, 3, 1},  {TfgStringGrid::none, 2, 2, 2, 2},
    };
    grid.SetCell(1, 1, "=2*3");
    for (const auto &c : cases) {
        grid.AdvanceDirection = c.direction;
        ASSERT_TRUE(grid.FocusCell(c.fromCol, c.fromRow));
        QTest::keyClick(&grid, Qt::Key_Return);
        EXPECT_EQ(grid.Col(), c.toCol) << c.fromCol << "," << c.fromRow;
        EXPECT_EQ(grid.Row(), c.toRow) << c.fromCol << "," << c.fromRow;
    }
    EXPECT_EQ(double(grid.CellValue(1, 1)), 6);
}

TEST_F(FgGridTest, RowsGrowToTheirWrappedText)
{
    const QString longText = QStringList(30, "λέξη").join(' ');
    grid.SetCell(2, 2, longText);
    grid.SetRowCount(8); // a size change sizes the rows whose texts changed
    // As many lines as the text takes when written into its column, broken at its blanks.
    TCanvas measure(nullptr, &grid);
    measure.Font = TFont::FromQFont(grid.font(), clBlack, grid.logicalDpiY());
    const qsizetype lines = measure.WrapText(longText, grid.ColWidths(2)).size();
    const int lineSpacing = QFontMetrics(grid.font()).lineSpacing();
    EXPECT_GT(lines, 1);
    EXPECT_GE(grid.RowHeights(2), lines * lineSpacing);
    EXPECT_LE(grid.RowHeights(2), (lines + 1) * lineSpacing);
    EXPECT_EQ(grid.RowHeights(3), grid.DefaultRowHeight());
    int sizes = 0;
    grid.onSizeChanged = [&sizes](int oldCols, int oldRows) {
        EXPECT_EQ(oldCols, 7);
        EXPECT_EQ(oldRows, 8);
        ++sizes;
    };
    grid.SetRowCount(9);
    EXPECT_EQ(sizes, 1);
}

// What the canvas holds when the owner's drawing handler runs for a cell.
struct SeenCell
{
    QColor brush;
    QColor font;
    bool underline = false;
};

TEST_F(FgGridTest, BandsAndLinksReachTheOwnersDrawing)
{
    grid.SetCell(2, 1, "HTTP://x");
    grid.SetCell(3, 1, "see http:");
    grid.SetCell(4, 1, "mailto:a@b");
    grid.SetBandsShow(true);
    grid.SetHighlightURL(true);
    QHash<QPair<int, int>, SeenCell> seen;
    grid.OnDrawCell = [&seen](int col, int row, const TRect &, TGridDrawState, TCanvas &canvas) {
        seen[qMakePair(col, row)] = {canvas.Brush.Color, canvas.Font.Color,
                                     canvas.Font.Style.Contains(fsUnderline)};
    };
    grid.viewport()->grab();
    const QColor band = ColorFromNumber(16644814);
    EXPECT_EQ(band, QColor(206, 250, 253));
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            EXPECT_EQ(seen[qMakePair(col, row)].brush == band, col != 0 && row != 0 && row % 2 == 0)
                << col << "," << row;
    EXPECT_EQ(seen[qMakePair(2, 1)].font, clBlue);
    EXPECT_TRUE(seen[qMakePair(2, 1)].underline);
    EXPECT_EQ(seen[qMakePair(4, 1)].font, clBlue);
    EXPECT_EQ(seen[qMakePair(3, 1)].font, clBlack);
    EXPECT_FALSE(seen[qMakePair(3, 1)].underline);
    // No bands at an interval that divides nothing.
    grid.SetBandsInterval(0);
    seen.clear();
    grid.viewport()->grab();
    EXPECT_NE(seen[qMakePair(1, 2)].brush, band);
}

} // namespace

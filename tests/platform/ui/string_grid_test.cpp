#include "platform/ui/string_grid.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class StringGridTest : public testing::Test
{
protected:
    StringGridTest() { grid.resize(600, 400); }

    // What the cell area shows, in the coordinates of CellRect.
    QImage Picture() { return grid.viewport()->grab().toImage(); }

    QColor ColourAt(const QImage &picture, QPoint point) { return picture.pixelColor(point); }

    QPoint Centre(int col, int row) { return grid.CellRect(col, row).ToQRect().center(); }

    void Key(int key, const QString &text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&grid, &press);
    }

    void Click(QPoint point, bool twice = false)
    {
        const QPointF local(point);
        const QPointF global(grid.viewport()->mapToGlobal(point));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
        QApplication::sendEvent(grid.viewport(), &release);
        if (twice) {
            QMouseEvent dbl(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(grid.viewport(), &dbl);
            QApplication::sendEvent(grid.viewport(), &release);
        }
    }

    TStringGrid grid;
};

TEST_F(StringGridTest, StartsAsFiveByFiveWithOneFixedRowAndColumn)
{
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridTest, CellsHoldTextsAndReadEmptyOutsideTheGrid)
{
    grid.SetColCount(12);
    grid.SetRowCount(3);
    grid.SetCell(0, 0, "");
    grid.SetCell(2, 0, "Ομάδες");
    grid.SetCell(11, 2, "ΝΣ");
    EXPECT_EQ(grid.Cells(2, 0), QString::fromUtf8("Ομάδες"));
    EXPECT_EQ(grid.Cells(11, 2), QString::fromUtf8("ΝΣ"));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 2)).toString(), QString::fromUtf8("Ομάδες"));

    const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {12, 0}, {0, 3}, {100, 100}};
    for (const auto &[col, row] : outside)
        EXPECT_EQ(grid.Cells(col, row), QString()) << col << "," << row;
}

TEST_F(StringGridTest, TextsBeyondTheSizeShowWhenTheGridGrowsAndShrinkingDropsThem)
{
    grid.SetCell(7, 9, "μετά");
    EXPECT_EQ(grid.Cells(7, 9), QString());
    grid.SetColCount(8);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(7, 9), QString::fromUtf8("μετά"));

    grid.SetCell(1, 1, "μένει");
    grid.SetRowCount(2);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(7, 9), QString());
    EXPECT_EQ(grid.Cells(1, 1), QString::fromUtf8("μένει"));
}

TEST_F(StringGridTest, SizesOfColumnsAndRows)
{
    grid.SetColCount(4);
    grid.SetDefaultRowHeight(20);
    grid.SetColWidth(0, 30);
    grid.SetColWidth(2, 150);
    EXPECT_EQ(grid.ColWidths(0), 30);
    EXPECT_EQ(grid.ColWidths(1), 64);
    EXPECT_EQ(grid.ColWidths(2), 150);
    EXPECT_EQ(grid.ColWidths(9), 0);
    EXPECT_EQ(grid.RowHeights(3), 20);
    EXPECT_EQ(grid.CellRect(2, 1).Width(), 150);
    EXPECT_EQ(grid.CellRect(2, 1).Height(), 20);
    // One grid line between neighbours.
    EXPECT_EQ(grid.CellRect(3, 1).Left, grid.CellRect(2, 1).Right + 1);

    grid.SetRowCount(8); // new rows take the default height
    EXPECT_EQ(grid.RowHeights(7), 20);
    grid.SetDefaultColWidth(60); // and every column the new default width
    EXPECT_EQ(grid.ColWidths(2), 60);

    grid.SetOptions({}); // without grid lines the sizes stay
    EXPECT_EQ(grid.ColWidths(2), 60);
    EXPECT_EQ(grid.CellRect(3, 1).Left, grid.CellRect(2, 1).Right);
}

TEST_F(StringGridTest, MouseToCellFindsTheCellUnderAPoint)
{
    int col = 0;
    int row = 0;
    const TRect cell = grid.CellRect(3, 2);
    grid.MouseToCell(cell.Left + 1, cell.Top + 1, col, row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);
    grid.MouseToCell(590, 390, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
}

TEST_F(StringGridTest, SelectCellMayRefuseAMoveFromCodeKeysOrMouse)
{
    QList<std::pair<int, int>> asked;
    grid.OnSelectCell = [&](int col, int row) {
        asked.append({col, row});
        return col != 2;
    };
    EXPECT_FALSE(grid.FocusCell(2, 3));
    EXPECT_TRUE(grid.FocusCell(3, 3));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3);

    Key(Qt::Key_Left); // onto column 2: refused
    EXPECT_EQ(grid.Col(), 3);
    Key(Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 2);

    Click(Centre(2, 4));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 2);
    Click(Centre(4, 4));
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_TRUE(asked.contains(std::pair(2, 4)));

    // Title cells never become current, and nobody is asked about them.
    asked.clear();
    EXPECT_FALSE(grid.FocusCell(0, 2));
    EXPECT_FALSE(grid.SetRow(0));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(grid.SetRow(1));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridTest, OnlyTheCurrentCellIsEdited)
{
    grid.SetOptions({goVertLine, goHorzLine, goEditing});
    grid.OnSelectCell = [](int col, int) { return col == 3; };
    ASSERT_TRUE(grid.FocusCell(3, 2));
    Click(Centre(2, 2), true);
    EXPECT_EQ(grid.indexWidget(grid.model()->index(2, 2)), nullptr);
    Click(Centre(3, 2), true);
    EXPECT_NE(grid.indexWidget(grid.model()->index(2, 3)), nullptr);
    EXPECT_TRUE(grid.model()->flags(grid.model()->index(2, 3)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 3)).testFlag(Qt::ItemIsEditable));
    // What the editor commits lands in the cell.
    grid.model()->setData(grid.model()->index(2, 3), "1X", Qt::EditRole);
    EXPECT_EQ(grid.Cells(3, 2), QString("1X"));
}

TEST_F(StringGridTest, ClickDoubleClickAndKeyEvents)
{
    int clicks = 0;
    int doubleClicks = 0;
    grid.OnClick = [&] { ++clicks; };
    grid.OnDblClick = [&] { ++doubleClicks; };
    Click(Centre(2, 2), true);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 1);

    grid.OnKeyDown = [](int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Down)
            key = 0;
    };
    Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 2);
    Key(Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 3);

    // Typing starts the editor: a swallowed key does not, a replaced one types the replacement.
    QString typed;
    grid.SetOptions({goEditing});
    grid.OnKeyPress = [&](QChar &key) {
        typed += key;
        if (key == 'x')
            key = QChar();
        if (key == 'a')
            key = 'b';
    };
    const QModelIndex current = grid.model()->index(grid.Row(), grid.Col());
    Key(Qt::Key_X, "x");
    EXPECT_EQ(grid.indexWidget(current), nullptr);
    Key(Qt::Key_A, "a");
    EXPECT_EQ(typed, QString("xa"));
    auto *editor = qobject_cast<QLineEdit *>(grid.indexWidget(current));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QString("b"));
}

TEST_F(StringGridTest, DefaultDrawingFillsCellsByKind)
{
    grid.SetFixedColor(clSilver);
    grid.SetColor(clWhite);
    const QImage picture = Picture();
    EXPECT_EQ(ColourAt(picture, Centre(0, 2)), clSilver);
    EXPECT_EQ(ColourAt(picture, Centre(2, 0)), clSilver);
    EXPECT_EQ(ColourAt(picture, Centre(2, 2)), clWhite);
    // The current cell of a grid without focus is highlighted.
    EXPECT_EQ(ColourAt(picture, Centre(1, 1)), grid.palette().color(QPalette::Highlight));
}

TEST_F(StringGridTest, OwnerDrawingPaintsWithTheCanvas)
{
    grid.SetCell(2, 2, "WWWWWW");
    QList<TGridDrawState> statesOfCurrent;
    grid.OnDrawCell = [&](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        if (col == 1 && row == 1)
            statesOfCurrent.append(state);
        if (row == 0 && state.Contains(gdFixed)) {
            canvas.Brush.Color = clAqua;
            canvas.FillRect(rect);
        }
        if (col == 2 && row == 2) {
            canvas.Brush.Color = ColorFromNumber(0x99F19B); // RGB(155, 241, 153)
            canvas.Font.Style = {fsBold};
            canvas.Font.Color = clBlue;
            canvas.FillRect(rect);
            canvas.TextOut(rect.Left + 2, rect.Top + 2, grid.Cells(col, row));
        }
    };
    const QImage picture = Picture();
    EXPECT_EQ(ColourAt(picture, Centre(3, 0)), clAqua);
    const TRect cell = grid.CellRect(2, 2);
    EXPECT_EQ(ColourAt(picture, QPoint(cell.Right - 2, cell.Bottom - 2)), QColor(155, 241, 153));
    int bluePixels = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
        for (int x = cell.Left; x < cell.Right; ++x)
            bluePixels += ColourAt(picture, QPoint(x, y)) == clBlue ? 1 : 0;
    }
    EXPECT_GT(bluePixels, 10);
    // Text that runs past its cell is cut at the cell's edge.
    EXPECT_EQ(ColourAt(picture, Centre(3, 2)), clWhite);
    ASSERT_FALSE(statesOfCurrent.isEmpty());
    EXPECT_EQ(statesOfCurrent.last(), TGridDrawState{gdSelected});
}

TEST_F(StringGridTest, WithoutDefaultDrawingOnlyTheHandlerPaints)
{
    grid.SetDefaultDrawing(false);
    grid.SetColor(clYellow);
    grid.SetCell(2, 2, "X");
    grid.OnDrawCell = [](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        if (col == 3 && row == 3)
            canvas.FillRect(rect); // with the brush the grid handed over
    };
    const QImage picture = Picture();
    EXPECT_EQ(ColourAt(picture, Centre(3, 3)), clYellow);
    EXPECT_NE(ColourAt(picture, Centre(2, 3)), clYellow);
}

TEST_F(StringGridTest, RowSelectHighlightsTheWholeRow)
{
    grid.SetOptions({goVertLine, goHorzLine, goRowSelect});
    ASSERT_TRUE(grid.FocusCell(2, 3));
    const QImage picture = Picture();
    const QColor highlight = grid.palette().color(QPalette::Highlight);
    EXPECT_EQ(ColourAt(picture, Centre(1, 3)), highlight);
    EXPECT_EQ(ColourAt(picture, Centre(4, 3)), highlight);
    EXPECT_NE(ColourAt(picture, Centre(4, 2)), highlight);
    EXPECT_NE(ColourAt(picture, Centre(0, 3)), highlight);
}

TEST_F(StringGridTest, FixedCountsFollowTheGridSize)
{
    grid.SetFixedRows(2);
    EXPECT_EQ(grid.Row(), 2); // the current cell left the titles
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Row(), -1);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetFixedCols(0);
    EXPECT_TRUE(grid.FocusCell(0, 2));
}

} // namespace

TEST_F(StringGridTest, SizeZeroHidesARowOrColumn)
{
    grid.SetRowHeight(2, 0);
    grid.SetColWidth(3, 0);
    EXPECT_EQ(grid.RowHeights(2), 0);
    EXPECT_EQ(grid.ColWidths(3), 0);
    EXPECT_TRUE(grid.isRowHidden(2));
    EXPECT_TRUE(grid.isColumnHidden(3));
    // The arrow keys pass over them.
    ASSERT_TRUE(grid.FocusCell(2, 1));
    Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
    Key(Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 4);
    grid.SetRowHeight(2, 30);
    grid.SetColWidth(3, 40);
    EXPECT_EQ(grid.RowHeights(2), 30);
    EXPECT_EQ(grid.ColWidths(3), 40);
    EXPECT_FALSE(grid.isRowHidden(2));
}

TEST_F(StringGridTest, DeletingMovesTheCellsAndSizesAfterIt)
{
    for (int col = 0; col < 5; ++col)
        for (int row = 0; row < 5; ++row)
            grid.SetCell(col, row, QString("%1,%2").arg(col).arg(row));
    grid.SetRowHeight(3, 40);
    grid.SetColWidth(4, 90);
    grid.DeleteRow(2);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(1, 2), "1,3");
    EXPECT_EQ(grid.Cells(1, 3), "1,4");
    EXPECT_EQ(grid.Cells(1, 4), "");
    EXPECT_EQ(grid.RowHeights(2), 40);
    grid.DeleteColumn(1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(1, 0), "2,0");
    EXPECT_EQ(grid.Cells(3, 1), "4,1");
    EXPECT_EQ(grid.ColWidths(3), 90);
}

// A grid that records what reaches its hooks.
class HookedGrid : public TStringGrid
{
public:
    QStringList Seen;
    bool RefuseColumn3 = false;

protected:
    void DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) override
    {
        if (col == 1 && row == 1)
            Seen.append("draw");
        TStringGrid::DrawCell(col, row, rect, state, canvas);
    }
    bool SelectCell(int col, int row) override
    {
        return !(RefuseColumn3 && col == 3) && TStringGrid::SelectCell(col, row);
    }
    void KeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        Seen.append(QString("down %1").arg(key));
        TStringGrid::KeyDown(key, shift);
    }
    void KeyPress(QChar &key) override
    {
        Seen.append(QString("press ") + key);
        TStringGrid::KeyPress(key);
    }
    void KeyUp(int key, Qt::KeyboardModifiers shift) override
    {
        Seen.append(QString("up %1").arg(key));
        TStringGrid::KeyUp(key, shift);
    }
    void SizeChanged(int oldColCount, int oldRowCount) override
    {
        Seen.append(QString("size %1 %2").arg(oldColCount).arg(oldRowCount));
    }
    void CellTextChanged(int col, int row) override { Seen.append(QString("cell %1 %2").arg(col).arg(row)); }
};

TEST(StringGridHooks, DerivedGridsSeeDrawingSelectionKeysAndSizes)
{
    HookedGrid grid;
    grid.resize(400, 300);
    grid.SetRowCount(6);
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.DeleteRow(5);
    grid.SetCell(1, 1, "x");
    EXPECT_EQ(grid.Seen, QStringList({"size 5 5", "size 5 6", "size 4 6", "cell 1 1"}));
    grid.Seen.clear();
    grid.viewport()->grab();
    EXPECT_TRUE(grid.Seen.contains("draw"));
    grid.RefuseColumn3 = true;
    EXPECT_FALSE(grid.FocusCell(3, 1));
    EXPECT_TRUE(grid.FocusCell(2, 1));
    grid.Seen.clear();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&grid, &press);
    QApplication::sendEvent(&grid, &release);
    EXPECT_EQ(grid.Seen,
              QStringList({QString("down %1").arg(Qt::Key_A), "press a", QString("up %1").arg(Qt::Key_A)}));
}

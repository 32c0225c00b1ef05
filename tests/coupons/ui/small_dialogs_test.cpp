#include "coupons/ui/check_column.h"
#include "coupons/ui/epiloges_dlg.h"
#include "coupons/ui/grid_row_sorter.h"
#include "coupons/ui/print_range_dlg.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

TEST(PrintRangeDlg, StartsFromOneToTenAndTakesDigitsOnly)
{
    TPrintRangeDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ");
    EXPECT_EQ(dialog.Edit1->text(), "1");
    EXPECT_EQ(dialog.Edit2->text(), "10");
    EXPECT_FALSE(dialog.ChkAll->isChecked());
    dialog.Edit2->clear();
    QTest::keyClicks(dialog.Edit2, "2a5,");
    EXPECT_EQ(dialog.Edit2->text(), "25");
}

TEST(EpilogesDlg, BlackAndWhiteByDefaultOnItsColour)
{
    TEpilogesDlg dialog;
    EXPECT_EQ(dialog.ItemIndex(), 1);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(215, 207, 179));
    dialog.SetItemIndex(0);
    EXPECT_EQ(dialog.ItemIndex(), 0);
}

TEST(CheckColumn, DrawsTheTickedOrEmptyBoxAtTheCellsCorner)
{
    QImage cell(30, 20, QImage::Format_RGB32);
    for (const QString &text : {QString("1"), QString("0"), QString("x")}) {
        cell.fill(Qt::red);
        QPainter painter(&cell);
        TCanvas canvas(&painter);
        DrawCheckCell(canvas, {4, 2, 30, 20}, text);
        painter.end();
        const QImage expected = text == "1" ? CheckBitmap() : text == "0" ? UncheckBitmap() : QImage();
        if (expected.isNull()) {
            EXPECT_EQ(cell.pixelColor(10, 8), QColor(Qt::red));
            continue;
        }
        EXPECT_EQ(cell.copy(4, 2, expected.width(), expected.height()),
                  expected.convertToFormat(cell.format()));
    }
    EXPECT_NE(CheckBitmap(), UncheckBitmap());
    EXPECT_TRUE(IsChecked(CheckText(true)));
    EXPECT_FALSE(IsChecked(CheckText(false)));
}

TEST(GridRowSorter, MovesWholeRowsAndMakesTheFirstDataRowCurrent)
{
    TStringGrid grid;
    grid.SetColCount(15);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    const QStringList differences{"-5", "3", "-1"};
    for (int row = 1; row < 4; ++row) {
        grid.SetCell(0, row, QString::number(row % 2));
        grid.SetCell(1, row, QString("K%1").arg(row));
        grid.SetCell(14, row, differences[row - 1]);
    }
    grid.SetRow(3);

    SortGridRows(grid, 14, PageSortRule());

    QStringList codes;
    for (int row = 1; row < 4; ++row)
        codes.append(grid.Cells(1, row) + '=' + grid.Cells(14, row) + '/' + grid.Cells(0, row));
    EXPECT_EQ(codes, QStringList({"K3=-1/1", "K2=3/0", "K1=-5/1"}));
    EXPECT_EQ(grid.Row(), 1);
}

} // namespace

#include "coupons/ui/kup_grid_print.h"

#include "coupons/ui/print_range_dlg.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QWidget>

#include <optional>

namespace tav::coupons {

namespace {

const char *const kCredit = "Tavrolin - Ανάλυση ποδοσφαιρικών αποτελεσμάτων";
constexpr int kDateColumn = 2;

std::optional<QDate> CellDate(const QString &text)
{
    try {
        return StrToDate(text.trimmed());
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

std::optional<int> CellInteger(const QString &text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        return std::nullopt;
    return value;
}

// Whether the upper row's key comes after the lower row's; a blank cell or one that does not hold
// the column's kind of value leaves the pair as it is.
bool ComesAfter(const QString &upper, const QString &lower, int column)
{
    if (upper.trimmed().isEmpty() || lower.trimmed().isEmpty())
        return false;
    if (column == kDateColumn) {
        const std::optional<QDate> first = CellDate(upper);
        const std::optional<QDate> second = CellDate(lower);
        return first && second && *first > *second;
    }
    if (column >= 1 && column <= 10)
        return upper.localeAwareCompare(lower) > 0;
    const std::optional<int> first = CellInteger(upper);
    const std::optional<int> second = CellInteger(lower);
    return first && second && *first > *second;
}

void SwapRows(TStringGrid &grid, int upper, int lower)
{
    for (int col = 0; col < grid.ColCount(); ++col) {
        const QString kept = grid.Cells(col, upper);
        grid.SetCell(col, upper, grid.Cells(col, lower));
        grid.SetCell(col, lower, kept);
    }
}

} // namespace

void SortGridRowsByText(TStringGrid &grid, int fromRow, int toRow, int column)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int row = fromRow; row < toRow; ++row) {
            if (ComesAfter(grid.Cells(column, row), grid.Cells(column, row + 1), column)) {
                SwapRows(grid, row, row + 1);
                swapped = true;
            }
        }
    }
}

void PrintKupGrid(TStringGrid &grid, const TKupGridPrint &print, TGridPrintState &state)
{
    const auto tenths = [&](int col) { return int(Round(grid.ColWidths(col) * print.WidthFactor)); };
    const auto cellText = [&](int col, int row) {
        return print.CellText ? print.CellText(col, row) : grid.Cells(col, row);
    };
    const auto rowTest = [&](int row) {
        return print.RowTest ? print.RowTest(row) : !grid.Cells(1, row).isEmpty();
    };

    QList<int> columns = print.PrintedColumns;
    if (columns.isEmpty()) {
        for (int col = 0; col < print.Columns; ++col)
            columns.append(col);
    }

    TGridPageDescription document;
    document.Title = print.Caption;
    document.FirstHead = {print.Caption + QStringLiteral("    ") +
                              FormatDateTime(QStringLiteral("dd/mm/yyyy"), QDate::currentDate()),
                          QString::fromUtf8(kCredit), QString()};
    document.LaterHead = document.FirstHead;
    document.Layout = print.Layout;
    TGridLine titles;
    for (qsizetype i = 0; i < columns.size(); ++i)
        titles.append({i < print.Titles.size() ? print.Titles.at(i) : grid.Cells(columns.at(i), 0),
                       tenths(columns.at(i))});
    document.Header = {titles};
    const int first = state.PrnFromRow < 0 ? 1 : state.PrnFromRow;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (row >= first && !rowTest(row))
            break;
        TGridLine cells;
        for (int col : std::as_const(columns))
            cells.append({cellText(col, row), tenths(col)});
        document.Rows.append(cells);
    }
    if (print.Window)
        document.EnableWindow = [window = print.Window](bool enabled) { window->setEnabled(enabled); };
    document.BeforeRow = [] { QCoreApplication::processEvents(); };
    if (print.BeforeCell) {
        // The document's rows are the grid's from row 1 on.
        document.BeforeCell = [&](qsizetype row, qsizetype cell, TCanvas &canvas) {
            print.BeforeCell(columns.at(cell), int(row) + 1, canvas);
        };
    }

    TGridPrintState rows = state;
    rows.PrnFromRow = first - 1;
    rows.PrnToRow = state.PrnToRow < 0 ? -1 : state.PrnToRow - 1;
    PrintGridPages(Printer(), document, rows);
    state.PrnPixelsX = rows.PrnPixelsX;
    state.PrnGap = rows.PrnGap;
    state.PrnLineHeight = rows.PrnLineHeight;
    state.PrnY = rows.PrnY;
}

void PrintKupGridAsked(TStringGrid &grid, const TKupGridPrint &print, TGridPrintState &state)
{
    TPrintRangeDlg &range = *PrintRangeDlg();
    range.Edit1->setText(QStringLiteral("1"));
    range.Edit2->setText(IntToStr(grid.RowCount()));
    range.ChkAll->setChecked(false);
    RunModal(range);
    ShowingErrors([&] {
        if (range.ChkAll->isChecked()) {
            state.PrnFromRow = -1;
            state.PrnToRow = -1;
        } else {
            state.PrnFromRow = StrToInt(range.Edit1->text());
            state.PrnToRow = StrToInt(range.Edit2->text());
        }
        if (ExecutePrintDialog(print.Window))
            PrintKupGrid(grid, print, state);
    });
}

} // namespace tav::coupons

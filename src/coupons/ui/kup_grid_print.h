#pragma once

#include "platform/ui/paged_print.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TStringGrid;

namespace tav::coupons {

// Orders the grid's rows fromRow..toRow by the column in passes of exchanges of neighbouring rows,
// so that rows of equal keys keep their order. A pair with a blank cell stays as it is. Column 2
// holds dates and compares them as dates; columns 1 and 3 to 10 compare as text by the locale's
// collation, case-sensitive; the others as whole numbers.
void SortGridRowsByText(TStringGrid &grid, int fromRow, int toRow, int column);

// How a coupon grid goes on paper. The columns are printed in order, each as wide as on the
// screen times the width factor, in tenths of an inch; every page starts with the caption and
// today's date, a credit line and the column titles.
struct TKupGridPrint
{
    QString Caption;
    int Columns = 0;            // how many columns are printed, from the first
    QList<int> PrintedColumns;  // the grid columns printed, in order; none: the first Columns
    QStringList Titles;         // the printed titles, one per printed column; none: the grid's
    double WidthFactor = 0.104; // tenths of an inch for a pixel of the screen
    TGridLayout Layout = glPlain;
    // The printout ends at the first row of the range that fails it; none: a row whose competition
    // (column 1) is empty.
    std::function<bool(int row)> RowTest;
    // The text printed for a cell; none: the grid's own.
    std::function<QString(int col, int row)> CellText;
    // Sets the printer's canvas for the cell (col, row) of the grid before it is printed; the
    // brush comes back after each line, the type is left as set.
    std::function<void(int col, int row, TCanvas &canvas)> BeforeCell;
    // Out of use while it prints.
    QWidget *Window = nullptr;
};

// Prints the grid's data rows from the state's first to its last row (grid rows from 1; -1: from
// the first, to the end) as one job on the printer; an error of the printer aborts the job and is
// raised.
void PrintKupGrid(TStringGrid &grid, const TKupGridPrint &print, TGridPrintState &state);

// Asks for the rows to print (1 to the grid's last row offered) and the printer, then prints. A
// range that is no whole number shows the conversion message and prints nothing.
void PrintKupGridAsked(TStringGrid &grid, const TKupGridPrint &print, TGridPrintState &state);

} // namespace tav::coupons

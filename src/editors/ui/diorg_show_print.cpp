#include "editors/ui/diorg_show_print.h"

#include "platform/ui/printer.h"

#include <algorithm>

namespace {

// Lines are a tenth of an inch apart at the least; the margin and the gap between columns too.
int LineHeight(TPrinter &printer)
{
    return std::max(printer.PixelsPerInchY() / 10, printer.Canvas().TextHeight(QStringLiteral("Ay")) * 6 / 5);
}

void PrintLine(TCanvas &canvas, const QList<int> &lefts, int y, const QStringList &cells)
{
    for (int column = 0; column < cells.size() && column < lefts.size(); ++column)
        canvas.TextOut(lefts.at(column), y, cells.at(column));
}

} // namespace

void PrintCompetitionsSummary(TPrinter &printer, const TCompetitionsSummaryPage &page)
{
    printer.SetTitle(page.Title);
    printer.BeginDoc();
    TCanvas &canvas = printer.Canvas();
    const int margin = printer.PixelsPerInchX() / 2;
    const int gap = printer.PixelsPerInchX() / 10;
    // Each column as wide as its widest text; a summary wider than the page in a smaller type.
    const QList<int> lefts = FitColumns(canvas, {}, page.Titles, page.Rows, {fsBold}, margin, gap,
                                        printer.PageWidth() - 2 * margin);
    const int lineHeight = LineHeight(printer);
    auto pageHead = [&] {
        int y = margin;
        canvas.Font.Style = {fsBold};
        y = canvas.TextOutWithin(margin, y, printer.PageWidth() - 2 * margin, lineHeight, page.Title) +
            lineHeight;
        PrintLine(canvas, lefts, y, page.Titles);
        canvas.Font.Style = {};
        return y + lineHeight;
    };
    int y = pageHead();
    for (const QStringList &row : page.Rows) {
        if (y + lineHeight > printer.PageHeight() - margin) {
            printer.NewPage();
            y = pageHead();
        }
        PrintLine(canvas, lefts, y, row);
        y += lineHeight;
    }
    printer.EndDoc();
}

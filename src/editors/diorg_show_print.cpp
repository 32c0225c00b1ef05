#include "editors/diorg_show_print.h"

#include "platform/ui/printer.h"

#include <algorithm>

namespace {

constexpr int kSmallestSize = 6;

// Lines are a tenth of an inch apart at the least; the margin and the gap between columns too.
int LineHeight(TPrinter &printer)
{
    return std::max(printer.PixelsPerInchY() / 10, printer.Canvas().TextHeight(QStringLiteral("Ay")) * 6 / 5);
}

// Where each column begins, at its widest text, and where a next one would.
QList<int> ColumnLefts(TCanvas &canvas, const TCompetitionsSummaryPage &page, int left, int gap)
{
    QList<int> widths;
    for (const QString &title : page.Titles)
        widths.append(canvas.TextWidth(title));
    for (const QStringList &row : page.Rows)
        for (int column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = std::max(widths[column], canvas.TextWidth(row.at(column)));
    QList<int> lefts;
    for (const int width : std::as_const(widths)) {
        lefts.append(left);
        left += width + gap;
    }
    lefts.append(left);
    return lefts;
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
    const int lineHeight = LineHeight(printer);
    const int gap = printer.PixelsPerInchX() / 10;
    canvas.Font.Style = {fsBold};
    QList<int> lefts = ColumnLefts(canvas, page, margin, gap);
    // A summary wider than the page is printed in a smaller type, down to a readable least.
    const int width = lefts.last() - gap - margin;
    const int available = printer.PageWidth() - 2 * margin;
    if (width > available) {
        canvas.Font.Size = std::max(kSmallestSize, canvas.Font.Size * available / width);
        lefts = ColumnLefts(canvas, page, margin, gap);
    }
    auto pageHead = [&] {
        int y = margin;
        canvas.Font.Style = {fsBold};
        canvas.TextOut(margin, y, page.Title);
        y += 2 * lineHeight;
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

#include "platform/ui/paged_print.h"

#include "platform/ui/printer.h"

#include "platform/core/rounding.h"

#include <algorithm>

namespace {

// One job of PrintPages: the place of the next line on the current page and the measures of the
// table, both in device pixels.
class TPageWriter
{
public:
    TPageWriter(TPrinter &printer, const TPrintDocument &document)
        : printer_(printer), canvas_(printer.Canvas()), document_(document)
    {
    }

    void Write();

private:
    void LayOutColumns();
    void PrintPageHead(const QStringList &head);
    void NextPage();
    void PrintHeadLine(const QString &text);
    void PrintLine(const QStringList &cells, bool ruled);
    void PrintBands();
    bool Fits(int height) const { return y_ + height <= printer_.PageHeight() - document_.Margins.Bottom; }
    int Left() const { return document_.Margins.Left; }
    int Width() const { return printer_.PageWidth() - document_.Margins.Left - document_.Margins.Right; }
    void BeforeRow() const;

    TPrinter &printer_;
    TCanvas &canvas_;
    const TPrintDocument &document_;
    int gap_ = 0;
    int lineHeight_ = 0;
    int y_ = 0;
    // Whether anything but the head is on the current page.
    bool pageHasBody_ = false;
    QStringList titles_;
    QList<int> columnLefts_;
};

void TPageWriter::Write()
{
    gap_ = printer_.PixelsPerInchY() / 10;
    BeforeRow();
    LayOutColumns();
    lineHeight_ = canvas_.TextHeight(QStringLiteral("X")) + gap_;
    y_ = document_.Margins.Top;
    PrintPageHead(document_.FirstHead);
    for (const QStringList &row : document_.Rows) {
        BeforeRow();
        if (!document_.TestPageAfterRow && pageHasBody_ && !Fits(lineHeight_))
            NextPage();
        PrintLine(row, document_.Rules == prUnderEveryLine);
        pageHasBody_ = true;
        if (document_.TestPageAfterRow && !Fits(lineHeight_))
            NextPage();
    }
    for (const QString &line : document_.Summary) {
        const TFont tableFont = canvas_.Font;
        canvas_.Font = document_.HeadFont;
        const qsizetype lines = canvas_.WrapText(line, Width()).size();
        canvas_.Font = tableFont;
        if (pageHasBody_ && !Fits(int(lines) * lineHeight_))
            NextPage();
        PrintHeadLine(line);
        pageHasBody_ = true;
    }
}

void TPageWriter::BeforeRow() const
{
    if (document_.BeforeRow)
        document_.BeforeRow();
}

void TPageWriter::LayOutColumns()
{
    QList<int> widths;
    QList<QStringList> cells;
    for (const TPrintColumn &column : document_.Columns) {
        widths.append(column.Width);
        titles_.append(column.Title);
    }
    if (document_.ColumnsFitCells)
        cells = document_.Rows;
    columnLefts_ = FitColumns(canvas_, widths, titles_, cells, document_.TitleStyle, Left(),
                              document_.ColumnGap, Width());
    // Still too wide in the smallest type: the columns give up room in proportion, and their
    // texts are fitted one by one.
    const int tableWidth = columnLefts_.last() - Left();
    if (tableWidth > Width())
        for (int &left : columnLefts_)
            left = Left() + int(qint64(left - Left()) * Width() / tableWidth);
}

void TPageWriter::PrintPageHead(const QStringList &head)
{
    for (const QString &line : head)
        PrintHeadLine(line);
    canvas_.Font.Style = document_.TitleStyle;
    PrintBands();
    PrintLine(titles_, document_.Rules != prNone);
    canvas_.Font.Style = {};
}

void TPageWriter::NextPage()
{
    printer_.NewPage();
    y_ = document_.Margins.Top;
    pageHasBody_ = false;
    PrintPageHead(document_.LaterHead);
}

void TPageWriter::PrintHeadLine(const QString &text)
{
    const TFont tableFont = canvas_.Font;
    canvas_.Font = document_.HeadFont;
    y_ = canvas_.TextOutWithin(Left(), y_, Width(), lineHeight_, text, document_.HeadCentred) + gap_;
    canvas_.Font = tableFont;
}

void TPageWriter::PrintBands()
{
    if (document_.Bands.isEmpty())
        return;
    const qsizetype columns = columnLefts_.size() - 1;
    for (const TPrintBand &band : document_.Bands) {
        if (band.FirstColumn < 0 || band.LastColumn < band.FirstColumn || band.LastColumn >= columns)
            continue;
        const int left = columnLefts_.at(band.FirstColumn);
        const int width = columnLefts_.at(band.LastColumn + 1) - left - document_.ColumnGap;
        canvas_.TextOutFitted(left, y_, width, band.Title, kSmallestPrintSize, taCenter);
    }
    y_ += lineHeight_;
}

void TPageWriter::PrintLine(const QStringList &cells, bool ruled)
{
    const qsizetype columns = columnLefts_.size() - 1;
    for (qsizetype column = 0; column < cells.size() && column < columns; ++column) {
        const int left = columnLefts_.at(column);
        const int width = columnLefts_.at(column + 1) - left - document_.ColumnGap;
        canvas_.TextOutFitted(left, y_, width, cells.at(column), kSmallestPrintSize,
                              document_.Columns.at(column).Alignment);
    }
    if (!ruled) {
        y_ += lineHeight_;
        return;
    }
    const int ruleY = y_ + document_.RuleDrop.value_or(lineHeight_);
    canvas_.MoveTo(columnLefts_.first(), ruleY);
    canvas_.LineTo(columnLefts_.last(), ruleY);
    y_ = ruleY + gap_;
}

} // namespace

void PrintPages(TPrinter &printer, const TPrintDocument &document)
{
    printer.SetTitle(document.Title);
    printer.BeginDoc();
    try {
        TPageWriter(printer, document).Write();
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
}

// --- Grid pages ---

namespace {

int Rounded(double value)
{
    return int(Round(value));
}

// Where a grid page starts and when the next line no longer fits.
int PageTop(TGridLayout layout)
{
    return layout == glCrossTable ? 5 : 0;
}

bool PageFull(TPrinter &printer, const TGridPrintState &state, TGridLayout layout)
{
    const int next = layout == glCrossTable ? state.PrnLineHeight / 4 : state.PrnLineHeight;
    return printer.PageHeight() < state.PrnY + next;
}

// The longest start of the text that fits the width in the canvas's type.
QString FittingStart(const TCanvas &canvas, const QString &text, int width)
{
    if (canvas.TextWidth(text) <= width)
        return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (canvas.TextWidth(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low);
}

void PrintHead(TPrinter &printer, TGridPrintState &state, const TGridPageDescription &document,
               const QStringList &head)
{
    for (const QString &line : head)
        PrintCentredLine(printer, state, document, line);
    PrintColumnHeader(printer, state, document);
}

// Gives the window back however the job ends.
class TWindowOutOfUse
{
public:
    explicit TWindowOutOfUse(const std::function<void(bool)> &enable) : enable_(enable)
    {
        if (enable_)
            enable_(false);
    }
    ~TWindowOutOfUse()
    {
        if (enable_)
            enable_(true);
    }
    TWindowOutOfUse(const TWindowOutOfUse &) = delete;
    TWindowOutOfUse &operator=(const TWindowOutOfUse &) = delete;

private:
    const std::function<void(bool)> &enable_;
};

void PrintGridJob(TPrinter &printer, const TGridPageDescription &document, TGridPrintState &state)
{
    TCanvas &canvas = printer.Canvas();
    if (document.BeforeRow)
        document.BeforeRow();
    state.PrnLineHeight = canvas.TextHeight(QStringLiteral("X")) + state.PrnGap;
    PrintHead(printer, state, document, document.FirstHead);
    const qsizetype first = state.PrnFromRow < 0 ? 0 : state.PrnFromRow;
    const qsizetype last = state.PrnToRow < 0 ? document.Rows.size() - 1
                                              : std::min<qsizetype>(state.PrnToRow, document.Rows.size() - 1);
    for (qsizetype row = first; row <= last && !printer.Aborted(); ++row) {
        const TGridLine &cells = document.Rows.at(row);
        if (document.EndAtBlankSecondCell && (cells.size() < 2 || cells.at(1).Text.isEmpty()))
            break;
        if (document.BeforeRow)
            document.BeforeRow();
        if (document.BeforeCell) {
            PrintColumns(printer, state, document.Layout, cells,
                         [&](qsizetype cell, TCanvas &canvas) { document.BeforeCell(row, cell, canvas); });
        } else {
            PrintColumns(printer, state, document.Layout, cells);
        }
        if (PageFull(printer, state, document.Layout)) {
            state.PrnY = PageTop(document.Layout);
            printer.NewPage();
            PrintHead(printer, state, document, document.LaterHead);
        }
    }
    if (document.Summary.isEmpty() || printer.Aborted())
        return;
    PrintCentredLine(printer, state, document, QString());
    for (const QString &line : document.Summary) {
        if (PageFull(printer, state, document.Layout)) {
            state.PrnY = PageTop(document.Layout);
            printer.NewPage();
            PrintHead(printer, state, document, document.LaterHead);
        }
        PrintCentredLine(printer, state, document, line);
    }
}

} // namespace

int ScreenWidthTenths(int screenPixels)
{
    return Rounded(screenPixels * 0.104);
}

void PrintCentredLine(TPrinter &printer, TGridPrintState &state, const TGridPageDescription &document,
                      const QString &text)
{
    TCanvas &canvas = printer.Canvas();
    const TFont kept = canvas.Font;
    if (document.HeadFont) {
        canvas.Font = *document.HeadFont;
    } else {
        canvas.Font.Size = 12;
    }
    const int width = canvas.TextWidth(text);
    if (width <= printer.PageWidth())
        canvas.TextOut(printer.PageWidth() / 2 - width / 2, state.PrnY, text);
    else
        canvas.TextOutFitted(0, state.PrnY, printer.PageWidth(), text, kSmallestPrintSize, taCenter);
    state.PrnY += state.PrnLineHeight + (document.Layout == glCrossTable ? state.PrnGap / 8 : state.PrnGap);
    canvas.Font = kept;
}

void PrintColumns(TPrinter &printer, TGridPrintState &state, TGridLayout layout, const TGridLine &cells,
                  const std::function<void(qsizetype cell, TCanvas &canvas)> &beforeCell)
{
    TCanvas &canvas = printer.Canvas();
    const TBrush brush = canvas.Brush;
    const int top = state.PrnY;
    const int bottom = state.PrnY + state.PrnLineHeight;
    int x = 0;
    for (qsizetype index = 0; index < cells.size(); ++index) {
        const TGridCell &cell = cells.at(index);
        if (beforeCell)
            beforeCell(index, canvas);
        const int right = x + Rounded(state.PrnPixelsX * (cell.Tenths * 0.1));
        canvas.TextRect({x, top, right, bottom}, x, top, FittingStart(canvas, cell.Text, right - x));
        if (layout == glCrossTable || layout == glRuledCells) {
            canvas.MoveTo(x, top);
            canvas.LineTo(x, bottom);
        }
        x = right;
    }
    canvas.Brush = brush;
    if (layout != glPlain) {
        const int ruleY = state.PrnY + Rounded(state.PrnGap * 1.5);
        canvas.MoveTo(0, ruleY);
        canvas.LineTo(x, ruleY);
    }
    if (layout == glCrossTable)
        state.PrnY += Rounded(state.PrnGap * 2.5);
    else if (layout == glRuledRowsClear)
        state.PrnY += std::max(state.PrnLineHeight, 2 * state.PrnGap);
    else
        state.PrnY += 2 * state.PrnGap;
}

void PrintColumnHeader(TPrinter &printer, TGridPrintState &state, const TGridPageDescription &document)
{
    TCanvas &canvas = printer.Canvas();
    canvas.Font.Style = {fsBold, fsUnderline};
    for (const TGridLine &line : document.Header)
        PrintColumns(printer, state, document.Layout, line);
    canvas.Font.Style = {};
}

void PrintGridPages(TPrinter &printer, const TGridPageDescription &document, TGridPrintState &state)
{
    const TWindowOutOfUse outOfUse(document.EnableWindow);
    state.PrnPixelsX = printer.PixelsPerInchX();
    state.PrnGap = printer.PixelsPerInchY() / 10;
    state.PrnY = PageTop(document.Layout);
    printer.SetTitle(document.Title);
    printer.BeginDoc();
    try {
        PrintGridJob(printer, document, state);
    } catch (...) {
        printer.Abort();
        throw;
    }
    if (!printer.Aborted())
        printer.EndDoc();
}

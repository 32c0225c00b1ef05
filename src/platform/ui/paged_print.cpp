#include "platform/ui/paged_print.h"

#include "platform/ui/printer.h"

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

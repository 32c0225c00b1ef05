#include "platform/ui/printer.h"

#include "platform/core/long_lived.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

const char *const kAlreadyPrinting = "Η εκτύπωση βρίσκεται ήδη σε εξέλιξη";
const char *const kNotPrinting = "Δεν υπάρχει εκτύπωση σε εξέλιξη";
const char *const kCannotStart = "Δεν είναι δυνατή η έναρξη της εκτύπωσης";
const char *const kCannotAddPage = "Δεν είναι δυνατή η προσθήκη νέας σελίδας στην εκτύπωση";
const char *const kCannotEnd = "Δεν είναι δυνατή η ολοκλήρωση της εκτύπωσης";

// Margins of the PDF page, about what a printer cannot print on.
constexpr qreal kFileMarginMillimetres = 5.0;

} // namespace

TPrinter::TPrinter()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), canvas_(nullptr, printer_.get())
{
}

TPrinter::~TPrinter()
{
    if (painter_.isActive())
        painter_.end();
}

void TPrinter::SetOutputFileName(const QString &pdfFile)
{
    if (printing_)
        throw EPrinter(QString::fromUtf8(kAlreadyPrinting));
    outputFile_ = pdfFile;
    if (pdfFile.isEmpty()) {
        printer_->setOutputFileName(QString());
        printer_->setOutputFormat(QPrinter::NativeFormat);
        return;
    }
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile);
    printer_->setResolution(kFileResolution);
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(kFileMarginMillimetres, kFileMarginMillimetres,
                                                  kFileMarginMillimetres, kFileMarginMillimetres),
                                        QPageLayout::Millimeter));
}

int TPrinter::Copies() const
{
    return printer_->copyCount();
}

void TPrinter::SetCopies(int copies)
{
    printer_->setCopyCount(std::max(copies, 1));
}

bool TPrinter::Landscape() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape;
}

void TPrinter::SetLandscape(bool landscape)
{
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool TPrinter::HasPrinter() const
{
    return !outputFile_.isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void TPrinter::BeginDoc()
{
    if (printing_)
        throw EPrinter(QString::fromUtf8(kAlreadyPrinting));
    printer_->setDocName(title_);
    if (!painter_.begin(printer_.get()))
        throw EPrinter(QString::fromUtf8(kCannotStart));
    canvas_ = TCanvas(&painter_, printer_.get());
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
}

void TPrinter::NewPage()
{
    if (aborted_)
        return;
    if (!printing_)
        throw EPrinter(QString::fromUtf8(kNotPrinting));
    if (!printer_->newPage())
        throw EPrinter(QString::fromUtf8(kCannotAddPage));
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    if (aborted_)
        return;
    if (!printing_)
        throw EPrinter(QString::fromUtf8(kNotPrinting));
    printing_ = false;
    canvas_.SetPainter(nullptr);
    if (!painter_.end())
        throw EPrinter(QString::fromUtf8(kCannotEnd));
}

void TPrinter::Abort()
{
    if (!printing_)
        return;
    printer_->abort();
    painter_.end();
    canvas_.SetPainter(nullptr);
    printing_ = false;
    aborted_ = true;
    // A PDF writer cannot take back what it wrote; an aborted job must not leave a file that
    // looks like a finished print.
    if (!outputFile_.isEmpty())
        QFile::remove(outputFile_);
}

int TPrinter::PageWidth() const
{
    return printer_->width();
}

int TPrinter::PageHeight() const
{
    return printer_->height();
}

int TPrinter::PixelsPerInchX() const
{
    return printer_->logicalDpiX();
}

int TPrinter::PixelsPerInchY() const
{
    return printer_->logicalDpiY();
}

namespace {

QList<int> ColumnLefts(TCanvas &canvas, const QList<int> &askedWidths, const QStringList &titles,
                       const QList<QStringList> &cells, TFontStyles titleStyle, int left, int gap,
                       qreal scale)
{
    const auto columnCount = std::max(askedWidths.size(), titles.size());
    QList<int> widths(columnCount, 0);
    for (qsizetype column = 0; column < askedWidths.size(); ++column)
        widths[column] = int(askedWidths.at(column) * scale);
    canvas.Font.Style = titleStyle;
    for (qsizetype column = 0; column < titles.size(); ++column)
        widths[column] = std::max(widths[column], canvas.TextWidth(titles.at(column)) + gap);
    canvas.Font.Style = {};
    for (const QStringList &row : cells)
        for (qsizetype column = 0; column < row.size() && column < columnCount; ++column)
            widths[column] = std::max(widths[column], canvas.TextWidth(row.at(column)) + gap);
    QList<int> lefts;
    for (const int width : std::as_const(widths)) {
        lefts.append(left);
        left += width;
    }
    lefts.append(left);
    return lefts;
}

} // namespace

QList<int> FitColumns(TCanvas &canvas, const QList<int> &askedWidths, const QStringList &titles,
                      const QList<QStringList> &cells, TFontStyles titleStyle, int left, int gap,
                      int maxWidth)
{
    const int size = canvas.Font.Size;
    QList<int> lefts = ColumnLefts(canvas, askedWidths, titles, cells, titleStyle, left, gap, 1.0);
    while (lefts.last() - left > maxWidth && canvas.Font.Size > kSmallestPrintSize) {
        --canvas.Font.Size;
        lefts = ColumnLefts(canvas, askedWidths, titles, cells, titleStyle, left, gap,
                            qreal(canvas.Font.Size) / size);
    }
    return lefts;
}

TPrinter &Printer()
{
    // Destroyed only by a test's reset: the printer must not outlive the application object in a destructor.
    static TPrinter *printer = nullptr;
    return *LongLived(printer, [] { return new TPrinter; });
}

bool ExecutePrintDialog(QWidget *parent)
{
    TPrinter &printer = Printer();
    if (!printer.OutputFileName().isEmpty())
        return true;
    QPrintDialog dialog(&printer.Device(), parent);
    return dialog.exec() == QDialog::Accepted;
}

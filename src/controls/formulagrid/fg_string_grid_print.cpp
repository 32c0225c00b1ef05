// The grid's pages: one run serves printing, the preview page and counting the pages.

#include "controls/formulagrid/fg_stretch_bitmap.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_preview_form.h"

#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {

const char *const kNoPrinter = "No Printer is installed";
const char *const kNoRows =
    "Δεν υπάρχουν γραμμές για εκτύπωση: η πρώτη γραμμή (%1) είναι μετά την τελευταία (%2).";
const char *const kPageLabel = "Page ";
// Room kept above the footer, and the gap of the right footer part from the edge, in screen pixels.
constexpr int kFooterGap = 20;
constexpr int kRightFooterGap = 10;
constexpr int kFooterParts = 3;
constexpr double kInchesPerMetre = 1 / 0.0254;

} // namespace

// The state of one page run.
class TfgStringGrid::PageRun
{
public:
    TPaintMode Mode = TPaintMode::Count;
    TCanvas *Canvas = nullptr;
    TCanvas Measure; // measures texts at screen resolution
    int PageW = 0;
    int PageH = 0;
    double RatioX = 1; // printer pixels per screen pixel
    double RatioY = 1;
    int FirstCol = 0;
    int LastCol = 0;
    int Band = 0;
    int PageInBand = 0;
    int Y = 0;
    bool Draw = false;
    int FooterHeight = 0;
    QImage Logo;
    QImage ScaledLogo;

    int ScaleX(int v) const { return Mode == TPaintMode::Preview ? v : int(std::lround(RatioX * v)); }
    int ScaleY(int v) const { return Mode == TPaintMode::Preview ? v : int(std::lround(RatioY * v)); }
};

void TfgStringGrid::PrintGrid()
{
    ShowAllRows();
    TPrinter &printer = Printer();
    if (!printer.HasPrinter()) {
        MessageDlg(QString::fromLatin1(kNoPrinter), mtError, {mbOK});
        return;
    }
    const TPrintOptions &options = *printOptions_;
    // Both 0 stands for every data row; the titles head every page anyway.
    const int first = std::max(options.FromRow, 1);
    const int last =
        options.FromRow == 0 && options.ToRow == 0 ? RowCount() - 1 : std::min(options.ToRow, RowCount() - 1);
    if (first > last) {
        ShowMessage(QString::fromUtf8(kNoRows).arg(options.FromRow).arg(options.ToRow));
        return;
    }
    printer.SetTitle(options.JobTitle);
    printer.SetCopies(options.Copies);
    printer.SetLandscape(options.Orientation == TPrintOptions::poLandscape);
    printer.BeginDoc();
    try {
        PaintPages(TPaintMode::Print, first, last);
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
}

void TfgStringGrid::ShowPrintPreview()
{
    pageCount_ = 0;
    TfgStringGridPreviewF dialog;
    dialog.Grid = this;
    // The first picture is the first page, whatever page the last preview ended on.
    printOptions_->PreviewPage = 1;
    PaintPages(TPaintMode::Preview, 1, RowCount() - 1, &dialog.PrintImage);
    dialog.ShowImage(dialog.PrintImage);
    RunModal(dialog);
}

void TfgStringGrid::PaintPreviewPage(QImage &image)
{
    pageCount_ = 0;
    PaintPages(TPaintMode::Preview, 1, RowCount() - 1, &image);
}

int TfgStringGrid::CountPreviewPages()
{
    pageCount_ = 0;
    PaintPages(TPaintMode::Count, 1, RowCount() - 1);
    return pageCount_;
}

void TfgStringGrid::PaintPages(TPaintMode mode, int firstRow, int lastRow, QImage *preview)
{
    TPrinter &printer = Printer();
    const TPrintOptions &options = *printOptions_;
    if (!printer.Printing())
        printer.SetLandscape(options.Orientation == TPrintOptions::poLandscape);
    PageRun run;
    run.Mode = mode;
    run.Measure = TCanvas(nullptr, this);
    run.PageW = printer.PageWidth();
    run.PageH = printer.PageHeight();
    run.RatioX = double(printer.PixelsPerInchX()) / logicalDpiX();
    run.RatioY = double(printer.PixelsPerInchY()) / logicalDpiY();
    QPainter painter;
    std::unique_ptr<TCanvas> previewCanvas;
    if (mode == TPaintMode::Preview && preview) {
        run.PageW = int(std::lround(run.PageW / run.RatioX));
        run.PageH = int(std::lround(run.PageH / run.RatioY));
        *preview = QImage(run.PageW, run.PageH, QImage::Format_RGB888);
        preview->setDotsPerMeterX(int(std::lround(logicalDpiX() * kInchesPerMetre)));
        preview->setDotsPerMeterY(int(std::lround(logicalDpiY() * kInchesPerMetre)));
        preview->fill(Qt::white);
        painter.begin(preview);
        previewCanvas = std::make_unique<TCanvas>(&painter, preview);
        run.Canvas = previewCanvas.get();
    } else if (mode == TPaintMode::Print) {
        run.Canvas = &printer.Canvas();
    }
    if (firstRow > lastRow || ColCount() < 2)
        return;
    if (!options.Logo.isEmpty() && QFileInfo::exists(options.Logo)) {
        run.Logo = QImage(options.Logo).convertToFormat(QImage::Format_RGB888);
        if (!run.Logo.isNull()) {
            run.ScaledLogo =
                QImage(run.ScaleX(run.Logo.width()), run.ScaleY(run.Logo.height()), QImage::Format_RGB888);
            StretchBitmap(run.Logo, run.ScaledLogo);
        }
    }
    if (run.Canvas) {
        run.Canvas->Font = TFont::FromQFont(font(), clBlack, logicalDpiY());
        run.Canvas->Brush.Style = bsClear;
    }

    run.LastCol = 0;
    do {
        run.FirstCol = run.LastCol + 1;
        run.LastCol = run.LastCol + 1;
        int x = options.MarginLeft;
        for (int col = run.FirstCol; col < ColCount(); ++col) {
            x += run.ScaleX(ColWidths(col) + 1);
            if (x < run.PageW - options.MarginRight)
                run.LastCol = col;
        }
        const auto startPage = [&] {
            ++pageCount_;
            run.Draw = mode == TPaintMode::Print ||
                       (mode == TPaintMode::Preview && pageCount_ == options.PreviewPage);
            PaintPageHeader(run);
        };
        run.PageInBand = 1;
        ++run.Band;
        startPage();
        bool pageHasRows = false;
        for (int row = firstRow; row <= lastRow;) {
            const int height = run.ScaleY(RowHeights(row));
            const bool fits = run.Y + height <=
                              run.PageH - run.ScaleY(options.MarginBottom + kFooterGap + run.FooterHeight);
            // A row taller than a whole page goes on a page of its own, cut at the page's end.
            if (fits || !pageHasRows) {
                if (height != 0) {
                    PaintGridRow(run, row);
                    pageHasRows = true;
                }
                ++row;
                continue;
            }
            if (mode == TPaintMode::Preview && run.Draw)
                return;
            if (mode == TPaintMode::Print)
                printer.NewPage();
            ++run.PageInBand;
            startPage();
            pageHasRows = false;
        }
        if (run.LastCol < ColCount() - 1) {
            if (mode == TPaintMode::Preview && run.Draw)
                return;
            if (mode == TPaintMode::Print)
                printer.NewPage();
        }
    } while (run.LastCol < ColCount() - 1);
}

void TfgStringGrid::PaintPageHeader(PageRun &run)
{
    const TPrintOptions &options = *printOptions_;
    const TFont gridFont = TFont::FromQFont(font(), clBlack, logicalDpiY());
    TFont headerFont = gridFont;
    headerFont.Size = options.HeaderSize;
    run.Measure.Font = headerFont;
    if (run.Draw)
        run.Canvas->Font = headerFont;
    run.Y = run.ScaleY(options.MarginTop);
    int titleHeight = run.Measure.TextHeight(options.PageTitle);
    if (!run.Logo.isNull() && run.Logo.height() > titleHeight)
        titleHeight = run.Logo.height();
    if (run.Draw) {
        if (!run.ScaledLogo.isNull())
            run.Canvas->Draw(run.ScaleX(options.MarginLeft), run.Y, run.ScaledLogo);
        run.Canvas->TextOut(run.PageW / 2 - run.ScaleX(run.Measure.TextWidth(options.PageTitle) / 2), run.Y,
                            options.PageTitle);
    }
    run.Y += run.ScaleY(titleHeight);

    QString label = QString::fromLatin1(kPageLabel) + QString::number(run.PageInBand);
    if (run.LastCol < ColCount() - 1 || run.Band > 1)
        label += "-" + QString::number(run.Band);
    run.FooterHeight = 0;
    if (!options.PageFooter.isEmpty()) {
        TFont footerFont = gridFont;
        footerFont.Size = options.FooterSize;
        run.Measure.Font = footerFont;
        run.FooterHeight = run.Measure.TextHeight(options.PageFooter);
        if (run.Draw) {
            run.Canvas->Font = footerFont;
            QStringList parts = options.PageFooter.split(u'|');
            while (parts.size() < kFooterParts)
                parts.append(QString());
            const QDateTime now = QDateTime::currentDateTime();
            for (int i = 0; i < kFooterParts; ++i) {
                QString part = parts[i];
                const auto replaceFirst = [&part](const QString &token, const QString &text) {
                    const qsizetype at = part.indexOf(token);
                    if (at >= 0)
                        part.replace(at, token.size(), text);
                };
                replaceFirst("date", FormatDateTime(options.DateFormat, now));
                replaceFirst("time", FormatDateTime(options.TimeFormat, now));
                replaceFirst("page", label);
                if (part.isEmpty())
                    continue;
                const int width = run.Measure.TextWidth(part);
                const int y = run.PageH - run.ScaleY(run.Measure.TextHeight(part) + options.MarginBottom);
                const int x = i == 0 ? run.ScaleX(options.MarginLeft)
                              : i == 1
                                  ? run.PageW / 2 - run.ScaleX(width) / 2
                                  : run.PageW - run.ScaleX(width + options.MarginRight + kRightFooterGap);
                run.Canvas->TextOut(x, y, part);
            }
        }
    }
    run.Measure.Font = gridFont;
    if (run.Draw)
        run.Canvas->Font = gridFont;
    run.Y += run.ScaleY(options.PageTitleMargin);
    PaintGridRow(run, 0);
}

void TfgStringGrid::PaintGridRow(PageRun &run, int row)
{
    const TPrintOptions &options = *printOptions_;
    const int height = run.ScaleY(RowHeights(row));
    int x = run.ScaleX(options.MarginLeft);
    for (int col = run.FirstCol; col <= run.LastCol; ++col) {
        const int width = ColWidths(col);
        if (width != 0 && run.Draw) {
            TRect rect{x, run.Y, x + run.ScaleX(width), run.Y + height};
            TCanvas &canvas = *run.Canvas;
            canvas.Brush.Style = bsClear;
            if (options.BorderStyle == TPrintOptions::bsSingle)
                canvas.Rectangle(rect.Left, rect.Top, rect.Right + run.ScaleX(2),
                                 rect.Bottom + run.ScaleY(1));
            bool isNumber = false;
            const QString text = DisplayText(col, row, isNumber);
            if (row == 0)
                canvas.Font.Style.Include(fsBold);
            else
                canvas.Font.Style.Exclude(fsBold);
            rect.Left += run.ScaleX(options.Leftpadding);
            const QStringList lines =
                wordWrap_ && row != 0 ? canvas.WrapText(text, std::max(rect.Width(), 1)) : QStringList{text};
            int y = rect.Top;
            for (const QString &line : lines) {
                const int lineX = isNumber ? rect.Right - canvas.TextWidth(line) : rect.Left;
                canvas.TextRect(rect, lineX, y, line);
                y += canvas.TextHeight(line);
            }
        }
        x += run.ScaleX(width + 1);
    }
    run.Y += height;
}

#pragma once

#include "platform/core/errors.h"
#include "platform/ui/canvas.h"

#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

// A print job that cannot start, continue or end.
class EPrinter : public Exception
{
public:
    using Exception::Exception;
};

// The printer the windows print on: a document of pages drawn on one canvas in device pixels.
// Windows size their lines from the resolution (a tenth of an inch is PixelsPerInchY() / 10) and
// from the canvas's text height. With an output file set, the job goes into that PDF file at a
// fixed resolution and without a print dialog; otherwise to the printer chosen in the dialog.
class TPrinter
{
public:
    static constexpr int kFileResolution = 600; // dots per inch of the PDF output

    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // An empty name goes back to the printer.
    void SetOutputFileName(const QString &pdfFile);
    QString OutputFileName() const { return outputFile_; }

    QString Title() const { return title_; }
    void SetTitle(const QString &title) { title_ = title; }
    int Copies() const;
    void SetCopies(int copies);
    bool Landscape() const;
    void SetLandscape(bool landscape);
    // Whether there is anything to print on: an output file, or a printer of the system.
    bool HasPrinter() const;

    // Starts a document on a fresh canvas (default font, white brush, black pen) at page 1.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Ends the job at once. Until the next BeginDoc nothing is drawn and no page starts, while
    // text sizes can still be measured; a PDF file begun by the job is removed.
    void Abort();

    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

    // The printable area of a page and the resolution, in device pixels.
    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;

    TCanvas &Canvas() { return canvas_; }
    // The device itself, for the print dialog.
    QPrinter &Device() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    TCanvas canvas_;
    QString outputFile_;
    QString title_;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// Where the columns of a printed table begin from left, and one more entry where the last ends.
// Each column is as wide as asked (askedWidths, device pixels) and at least as wide as its widest
// text, measured in the canvas's font with the gap added: its title in titleStyle, its cells in
// the plain style. A table wider than maxWidth is set in a smaller type, down to
// kSmallestPrintSize points, the asked widths shrinking in step: the canvas's font keeps the size
// chosen, and its style comes back plain.
constexpr int kSmallestPrintSize = 6;
QList<int> FitColumns(TCanvas &canvas, const QList<int> &askedWidths, const QStringList &titles,
                      const QList<QStringList> &cells, TFontStyles titleStyle, int left, int gap,
                      int maxWidth);

// The program's one printer; it lives to the end of the program.
TPrinter &Printer();

// Lets the user choose the printer and its options; false when cancelled. With an output file
// set on the printer there is nothing to choose and the answer is true at once.
bool ExecutePrintDialog(QWidget *parent);

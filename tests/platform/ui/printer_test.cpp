#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF file; the page tree is "/Type /Pages" and does not count.
int PageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

class PrinterTest : public testing::Test
{
protected:
    PrinterTest() : pdf(CurrentTestFolders().Root() + "/print.pdf") { Printer().SetOutputFileName(pdf); }
    ~PrinterTest() override { Printer().SetOutputFileName(QString()); }

    QString pdf;
};

TEST_F(PrinterTest, FileOutputHasAFixedResolution)
{
    TPrinter &printer = Printer();
    EXPECT_EQ(printer.PixelsPerInchX(), TPrinter::kFileResolution);
    EXPECT_EQ(printer.PixelsPerInchY(), 600);
    // A4 (rounded to whole points) less 5 mm margins, at 600 dots per inch.
    EXPECT_NEAR(printer.PageWidth(), (210.0 - 10.0) / 25.4 * 600, 6);
    EXPECT_NEAR(printer.PageHeight(), (297.0 - 10.0) / 25.4 * 600, 6);
    printer.Canvas().Font.Size = 10;
    // A 10-point line is about a sixth of an inch high at 600 dots per inch.
    EXPECT_GT(printer.Canvas().TextHeight("X"), 80);
    EXPECT_LT(printer.Canvas().TextHeight("X"), 160);
    EXPECT_TRUE(ExecutePrintDialog(nullptr)); // nothing to choose
}

TEST_F(PrinterTest, CopiesAndOrientationReachTheDevice)
{
    TPrinter &printer = Printer();
    EXPECT_TRUE(printer.HasPrinter()); // the output file stands for a printer
    const int portraitWidth = printer.PageWidth();
    printer.SetLandscape(true);
    EXPECT_TRUE(printer.Landscape());
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
    printer.SetLandscape(false);
    EXPECT_EQ(printer.PageWidth(), portraitWidth);
    printer.SetCopies(3);
    EXPECT_EQ(printer.Copies(), 3);
    printer.SetCopies(0); // no copies asked still prints one
    EXPECT_EQ(printer.Copies(), 1);
}

// A listing as the windows print it: a tenth of an inch of gap, a new page when the next line
// would pass the page height.
TEST_F(PrinterTest, TwoPagesOfTextGoIntoThePdf)
{
    TPrinter &printer = Printer();
    printer.SetTitle("Βαθμολογία");
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    TCanvas &canvas = printer.Canvas();
    const int gap = printer.PixelsPerInchY() / 10;
    const int lineHeight = canvas.TextHeight("X") + gap;
    int y = 0;
    int line = 0;
    while (printer.PageNumber() < 2 || y < 10 * lineHeight) {
        canvas.TextOut(0, y, QString::fromUtf8("Γραμμή %1 Ολυμπιακός - Παναθηναϊκός 2-1").arg(++line));
        y += lineHeight;
        if (printer.PageHeight() < y + lineHeight) {
            y = 0;
            printer.NewPage();
        }
    }
    canvas.MoveTo(0, y);
    canvas.LineTo(printer.PageWidth() / 2, y);
    canvas.Rectangle(TRect{0, y + gap, 600, y + 2 * gap});
    printer.EndDoc();

    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 2);
    EXPECT_GT(line, 40);
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PageCount(bytes), 2);
    EXPECT_TRUE(bytes.contains("/Title"));

    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Γραμμή 1 Ολυμπιακός - Παναθηναϊκός 2-1")))
        << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Γραμμή %1 Ολυμπιακός").arg(line)));
    EXPECT_EQ(text.count('\f'), 2); // one form feed after each page
}

TEST_F(PrinterTest, AbortStopsDrawingAndLeavesNoFile)
{
    TPrinter &printer = Printer();
    printer.BeginDoc();
    printer.Canvas().TextOut(0, 0, "πρώτη");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_FALSE(printer.Printing());
    printer.Canvas().TextOut(0, 100, "δεύτερη"); // drawn nowhere
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 1);
    EXPECT_GT(printer.Canvas().TextWidth("μέτρηση"), 0);
    printer.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf));

    printer.BeginDoc(); // a new job starts afresh
    EXPECT_FALSE(printer.Aborted());
    printer.EndDoc();
    EXPECT_EQ(PageCount(ReadAll(pdf)), 1);
}

TEST_F(PrinterTest, JobsOutOfOrderRaiseEPrinter)
{
    TPrinter &printer = Printer();
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_THROW(printer.SetOutputFileName(pdf + ".other"), EPrinter);
    printer.EndDoc();

    printer.SetOutputFileName(CurrentTestFolders().Root() + "/missing/folder/print.pdf");
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

// The canvas on an image: what the printer canvas draws, checked pixel by pixel.
TEST(CanvasTest, FillsClipsAndOutlines)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Brush.Color = clRed;
        canvas.FillRect({0, 0, 10, 10});
        canvas.Brush.Style = bsClear;
        canvas.FillRect({20, 0, 30, 10}); // a clear brush fills nothing
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clYellow;
        canvas.Font.Size = 30;
        canvas.TextRect({40, 0, 60, 40}, 40, 0, "WWWW");
        canvas.Pen.Color = clBlue;
        canvas.Brush.Color = clLime;
        canvas.Rectangle(100, 50, 120, 70);
        canvas.MoveTo(0, 90);
        canvas.LineTo(199, 90);
    }
    EXPECT_EQ(image.pixelColor(5, 5), clRed);
    EXPECT_EQ(image.pixelColor(10, 5), clWhite); // the right edge lies outside
    EXPECT_EQ(image.pixelColor(25, 5), clWhite);
    EXPECT_EQ(image.pixelColor(59, 39), clYellow);
    EXPECT_EQ(image.pixelColor(65, 15), clWhite); // text cut at the rectangle
    EXPECT_EQ(image.pixelColor(100, 50), clBlue);
    EXPECT_EQ(image.pixelColor(119, 69), clBlue);
    EXPECT_EQ(image.pixelColor(120, 70), clWhite);
    EXPECT_EQ(image.pixelColor(110, 60), clLime);
    EXPECT_EQ(image.pixelColor(150, 90), clBlue);
}

TEST(CanvasTest, DrawsAPictureAtItsPlace)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QImage picture(5, 4, QImage::Format_RGB888);
    picture.fill(clNavy);
    {
        QPainter painter(&image);
        TCanvas(&painter).Draw(10, 20, picture);
    }
    EXPECT_EQ(image.pixelColor(10, 20), clNavy);
    EXPECT_EQ(image.pixelColor(14, 23), clNavy);
    EXPECT_EQ(image.pixelColor(15, 23), clWhite);
    EXPECT_EQ(image.pixelColor(14, 24), clWhite);
}

TEST(CanvasTest, TextSizeGrowsWithThePointSizeAndBoldness)
{
    TCanvas canvas;
    canvas.Font.Size = 10;
    const int height10 = canvas.TextHeight("X");
    const int width10 = canvas.TextWidth("Βαθμολογία");
    canvas.Font.Size = 20;
    EXPECT_GT(canvas.TextHeight("X"), height10 * 3 / 2);
    canvas.Font.Size = 10;
    canvas.Font.Style = {fsBold};
    EXPECT_GT(canvas.TextWidth("Βαθμολογία"), width10);
    EXPECT_EQ(ColorFromNumber(16644814), QColor(206, 250, 253));
}

QStringList Words(const QStringList &lines)
{
    return lines.join(' ').split(' ', Qt::SkipEmptyParts);
}

// The columns of an image that carry ink (anything not white).
QList<int> InkedColumns(const QImage &image, int top, int bottom)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (image.pixelColor(x, y) != clWhite) {
                columns.append(x);
                break;
            }
    return columns;
}

TEST(CanvasTest, WrappedLinesKeepWithinTheWidthAndKeepEveryWord)
{
    TCanvas canvas;
    const QString text("Ενημέρωση Αποτελεσμάτων   Από Ημερομηνία : 08/10/2004   Έως Ημερομηνία : 11/10/2004");
    const int full = canvas.TextWidth(text);
    EXPECT_EQ(canvas.WrapText(text, full), QStringList{text}); // a line that fits keeps its spacing
    for (const int width : {full - 1, full / 2, full / 3, canvas.TextWidth("Αποτελεσμάτων"), 1}) {
        const QStringList lines = canvas.WrapText(text, width);
        EXPECT_EQ(Words(lines), Words({text})) << width;
        EXPECT_GT(lines.size(), 1) << width;
        // A word alone may be wider: it is shrunk when written.
        for (const QString &line : lines) {
            if (line.contains(' ')) {
                EXPECT_LE(canvas.TextWidth(line), width) << line.toStdString();
            }
        }
    }
}

// Written within a width, text leaves no ink outside it however narrow it is: too long a line is
// wrapped, too long a word is shrunk.
TEST(CanvasTest, TextWrittenWithinAWidthInksNothingOutsideIt)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    int bottom = 0;
    {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Font.Size = 20;
        ASSERT_GT(canvas.TextWidth("Ποδοσφαιρικές"), 100);
        bottom = canvas.TextOutWithin(50, 0, 100, 40, "Ποδοσφαιρικές αναλύσεις Παναθηναϊκός");
    }
    EXPECT_EQ(bottom, 120);
    for (int line = 0; line < 3; ++line) {
        const QList<int> inked = InkedColumns(image, line * 40, line * 40 + 40);
        ASSERT_FALSE(inked.isEmpty()) << line;
        EXPECT_GE(inked.first(), 50) << line;
        EXPECT_LT(inked.last(), 150) << line;
    }
    EXPECT_TRUE(InkedColumns(image, 120, 200).isEmpty());
}

TEST(CanvasTest, CentredTextHasEqualRoomOnBothSides)
{
    QImage image(400, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Brush.Style = bsClear;
        canvas.TextOutWithin(0, 0, 400, 50, "ΗΜ.ΕΚΤΥΠΩΣΗΣ", true);
    }
    const QList<int> inked = InkedColumns(image, 0, 50);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_NEAR(inked.first(), 400 - 1 - inked.last(), 4);
}

// Columns are as wide as asked and at least as wide as their measured texts; a table wider than
// the page is set in smaller type until it fits.
TEST(CanvasTest, ColumnsFitTheirTextsAndThePage)
{
    TCanvas canvas;
    canvas.Font.Size = 10;
    const QStringList titles{"Αγωνιστική", "Όμιλος", "ΤΓ (Ημ)"};
    const QList<QStringList> cells{{"1", "Ολυμπιακός Πειραιώς", "2"}};
    const int gap = 4;
    const auto expectFits = [&](const QList<int> &lefts, const QList<int> &asked, qreal scale) {
        ASSERT_EQ(lefts.size(), 4);
        for (int column = 0; column < 3; ++column) {
            const int width = lefts[column + 1] - lefts[column];
            canvas.Font.Style = {fsBold};
            EXPECT_GE(width, canvas.TextWidth(titles[column]) + gap) << column;
            canvas.Font.Style = {};
            EXPECT_GE(width, canvas.TextWidth(cells[0][column]) + gap) << column;
            EXPECT_GE(width, int(asked[column] * scale)) << column;
        }
        EXPECT_EQ(canvas.Font.Style, TFontStyles{});
    };
    const QList<int> asked{10, 400, 10};
    const QList<int> natural = FitColumns(canvas, asked, titles, cells, {fsBold}, 5, gap, 10000);
    EXPECT_EQ(natural.first(), 5);
    EXPECT_EQ(natural[2] - natural[1], 400);
    EXPECT_EQ(canvas.Font.Size, 10);
    expectFits(natural, asked, 1.0);

    const int narrower = (natural.last() - 5) * 2 / 3;
    const QList<int> shrunk = FitColumns(canvas, asked, titles, cells, {fsBold}, 5, gap, narrower);
    EXPECT_LT(canvas.Font.Size, 10);
    EXPECT_LE(shrunk.last() - 5, narrower);
    expectFits(shrunk, asked, canvas.Font.Size / 10.0);

    canvas.Font.Size = 10;
    FitColumns(canvas, asked, titles, cells, {fsBold}, 5, gap, 1);
    EXPECT_EQ(canvas.Font.Size, kSmallestPrintSize);
}

} // namespace

#include "controls/formulagrid/fg_string_grid.h"
#include "platform/core/format.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QFile>
#include <QImage>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class GridPrintTest : public testing::Test
{
protected:
    GridPrintTest() : pdf(CurrentTestFolders().Root() + "/grid.pdf") { Printer().SetOutputFileName(pdf); }
    ~GridPrintTest() override { Printer().SetOutputFileName(QString()); }

    void Fill(int cols, int rows)
    {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        for (int col = 1; col < cols; ++col) {
            grid.SetCell(col, 0, QString("T%1").arg(col));
            for (int row = 1; row < rows; ++row)
                grid.SetCell(col, row, QString("r%1c%2").arg(row).arg(col));
        }
    }

    // The first word of the words found in order on the page, or nullptr.
    static const PdfWord *Find(const PdfPage &page, const QString &text)
    {
        const qsizetype at = FindWords(page, WordsOf({text}));
        return at < 0 ? nullptr : &page.Words[at];
    }

    MessageRecorder messages;
    QString pdf;
    TfgStringGrid grid;
};

TEST_F(GridPrintTest, TheDefaultFooterShowsDateTimeAndPage)
{
    Fill(4, 150);
    const QDateTime before = QDateTime::currentDateTime();
    grid.PrintGrid();
    const QDateTime after = QDateTime::currentDateTime();
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 3);
    EXPECT_EQ(grid.PageCount(), pages.size());
    const PdfPage &second = pages[1];
    const double width = second.Size.width();
    const PdfWord *date = Find(second, FormatDateTime("d-mmm-yyyy", after));
    ASSERT_TRUE(date);
    EXPECT_LT(date->Box.right(), width / 3);
    const PdfWord *time = Find(second, FormatDateTime("h:nn am/pm", before));
    if (!time)
        time = Find(second, FormatDateTime("h:nn am/pm", after));
    ASSERT_TRUE(time);
    EXPECT_GT(time->Box.left(), width / 3);
    EXPECT_LT(time->Box.right(), 2 * width / 3);
    const PdfWord *label = Find(second, "Page 2");
    ASSERT_TRUE(label);
    EXPECT_GT(label->Box.left(), 2 * width / 3);
    EXPECT_FALSE(PdfText(pdf).contains("Page 2-"));
    // Both row numbers 0 print every data row once, under the titles of every page.
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count("T1"), pages.size());
    EXPECT_EQ(text.count(QRegularExpression("\\br1c1\\b")), 1);
    EXPECT_EQ(text.count(QRegularExpression("\\br149c3\\b")), 1);
}

TEST_F(GridPrintTest, ColumnBandsNumberTheirPagesAndFootersFillEachPart)
{
    Fill(25, 4);
    grid.PrintOptions()->PageFooter = "page|page";
    grid.PrintGrid();
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    const double width = pages[0].Size.width();
    const qsizetype first = FindWords(pages[0], {"Page", "1-1"});
    ASSERT_GE(first, 0);
    EXPECT_LT(pages[0].Words[first].Box.right(), width / 3);
    const qsizetype again = FindWords(pages[0], {"Page", "1-1", "Page", "1-1"});
    ASSERT_GE(again, 0);
    EXPECT_GT(pages[0].Words[again + 2].Box.left(), width / 3);
    EXPECT_GE(FindWords(pages[1], {"Page", "1-2"}), 0);
    EXPECT_TRUE(PdfText(pdf).contains("T24"));
}

TEST_F(GridPrintTest, FilteredRowsPrintButThePreviewSkipsThem)
{
    Fill(3, 150);
    const int allPages = grid.CountPreviewPages();
    grid.SetFilter("[T1] = \"r7c1\"");
    EXPECT_EQ(grid.CountPreviewPages(), 1);
    EXPECT_GT(allPages, 1);
    grid.PrintGrid();
    EXPECT_TRUE(PdfText(pdf).contains("r120c1"));
    EXPECT_EQ(grid.CountPreviewPages(), allPages); // printing showed every row again
}

TEST_F(GridPrintTest, ARowTallerThanAPageGoesAloneOnItsPage)
{
    Fill(3, 5);
    grid.SetRowHeight(3, 5000);
    grid.PrintGrid();
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_GE(FindWords(pages[0], {"r2c1"}), 0);
    EXPECT_GE(FindWords(pages[1], {"r3c1"}), 0);
    EXPECT_LT(FindWords(pages[1], {"r4c1"}), 0);
    EXPECT_GE(FindWords(pages[2], {"r4c1"}), 0);
    EXPECT_EQ(grid.CountPreviewPages(), 3);
}

TEST_F(GridPrintTest, EmptyRangesPrintNothing)
{
    Fill(3, 5);
    grid.PrintOptions()->FromRow = 4;
    grid.PrintOptions()->ToRow = 2;
    grid.PrintGrid();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(
        messages.Texts(),
        QStringList{"Δεν υπάρχουν γραμμές για εκτύπωση: η πρώτη γραμμή (4) είναι μετά την τελευταία (2)."});
    grid.SetRowCount(1);
    EXPECT_EQ(grid.CountPreviewPages(), 0);
    QImage page;
    grid.PaintPreviewPage(page);
    EXPECT_FALSE(page.isNull());
}

TEST_F(GridPrintTest, WithoutAPrinterNothingPrints)
{
    Printer().SetOutputFileName(QString());
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    Fill(3, 5);
    grid.PrintGrid();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "No Printer is installed");
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_EQ(messages.Last().buttons, QList<TMsgDlgBtn>{mbOK});
}

// The longest run of dark pixels down one column of the picture.
int DarkRun(const QImage &image, int x)
{
    int best = 0;
    int run = 0;
    for (int y = 0; y < image.height(); ++y) {
        run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST_F(GridPrintTest, ThePreviewPageIsAtScreenResolutionAndFramesTitlesToo)
{
    Fill(3, 4);
    TPrintOptions &options = *grid.PrintOptions();
    options.MarginLeft = 10;
    options.Leftpadding = 5;
    options.PreviewPage = 1;
    QImage page;
    grid.PaintPreviewPage(page);
    const double ratio = double(Printer().PixelsPerInchX()) / grid.logicalDpiX();
    EXPECT_EQ(page.width(), std::lround(Printer().PageWidth() / ratio));
    EXPECT_EQ(page.format(), QImage::Format_RGB888);
    EXPECT_EQ(DarkRun(page, 10), 0);
    options.BorderStyle = TPrintOptions::bsSingle;
    grid.PaintPreviewPage(page);
    int rows = 0;
    for (int row = 0; row < grid.RowCount(); ++row)
        rows += grid.RowHeights(row);
    EXPECT_GE(DarkRun(page, 10), rows);
}

} // namespace

// The printout of an analysis window's grid, printed to PDF at 600 dots per inch and measured on
// the pages: line pitch, column widths from screen widths, cut cells, page breaks, summary lines,
// and the window kept out of use while it prints.
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QStringList kFirstHead{"ΒΑΘΜΟΛΟΓΙΑ ΠΡΩΤΗ", "ΠΡΟΓΡΑΜΜΑ Tavrolin", ""};
const QStringList kLaterHead{"ΣΥΝΕΧΕΙΑ ΔΕΥΤΕΡΗ", "", "ΠΡΟΓΡΑΜΜΑ Tavrolin"};
constexpr qreal kPointsPerPixel = 72.0 / TPrinter::kFileResolution;

class GridPagesTest : public testing::Test
{
protected:
    GridPagesTest() : pdf(CurrentTestFolders().Root() + "/grid.pdf") { Printer().SetOutputFileName(pdf); }
    ~GridPagesTest() override { Printer().SetOutputFileName(QString()); }

    // Rows "ΑριθN", "ΟμάδαN" under a header of two columns.
    TGridPageDescription Standings(int rows)
    {
        TGridPageDescription document;
        document.FirstHead = kFirstHead;
        document.LaterHead = kLaterHead;
        document.Header = {{{"Α/Α", 10}, {"ΟΜΑΔΑ", 20}}};
        for (int row = 1; row <= rows; ++row)
            document.Rows.append({{QString("Αριθ%1").arg(row), 10}, {QString("Ομάδα%1").arg(row), 20}});
        document.EnableWindow = [this](bool enabled) { enabling.append(enabled); };
        return document;
    }

    // The rows the first page takes when the page is tested after each row: the first row count
    // after which the next line would pass the page's end.
    static int RowsOnFirstPage(int headLines, int headerLines)
    {
        const int gap = Printer().PixelsPerInchY() / 10;
        TCanvas canvas = Printer().Canvas();
        canvas.SetPainter(nullptr);
        canvas.Font = TFont();
        const int lineHeight = canvas.TextHeight("X") + gap;
        const int top = headLines * (lineHeight + gap) + headerLines * 2 * gap;
        int rows = 1;
        while (Printer().PageHeight() >= top + rows * 2 * gap + lineHeight)
            ++rows;
        return rows;
    }

    // The numbers of the "ΟμάδαN" cells on each page.
    QList<QList<int>> RowsOnPages() const
    {
        QList<QList<int>> pages;
        for (const PdfPage &page : PdfPages(pdf)) {
            pages.append(QList<int>());
            for (const PdfWord &word : page.Words)
                if (word.Text.startsWith("Ομάδα") && word.Text.size() > 5)
                    pages.last().append(word.Text.mid(5).toInt());
        }
        return pages;
    }

    static const PdfWord *Word(const PdfPage &page, const QString &text)
    {
        const qsizetype at = FindWords(page, {text});
        return at < 0 ? nullptr : &page.Words[at];
    }

    static bool HasHeader(const PdfPage &page) { return Word(page, "Α/Α") && Word(page, "ΟΜΑΔΑ"); }

    static QList<int> Range(int first, int last)
    {
        QList<int> numbers;
        for (int number = first; number <= last; ++number)
            numbers.append(number);
        return numbers;
    }

    QString pdf;
    QList<bool> enabling;
    TGridPrintState state;
};

} // namespace

TEST_F(GridPagesTest, ScreenColumnsPrintAsWideInTenthsOfAnInch)
{
    const struct
    {
        int pixels;
        int tenths;
    } cases[] = {{100, 10}, {25, 3}, {154, 16}, {0, 0}, {48, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(ScreenWidthTenths(c.pixels), c.tenths) << c.pixels;
}

// At 600 dots per inch the lines of cells are 120 pixels apart (150 in the cross-table), and each
// column starts where the one before ends: 100 screen pixels make an inch, 25 three tenths, 154
// sixteen tenths.
TEST_F(GridPagesTest, CellsSitInColumnsOfTheirWidthAndLinesKeepTheirPitch)
{
    const struct
    {
        TGridLayout layout;
        int pitch;
    } cases[] = {{glPlain, 120}, {glRuledRows, 120}, {glCrossTable, 150}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.layout);
        TGridPageDescription document;
        document.FirstHead = {"ΤΙΤΛΟΣ"};
        document.Layout = c.layout;
        for (int row = 1; row <= 3; ++row) {
            TGridLine line;
            for (const auto &[letter, pixels] : {std::pair{"A", 100}, {"B", 25}, {"C", 154}, {"D", 50}})
                line.append({QString("X%1%2").arg(letter).arg(row), ScreenWidthTenths(pixels)});
            document.Rows.append(line);
        }
        enabling.clear();
        PrintGridPages(Printer(), document, state);
        EXPECT_EQ(state.PrnPixelsX, 600);
        EXPECT_EQ(state.PrnGap, 60);

        const QList<PdfPage> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 1);
        const PdfPage &page = pages.first();
        for (int row = 1; row <= 3; ++row) {
            const PdfWord *a = Word(page, QString("XA%1").arg(row));
            const PdfWord *b = Word(page, QString("XB%1").arg(row));
            const PdfWord *cc = Word(page, QString("XC%1").arg(row));
            const PdfWord *d = Word(page, QString("XD%1").arg(row));
            ASSERT_TRUE(a && b && cc && d) << PdfText(pdf).toStdString();
            EXPECT_NEAR(b->Box.left() - a->Box.left(), 600 * kPointsPerPixel, 0.05);
            EXPECT_NEAR(cc->Box.left() - b->Box.left(), 180 * kPointsPerPixel, 0.05);
            EXPECT_NEAR(d->Box.left() - cc->Box.left(), 960 * kPointsPerPixel, 0.05);
            if (row > 1) {
                EXPECT_NEAR(a->Box.top() - Word(page, QString("XA%1").arg(row - 1))->Box.top(),
                            c.pitch * kPointsPerPixel, 0.05);
            }
        }
    }
}

// A text longer than its column is cut at the column's right edge; the next cell stays whole.
TEST_F(GridPagesTest, ALongTextIsCutAtItsCell)
{
    const QString club = "ΠΑΝΑΘΗΝΑΪΚΟΣΟΛΥΜΠΙΑΚΟΣΑΡΗΣ";
    TGridPageDescription document;
    document.Rows = {{{club, 3}, {"", 10}, {"Ζάκυνθος", 10}}};
    PrintGridPages(Printer(), document, state);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const PdfPage &page = pages.first();
    const PdfWord *next = Word(page, "Ζάκυνθος");
    ASSERT_NE(next, nullptr) << PdfText(pdf).toStdString();
    const PdfWord *cut = nullptr;
    for (const PdfWord &word : page.Words)
        if (word.Text.startsWith("ΠΑ"))
            cut = &word;
    ASSERT_NE(cut, nullptr) << PdfText(pdf).toStdString();
    EXPECT_TRUE(club.startsWith(cut->Text));
    EXPECT_LT(cut->Text.size(), club.size());
    EXPECT_LE(cut->Box.right(), cut->Box.left() + 180 * kPointsPerPixel);
    EXPECT_NEAR(next->Box.left() - cut->Box.left(), (180 + 600) * kPointsPerPixel, 0.05);
}

// The page is tested after each row: a last row that fills its page is followed by a page of the
// later title lines and the header alone; later pages carry their own title lines and the header.
TEST_F(GridPagesTest, PagesBreakAfterTheRowThatFillsThem)
{
    const int first = RowsOnFirstPage(int(kFirstHead.size()), 1);
    ASSERT_GT(first, 10);
    const struct
    {
        int rows;
        QList<QList<int>> pages;
    } cases[] = {
        {first, {Range(1, first), {}}},
        {first + 1, {Range(1, first), {first + 1}}},
        {3, {Range(1, 3)}},
        {0, {{}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rows);
        enabling.clear();
        PrintGridPages(Printer(), Standings(c.rows), state);
        EXPECT_EQ(RowsOnPages(), c.pages);
        const QList<PdfPage> pages = PdfPages(pdf);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            EXPECT_EQ(FindWords(pages[page], WordsOf({kFirstHead.first()})) >= 0, page == 0) << page;
            EXPECT_EQ(FindWords(pages[page], WordsOf({kLaterHead.first()})) >= 0, page > 0) << page;
            EXPECT_TRUE(HasHeader(pages[page])) << page;
        }
        EXPECT_EQ(enabling, (QList<bool>{false, true}));
    }
}

// The print range and the rows that end at a blank second cell choose what is printed.
TEST_F(GridPagesTest, TheRangeAndABlankSecondCellChooseTheRows)
{
    const struct
    {
        int from;
        int to;
        int blankRow; // 0: none
        QList<int> printed;
    } cases[] = {
        {-1, -1, 0, Range(1, 6)}, {2, -1, 0, Range(3, 6)}, {1, 3, 0, Range(2, 4)},
        {-1, -1, 4, Range(1, 3)}, {3, -1, 4, {}},          {-1, 40, 0, Range(1, 6)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " blank " << c.blankRow);
        TGridPageDescription document = Standings(6);
        document.EndAtBlankSecondCell = true;
        if (c.blankRow > 0)
            document.Rows[c.blankRow - 1][1].Text.clear();
        state.PrnFromRow = c.from;
        state.PrnToRow = c.to;
        PrintGridPages(Printer(), document, state);
        EXPECT_EQ(RowsOnPages(), QList<QList<int>>{c.printed});
    }
}

// The summary follows the rows after one empty line, on the same page when it fits and on a new
// page with the title lines and the header when it does not.
TEST_F(GridPagesTest, TheSummaryFollowsAnEmptyLineOrStartsANewPage)
{
    const int first = RowsOnFirstPage(int(kFirstHead.size()), 1);
    const QStringList summary{"ΣΥΝΟΛΟ ΒΑΘΜΩΝ 58", "ΓΚΟΛ 42"};
    for (const auto &[rows, summaryPage] : {std::pair{3, 0}, {first - 1, 1}}) {
        SCOPED_TRACE(rows);
        TGridPageDescription document = Standings(rows);
        document.Summary = summary;
        PrintGridPages(Printer(), document, state);
        const QList<PdfPage> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), summaryPage + 1);
        const PdfPage &page = pages.at(summaryPage);
        const qsizetype at = FindWords(page, WordsOf(summary));
        ASSERT_GE(at, 0) << PdfText(pdf).toStdString();
        if (summaryPage == 0) {
            const PdfWord *lastRow = Word(page, QString("Ομάδα%1").arg(rows));
            ASSERT_NE(lastRow, nullptr);
            // A row's pitch and an empty line (a line and a tenth) lie between them.
            const qreal below = page.Words[at].Box.top() - lastRow->Box.top();
            EXPECT_GT(below, (120 + 60 + 60) * kPointsPerPixel);
        } else {
            EXPECT_EQ(RowsOnPages().at(1), QList<int>());
            EXPECT_GE(FindWords(page, WordsOf({kLaterHead.first()})), 0);
            EXPECT_TRUE(HasHeader(page));
        }
    }
}

// An error of the printer half-way ends the job without leaving a document and gives the window
// back.
TEST_F(GridPagesTest, APrinterErrorAbortsTheJobAndGivesTheWindowBack)
{
    TGridPageDescription document = Standings(5);
    int calls = 0;
    document.BeforeRow = [&calls] {
        if (++calls == 3)
            throw EPrinter("Ο εκτυπωτής δεν απαντά");
    };
    EXPECT_THROW(PrintGridPages(Printer(), document, state), EPrinter);
    EXPECT_EQ(enabling, (QList<bool>{false, true}));
    EXPECT_TRUE(Printer().Aborted());
    EXPECT_FALSE(QFile::exists(pdf));
}

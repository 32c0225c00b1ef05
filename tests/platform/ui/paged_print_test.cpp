#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QStringList kFirstHead{"ΒΑΘΜΟΛΟΓΙΑ Α ΕΘΝΙΚΗΣ"};
const QStringList kLaterHead{"ΣΥΝΕΧΕΙΑ ΒΑΘΜΟΛΟΓΙΑΣ", "Περίοδος 2004-05"};

class PagedPrintTest : public testing::Test
{
protected:
    PagedPrintTest() : pdf(CurrentTestFolders().Root() + "/pages.pdf") { Printer().SetOutputFileName(pdf); }
    ~PagedPrintTest() override { Printer().SetOutputFileName(QString()); }

    // Two narrow columns, a head for the first page and a longer one for the others.
    static TPrintDocument Standings(int rows)
    {
        TPrintDocument document;
        document.FirstHead = kFirstHead;
        document.LaterHead = kLaterHead;
        document.Columns = {{"Α/Α", 600}, {"Ομάδα", 1500}};
        for (int row = 1; row <= rows; ++row)
            document.Rows.append({QString::number(row), QString("Ομάδα%1").arg(row)});
        document.Margins = {100, 100, 100, 200};
        document.ColumnGap = 30;
        return document;
    }

    // The printer's canvas as a job starts, for measuring: the printer's resolution, the default
    // font, nothing drawn.
    static TCanvas FreshCanvas()
    {
        TCanvas canvas = Printer().Canvas();
        canvas.SetPainter(nullptr);
        canvas.Font = TFont();
        return canvas;
    }

    // How many rows a page takes under a head of headLines lines (each fitting the page width),
    // measured as the engine measures: lines of text height plus a tenth of an inch, a tenth more
    // after each head line.
    static int RowsPerPage(const TPrintDocument &document, int headLines)
    {
        const int gap = Printer().PixelsPerInchY() / 10;
        const int lineHeight = FreshCanvas().TextHeight("X") + gap;
        const int firstRow = document.Margins.Top + headLines * (lineHeight + gap) + lineHeight;
        return (Printer().PageHeight() - document.Margins.Bottom - firstRow) / lineHeight;
    }

    // The numbers of the "ΟμάδαN" cells on each page.
    QList<QList<int>> RowsOnPages() const
    {
        static const QRegularExpression team("^Ομάδα(\\d+)$");
        QList<QList<int>> rows;
        for (const PdfPage &page : PdfPages(pdf)) {
            rows.append(QList<int>());
            for (const PdfWord &word : page.Words)
                if (const QRegularExpressionMatch match = team.match(word.Text); match.hasMatch())
                    rows.last().append(match.captured(1).toInt());
        }
        return rows;
    }

    static QList<int> Range(int first, int last)
    {
        QList<int> numbers;
        for (int number = first; number <= last; ++number)
            numbers.append(number);
        return numbers;
    }

    static bool Has(const PdfPage &page, const QStringList &lines)
    {
        return FindWords(page, WordsOf(lines)) >= 0;
    }

    QString pdf;
};

// A new page starts when the next row would pass the bottom margin, with the later pages' head;
// tested after each row, a last row that fills its page is followed by a page with the head alone.
TEST_F(PagedPrintTest, PagesBreakWhenTheNextRowDoesNotFit)
{
    TFont headFont;
    headFont.Style = {fsBold};
    TCanvas canvas = FreshCanvas();
    canvas.Font = headFont;
    for (const QString &line : kFirstHead + kLaterHead)
        ASSERT_LT(canvas.TextWidth(line), Printer().PageWidth() - 200) << "each head line fits on one line";
    const int first = RowsPerPage(Standings(0), int(kFirstHead.size()));
    const int later = RowsPerPage(Standings(0), int(kLaterHead.size()));
    ASSERT_GT(later, 10);
    ASSERT_LT(later, first);
    const struct
    {
        int rows;
        bool testAfterRow;
        QList<QList<int>> pages;
    } cases[] = {
        {first + later + 3,
         false,
         {Range(1, first), Range(first + 1, first + later), Range(first + later + 1, first + later + 3)}},
        {first + later + 3,
         true,
         {Range(1, first), Range(first + 1, first + later), Range(first + later + 1, first + later + 3)}},
        {first, false, {Range(1, first)}},
        {first, true, {Range(1, first), {}}},
        {first + 1, false, {Range(1, first), {first + 1}}},
        {1, false, {{1}}},
    };
    for (const auto &c : cases) {
        TPrintDocument document = Standings(c.rows);
        document.TestPageAfterRow = c.testAfterRow;
        document.HeadFont = headFont;
        PrintPages(Printer(), document);
        EXPECT_EQ(RowsOnPages(), c.pages) << c.rows << " rows, tested after each: " << c.testAfterRow;
        const QList<PdfPage> pages = PdfPages(pdf);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            EXPECT_EQ(Has(pages[page], kFirstHead), page == 0) << page;
            EXPECT_EQ(Has(pages[page], kLaterHead), page > 0) << page;
            EXPECT_TRUE(Has(pages[page], {"Α/Α Ομάδα"})) << page;
        }
    }
}

// A head line several times the page's width is printed whole, inside the page, over several
// lines above the column titles.
TEST_F(PagedPrintTest, TooLongHeadLineWrapsWhole)
{
    TPrintDocument document = Standings(3);
    document.HeadFont.Size = 14;
    document.HeadCentred = true;
    const QString line = QStringList(10, "Πρωτάθλημα Α Εθνικής Κατηγορίας Ποδοσφαίρου").join(' ');
    document.FirstHead = {line};
    TCanvas canvas = FreshCanvas();
    canvas.Font = document.HeadFont;
    ASSERT_GT(canvas.TextWidth(line), 3 * Printer().PageWidth());
    PrintPages(Printer(), document);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const PdfPage &page = pages.first();
    const QStringList words = WordsOf({line});
    const qsizetype start = FindWords(page, words);
    ASSERT_GE(start, 0);
    EXPECT_EQ(WordsOutsidePage(page, start, words.size()), QStringList());
    QList<qreal> tops;
    for (qsizetype word = start; word < start + words.size(); ++word)
        if (!tops.contains(page.Words[word].Box.top()))
            tops.append(page.Words[word].Box.top());
    EXPECT_GE(tops.size(), 4);
    const qsizetype titles = FindWords(page, {"Α/Α", "Ομάδα"});
    ASSERT_GT(titles, start);
    EXPECT_GT(page.Words[titles].Box.top(), page.Words[start + words.size() - 1].Box.bottom());
}

// The summary follows the last row, on the last page only; with no rows the head, the titles and
// the summary still make one page.
TEST_F(PagedPrintTest, SummaryFollowsTheRows)
{
    const int first = RowsPerPage(Standings(0), int(kFirstHead.size()));
    const QStringList summary{"Σύνολο αγώνων 306", "Γκολ 742"};
    for (const int rows : {0, 5, first + 5}) {
        TPrintDocument document = Standings(rows);
        document.Summary = summary;
        PrintPages(Printer(), document);
        const QList<PdfPage> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), rows > first ? 2 : 1) << rows;
        for (qsizetype page = 0; page + 1 < pages.size(); ++page)
            EXPECT_FALSE(Has(pages[page], {summary.first()})) << rows;
        const PdfPage &last = pages.last();
        const qsizetype at = FindWords(last, WordsOf(summary));
        ASSERT_GE(at, 0) << rows;
        EXPECT_TRUE(Has(last, {"Α/Α Ομάδα"})) << rows;
        const QString lastRow = rows == 0 ? QString("Ομάδα") : QString("Ομάδα%1").arg(rows);
        const qsizetype lastRowAt = FindWords(last, {lastRow});
        ASSERT_GE(lastRowAt, 0) << rows;
        EXPECT_GT(last.Words[at].Box.top(), last.Words[lastRowAt].Box.bottom()) << rows;
        QList<int> printed;
        for (const QList<int> &onPage : RowsOnPages())
            printed += onPage;
        EXPECT_EQ(printed, Range(1, rows)) << rows;
    }
}

// A cell wider than its column is set smaller until it fits, down to the smallest print size;
// what does not fit even then ends in "…". Right-aligned cells end at one edge.
TEST_F(PagedPrintTest, CellsTooWideShrinkThenShowTheyAreCut)
{
    const QString club = "Ποδοσφαιρική Ανώνυμη Εταιρεία Ολυμπιακός Πειραιώς";
    const QString hopeless = QStringList(6, club).join(' ');
    TCanvas canvas = FreshCanvas();
    const int gap = 30;
    // Room for the club in three quarters of its width, well above the smallest print size.
    const int clubWidth = canvas.TextWidth(club) * 3 / 4 + gap;
    canvas.Font.Size = kSmallestPrintSize;
    ASSERT_GT(canvas.TextWidth(hopeless), clubWidth);

    TPrintDocument document;
    document.FirstHead = {"Ομάδες"};
    document.Columns = {{"Όνομα", clubWidth}, {"Βαθμοί", 600, taRightJustify}};
    document.Rows = {{club, "7"}, {"Άρης", "12"}, {hopeless, "3"}};
    document.ColumnGap = gap;
    PrintPages(Printer(), document);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const PdfPage &page = pages.first();
    const QStringList clubWords = WordsOf({club});
    const qsizetype clubAt = FindWords(page, clubWords);
    const qsizetype seven = FindWords(page, {"7"});
    ASSERT_GE(clubAt, 0) << PdfText(pdf).toStdString();
    ASSERT_GE(seven, 0);
    EXPECT_EQ(WordsNotApart(page, clubAt, clubWords.size()), QStringList());
    EXPECT_LT(page.Words[clubAt + clubWords.size() - 1].Box.right(), page.Words[seven].Box.left());

    const qsizetype twelve = FindWords(page, {"12"});
    ASSERT_GE(twelve, 0);
    EXPECT_NEAR(page.Words[seven].Box.right(), page.Words[twelve].Box.right(), 0.5);
    EXPECT_LT(page.Words[twelve].Box.left(), page.Words[seven].Box.left());

    QStringList cut;
    qsizetype starts = 0;
    qsizetype ends = 0;
    for (const PdfWord &word : page.Words) {
        if (word.Text.endsWith(QChar(0x2026)))
            cut.append(word.Text);
        starts += word.Text == clubWords.first();
        ends += word.Text == clubWords.last();
    }
    ASSERT_EQ(cut.size(), 1) << PdfText(pdf).toStdString();
    EXPECT_TRUE(cut.first().size() == 1 || hopeless.contains(cut.first().chopped(1)))
        << cut.first().toStdString();
    EXPECT_EQ(starts, 2);
    EXPECT_LT(ends, 1 + 6);
}

} // namespace

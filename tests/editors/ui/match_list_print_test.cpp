#include "editors/ui/match_list_print.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

TEST(MatchListPrint, CellWidthsFromScreenPixels)
{
    const struct
    {
        int pixels, tenths;
    } cases[] = {{64, 7}, {35, 4}, {68, 7}, {0, 0}, {120, 12}};
    for (const auto &c : cases)
        EXPECT_EQ(PrintCellWidth(c.pixels), c.tenths) << c.pixels;
}

TEST(MatchListPrint, PageHeadLines)
{
    const QStringList first =
        MatchListPageHead("Αγώνες", QDate(2004, 9, 12), "2004-05", "Α Εθνική", "3", false);
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first[0], "Αγώνες       ΗΜ.ΕΚΤΥΠΩΣΗΣ 12/09/2004");
    EXPECT_EQ(first[1], "Περίοδος : 2004-05   Διοργάνωση : Α Εθνική  Αγωνιστική :3");
    EXPECT_FALSE(first[2].isEmpty());
    EXPECT_EQ(MatchListPageHead("Αγώνες", QDate(2004, 9, 12), "2004-05", "Α Εθνική", "3", true)[0],
              "Αγώνες        ΗΜ.ΕΚΤΥΠΩΣΗΣ 12/09/2004");
}

TEST(MatchListPrint, LongListGoesOnWithTheHeadOnEveryPage)
{
    const QString pdf = CurrentTestFolders().Root() + "/matches.pdf";
    Printer().SetOutputFileName(pdf);
    TMatchListPage page;
    page.Caption = "Αγώνες";
    page.Season = "2004-05";
    page.Category = "Α Εθνική";
    page.Matchday = "3";
    page.Today = QDate(2004, 9, 12);
    page.Titles = {{"Ημερομηνία", 10}, {"Γηπεδούχος", 15}, {"ΣΗΜΕΙΟ", 8}};
    int rowsAsked = 0;
    page.BeforeRow = [&rowsAsked] { ++rowsAsked; };
    for (int i = 1; i <= 120; ++i)
        page.Rows.append({"12/09/2004", QString("Ομάδα%1").arg(i), "1"});
    TMatchListPrintout(Printer()).Print(page);
    Printer().SetOutputFileName(QString());

    EXPECT_EQ(rowsAsked, 121);
    const QString text = PdfText(pdf);
    // pdftotext ends every page with a form feed.
    const qsizetype pages = text.count(QChar('\f'));
    EXPECT_GE(pages, 2);
    EXPECT_EQ(text.count("ΗΜ.ΕΚΤΥΠΩΣΗΣ 12/09/2004"), pages);
    EXPECT_EQ(text.count("Περίοδος : 2004-05"), text.count("ΗΜ.ΕΚΤΥΠΩΣΗΣ"));
    EXPECT_EQ(text.count("ΣΗΜΕΙΟ"), text.count("ΗΜ.ΕΚΤΥΠΩΣΗΣ"));
    EXPECT_TRUE(text.contains("Ομάδα1 "));
    EXPECT_TRUE(text.contains("Ομάδα120"));
}

// A head line far wider than the page, and column titles far wider than their columns: every
// word is printed inside the page, and the titles stand side by side without touching.
TEST(MatchListPrint, WideHeadWrapsAndTitlesGetTheirMeasuredWidths)
{
    const QString pdf = CurrentTestFolders().Root() + "/wide.pdf";
    Printer().SetOutputFileName(pdf);
    TMatchListPage page;
    page.Caption = QStringList(12, "Αγωνιστική Α Εθνικής Κατηγορίας").join(' ');
    page.Season = "2004-05";
    page.Category = "Α Εθνική";
    page.Matchday = "3";
    page.Today = QDate(2004, 9, 12);
    page.HeadFont.Size = 12;
    page.Titles = {{"Αγωνιστική", 2}, {"Όμιλος", 2}, {"ΤΓ (Ημ)", 1}, {"ΤΦ (Ημ)", 1}, {"ΤΓ", 1}, {"ΤΦ", 1}};
    page.Rows.append({"3", "1", "0", "1", "2", "2"});
    TMatchListPrintout(Printer()).Print(page);
    Printer().SetOutputFileName(QString());

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const PdfPage &first = pages.first();
    const QStringList head = WordsOf(
        MatchListPageHead(page.Caption, page.Today, page.Season, page.Category, page.Matchday, false));
    const qsizetype headStart = FindWords(first, head);
    ASSERT_GE(headStart, 0);
    EXPECT_EQ(WordsOutsidePage(first, headStart, head.size()), QStringList());
    QStringList titles;
    for (const TPrintCell &title : page.Titles)
        titles.append(title.Text);
    const qsizetype titleStart = FindWords(first, WordsOf(titles));
    ASSERT_GE(titleStart, 0);
    EXPECT_EQ(WordsNotApart(first, titleStart, WordsOf(titles).size()), QStringList());
}

} // namespace

#include "analysis/prediction_pages.h"
#include "platform/core/codepage.h"
#include "platform/core/errors.h"
#include "report/page_names.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

// The lines of a page, read back from code page 1253.
QStringList PageLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("\n") && !bytes.contains("\r\n"));
    return FromCodePage(bytes, CodePage::Windows1253).split(QStringLiteral("\r\n"));
}

// The table rows of a page after its header row, each as the lines between <TR…> and </TR>.
std::vector<QStringList> TableRows(const QStringList &lines)
{
    std::vector<QStringList> rows;
    const qsizetype header = lines.indexOf(QStringLiteral("</TR>"));
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral("<TR")))
            rows.push_back({lines[i]});
        else if (lines[i] == QStringLiteral("</table>"))
            break;
        else if (!rows.empty())
            rows.back().append(lines[i]);
    }
    return rows;
}

const QString Green = R"(<TD BGCOLOR="#00ff00"><P ALIGN="CENTER">)";
const QString Centre = R"(<TD><P ALIGN="CENTER">)";

// A played home win, a draw whose probable signs hold X and 1, and a match not played.
const std::vector<QStringList> MatchRows = {
    {"1", "06/03/2005", "Α - Β", "50", "30", "20", "1", "1X", "1X2", "2", " 2- 0", "1"},
    {"2", "06/03/2005", "Γ & Δ", "40", "35", "25", "1", "X1", "1X", "2", " 1- 1", "X"},
    {"3", "", "Ε - Ζ", "33", "33", "34", "2", "21X", "1X2", "", "? - ?", "?"},
};
const QStringList Summary = {"", "", "Επιτυχίες :", "150", "95", "63 %", "2", "2", "2", "0", "", ""};

const TAnalysisPageHead Head{"Α Εθνική 2004-05", "Αγωνιστική 5η", "5", QString("06/03/2005")};

class PredictionPagesTest : public testing::Test
{
protected:
    QTemporaryDir folder_;
};

TEST_F(PredictionPagesTest, TheFirstGreekPageOfALeagueIsNamedAfterCountryCategoryAndMatchday)
{
    using namespace tav::report;
    const QString code = CompetitionFileCode({"GR", 0, "A", ""}, TSubLetterCase::AsStored);
    EXPECT_EQ(QStringLiteral("htm/") + PageFileName(TExportLanguage::Greek, code, TPageKind::Prediction, "5"),
              "htm/grgrpAa05p.html");
}

TEST_F(PredictionPagesTest, ResultCellsAreGreenAndTheHitsRowIsAqua)
{
    const QString path = folder_.filePath("page.html");
    WritePredictionsHtml(path, TExportLanguage::Greek, Head, MatchRows, Summary);
    const QStringList lines = PageLines(path);
    EXPECT_TRUE(lines.contains("<TITLE>Tavrolin : Προβέψεις-Αποτελέσματα</TITLE>"));
    EXPECT_TRUE(lines.contains("<center><H1>Προβλέψεις-Αποτελέσματα</H1><DT>"));
    EXPECT_TRUE(lines.contains("<H1>Α Εθνική 2004-05</H1><DT>"));
    EXPECT_TRUE(lines.contains("<H1>Αγωνιστική 5η (06/03/2005)</H1><DT>"));
    const std::vector<QStringList> rows = TableRows(lines);
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<QStringList> expected = {
        {"<TR>", R"(<TD><P ALIGN="RIGHT">1</TD>)", R"(<TD><P ALIGN="RIGHT">06/03/2005</TD>)",
         R"(<TD><P ALIGN="LEFT">Α - Β</TD>)", Green + "50</TD>", Centre + "30</TD>", Centre + "20</TD>",
         Green + "1</TD>", Green + "1X</TD>", Green + "1X2</TD>", Centre + "2</TD>",
         R"(<TD><P ALIGN="RIGHT"> 2- 0</TD>)", Green + "1</TD>", "</TR>"},
        {"<TR>", R"(<TD><P ALIGN="RIGHT">2</TD>)", R"(<TD><P ALIGN="RIGHT">06/03/2005</TD>)",
         R"(<TD><P ALIGN="LEFT">Γ &amp; Δ</TD>)", Centre + "40</TD>", Green + "35</TD>", Centre + "25</TD>",
         Centre + "1</TD>", Green + "X1</TD>", Green + "1X</TD>", Centre + "2</TD>",
         R"(<TD><P ALIGN="RIGHT"> 1- 1</TD>)", Green + "X</TD>", "</TR>"},
        // Not played: only the result cell is green; the empty cells show a blank.
        {"<TR>", R"(<TD><P ALIGN="RIGHT">3</TD>)", R"(<TD><P ALIGN="RIGHT">&nbsp;</TD>)",
         R"(<TD><P ALIGN="LEFT">Ε - Ζ</TD>)", Centre + "33</TD>", Centre + "33</TD>", Centre + "34</TD>",
         Centre + "2</TD>", Centre + "21X</TD>", Centre + "1X2</TD>", Centre + "&nbsp;</TD>",
         R"(<TD><P ALIGN="RIGHT">? - ?</TD>)", Green + "?</TD>", "</TR>"},
        {R"(<TR BGCOLOR="#00ffff">)", R"(<TD><P ALIGN="RIGHT">&nbsp;</TD>)",
         R"(<TD><P ALIGN="RIGHT">&nbsp;</TD>)", R"(<TD><P ALIGN="LEFT">Επιτυχίες :</TD>)",
         Centre + "150</TD>", Centre + "95</TD>", Centre + "63 %</TD>", Centre + "2</TD>", Centre + "2</TD>",
         Centre + "2</TD>", Centre + "0</TD>", R"(<TD><P ALIGN="RIGHT">&nbsp;</TD>)", Centre + "&nbsp;</TD>",
         "</TR>"},
    };
    for (std::size_t r = 0; r < expected.size(); ++r)
        EXPECT_EQ(rows[r], expected[r]) << "row " << r;
    EXPECT_EQ(
        lines.mid(lines.indexOf("</table>")),
        QStringList({"</table>", "<br><center>", R"(<A HREF="javascript:history.back();"> Back </A>)",
                     "</center>", "<br><center>", "<A>Tavrolin</A>", "</center>", "</BODY>", "</HTML>", ""}));
}

TEST_F(PredictionPagesTest, NoMatchGivesTheHitsRowOnly)
{
    const QString path = folder_.filePath("page.html");
    WritePredictionsHtml(path, TExportLanguage::English, Head, {}, Summary);
    const std::vector<QStringList> rows = TableRows(PageLines(path));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].front(), R"(<TR BGCOLOR="#00ffff">)");
}

TEST_F(PredictionPagesTest, TheOddsPageMakesItsFolderAndHasNoHitsRow)
{
    const QString path = folder_.filePath("GR/htm/odds5.html");
    WriteOddsHtml(path, TExportLanguage::English, Head, MatchRows);
    const QStringList lines = PageLines(path);
    EXPECT_TRUE(lines.contains("<H1>Day No5 (06/03/2005)</H1><DT>"));
    EXPECT_TRUE(lines.contains("<TITLE>Tavrolin : Suggested Odds</TITLE>"));
    const std::vector<QStringList> rows = TableRows(lines);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(
        rows[0],
        QStringList({"<TR>", R"(<TD><P ALIGN="RIGHT">1</TD>)", R"(<TD><P ALIGN="RIGHT">06/03/2005</TD>)",
                     R"(<TD><P ALIGN="LEFT">Α - Β</TD>)", Green + "50</TD>", Centre + "30</TD>",
                     Centre + "20</TD>", R"(<TD><P ALIGN="RIGHT"> 2- 0</TD>)", Green + "1</TD>", "</TR>"}));
    // An empty cell stays empty; the result cell is green also without a result.
    EXPECT_EQ(rows[2][2], R"(<TD><P ALIGN="RIGHT"></TD>)");
    EXPECT_EQ(rows[2][8], Green + "?</TD>");
}

TEST_F(PredictionPagesTest, TheMatchdayLineOfEveryHead)
{
    TAnalysisPageHead empty = Head;
    empty.MatchdayDate = QString();
    TAnalysisPageHead noNumber = Head;
    noNumber.MatchdayText = "x";
    noNumber.MatchdayDate.reset();
    const struct
    {
        TExportLanguage language;
        bool odds;
        TAnalysisPageHead head;
        const char *line;
    } cases[] = {
        {TExportLanguage::Greek, false, Head, "<H1>Αγωνιστική 5η (06/03/2005)</H1><DT>"},
        {TExportLanguage::Greek, true, empty, "<H1>Αγωνιστική 5η ()</H1><DT>"},
        {TExportLanguage::Greek, false, noNumber, "<H1>Αγωνιστική 5η</H1><DT>"},
        {TExportLanguage::English, false, Head, "<H1>Day No 5 (06/03/2005)</H1><DT>"},
        {TExportLanguage::English, false, noNumber, "<H1>Day No </H1><DT>"},
        {TExportLanguage::English, true, Head, "<H1>Day No5 (06/03/2005)</H1><DT>"},
        {TExportLanguage::English, true, noNumber, "<H1>Day Nox</H1><DT>"},
        {TExportLanguage::Italian, false, Head, "<H1>Giornata No 5 (06/03/2005)</H1><DT>"},
        {TExportLanguage::Italian, true, noNumber, "<H1>Giornata No x</H1><DT>"},
    };
    for (const auto &c : cases) {
        const QString path = folder_.filePath("line.html");
        if (c.odds)
            WriteOddsHtml(path, c.language, c.head, MatchRows);
        else
            WritePredictionsHtml(path, c.language, c.head, MatchRows, Summary);
        EXPECT_TRUE(PageLines(path).contains(QString(c.line))) << c.line;
    }
}

TEST_F(PredictionPagesTest, APageWithoutItsFolderRaisesAGreekMessageAndLeavesNothing)
{
    const QString path = folder_.filePath("htm/page.html");
    try {
        WritePredictionsHtml(path, TExportLanguage::Greek, Head, MatchRows, Summary);
        FAIL() << "the page was written without its folder";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains(QDir::toNativeSeparators(path)))
            << error.Message().toStdString();
    }
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(PredictionSummaryLabelTest, ByLanguage)
{
    EXPECT_EQ(PredictionSummaryLabel(TExportLanguage::Greek), "Επιτυχίες :");
    EXPECT_EQ(PredictionSummaryLabel(TExportLanguage::English), "Prediction Results:");
    EXPECT_EQ(PredictionSummaryLabel(TExportLanguage::Italian), "Risultati effettuati:");
}

} // namespace

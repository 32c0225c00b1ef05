#include "analysis/history_engine.h"
#include "analysis/history_pages.h"
#include "platform/core/codepage.h"
#include "report/page_names.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines(const QString &path)
{
    return FromCodePage(Bytes(path), CodePage::Windows1253).split(QStringLiteral("\r\n"));
}

// Two matches: the first met in 2001-02 and twice in 2002-03, the second never.
THistoryRows Rows()
{
    THistoryEntry forward{"Α - Β", 1, 1, 0, 4, 3, " 1- 0", {{" 3- 3", "2002-03"}, {" 1- 0", "2002-03"}}};
    THistoryEntry reverse{"Β-Α", 0, 0, 1, 0, 2, "", {{" 0- 2", "2001-02"}}};
    return {forward, reverse, {"Γ - Δ", 0, 0, 0, 0, 0, "? - ?", {}}, {"Δ-Γ", 0, 0, 0, 0, 0, "", {}}};
}

class HistoryPagesTest : public testing::Test
{
protected:
    QTemporaryDir folder_;
    THistoryRows rows_ = Rows();
    QStringList seasons_ = HistorySeasons(rows_);
    std::vector<QStringList> grid_ = HistoryGrid(rows_, seasons_);
    TAnalysisPageHead head_{"Α Εθνική 2004-05", "Αγωνιστική 12η", "12", QString("06/03/2005")};
};

TEST_F(HistoryPagesTest, ThePageShowsEachMatchOnOneLineForwardAboveReverse)
{
    const QString path = folder_.filePath("page.html");
    WriteHistoryHtml(path, TExportLanguage::Greek, head_, grid_, seasons_);
    const QStringList lines = Lines(path);
    EXPECT_TRUE(lines.contains("<TITLE>Tavrolin : Προϊστορία Αγώνων</TITLE>"));
    EXPECT_TRUE(lines.contains("<center><H1>Προϊστορία Αγώνων</H1><DT>"));
    const qsizetype table = lines.indexOf("<table border>");
    ASSERT_GT(table, 0);
    EXPECT_EQ(lines[table - 1], "<H1>12η Αγωνιστική (06/03/2005)</H1><DT>");
    const QString cell = R"(<TD><P ALIGN="CENTER"><B>%1</B><BR>%2</TD>)";
    EXPECT_EQ(
        lines.mid(table + 1, 5),
        QStringList({R"(<TR BGCOLOR="#ffff00">)",
                     "<TH>Ομάδες</TH><TH>2001-02</TH><TH>2002-03</TH>"
                     "<TH>Ν</TH><TH>Ι</TH><TH>Η</TH><TH>ΓΥ</TH><TH>ΓΚ</TH><TH>Σκόρ</TH>",
                     "</TR>",
                     "<TR><TD><B>Α - Β</B><BR>Β-Α</TD>" + cell.arg("-", " 0- 2") + cell.arg(" 1- 0", "-") +
                         cell.arg("1", "0") + cell.arg("1", "0") + cell.arg("0", "1") + cell.arg("4", "0") +
                         cell.arg("3", "2") + cell.arg(" 1- 0", "") + "</TR>",
                     "<TR><TD><B>Γ - Δ</B><BR>Δ-Γ</TD>" + cell.arg("-", "-") + cell.arg("-", "-") +
                         cell.arg("0", "0").repeated(5) + cell.arg("? - ?", "") + "</TR>"}));
    EXPECT_EQ(lines[table + 6], "</table>");
    // The totals' headings are the Greek capitals, one byte each in code page 1253.
    EXPECT_TRUE(Bytes(path).contains("<TH>\xCD</TH><TH>\xC9</TH><TH>\xC7</TH>"));
}

TEST_F(HistoryPagesTest, TheHeadingsOfEveryLanguage)
{
    const struct
    {
        TExportLanguage language;
        const char *title;
        const char *matchday;
        const char *headings;
    } cases[] = {
        {TExportLanguage::English, "Past Results", "<H1>Day No 12 (06/03/2005)</H1><DT>",
         "<TH>Teams</TH><TH>2001-02</TH><TH>2002-03</TH><TH>W</TH><TH>D</TH><TH>L</TH><TH>HG</TH><TH>AG</TH>"
         "<TH>Result</TH>"},
        {TExportLanguage::Italian, "Risultati", "<H1>Giornata No 12 (06/03/2005)</H1><DT>",
         "<TH>Squadre</TH><TH>2001-02</TH><TH>2002-03</TH><TH>Ν</TH><TH>Ι</TH><TH>Η</TH><TH>ΓΥ</TH><TH>ΓΚ</"
         "TH>"
         "<TH>Risult</TH>"},
    };
    for (const auto &c : cases) {
        const QString path = folder_.filePath("page.html");
        WriteHistoryHtml(path, c.language, head_, grid_, seasons_);
        const QStringList lines = Lines(path);
        EXPECT_TRUE(lines.contains(QString("<TITLE>Tavrolin : ") + c.title + "</TITLE>")) << c.title;
        EXPECT_TRUE(lines.contains(QString(c.matchday))) << c.matchday;
        EXPECT_TRUE(lines.contains(QString(c.headings))) << c.headings;
    }
    head_.MatchdayDate.reset();
    const QString path = folder_.filePath("page.html");
    WriteHistoryHtml(path, TExportLanguage::Greek, head_, grid_, seasons_);
    EXPECT_TRUE(Lines(path).contains("<H1>12η Αγωνιστική</H1><DT>"));
}

TEST_F(HistoryPagesTest, TheDesktopPublishingFileHasAHeadingLineAndOneLinePerEntry)
{
    const struct
    {
        TExportLanguage language;
        const char *heading;
    } cases[] = {
        {TExportLanguage::Greek, "Ομάδες\t2001-02\t2002-03\tΝ\tΙ\tΗ\tΓΥ\tΓΚ\tΣκόρ"},
        {TExportLanguage::English, "Teams\t2001-02\t2002-03\tW\tD\tL\tΓΥ\tΓΚ\tResult"},
        {TExportLanguage::Italian, "Squadre\t2001-02\t2002-03\tΝ\tΙ\tΗ\tΓΥ\tΓΚ\tΣκόρ"},
    };
    for (const auto &c : cases) {
        const QString path = folder_.filePath("history.doc");
        WriteHistoryQXpress(path, c.language, grid_, seasons_);
        EXPECT_EQ(
            Lines(path),
            QStringList({c.heading, "Α - Β\t-\t 1- 0\t1\t1\t0\t4\t3\t 1- 0", "Β-Α\t 0- 2\t-\t0\t0\t1\t0\t2\t",
                         "Γ - Δ\t-\t-\t0\t0\t0\t0\t0\t? - ?", "Δ-Γ\t-\t-\t0\t0\t0\t0\t0\t", ""}))
            << c.heading;
    }
}

TEST_F(HistoryPagesTest, MassPagesNumberedOneTwoThreeEndInA02r)
{
    using namespace tav::report;
    const QString code = CompetitionFileCode({"GR", 0, "A", ""}, TSubLetterCase::AsStored);
    EXPECT_EQ(QStringLiteral("htm1/") + PageFileName(TExportLanguage::Greek, code, TPageKind::History, "02"),
              "htm1/grgrpAa02r.html");
}

} // namespace

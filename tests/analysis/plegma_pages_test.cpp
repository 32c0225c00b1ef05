#include "analysis/plegma.h"
#include "analysis/plegma_pages.h"
#include "platform/core/codepage.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::analysis;
using tav::report::TExportLanguage;

namespace {

QStringList Lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FromCodePage(file.readAll(), CodePage::Windows1253).split(QStringLiteral("\r\n"));
}

TStandingsTeam Team(int recNo, const char *name)
{
    TStandingsTeam team;
    team.RecNo = recNo;
    team.GrName = QString::fromUtf8(name);
    return team;
}

TStandingsMatch Match(int matchday, int home, int away, std::optional<int> g = std::nullopt,
                      std::optional<int> f = std::nullopt)
{
    TStandingsMatch match;
    match.Agvnistikh = matchday;
    match.Ghpedoyxos = home;
    match.Filojenoymenh = away;
    match.TelGGoals = g;
    match.TelFGoals = f;
    return match;
}

// Four teams in name order: Άλφα beat Βήτα 2-1, drew 1-1 with Γάμμα, lost 0-3 at home to
// Δέλτα; Βήτα meets Γάμμα on the coming matchday.
TPlegma Grid(int rounds)
{
    TPlegmaSettings settings;
    settings.View = TPlegmaView::Name;
    settings.Rounds = rounds;
    settings.Last = 2;
    settings.Current = 1;
    const std::vector<TStandingsMatch> matches = {Match(1, 1, 2, 2, 1), Match(1, 1, 3, 1, 1),
                                                  Match(1, 1, 4, 0, 3), Match(2, 2, 3)};
    return BuildPlegma({Team(1, "Άλφα"), Team(2, "Βήτα"), Team(3, "Γάμμα"), Team(4, "ΔέλταΔέλτα")}, matches,
                       settings);
}

class PlegmaPagesTest : public testing::Test
{
protected:
    QStringList Write(TExportLanguage language, const TPlegma &plegma)
    {
        const QString path = folder_.filePath(QStringLiteral("page.html"));
        WriteGridHtml(path, language, {QStringLiteral("2004-05, Α' Εθνική"), QStringLiteral("5"), QString()},
                      plegma.Cells, plegma.ColsPerTeam);
        return Lines(path);
    }
    QTemporaryDir folder_;
};

} // namespace

TEST_F(PlegmaPagesTest, GreekPageHeadAndCells)
{
    const QStringList lines = Write(TExportLanguage::Greek, Grid(2));
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines[0], "<HEAD>");
    EXPECT_EQ(lines[1], "<TITLE>Tavrolin : Πίνακας Αποτελεσμάτων</TITLE>");
    const int style = int(lines.indexOf("<style>"));
    ASSERT_GT(style, 1);
    EXPECT_EQ(lines.mid(style, 8),
              (QStringList{"<style>", ".myStyle { writing-mode: tb-rl;", "filter:   flipH() flipV();", "}",
                           "</style>", "</HEAD>", "<BODY>", "<HTML>"}));
    EXPECT_EQ(lines.mid(style + 8, 4),
              (QStringList{"<center><H1>Πίνακας Αποτελεσμάτων</H1><D1>", "<H1>2004-05, Α' Εθνική</H1>",
                           "<H1>5η Αγωνιστική ()</H1><DT>", "<table border>"}));
    const QString blue =
        "<TD width=\"32\" height=\"25\"><P ALIGN=\"CENTER\"><font color=\"#0000ff\"> 2- 1</font></TD>";
    const QString draw =
        "<TD width=\"32\" height=\"25\"><P ALIGN=\"CENTER\"><font color=\"#ff0000\"> 1- 1</font></TD>";
    const QString away =
        "<TD width=\"32\" height=\"25\"><P ALIGN=\"CENTER\"><font color=\"#ff0000\"> 0- 3</font></TD>";
    const QString coming = "<TD width=\"32\" height=\"25\" bgcolor=\"#008000\"><font color=\"#FFFFFF\">"
                           "<P ALIGN=\"CENTER\">?-?</font></TD>";
    for (const QString &cell : {blue, draw, away, coming})
        EXPECT_TRUE(lines.contains(cell)) << cell.toStdString();
    EXPECT_EQ(lines.count("<TD BGCOLOR=\"#000000\">&nbsp;</TD>"), 4);
    EXPECT_TRUE(lines.contains("<TD width=\"30\" height=\"25\">&nbsp;</TD>"));
    // Names whole, in the name row and column.
    EXPECT_TRUE(lines.contains("<TD width=\"32\" height=\"25\"><P ALIGN=\"CENTER\">ΔέλταΔέλτα</TD>"));
    EXPECT_TRUE(
        lines.contains("<TH width=\"28\" height=\"55\"><span class=\"myStyle\">ΔέλταΔέλτα</SPAN></TH>"));
    EXPECT_TRUE(lines.contains("<TH><font color=\"#ff0000\"> 1</font></TH>"));
    EXPECT_EQ(lines.mid(lines.size() - 10),
              (QStringList{"</table>", "<br><center>", "<A HREF=\"javascript:history.back();\"> Back </A>",
                           "</center>", "<br><center>", "<P><A>Tavrolin</A></P>", "</center>", "</BODY>",
                           "</HTML>", ""}));
}

TEST_F(PlegmaPagesTest, OtherLanguagesHaveNoStyle)
{
    const struct
    {
        TExportLanguage language;
        const char *title;
        const char *matchday;
    } cases[] = {{TExportLanguage::English, "Table of Results", "<H1>Day No 5 ()</H1><DT>"},
                 {TExportLanguage::Italian, "Tabella Risultati", "<H1>Giornata No 5 ()</H1><DT>"}};
    for (const auto &c : cases) {
        const QStringList lines = Write(c.language, Grid(2));
        EXPECT_FALSE(lines.contains("<style>"));
        EXPECT_EQ(lines[1], QStringLiteral("<TITLE>Tavrolin : %1</TITLE>").arg(QString::fromUtf8(c.title)));
        EXPECT_TRUE(
            lines.contains(QStringLiteral("<center><H1>%1</H1><D1>").arg(QString::fromUtf8(c.title))));
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.matchday)));
    }
}

// Two columns a team: both of a team's own columns black in its row, no other crossing black.
TEST_F(PlegmaPagesTest, TwoColumnsBlackenBothOwnColumns)
{
    const QStringList lines = Write(TExportLanguage::Greek, Grid(4));
    EXPECT_EQ(lines.count("<TD BGCOLOR=\"#000000\">&nbsp;</TD>"), 8);
}

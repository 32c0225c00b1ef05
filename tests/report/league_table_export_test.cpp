#include "report/league_table_export.h"

#include "platform/core/codepage.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tav::report;

namespace {

QString PathOf(const QString &name)
{
    return JoinPath(ProgramFolder(), name);
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray Fixture(const QString &name)
{
    return Bytes(QStringLiteral(TAVROLIN_TEST_DATA "/report/") + name);
}

QStringList PageLines(const QString &path)
{
    return FromCodePage(Bytes(path), CodePage::Windows1253).split(QStringLiteral("\r\n"));
}

// Three clubs at matchday 7, shown in the order of the most wins: the title place, a club with
// two bonus points whose name needs escaping on a page, and a relegated club two points down.
TLeagueTableExport SmallLeague(TExportLanguage language)
{
    const bool greek = language == TExportLanguage::Greek;
    const QString name = language == TExportLanguage::Greek     ? QStringLiteral("Α' Εθνική")
                         : language == TExportLanguage::English ? QStringLiteral("Super League")
                                                                : QStringLiteral("Serie A");
    TLeagueTableExport table;
    table.Onomasia = "2004-05, " + name;
    table.CompetitionName = name;
    table.Caption = "Βαθμολογία (Νίκες)";
    table.Matchday = "7";
    table.MatchdayDate = "17/10/2004";
    table.Marks = {3, 1, 0, 1};
    table.Table.Rows = {
        QStringList{" 1",    greek ? "Άρης" : "Aris",
                    " 7",    " 3",
                    " 2",    " 1",
                    " 0",    " 5- 2",
                    "  3",   " 6",
                    " 2",    " 2",
                    " 0",    " 0",
                    " 3- 0", "  3",
                    " 1",    " 1",
                    " 0",    " 1",
                    " 0",    " 2- 2",
                    "  0"},
        QStringList{" 2",    greek ? "Λάρισα & Σία" : "Larisa & Co",
                    " 6",    " 3",
                    " 1",    " 1",
                    " 1",    " 4- 4",
                    "  0",   " 3",
                    " 1",    " 1",
                    " 0",    " 0",
                    " 2- 1", "  1",
                    " 1",    " 2",
                    " 0",    " 1",
                    " 1",    " 2- 3",
                    " -1"},
        QStringList{" 3",    greek ? "Ιωνικός" : "Ionikos",
                    " 0",    " 2",
                    " 0",    " 0",
                    " 2",    " 1- 4",
                    " -3",   " 0",
                    " 1",    " 0",
                    " 0",    " 1",
                    " 0- 2", " -2",
                    " 0",    " 1",
                    " 0",    " 0",
                    " 1",    " 1- 2",
                    " -1"},
    };
    table.Table.Penalties = {{"Λάρισα & Σία", "Larisa & Co", 2}, {"Ιωνικός", "Ionikos", -2}};
    return table;
}

struct LanguageCase
{
    TExportLanguage language;
    const char *suffix;
};
const LanguageCase Languages[] = {
    {TExportLanguage::Greek, "gr"}, {TExportLanguage::English, "en"}, {TExportLanguage::Italian, "it"}};

TEST(LeagueTableExportTest, TextFilesOfTheThreeLanguagesAndTheDosCopyAreWrittenByteForByte)
{
    for (const LanguageCase &c : Languages) {
        SCOPED_TRACE(c.suffix);
        const QString path = PathOf("superb07.txt");
        WriteLeagueTableText(path, c.language, SmallLeague(c.language));
        EXPECT_EQ(Bytes(path), Fixture(QStringLiteral("league_table_%1.txt").arg(c.suffix)));
    }
    const QString dos = PathOf("dos.txt");
    WriteLeagueTableDosText(dos, SmallLeague(TExportLanguage::Greek));
    EXPECT_EQ(Bytes(dos), Fixture("league_table_gr_dos.txt"));
    EXPECT_TRUE(Bytes(dos).contains(QByteArray::fromHex("EAA89EAA"))); // Άρης in code page 737
}

TEST(LeagueTableExportTest, QXpressFileHasTheCellsOfEachRowSeparatedByTabs)
{
    const QString path = PathOf("superb07.doc");
    WriteLeagueTableQXpress(path, SmallLeague(TExportLanguage::Greek));
    EXPECT_EQ(Bytes(path), Fixture("league_table.doc"));
}

TEST(LeagueTableExportTest, TablePagesOfTheThreeLanguagesAreWrittenByteForByte)
{
    for (const LanguageCase &c : Languages) {
        SCOPED_TRACE(c.suffix);
        const QString path = PathOf("page.html");
        WriteLeagueTablePage(path, c.language, SmallLeague(c.language));
        EXPECT_EQ(Bytes(path), Fixture(QStringLiteral("league_table_%1.html").arg(c.suffix)));
    }
}

// With Champions 1, OmadesUp 2, OmadesDn 3 and 16 teams: 1 green, 2 and 3 cyan, 14 to 16 pink; a
// place in two zones carries both colours.
TEST(LeagueTableExportTest, RowsAreColouredByTheirPlaces)
{
    struct Case
    {
        TLeagueTableMarks marks;
        int teams;
        QStringList openings;
    };
    const QString green = R"(<TR BGCOLOR="#33ff33">)";
    const QString cyan = R"(<TR BGCOLOR="#00ffff">)";
    const QString pink = R"(<TR BGCOLOR="#ffb0b0">)";
    const QString plain = "<TR>";
    const Case cases[] = {
        {{16, 1, 2, 3},
         16,
         QStringList{green, cyan, cyan} + QStringList(10, plain) + QStringList{pink, pink, pink}},
        {{3, 1, 1, 2}, 3, {green, R"(<TR BGCOLOR="#00ffff" BGCOLOR="#ffb0b0">)", pink}},
        {{4, 0, 0, 0}, 4, QStringList(4, plain)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.teams);
        TLeagueTableExport table = SmallLeague(TExportLanguage::Greek);
        table.Marks = c.marks;
        table.Table.Rows = QList<QStringList>(c.teams, QStringList(LeagueTableColumns, " 0"));
        table.Table.Penalties.clear();
        const QString path = PathOf("colours.html");
        WriteLeagueTablePage(path, TExportLanguage::Greek, table);
        QStringList openings;
        for (const QString &line : PageLines(path))
            if (line.startsWith("<TR") && !line.contains("#ffff00") && !line.contains("#c0c0c0"))
                openings.append(line);
        EXPECT_EQ(openings, c.openings);
    }
}

TEST(LeagueTableExportTest, OnlyPointsTakenOffAreNoted)
{
    struct Case
    {
        int timvria;
        QStringList notes;
    };
    const Case cases[] = {
        {-2, {"<TR><TD colspan=23>Η ομάδα Άρης, έχει -2 βαθμούς</TD></TR>"}},
        {2, {}},
        {0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.timvria);
        TLeagueTableExport table = SmallLeague(TExportLanguage::Greek);
        table.Table.Penalties = {{"Άρης", "Aris", c.timvria}};
        const QString path = PathOf("notes.html");
        WriteLeagueTablePage(path, TExportLanguage::Greek, table);
        QStringList notes;
        for (const QString &line : PageLines(path))
            if (line.startsWith("<TR><TD colspan=23>"))
                notes.append(line);
        EXPECT_EQ(notes, c.notes);
    }
}

// Each ordering's table in its own order, rotated by the ordering's place in the list.
QList<TSpecialOrdering> FourteenOrderings(TExportLanguage language)
{
    const TLeagueTableRows rows = SmallLeague(language).Table;
    QList<TSpecialOrdering> orderings;
    int index = 0;
    for (const int column : SpecialOrderingColumns) {
        TLeagueTableRows ordered = rows;
        for (int i = 0; i < index % 3; ++i)
            ordered.Rows.move(0, ordered.Rows.size() - 1);
        orderings.append({column, ordered});
        ++index;
    }
    return orderings;
}

TEST(LeagueTableExportTest, SpecialOrderingsPageHasFourteenTablesEachWithItsColumnInRed)
{
    const QString path = PathOf("special.html");
    WriteSpecialOrderingsPage(path, TExportLanguage::Greek, SmallLeague(TExportLanguage::Greek),
                              FourteenOrderings(TExportLanguage::Greek));
    EXPECT_EQ(Bytes(path), Fixture("special_orderings_gr.html"));

    WriteSpecialOrderingsPage(path, TExportLanguage::Italian, SmallLeague(TExportLanguage::Italian),
                              FourteenOrderings(TExportLanguage::Italian));
    const QStringList lines = PageLines(path);
    EXPECT_EQ(lines.count("<table border>"), 14);
    EXPECT_EQ(lines.count("</table><br><hr><br>"), 14);
    EXPECT_TRUE(lines.contains("<center><H2>Classifica Speciale</H2><DT>"));
    EXPECT_TRUE(lines.contains(R"(<TH><font color = "#ff0000">V</font></TH>)"));
    EXPECT_EQ(lines.count("<TR><TD colspan=23>La squadra Ionikos, ha -2 punti</TD></TR>"), 14);
}

} // namespace

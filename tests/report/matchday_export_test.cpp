#include "report/matchday_export.h"

#include "platform/core/codepage.h"
#include "report/name_language.h"
#include "report/report_data_test.h"
#include "support/qstring_printer.h"

#include <QFile>

using namespace tav::report;

namespace {

// Matchday 5 of a league: one match played, one not yet, whose home club's name is longer than
// its column.
class MatchdayExportTest : public ReportDataTest
{
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        dNo_ = AddCompetition(AddLeagueInThreeLanguages(greece), "2004-05", 4);
        const int aris = AddCompetitionTeam(dNo_, AddTeam(greece, "Άρης", "Aris"));
        const int paok = AddCompetitionTeam(dNo_, AddTeam(greece, "ΠΑΟΚ", "PAOK"));
        const int olympiakos =
            AddCompetitionTeam(dNo_, AddTeam(greece, "Ολυμπιακός Πειραιώς ΦΑΕ", "Olympiakos"));
        AddMatch(dNo_, 5, olympiakos, paok, QDate(2004, 9, 19), {}, {}, {});
        AddMatch(dNo_, 5, aris, paok, QDate(2004, 9, 12), 2, 1, {});
        AddMatch(dNo_, 6, paok, aris, QDate(2004, 9, 26), 0, 0, {});
    }

    TMatchdayExport ReadMatchday()
    {
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
        ApplyMatchdayRange(Dm().Agvnes, dNo_, 5, QVariant());
        return ReadMatchdayExport(Dm(), "5");
    }

    QString PathOf(const QString &name) const { return CurrentTestFolders().ProgramHome() + "/" + name; }

    static QByteArray Bytes(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    static QByteArray Lines(const QStringList &lines, CodePage codePage)
    {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += ToCodePage(line, codePage) + "\r\n";
        return bytes;
    }

    const QStringList GreekText{
        "2004-05, Α' Εθνική",
        "Αγωνιστική 5η",
        "Ημερομηνία Ομάδες                                    Σκόρ ",
        "12/09/2004 Άρης                -ΠΑΟΚ                  2- 1",
        "19/09/2004 Ολυμπιακός Πειραιώς ΦΑΕ-ΠΑΟΚ                 ? - ?",
    };

    int dNo_ = 0;
};

TEST_F(MatchdayExportTest, GreekTextAndItsDosCopyAreWrittenByteForByte)
{
    const TMatchdayExport matchday = ReadMatchday();
    WriteMatchdayText(PathOf("alpha.txt"), TExportLanguage::Greek, matchday);
    WriteMatchdayDosText(PathOf("alpha-dos.txt"), matchday);

    EXPECT_EQ(Bytes(PathOf("alpha.txt")), Lines(GreekText, CodePage::Windows1253));
    const QByteArray dos = Bytes(PathOf("alpha-dos.txt"));
    EXPECT_EQ(dos, Lines(GreekText, CodePage::Dos737));
    EXPECT_TRUE(dos.contains(QByteArray::fromHex("EAA89EAA"))); // Άρης
}

TEST_F(MatchdayExportTest, EnglishAndItalianTakeTheLatinTeamNamesAndTheirOwnHeadings)
{
    TNameLanguageSwitch names(Dm(), TExportLanguage::English);
    struct Case
    {
        TExportLanguage language;
        QStringList lines;
    };
    const Case cases[] = {
        {TExportLanguage::English,
         {"2004-05, Super League", "Week 5", "Date       Teams                           Result",
          "12/09/2004 Aris           -PAOK             2- 1",
          "19/09/2004 Olympiakos     -PAOK            ? - ?"}},
        {TExportLanguage::Italian,
         {"2004-05, Serie A", "Giornata 5", "Data       Squadre                         Risult",
          "12/09/2004 Aris           -PAOK             2- 1",
          "19/09/2004 Olympiakos     -PAOK            ? - ?"}},
    };
    for (const Case &c : cases) {
        names.Switch(c.language);
        WriteMatchdayText(PathOf("alpha.txt"), c.language, ReadMatchday());
        EXPECT_EQ(Bytes(PathOf("alpha.txt")), Lines(c.lines, CodePage::Windows1253));
    }
}

TEST_F(MatchdayExportTest, ListingHasOneTabSeparatedLinePerMatch)
{
    WriteMatchdayListing(PathOf("alpha.doc"), ReadMatchday());
    EXPECT_EQ(Bytes(PathOf("alpha.doc")),
              Lines({"12/09/2004\tΆρης\tΠΑΟΚ\t 2- 1", "19/09/2004\tΟλυμπιακός Πειραιώς ΦΑΕ\tΠΑΟΚ\t? - ?"},
                    CodePage::Windows1253));
}

TEST_F(MatchdayExportTest, PageHoldsTheHeadingsAndATableRowPerMatch)
{
    WriteMatchdayPage(PathOf("page.html"), TExportLanguage::Greek, ReadMatchday(), true);
    const QStringList lines = FromCodePage(Bytes(PathOf("page.html")), CodePage::Windows1253).split("\r\n");
    const qsizetype body = lines.indexOf("<HTML>");
    ASSERT_GE(body, 0);
    EXPECT_EQ(lines.mid(body + 1),
              (QStringList{
                  "<center><H1>2004-05, Α' Εθνική</H1><DT>",
                  "<H1>Αγωνιστική 5η</H1><DT>",
                  "<table border>",
                  R"(<TR BGCOLOR="#ffff00">)",
                  "<TH>Ημερομηνία</TH><TH>Ομάδες</TH><TH>Σκόρ</TH>",
                  "</TR>",
                  "<TR>",
                  R"(<TD><P ALIGN="CENTER">12/09/2004</TD><TD>Άρης - ΠΑΟΚ</TD>)"
                  R"(<TD><P ALIGN="CENTER"> 2- 1</TD></TR>)",
                  "<TR>",
                  R"(<TD><P ALIGN="CENTER">19/09/2004</TD><TD>Ολυμπιακός Πειραιώς ΦΑΕ - ΠΑΟΚ</TD>)"
                  R"(<TD><P ALIGN="CENTER">? - ?</TD></TR>)",
                  "</table>",
                  "</BODY>",
                  "</HTML>",
                  "",
              }));
}

TEST_F(MatchdayExportTest, AnEmptyMatchdayStillWritesItsHeadings)
{
    EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo_}));
    ApplyMatchdayRange(Dm().Agvnes, dNo_, 9, QVariant());
    WriteMatchdayText(PathOf("empty.txt"), TExportLanguage::Greek, ReadMatchdayExport(Dm(), "9"));
    EXPECT_EQ(Bytes(PathOf("empty.txt")),
              Lines({GreekText[0], "Αγωνιστική 9η", GreekText[2]}, CodePage::Windows1253));
}

} // namespace

#include "report/matchday_mass_export.h"

#include "platform/core/errors.h"
#include "report/matchday_export.h"
#include "report/report_data_test.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

using namespace tav::report;

namespace {

TEST(MassMatchdaysTest, CurrentMatchdaysAndTheProgramme)
{
    struct Case
    {
        const char *name;
        TMassMatchdays span;
        int current, highest;
        bool numbered;
        QList<TMassMatchday> matchdays;
    };
    const Case cases[] = {
        {"current and the two following", TMassMatchdays::Current, 12, 30, true, {{12, 1}, {13, 2}, {14, 3}}},
        {"by matchday only", TMassMatchdays::Current, 12, 30, false, {{12, 0}, {13, 0}, {14, 0}}},
        {"one before the last", TMassMatchdays::Current, 29, 30, true, {{29, 1}, {30, 2}}},
        {"at the last", TMassMatchdays::Current, 5, 5, true, {{5, 1}}},
        {"no match", TMassMatchdays::Current, 1, 0, true, {}},
        {"programme", TMassMatchdays::All, 2, 3, true, {{1, 0}, {2, 0}, {3, 0}}},
        {"programme without match", TMassMatchdays::All, 1, 0, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MassMatchdays(c.span, c.current, c.highest, c.numbered), c.matchdays);
    }
}

// Season 2004-05 of country GR: "Α' Εθνική" (code A, file name alpha) played to matchday 12 of 30;
// "Β' Εθνική" (code B, file name beta) played to its last matchday, 5; "Γ' Εθνική" without
// matches; "Δ' Εθνική" (code D, file name delta) with a programme of 34 matchdays, none played;
// "Κύπελλο" only in 2003-04. Each matchday has one match.
class MatchdayMassExportTest : public ReportDataTest
{
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        Post(Dm().Krath, {{"Name", "Ελλάδα"}, {"Kode", "GR"}});
        country_ = Dm().Krath.FieldByName("RecNo").AsInteger();
        alpha_ = AddLeague("Α' Εθνική", "Alpha Ethniki", "A", "alpha", 16, 30, 12);
        AddLeague("Β' Εθνική", "Beta Ethniki", "B", "beta", 6, 5, 5);
        AddLeague("Γ' Εθνική", "Gamma Ethniki", "G", "gamma", 4, 0, 0);
        AddLeague("Δ' Εθνική", "Delta Ethniki", "D", "delta", 18, 34, 0);
        AddCompetition(AddCategory("Κύπελλο", country_), "2003-04", 8);
        // The export starts with the cursor on a competition of its own.
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {alpha_}));
        totalMatches_ = Dm().Agvnes.RecordCount();
    }

    // A league of the season with one match a matchday up to the highest, played up to played.
    int AddLeague(const QString &name, const QString &enName, const QString &code, const QString &fileName,
                  int teams, int highest, int played)
    {
        Post(Dm().Kathgories, {{"GrName", name},
                               {"EnName", enName},
                               {"ItName", enName},
                               {"Kratos", country_},
                               {"Kode", code},
                               {"Typos", 0}});
        const int dNo = AddCompetition(Dm().Kathgories.FieldByName("KatNo").AsInteger(), "2004-05", teams);
        EXPECT_TRUE(Dm().Diorganvseis.Edit());
        Dm().Diorganvseis.FieldByName("FileName").SetValue(fileName);
        EXPECT_TRUE(Dm().Diorganvseis.Post());
        const int home = AddCompetitionTeam(dNo, AddTeam(country_, name + " Α", enName + " A"));
        const int away = AddCompetitionTeam(dNo, AddTeam(country_, name + " Β", enName + " B"));
        for (int day = 1; day <= highest; ++day) {
            const QDate date = QDate(2004, 8, 29).addDays(7 * day);
            if (day <= played)
                AddMatch(dNo, day, home, away, date, 2, 1, {});
            else
                AddMatch(dNo, day, home, away, date, {}, {}, {});
        }
        return dNo;
    }

    // Greek and English web pages numbered 1, 2, 3: the dialog's defaults.
    static TMassMatchdayChoice Defaults(const QStringList &competitions)
    {
        TMassMatchdayChoice choice;
        choice.Season = "2004-05";
        choice.Competitions = competitions;
        choice.Languages = {TExportLanguage::Greek, TExportLanguage::English};
        choice.Pages = true;
        choice.NumberedPages = true;
        return choice;
    }

    static QString Home() { return CurrentTestFolders().ProgramHome(); }

    // The files of a folder below the program folder, by name.
    static QStringList Files(const QString &folder)
    {
        return QDir(Home() + "/" + folder).entryList(QDir::Files, QDir::Name);
    }

    static QByteArray Bytes(const QString &path)
    {
        QFile file(Home() + "/" + path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QString Shown(const char *field) { return Dm().Agvnes.FieldByName(field).AsString(); }

    int country_ = 0;
    int alpha_ = 0;
    int totalMatches_ = 0;
};

TEST_F(MatchdayMassExportTest, CurrentMatchdaysWithTheDefaultsWriteThreePagesAndTheirNumberedCopies)
{
    struct Case
    {
        const char *name;
        bool numbered;
        QStringList numberedPages;
    };
    const Case cases[] = {
        {"numbered 1, 2, 3",
         true,
         {"engrpAa01n.html", "engrpAa02n.html", "engrpAa03n.html", "engrpBa01n.html", "grgrpaa01n.html",
          "grgrpaa02n.html", "grgrpaa03n.html", "grgrpba01n.html"}},
        {"by matchday", false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const char *folder : {"htm", "htm1"})
            QDir(Home() + "/" + folder).removeRecursively();
        TMassMatchdayChoice choice = Defaults({"Α' Εθνική", "Γ' Εθνική", "Β' Εθνική"});
        choice.NumberedPages = c.numbered;
        QStringList shown;
        const int written =
            ExportMassMatchdays(Dm(), TMassMatchdays::Current, choice,
                                [&shown](const QString &matchday) { shown.append(matchday); });

        // The matchday at its last one gives only that; the one without matches none.
        EXPECT_EQ(shown, (QStringList{"12", "13", "14", "5"}));
        EXPECT_EQ(Files("htm"),
                  (QStringList{"engrpAa12n.html", "engrpAa13n.html", "engrpAa14n.html", "engrpBa05n.html",
                               "grgrpaa12n.html", "grgrpaa13n.html", "grgrpaa14n.html", "grgrpba05n.html"}));
        EXPECT_EQ(Files("htm1"), c.numberedPages);
        EXPECT_EQ(written, 8 + c.numberedPages.size());
        EXPECT_FALSE(QDir(Home() + "/GR").exists());
    }
}

TEST_F(MatchdayMassExportTest, PagesAreTheMatchdayPagesWithoutSearchWordsAndTheCopiesTheSameBytes)
{
    ExportMassMatchdays(Dm(), TMassMatchdays::Current, Defaults({"Α' Εθνική"}));

    // The same matchday written by the single page writer, without search words.
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {alpha_}));
    ApplyMatchdayRange(Dm().Agvnes, alpha_, 13, QVariant());
    const TMatchdayExport matchday = ReadMatchdayExport(Dm(), "13");
    ASSERT_EQ(matchday.Rows.size(), 1);
    EXPECT_EQ(matchday.Rows[0].Score, "? - ?");
    WriteMatchdayPage(Home() + "/expected.html", TExportLanguage::Greek, matchday, false);
    WriteMatchdayPage(Home() + "/keywords.html", TExportLanguage::Greek, matchday, true);

    const QByteArray page = Bytes("htm/grgrpaa13n.html");
    EXPECT_EQ(page, Bytes("expected.html"));
    EXPECT_NE(page, Bytes("keywords.html"));
    EXPECT_EQ(Bytes("htm1/grgrpaa02n.html"), page);
}

TEST_F(MatchdayMassExportTest, ProgrammeWritesEveryMatchdayOfEachLanguageAndNoNumberedCopy)
{
    TMassMatchdayChoice choice = Defaults({"Δ' Εθνική"});
    choice.Languages.append(TExportLanguage::Italian);
    EXPECT_EQ(ExportMassMatchdays(Dm(), TMassMatchdays::All, choice), 3 * 34);

    const QStringList pages = Files("htm");
    ASSERT_EQ(pages.size(), 3 * 34);
    for (const char *prefix : {"grgrpd", "engrpD", "itgrpD"}) {
        SCOPED_TRACE(prefix);
        EXPECT_EQ(pages.filter(QRegularExpression(QString("^%1a\\d\\dn\\.html$").arg(prefix))).size(), 34);
        EXPECT_TRUE(pages.contains(QString("%1a34n.html").arg(prefix)));
    }
    EXPECT_FALSE(QDir(Home() + "/htm1").exists());
}

TEST_F(MatchdayMassExportTest, TextAndListingAreNamedAfterTheCompetitionAndMatchdayWithoutDosCopy)
{
    TMassMatchdayChoice choice = Defaults({"Β' Εθνική"});
    choice.Pages = false;
    choice.Text = true;
    choice.Listing = true;
    ExportMassMatchdays(Dm(), TMassMatchdays::Current, choice);

    EXPECT_EQ(Files("GR/txt"), QStringList{"betaa5.txt"});
    EXPECT_EQ(Files("EN/txt"), QStringList{"betaa5.txt"});
    EXPECT_EQ(Files("GR/QXpress"), QStringList{"betaa5.doc"});
    EXPECT_EQ(Files("EN/QXpress"), QStringList{"betaa5.doc"});
    EXPECT_FALSE(QDir(Home() + "/GR/dos").exists());
    EXPECT_FALSE(QDir(Home() + "/htm").exists());
    EXPECT_TRUE(Bytes("EN/txt/betaa5.txt").startsWith("2004-05, Beta Ethniki\r\nWeek 5\r\n"));
}

TEST_F(MatchdayMassExportTest, NamesWithoutACompetitionInTheSeasonAreSkipped)
{
    const int written = ExportMassMatchdays(Dm(), TMassMatchdays::Current,
                                            Defaults({"Ανύπαρκτη", "Κύπελλο", "Β' Εθνική", "Κύπελλο"}));
    EXPECT_EQ(written, 4);
    EXPECT_EQ(Files("htm"), (QStringList{"engrpBa05n.html", "grgrpba05n.html"}));
}

TEST_F(MatchdayMassExportTest, AFailedWriteEndsTheExportAndLeavesGreekNamesNoRangeAndTheCursor)
{
    // A folder where the English page of matchday 13 should be.
    ASSERT_TRUE(QDir(Home()).mkpath("htm/engrpAa13n.html"));
    TMassMatchdayChoice choice = Defaults({"Α' Εθνική", "Β' Εθνική"});
    try {
        ExportMassMatchdays(Dm(), TMassMatchdays::Current, choice);
        ADD_FAILURE() << "the export went on past the file it could not write";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.Message(), "Δεν είναι δυνατό το άνοιγμα του αρχείου " +
                                       QDir::toNativeSeparators(Home() + "/htm/engrpAa13n.html"));
    }
    EXPECT_EQ(Files("htm"), (QStringList{"engrpAa12n.html", "grgrpaa12n.html", "grgrpaa13n.html"}));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), alpha_);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("Onomasia").AsString(), "2004-05, Α' Εθνική");
    EXPECT_EQ(Dm().Agvnes.RecordCount(), totalMatches_);
    ASSERT_TRUE(Dm().Agvnes.Locate("DiorgNo;Agvnistikh", {alpha_, 13}));
    EXPECT_EQ(Shown("GName"), "Α' Εθνική Α");
    EXPECT_EQ(Shown("Omades"), "Α' Εθνική Α - Α' Εθνική Β");
}

} // namespace

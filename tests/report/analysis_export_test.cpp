// The save and the bulk export of the analysis views: page names, the order of languages and
// kinds, the names in the language written, the page frame, and what a failed write leaves.
#include "report/analysis_export.h"

#include "data/data_module.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "report/html_page.h"
#include "report/report_data_test.h"
#include "report/text_export.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

using namespace tav::report;

namespace {

const QString Greek = "2004-05, Α' Εθνική";

// A league of Greece (country code "GR", category code "A") named in three languages, with one
// match on matchday 5.
class AnalysisExportTest : public ReportDataTest
{
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        Post(Dm().Krath, {{"Name", "Ελλάδα"}, {"Kode", "GR"}});
        greece = Dm().Krath.FieldByName("RecNo").AsInteger();
        Post(Dm().Kathgories, {{"GrName", "Α' Εθνική"},
                               {"EnName", "Super League"},
                               {"ItName", "Serie A"},
                               {"Kratos", greece},
                               {"Kode", "A"},
                               {"Typos", 0}});
        league = AddCompetition(Dm().Kathgories.FieldByName("KatNo").AsInteger(), "2004-05", 2);
        const int home = AddCompetitionTeam(league, AddTeam(greece, "Άρης", "Aris"));
        const int away = AddCompetitionTeam(league, AddTeam(greece, "ΠΑΟΚ", "PAOK"));
        AddMatch(league, 5, home, away, QDate(2004, 9, 12), 2, 1);
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {league}));
        messages.Clear();
    }

    // A competition of its own category in 2004-05; its DNo, under the cursor.
    int Competition(const QString &name, const QString &countryCode, int typos)
    {
        Post(Dm().Krath, {{"Name", name}, {"Kode", countryCode}});
        const int country = Dm().Krath.FieldByName("RecNo").AsInteger();
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"Kode", "A"}, {"Typos", typos}});
        return AddCompetition(Dm().Kathgories.FieldByName("KatNo").AsInteger(), "2004-05", 2, 2, typos);
    }

    static QString Relative(const QString &path) { return QDir(ProgramFolder()).relativeFilePath(path); }

    QString Onomasia() { return Dm().Diorganvseis.FieldByName("Onomasia").AsString(); }

    // The predictions view of matchday 5, whose writers write real files and note what they wrote
    // and under which names.
    TAnalysisView Predictions()
    {
        TAnalysisView view;
        view.Page = TPageKind::Prediction;
        view.Matchday = [] { return QStringLiteral("5"); };
        view.WriteText = [this](const QString &path, TExportLanguage) {
            Note(path);
            TTextExport text(path);
            text.WriteLine(Onomasia());
            text.Close();
        };
        view.WritePage = [this](const QString &path, TExportLanguage) {
            Note(path);
            THtmlPage page(path, "ΠΡΟΒΛΕΨΕΙΣ", true);
            WriteViewHeadings(page, "ΑΝΑΛΥΣΗ ΑΓΩΝΩΝ", Onomasia());
            page.WriteLine("<table border>");
            CloseViewPage(page);
        };
        view.WriteDesktop = [this](const QString &path, TExportLanguage) {
            Note(path);
            TTextExport text(path);
            text.WriteLine(Dm().Agvnes.FieldByName("Omades").AsString());
            text.Close();
        };
        view.Refresh = [this](TExportLanguage language) { refreshed.append(language); };
        return view;
    }

    void Note(const QString &path)
    {
        written.append({Relative(path), Onomasia(), Dm().Agvnes.FieldByName("Omades").AsString()});
    }

    static TExportOptions Everything()
    {
        return {{TExportLanguage::Greek, TExportLanguage::English, TExportLanguage::Italian},
                {TExportKind::Text, TExportKind::Page, TExportKind::Desktop},
                "grep5"};
    }

    MessageRecorder messages;
    int greece = 0;
    int league = 0;
    QList<QStringList> written;
    QList<TExportLanguage> refreshed;
};

} // namespace

TEST_F(AnalysisExportTest, PagesAreNamedAfterTheCompetitionAndMatchday)
{
    struct Case
    {
        const char *countryCode;
        int typos;
        const char *group;
        const char *matchday;
        TExportLanguage language;
        TPageKind page;
        bool numbered;
        const char *path;
    };
    const Case cases[] = {
        {"GR", 0, "", "5", TExportLanguage::Greek, TPageKind::Prediction, false, "htm/grgrpAa05p.html"},
        {"GR", 0, "", "5", TExportLanguage::English, TPageKind::Prediction, false, "htm/engrpAa05p.html"},
        {"GR", 0, "", "7", TExportLanguage::Greek, TPageKind::SuggestedOdds, false, "htm/grgrpAa07o.html"},
        {"GR", 0, "", "123", TExportLanguage::Italian, TPageKind::History, false, "htm/itgrpAa12r.html"},
        {"", 0, "", "5", TExportLanguage::Greek, TPageKind::Prediction, false, "htm/grpAa05p.html"},
        {"GR", 2, "", "5", TExportLanguage::Greek, TPageKind::Prediction, false, "htm/grgra05p.html"},
        {"GR", 1, "3", "5", TExportLanguage::Greek, TPageKind::Prediction, false, "htm/grgrk3a05p.html"},
        {"GR", 0, "", "2", TExportLanguage::Greek, TPageKind::Prediction, true, "htm1/grgrpAa02p.html"},
    };
    int made = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        Competition(QString("Κατηγορία %1").arg(++made), c.countryCode, c.typos);
        TAnalysisView view;
        view.Page = c.page;
        view.Group = c.group;
        view.Matchday = [&c] { return QString(c.matchday); };
        TExportOptions options;
        options.NumberedPages = c.numbered;
        EXPECT_EQ(Relative(AnalysisFilePath(Dm(), view, options, TExportKind::Page, c.language)), c.path);
        EXPECT_TRUE(QDir(ProgramFolder()).exists(QString(c.path).section('/', 0, 0)));
    }

    // The results grid names every competition as a league; the text and desktop-publishing files
    // and the odds saved on their own take the name typed, in the language's folders.
    Competition("Κύπελλο", "GR", 1);
    TAnalysisView grid;
    grid.Page = TPageKind::ResultsGrid;
    grid.LeagueCode = true;
    grid.Group = "3";
    TExportOptions options;
    options.FileName = "gres";
    EXPECT_EQ(Relative(AnalysisFilePath(Dm(), grid, options, TExportKind::Page, TExportLanguage::Greek)),
              "htm/grgrpAa00s.html");
    EXPECT_EQ(Relative(AnalysisFilePath(Dm(), grid, options, TExportKind::Text, TExportLanguage::English)),
              "EN/txt/gres.txt");
    EXPECT_EQ(Relative(AnalysisFilePath(Dm(), grid, options, TExportKind::Desktop, TExportLanguage::Italian)),
              "IT/QXpress/gres.doc");
    grid.PageUnderFileName = true;
    EXPECT_EQ(Relative(AnalysisFilePath(Dm(), grid, options, TExportKind::Page, TExportLanguage::Italian)),
              "IT/htm/gres.html");
}

// Every language in order, every kind in order within it, each with the names of its language;
// Greek again at the end.
TEST_F(AnalysisExportTest, ASaveWritesEachLanguageAndKindInOrderWithItsNames)
{
    ASSERT_TRUE(RunAnalysisExport(Dm(), Predictions(), Everything()));

    const QStringList grNames{Greek, "Άρης - ΠΑΟΚ"};
    const QStringList enNames{"2004-05, Super League", "Aris - PAOK"};
    const QStringList itNames{"2004-05, Serie A", "Aris - PAOK"};
    const QList<QStringList> expected{
        QStringList{"GR/txt/grep5.txt"} + grNames,     QStringList{"htm/grgrpAa05p.html"} + grNames,
        QStringList{"GR/QXpress/grep5.doc"} + grNames, QStringList{"EN/txt/grep5.txt"} + enNames,
        QStringList{"htm/engrpAa05p.html"} + enNames,  QStringList{"EN/QXpress/grep5.doc"} + enNames,
        QStringList{"IT/txt/grep5.txt"} + itNames,     QStringList{"htm/itgrpAa05p.html"} + itNames,
        QStringList{"IT/QXpress/grep5.doc"} + itNames,
    };
    EXPECT_EQ(written, expected);
    for (const QStringList &file : written)
        EXPECT_TRUE(QFile::exists(ProgramFolder() + '/' + file.first())) << file.first().toStdString();
    EXPECT_EQ(refreshed, (QList<TExportLanguage>{TExportLanguage::Greek, TExportLanguage::English,
                                                 TExportLanguage::Italian, TExportLanguage::Greek}));
    EXPECT_EQ(Onomasia(), Greek);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('|').toStdString();
}

// The page's frame after its head, line by line, with the names escaped and the fixed markup as
// it stands.
TEST_F(AnalysisExportTest, PagesCloseWithTheirFrame)
{
    const QString path = ProgramFolder() + "/frame.html";
    THtmlPage page(path, "ΠΡΟΒΛΕΨΕΙΣ", true);
    WriteViewHeadings(page, "ΑΝΑΛΥΣΗ <ΑΓΩΝΩΝ>", "2004-05, Άρης & ΠΑΟΚ");
    page.WriteLine("<table border>");
    CloseViewPage(page, true);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray body = bytes.mid(bytes.indexOf("</HEAD>"));
    const QByteArray expected =
        "</HEAD>\r\n<BODY>\r\n<HTML>\r\n"
        "<center><H1>\xc1\xcd\xc1\xcb\xd5\xd3\xc7 &lt;\xc1\xc3\xd9\xcd\xd9\xcd&gt;"
        "</H1><DT>\r\n"
        "<H1>2004-05, \xa2\xf1\xe7\xf2 &amp; \xd0\xc1\xcf\xca</H1><DT>\r\n"
        "<table border>\r\n</table>\r\n<br><center>\r\n"
        "<A HREF=\"javascript:history.back();\"> Back </A>\r\n</center>\r\n"
        "<br><center>\r\n<P><A>Tavrolin</A></P>\r\n</center>\r\n</BODY>\r\n</HTML>\r\n";
    EXPECT_EQ(body, expected);
    EXPECT_TRUE(
        bytes.startsWith("<HEAD>\r\n<TITLE>Tavrolin : \xd0\xd1\xcf\xc2\xcb\xc5\xd8\xc5\xc9\xd3</TITLE>\r\n"));
}

// A file that cannot be written ends the save with a message naming it; what was written stays,
// nothing after it is written, and the names are Greek again.
TEST_F(AnalysisExportTest, AFailedWriteStopsTheSaveAndLeavesGreekNames)
{
    ASSERT_TRUE(QDir().mkpath(ProgramFolder() + "/EN/txt/grep5.txt"));
    EXPECT_FALSE(RunAnalysisExport(Dm(), Predictions(), Everything()));

    ASSERT_EQ(written.size(), 4);
    EXPECT_EQ(written.last().first(), "EN/txt/grep5.txt");
    EXPECT_EQ(written.last().at(1), "2004-05, Super League");
    for (const char *stays : {"GR/txt/grep5.txt", "htm/grgrpAa05p.html", "GR/QXpress/grep5.doc"})
        EXPECT_TRUE(QFile::exists(ProgramFolder() + '/' + stays)) << stays;
    EXPECT_FALSE(QFile::exists(ProgramFolder() + "/htm/engrpAa05p.html"));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.contains(QDir::toNativeSeparators("EN/txt/grep5.txt")))
        << messages.Last().text.toStdString();
    EXPECT_EQ(Onomasia(), Greek);
    EXPECT_EQ(refreshed.last(), TExportLanguage::Greek);
}

// The bulk export walks every name of its list, however long, passes over the names without a
// competition in the season, tells once which kinds the view does not write, and ends in Greek on
// the last competition written.
TEST_F(AnalysisExportTest, ABulkExportWalksEveryNameAndTellsOnceWhatItDoesNotWrite)
{
    const int second = Competition("Β' Εθνική", "GR", 0);
    QStringList names;
    names.append("Α' Εθνική");
    for (int i = 0; i < 300; ++i)
        names.append(QString("Άγνωστη %1").arg(i));
    names.append("Β' Εθνική");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {league}));
    messages.Clear();

    TAnalysisView view = Predictions();
    view.WriteText = nullptr;
    view.WriteDesktop = nullptr;
    TExportOptions options = Everything();
    options.Languages = {TExportLanguage::Greek, TExportLanguage::English};
    options.NumberedPages = true;
    EXPECT_EQ(RunMassAnalysisExport(Dm(), view, options, "2004-05", names), 2);

    QStringList paths;
    for (const QStringList &file : written)
        paths.append(file.first());
    EXPECT_EQ(paths, (QStringList{"htm1/grgrpAa05p.html", "htm1/engrpAa05p.html", "htm1/grgrpAa05p.html",
                                  "htm1/engrpAa05p.html"}));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "Η προβολή αυτή δεν δημιουργεί: Αρχείο Κειμένου, Κείμενο για QXpress.");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), second);
    EXPECT_EQ(Onomasia(), "2004-05, Β' Εθνική");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatName").LookupResultField(), "GrName");
}

TEST_F(AnalysisExportTest, ABulkExportWritesEachCompetitionPassByPassAsTheViewPreparesIt)
{
    const int second = Competition("Β' Εθνική", "GR", 0);
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {league}));
    messages.Clear();
    // The first league has two passes, the second none; the desktop files take the page names.
    QString matchday;
    TAnalysisView view = Predictions();
    view.WriteText = nullptr;
    view.DesktopUnderPageName = true;
    view.Matchday = [&matchday] { return matchday; };
    view.Prepare = [&](int pass) {
        const bool first = Dm().Diorganvseis.FieldByName("DNo").AsInteger() == league;
        matchday = QString::number(pass + 1);
        return first && pass < 2;
    };
    TExportOptions options = Everything();
    options.Languages = {TExportLanguage::Greek};
    options.Kinds = {TExportKind::Page, TExportKind::Desktop};
    EXPECT_EQ(RunMassAnalysisExport(Dm(), view, options, "2004-05", {"Α' Εθνική", "Β' Εθνική"}), 1);

    QStringList paths;
    for (const QStringList &file : written)
        paths.append(file.first());
    EXPECT_EQ(paths, (QStringList{"htm/grgrpAa01p.html", "GR/QXpress/grgrpAa01p.doc", "htm/grgrpAa02p.html",
                                  "GR/QXpress/grgrpAa02p.doc"}));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), second);
    EXPECT_EQ(messages.Count(), 0);
}

// The download of the ticked categories' pages into their text result files, against a web
// server of the test's own on the loopback address.

#include "editors/result_pages_fixture.h"
#include "editors/web_download.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav::editors;
using namespace result_pages;
using tav::report::TResultSpan;

namespace {

constexpr TResultSpan kAll = TResultSpan::AllMatchdays;

class WebDownloadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server_.Serve("/ricu.txt", RicuPage(), "text/plain");
        server_.Serve("/phantis.html", PhantisPage(), "text/html");
        ServeFrameset(server_);
        server_.Silent("/slow.html");
    }

    QString Address(const QString &path) const { return server_.Url(path).toString(); }

    TestHttpServer server_;
};

} // namespace

TEST_F(WebDownloadTest, EachKindOfPageBecomesItsCategorysTextFile)
{
    WriteIni({{"Α' ΕΘΝΙΚΗ", Address("/ricu.txt"), "ricu"},
              {"ΕΛΛΑΔΑ", Address("/phantis.html"), "Phantis"},
              {"ΑΓΓΛΙΑ", Address("/frames/index.html"), ""},
              {"ΚΕΝΗ", "  ", "RICU"}});
    TWebDownload download(kAll, 3000);
    QStringList told;
    QList<QStringList> panes;
    download.OnCategory = [&](const QString &name) { told.append(name); };
    download.OnPane = [&](const QStringList &pane) { panes.append(pane); };
    const TDownloadResult result = download.Run({"Α' ΕΘΝΙΚΗ", "ΕΛΛΑΔΑ", "ΑΓΓΛΙΑ", "ΚΕΝΗ", "ΧΩΡΙΣ ΕΝΟΤΗΤΑ"});

    EXPECT_FALSE(result.Cancelled);
    EXPECT_TRUE(result.Failures.isEmpty());
    EXPECT_EQ(told, QStringList({"Α ΕΘΝΙΚΗ", "ΕΛΛΑΔΑ", "ΑΓΓΛΙΑ", "ΚΕΝΗ", "ΧΩΡΙΣ ΕΝΟΤΗΤΑ"}));
    EXPECT_EQ(result.Pane, TableText());
    ASSERT_FALSE(panes.isEmpty());
    EXPECT_EQ(panes.last(), TableText());

    const QString raw = RawPageFile("Α' ΕΘΝΙΚΗ", kAll);
    EXPECT_TRUE(raw.endsWith("HtmlData/ALL/Α ΕΘΝΙΚΗ.txt")) << raw.toStdString();
    EXPECT_EQ(ReadBytes(raw), FileBytes(QString::fromLatin1(RicuPage()).split('\n')));
    EXPECT_EQ(ReadBytes(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll)), FileBytes(RicuText()));
    EXPECT_EQ(ReadBytes(ResultTextFile("ΕΛΛΑΔΑ", kAll)), FileBytes(PhantisText()));
    EXPECT_EQ(ReadBytes(ResultTextFile("ΑΓΓΛΙΑ", kAll)), FileBytes(TableText()));
    // A blank address or a category the ini file does not name produces no file and no failure.
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΚΕΝΗ", kAll)));
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΧΩΡΙΣ ΕΝΟΤΗΤΑ", kAll)));
    EXPECT_EQ(server_.Requested(),
              QStringList({"/ricu.txt", "/phantis.html", "/frames/index.html", "/frames/top.html",
                           "/frames/inner/set.html", "/table.html"}));
}

TEST_F(WebDownloadTest, LastMatchdayKeysAndFoldersFollowTheSpan)
{
    WriteTextLines(ProgramIniFileName(), {"[ΑΓΓΛΙΑ]", "URL_ALL=" + Address("/missing.html"),
                                          "URL_LAT=" + Address("/table.html"), "TYPOS_LAT=TABLE"});
    const TDownloadResult result = TWebDownload(TResultSpan::LastMatchday, 3000).Run({"ΑΓΓΛΙΑ"});
    EXPECT_TRUE(result.Failures.isEmpty());
    EXPECT_TRUE(ResultTextFile("ΑΓΓΛΙΑ", TResultSpan::LastMatchday).endsWith("txtData/Lat/ΑΓΓΛΙΑ.txt"));
    EXPECT_EQ(ReadTextLines(ResultTextFile("ΑΓΓΛΙΑ", TResultSpan::LastMatchday)), TableText());
}

TEST_F(WebDownloadTest, FailedPagesAreCollectedAndTheRunGoesOn)
{
    WriteIni({{"ΑΡΓΗ", Address("/slow.html"), ""},
              {"ΧΑΜΕΝΗ", Address("/missing.html"), "RICU"},
              {"ΑΓΓΛΙΑ", Address("/table.html"), ""}});
    const TDownloadResult result = TWebDownload(kAll, 400).Run({"ΑΡΓΗ", "ΧΑΜΕΝΗ", "ΑΓΓΛΙΑ"});
    ASSERT_EQ(result.Failures.size(), 2);
    EXPECT_EQ(result.Failures[0].Category, "ΑΡΓΗ");
    EXPECT_EQ(result.Failures[0].Reason,
              "Η σελίδα " + Address("/slow.html") + " δεν απάντησε μέσα σε 1 δευτερόλεπτα");
    EXPECT_EQ(result.Failures[1].Category, "ΧΑΜΕΝΗ");
    EXPECT_EQ(result.Failures[1].Reason,
              "Η σελίδα " + Address("/missing.html") + " δεν φορτώθηκε (απάντηση 404)");
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΑΡΓΗ", kAll)));
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΧΑΜΕΝΗ", kAll)));
    EXPECT_EQ(ReadTextLines(ResultTextFile("ΑΓΓΛΙΑ", kAll)), TableText());
    EXPECT_EQ(DownloadFailureMessage(result.Failures),
              "Η λήψη δεν ολοκληρώθηκε για τις κατηγορίες:\nΑΡΓΗ: " + result.Failures[0].Reason +
                  "\nΧΑΜΕΝΗ: " + result.Failures[1].Reason);
}

TEST_F(WebDownloadTest, AStopWhileAPageIsAwaitedEndsTheRunWithoutAFailure)
{
    WriteIni({{"ΑΡΓΗ", Address("/slow.html"), ""}, {"ΑΓΓΛΙΑ", Address("/table.html"), ""}});
    bool stop = false;
    server_.OnRequest([&](const QString &path) { stop = path == "/slow.html"; });
    TWebDownload download(kAll, 60000);
    download.Cancelled = [&] { return stop; };
    const TDownloadResult result = download.Run({"ΑΡΓΗ", "ΑΓΓΛΙΑ"});
    EXPECT_TRUE(result.Cancelled);
    EXPECT_TRUE(result.Failures.isEmpty());
    EXPECT_EQ(server_.Requested(), QStringList{"/slow.html"});
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΑΓΓΛΙΑ", kAll)));
}

TEST_F(WebDownloadTest, SaveWritesThePaneOrConvertsTheStoredPageAgain)
{
    WriteIni({{"Α' ΕΘΝΙΚΗ", Address("/ricu.txt"), "RICU"},
              {"ΑΓΓΛΙΑ", Address("/table.html"), ""},
              {"ΣΚΩΤΙΑ", "", "RICU"}});
    TWebDownload download(kAll, 3000);
    download.Run({"Α' ΕΘΝΙΚΗ"});
    QFile::remove(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll));
    const QStringList edited = {"edited line"};
    download.SaveTexts({"Α' ΕΘΝΙΚΗ", "ΑΓΓΛΙΑ", "ΣΚΩΤΙΑ"}, edited);
    EXPECT_EQ(ReadBytes(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll)), FileBytes(RicuText()));
    EXPECT_EQ(ReadTextLines(ResultTextFile("ΑΓΓΛΙΑ", kAll)), edited);
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΣΚΩΤΙΑ", kAll)));
}

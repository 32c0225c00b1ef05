// The page fetch and the element tree, against a web server of the test's own on the loopback address.

#include "platform/core/codepage.h"
#include "platform/net/html_document.h"
#include "platform/net/http_get.h"
#include "platform/net/page_text.h"
#include "platform/net/test_http_server.h"

#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLimitMs = 3000;

ENetError::TKind FailureOf(const std::function<void()> &fetch)
{
    try {
        fetch();
    } catch (const ENetError &error) {
        EXPECT_FALSE(error.Message().isEmpty());
        return error.Kind();
    }
    ADD_FAILURE() << "the fetch did not fail";
    return ENetError::TKind::Failed;
}

} // namespace

TEST(HttpGetTest, AnswersTheBodyAndItsType)
{
    TestHttpServer server;
    server.Serve("/page.html", "<p>hello</p>", "text/html; charset=utf-8");
    const THttpPage page = HttpGet(server.Url("/page.html"), kLimitMs);
    EXPECT_EQ(page.Body, "<p>hello</p>");
    EXPECT_EQ(page.ContentType, "text/html; charset=utf-8");
    EXPECT_EQ(server.Requested(), QStringList{"/page.html"});
}

TEST(HttpGetTest, AMissingPageASilentPageAndAStopEachFailTheirOwnWay)
{
    TestHttpServer server;
    server.Silent("/never");
    EXPECT_EQ(FailureOf([&] { HttpGet(server.Url("/gone"), kLimitMs); }), ENetError::TKind::Failed);
    EXPECT_EQ(FailureOf([&] { HttpGet(server.Url("/never"), 300); }), ENetError::TKind::TimedOut);
    EXPECT_EQ(FailureOf([&] { HttpGet(server.Url("/never"), kLimitMs, [] { return true; }); }),
              ENetError::TKind::Cancelled);
    EXPECT_EQ(FailureOf([&] { HttpGet(QUrl("no address"), kLimitMs); }), ENetError::TKind::Failed);
}

TEST(PageTextTest, DecodesByTheDeclaredCharacterSet)
{
    const QString greek = QString::fromUtf8("Ολυμπιακός ΆΈ");
    const QByteArray iso = QByteArray::fromHex("cfebf5ecf0e9e1eafc"); // Ολυμπιακό
    const QByteArray win = ToCodePage(QString::fromUtf8("Άρης"), CodePage::Windows1253);
    struct Case
    {
        QByteArray body;
        QString contentType;
        QString charset;
        QString text;
    } cases[] = {
        {greek.toUtf8(), "text/html; charset=UTF-8", "utf-8", greek},
        {"<meta charset=\"iso-8859-7\">" + iso, "text/html", "iso-8859-7",
         "<meta charset=\"iso-8859-7\">" + QString::fromUtf8("Ολυμπιακό")},
        {"<meta http-equiv=Content-Type content=\"text/html; charset=windows-1253\">" + win, "",
         "windows-1253",
         "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1253\">" +
             QString::fromUtf8("Άρης")},
        {win, "", "", QString::fromUtf8("Άρης")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(DeclaredCharset(c.body, c.contentType), c.charset) << c.body.toStdString();
        EXPECT_EQ(DecodePage(c.body, c.contentType), c.text) << c.body.toStdString();
    }
}

TEST(HtmlDocumentTest, ListsElementsInOrderWithUpperCaseTagsAndPlainText)
{
    const THtmlDocument document =
        THtmlDocument::Parse("<html><head><title> Results  </title><script>var x = 1;</script></head><body>"
                             "<table><tr><th>Saturday\n  18 <b>August</b></th></tr>"
                             "<tr><td>Arsenal</td><td>&nbsp;2</td></tr></table></body></html>");
    QStringList tags;
    for (const THtmlElement &element : document.All())
        tags.append(element.TagName);
    EXPECT_EQ(tags, QStringList({"HTML", "HEAD", "TITLE", "SCRIPT", "BODY", "TABLE", "TR", "TH", "B", "TR",
                                 "TD", "TD"}));
    EXPECT_EQ(document.Title(), "Results");
    EXPECT_EQ(document.All()[7].InnerText, "Saturday 18 August");
    EXPECT_EQ(document.All()[9].InnerText, "Arsenal 2");
    EXPECT_EQ(document.All()[11].InnerText, "2");
    EXPECT_TRUE(document.All()[3].InnerText.isEmpty());
}

TEST(HtmlDocumentTest, LoadsFramesRelativeToThePageAndFramesWithinFrames)
{
    TestHttpServer server;
    server.Serve(
        "/site/index.html",
        "<html><frameset><frame src=\"menu.html\"><frame src=\"/site/inner/outer.html\"></frameset></html>");
    server.Serve("/site/menu.html", "<html><body><p>menu</p></body></html>");
    server.Serve("/site/inner/outer.html", "<html><body><iframe src=\"deep.html\"></iframe></body></html>");
    server.Serve("/site/inner/deep.html", "<html><body><td>deep cell</td></body></html>");
    const THtmlDocument document = LoadHtmlDocument(server.Url("/site/index.html"), kLimitMs);
    QList<const THtmlElement *> frames;
    for (const THtmlElement &element : document.All()) {
        if (element.TagName == "FRAME")
            frames.append(&element);
    }
    ASSERT_EQ(frames.size(), 2);
    ASSERT_TRUE(frames[0]->Content && frames[1]->Content);
    EXPECT_EQ(frames[0]->Content->All().last().InnerText, "menu");
    const THtmlElement &iframe = frames[1]->Content->All().last();
    EXPECT_EQ(iframe.TagName, "IFRAME");
    ASSERT_TRUE(iframe.Content);
    EXPECT_EQ(iframe.Content->All().last().InnerText, "deep cell");
    EXPECT_EQ(server.Requested(), QStringList({"/site/index.html", "/site/menu.html",
                                               "/site/inner/outer.html", "/site/inner/deep.html"}));
}

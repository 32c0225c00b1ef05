#include "report/html_page.h"
#include "report/text_export.h"

#include "platform/core/errors.h"
#include "platform/core/paths.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tav::report;

namespace {

QString PathOf(const char *name)
{
    return JoinPath(ProgramFolder(), QString::fromUtf8(name));
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray Fixture(const char *name)
{
    return Bytes(QStringLiteral(TAVROLIN_TEST_DATA "/report/") + QString::fromUtf8(name));
}

QByteArray WrittenText(const QStringList &lines, TTextCode code)
{
    const QString path = PathOf("export.txt");
    TTextExport file(path, code);
    for (const QString &line : lines)
        file.WriteLine(line);
    file.Close();
    return Bytes(path);
}

} // namespace

TEST(TextExportTest, WritesCodePage1253WithCrLfLineEnds)
{
    EXPECT_EQ(WrittenText({"Άρης - ΠΑΟΚ", "", "Week 5\t2-1"}, TTextCode::Windows),
              QByteArray("\xA2\xF1\xE7\xF2 - \xD0\xC1\xCF\xCA\r\n"
                         "\r\n"
                         "Week 5\t2-1\r\n"));
}

TEST(TextExportTest, DosCopyIsCodePage737WithTheStandInsForWhatItLacks)
{
    struct Case
    {
        const char *text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"Άρης", QByteArray("\xEA\xA8\x9E\xAA")},
        {"ΑΩαωάώϊϋΪΫ", QByteArray("\x80\x97\x98\xE0\xE1\xE9\xE4\xE8\xF4\xF5")},
        {"½ »", QByteArray("\xFF \xFF")},
        {"ΐΰ", QByteArray("\xE5\xE7")},
        {"Team 1-0, (x)!", QByteArray("Team 1-0, (x)!")},
        // Signs outside the Greek letters keep their 1253 byte; a character 1253 lacks is '?'.
        {"a€b°", QByteArray("a\x80\x62\xB0")},
        {"Б", QByteArray("?")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WrittenText({QString::fromUtf8(c.text)}, TTextCode::Dos), c.bytes + "\r\n");
    }
    // A long line is converted in full.
    const QString longLine = QString::fromUtf8("Άρης").repeated(75);
    EXPECT_EQ(WrittenText({longLine}, TTextCode::Dos), QByteArray("\xEA\xA8\x9E\xAA").repeated(75) + "\r\n");
}

TEST(TextExportTest, AFailedExportKeepsTheOldFile)
{
    const QString path = PathOf("export.txt");
    WrittenText({"old"}, TTextCode::Windows);
    EXPECT_THROW(
        {
            TTextExport file(path);
            file.WriteLine("new");
            throw EInOutError("disk full");
        },
        EInOutError);
    EXPECT_EQ(Bytes(path), QByteArray("old\r\n"));
    EXPECT_THROW(TTextExport(PathOf("missing/export.txt")), EInOutError);
}

TEST(HtmlPageTest, TextIsEscaped)
{
    struct Case
    {
        const char *text;
        const char *html;
    };
    const Case cases[] = {
        {"Α' Εθνική", "Α' Εθνική"},
        {"Tom & Jerry", "Tom &amp; Jerry"},
        {"<b>\"bold\"</b>", "&lt;b&gt;\"bold\"&lt;/b&gt;"},
        {"a&amp;b", "a&amp;amp;b"},
        {"Ολυμπιακός 2-1 €", "Ολυμπιακός 2-1 €"},
        {"中😀", "&#20013;&#128512;"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HtmlText(QString::fromUtf8(c.text)), QString::fromUtf8(c.html)) << c.text;
}

TEST(HtmlPageTest, PageWithHeadMetaLinesAndEndIsWrittenByteForByte)
{
    const QString path = PathOf("grgrpaa05n.html");
    THtmlPage page(path, "2004-05, Α' Εθνική & <Κύπελλο>", true);
    page.WriteLine("<center><H1>Αγωνιστική 5η</H1><DT>");
    page.Close();
    EXPECT_EQ(Bytes(path), Fixture("page_with_keywords.html"));
}

TEST(HtmlPageTest, WriteHtmlMetaWithAndWithoutKeywords)
{
    const QString path = PathOf("page.htm");
    const QByteArray page = Fixture("page_with_keywords.html");
    for (bool keywords : {false, true}) {
        SCOPED_TRACE(keywords);
        {
            TextFileWriter file(path);
            WriteHtmlMeta(file, keywords);
            file.Close();
        }
        const QByteArray bytes = Bytes(path);
        // In the fixture page the meta lines follow the title line.
        const qsizetype start = page.indexOf("<meta");
        EXPECT_EQ(bytes, page.mid(start, bytes.size()));
        EXPECT_EQ(bytes.count("\r\n"), keywords ? 10 : 2);
        EXPECT_TRUE(page.mid(start + bytes.size()).startsWith(keywords ? "</HEAD>\r\n" : "<meta"));
        EXPECT_TRUE(bytes.startsWith("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                     "charset=windows-1253\">\r\n<meta http-equiv=\"pragma\" "
                                     "content=\"no-cache\">\r\n"));
        if (keywords) {
            // One byte per Greek letter: π is 0xF0 in code page 1253.
            EXPECT_TRUE(bytes.contains("propo,\xF0\xF1\xEF\xF0\xEF,"));
            EXPECT_TRUE(bytes.endsWith("content=\"on line soccer,on line result,online result,statistic,"
                                       "statistica,archive,archivio,\xE1\xF1\xF7\xE5\xE9\xEF,ricevitoria,"
                                       "ricvitorie telematiche,\xF0\xF1\xE1\xEA\xF4\xEF\xF1\xE5\xE9\xEF,"
                                       "gambling,\xF4\xE6\xEF\xE3\xEF\xF2,campionato,champion,schedina,"
                                       "schedule,cafe,cafesport,information,informazioni,collettivo\">\r\n"));
        }
    }
}

#pragma once

#include "editors/result_text_format.h"
#include "platform/core/codepage.h"
#include "platform/core/ini_file.h"
#include "platform/core/text_file.h"
#include "platform/net/test_http_server.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>

// Result pages of each kind that the test's own web server hands out, and the lines expected of
// them.
namespace result_pages {

using tav::editors::ResultLine;

inline QString Dashes72()
{
    return QString(72, '-');
}

// A match line of a preformatted page: date in columns 1-15, home team 16-31, away team 33-48,
// score from 50.
inline QString RicuMatch(const QString &date, const QString &home, const QString &away, const QString &score)
{
    return date.leftJustified(15) + home.leftJustified(16) + ' ' + away.leftJustified(16) + ' ' + score;
}

inline QByteArray RicuPage()
{
    const QStringList lines = {
        "<HTML><HEAD>",
        "<TITLE>",
        "Soccer Results & Stats > England Premier League</TITLE>",
        "</HEAD><BODY><PRE>",
        "<HR><P>",
        "Date           Home             Away             Score",
        RicuMatch("Aug 18  2002", "Arsenal", "Birmingham", "2-0"),
        RicuMatch("", "Chelsea", "Charlton", "2-13"),
        RicuMatch("Aug 19  2002", "Leeds", "Everton", "1-0"),
        "",
        "<HR><P>",
        "Date           Home             Away             Score",
        RicuMatch("Dec 01  2002", "Fulham", "Spurs", "postp"),
        "   ",
        "<P><HR><P>",
        RicuMatch("Jan 05  2003", "After", "TheEnd", "1-1"),
    };
    return lines.join("\n").toLatin1();
}

inline QStringList RicuText()
{
    return {"England Premier League",
            "",
            "  " + Dashes72(),
            "",
            ResultLine("18/08/2002", "Arsenal", "Birmingham", "2", "0"),
            ResultLine("18/08/2002", "Chelsea", "Charlton", "2", "13"),
            ResultLine("19/08/2002", "Leeds", "Everton", "1", "0"),
            "",
            "  " + Dashes72(),
            "",
            ResultLine("01/12/2002", "Fulham", "Spurs", "", "postp"),
            "   ",
            "  " + Dashes72(),
            ""};
}

// A page of the second kind in ISO-8859-7, its charset declared in its head only.
inline QByteArray PhantisPage()
{
    const QString html =
        QString::fromUtf8("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=iso-8859-7\"></head><body><table>"
                          "<tr><td>1st Day</td></tr>"
                          "<tr><td>Ολυμπιακός - Παναθηναϊκός</td><td>2-1</td><td>01/05/02</td></tr>"
                          "<tr><td>ΑΕΚ - ΠΑΟΚ</td><td>0-0</td><td>1/5/02</td></tr>"
                          "<tr><td>2nd Day</td></tr>"
                          "<tr><td>Άρης - ΟΦΗ</td><td>1 - 1</td><td></td><td>01/12/02</td></tr>"
                          "</table></body></html>");
    // The Greek letters used here have the same bytes in ISO-8859-7 and windows-1253 but for Ά.
    QByteArray bytes = ToCodePage(html, CodePage::Windows1253);
    bytes.replace('\xA2', '\xB6');
    return bytes;
}

inline QStringList PhantisText()
{
    const auto line = [](const QString &date, const QString &home, const QString &away,
                         const QString &score) {
        return date.leftJustified(10) + ' ' + home.leftJustified(20) + '-' + away.leftJustified(20) + ' ' +
               score;
    };
    return {line("12/01/2002", QString::fromUtf8("Άρης"), QString::fromUtf8("ΟΦΗ"), "1 - 1"),
            Dashes72() + " 2nd Day",
            line("05/01/2002", QString::fromUtf8("Ολυμπιακός"), QString::fromUtf8("Παναθηναϊκός"), "2-1"),
            Dashes72() + " 1st Day"};
}

// A table page: date headers of a weekday, a day and an English month, and rows of four or five cells.
inline QByteArray TablePage()
{
    return "<html><head><title>Premier</title></head><body><table>"
           "<tr><td>Early</td><td>1</td><td>Late</td><td>0</td></tr>"
           "<tr><th>Saturday 18 August</th></tr>"
           "<tr><td>Arsenal</td><td>2</td><td>Chelsea</td><td>1</td><td>ignored</td><td>x</td></tr>"
           "<tr><td>Leeds</td><td>0</td><td> </td><td>Everton</td><td>3</td></tr>"
           "<tr><th>Sunday 19 August 2002</th></tr>"
           "<tr><td>Fulham</td><td>1</td><td>Spurs</td><td>1</td></tr>"
           "<tr><th>Monday 20 August</th><th>Kick-off</th></tr>"
           "<tr><td>Derby</td><td>0</td><td>Wolves</td><td>0</td></tr>"
           "<tr><th>Sunday 19 Agosto</th></tr>"
           "<tr><td>Milan</td><td>3</td><td>Inter</td><td>0</td></tr>"
           "</table></body></html>";
}

inline QStringList TableText()
{
    const QString day = QString::asprintf("18/08/%04d", QDate::currentDate().year());
    return {ResultLine("", "Early", "Late", "1", "0"),     ResultLine(day, "Arsenal", "Chelsea", "2", "1"),
            ResultLine(day, "Leeds", "Everton", "0", "3"), ResultLine("", "Fulham", "Spurs", "1", "1"),
            ResultLine("", "Derby", "Wolves", "0", "0"),   ResultLine("", "Milan", "Inter", "3", "0")};
}

// A frameset whose second frame holds a frameset of its own with the table page.
inline void ServeFrameset(TestHttpServer &server)
{
    server.Serve("/frames/index.html", "<html><frameset rows=\"10,*\"><frame src=\"top.html\"><frame "
                                       "src=\"inner/set.html\"></frameset></html>");
    server.Serve("/frames/top.html", "<html><body><p>Results</p></body></html>");
    server.Serve("/frames/inner/set.html", "<html><frameset><frame src=\"/table.html\"></frameset></html>");
    server.Serve("/table.html", TablePage());
}

// The bytes a text result file of these lines holds: code page 1253, every line ended by CRLF.
inline QByteArray FileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += ToCodePage(line, CodePage::Windows1253) + "\r\n";
    return bytes;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Tavrolin.ini with one section per category: its address and page kind of all matchdays.
struct TCategoryPage
{
    QString category;
    QString address;
    QString kind;
};

inline void WriteIni(const QList<TCategoryPage> &pages)
{
    QStringList lines;
    for (const TCategoryPage &page : pages)
        lines << "[" + page.category + "]"
              << "URL_ALL=" + page.address << "TYPOS_ALL=" + page.kind;
    WriteTextLines(ProgramIniFileName(), lines);
}

} // namespace result_pages

#include "report/matchday_export.h"

#include "data/data_module.h"
#include "platform/core/format.h"
#include "report/export_folders.h"
#include "report/html_page.h"
#include "report/name_language.h"
#include "report/page_names.h"
#include "report/text_export.h"

#include <QDate>
#include <QScopeGuard>

namespace tav::report {

namespace {

// The matches in the order "DiorgNo;Agvnistikh;Omilos;Date", as the match list shows them.
const char *const kMatchIndex = "MainInd";

struct TMatchdayTexts
{
    const char *MatchdayLine; // %1: the matchday
    const char *HeadingFormat;
    const char *LineFormat;
    const char *Date;
    const char *Teams;
    const char *Score;
};

TMatchdayTexts TextsOf(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return {"Αγωνιστική %1η", "%-10s %-41S %-5s", "%-10s %-20S-%-20s %-5s",
                "Ημερομηνία",     "Ομάδες",           "Σκόρ"};
    case TExportLanguage::English:
        return {"Week %1", "%-10s %-31S %-5s", "%-10s %-15S-%-15s %-5s", "Date", "Teams", "Result"};
    case TExportLanguage::Italian:
        return {"Giornata %1", "%-10s %-31S %-5s", "%-10s %-15S-%-15s %-5s", "Data", "Squadre", "Risult"};
    }
    return TextsOf(TExportLanguage::Greek);
}

QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

void WriteTextLines(TTextExport &file, TExportLanguage language, const TMatchdayExport &matchday)
{
    const TMatchdayTexts texts = TextsOf(language);
    file.WriteLine(matchday.Onomasia);
    file.WriteLine(Utf8(texts.MatchdayLine).arg(matchday.Matchday));
    file.WriteLine(
        Format(Utf8(texts.HeadingFormat), {Utf8(texts.Date), Utf8(texts.Teams), Utf8(texts.Score)}));
    for (const TMatchdayExportRow &row : matchday.Rows)
        file.WriteLine(Format(Utf8(texts.LineFormat), {row.Date, row.Home, row.Away, row.Score}));
    file.Close();
}

} // namespace

void ApplyMatchdayRange(TTable &matches, const QVariant &dNo, int matchday, const QVariant &group)
{
    if (matches.IndexName() != QLatin1String(kMatchIndex))
        matches.SetIndexName(QLatin1String(kMatchIndex));
    matches.SetRange({dNo, matchday, group, QDate(1900, 1, 1)}, {dNo, matchday, group, QDate(2100, 1, 1)});
}

TMatchdayExport ReadMatchdayExport(TTavrolinDM &dm, const QString &matchday)
{
    TMatchdayExport result;
    result.Onomasia = dm.Diorganvseis.FieldByName(QStringLiteral("Onomasia")).AsString();
    result.Matchday = matchday;
    TTable &matches = dm.Agvnes;
    matches.DisableControls();
    const auto release = qScopeGuard([&matches] { matches.EnableControls(); });
    for (matches.First(); !matches.Eof(); matches.Next())
        result.Rows.append({matches.FieldByName(QStringLiteral("Date")).AsString(),
                            matches.FieldByName(QStringLiteral("GName")).AsString(),
                            matches.FieldByName(QStringLiteral("FName")).AsString(),
                            matches.FieldByName(QStringLiteral("Omades")).AsString(),
                            matches.FieldByName(QStringLiteral("Score")).AsString()});
    return result;
}

void WriteMatchdayText(const QString &path, TExportLanguage language, const TMatchdayExport &matchday)
{
    TTextExport file(path);
    WriteTextLines(file, language, matchday);
}

void WriteMatchdayDosText(const QString &path, const TMatchdayExport &matchday)
{
    TTextExport file(path, TTextCode::Dos);
    WriteTextLines(file, TExportLanguage::Greek, matchday);
}

void WriteMatchdayListing(const QString &path, const TMatchdayExport &matchday)
{
    TTextExport file(path);
    const QChar tab(QLatin1Char('\t'));
    for (const TMatchdayExportRow &row : matchday.Rows)
        file.WriteLine(row.Date + tab + row.Home + tab + row.Away + tab + row.Score);
    file.Close();
}

void WriteMatchdayPage(const QString &path, TExportLanguage language, const TMatchdayExport &matchday,
                       bool keywords)
{
    const TMatchdayTexts texts = TextsOf(language);
    THtmlPage page(path, matchday.Onomasia, keywords);
    page.WriteLine(QStringLiteral("<center><H1>") + HtmlText(matchday.Onomasia) +
                   QStringLiteral("</H1><DT>"));
    page.WriteLine(QStringLiteral("<H1>") + HtmlText(Utf8(texts.MatchdayLine).arg(matchday.Matchday)) +
                   QStringLiteral("</H1><DT>"));
    page.WriteLine(QStringLiteral("<table border>"));
    page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#ffff00">)"));
    page.WriteLine(QStringLiteral("<TH>") + Utf8(texts.Date) + QStringLiteral("</TH><TH>") +
                   Utf8(texts.Teams) + QStringLiteral("</TH><TH>") + Utf8(texts.Score) +
                   QStringLiteral("</TH>"));
    page.WriteLine(QStringLiteral("</TR>"));
    for (const TMatchdayExportRow &row : matchday.Rows) {
        page.WriteLine(QStringLiteral("<TR>"));
        page.WriteLine(QStringLiteral(R"(<TD><P ALIGN="CENTER">)") + HtmlText(row.Date) +
                       QStringLiteral("</TD>") + QStringLiteral("<TD>") + HtmlText(row.Teams) +
                       QStringLiteral("</TD>") + QStringLiteral(R"(<TD><P ALIGN="CENTER">)") +
                       HtmlText(row.Score) + QStringLiteral("</TD></TR>"));
    }
    page.WriteLine(QStringLiteral("</table>"));
    page.Close();
}

void WriteMatchdayFiles(TTavrolinDM &dm, TNameLanguageSwitch &names, TExportLanguage language,
                        const TMatchdayChoice &matchday, const TMatchdayFileKinds &kinds)
{
    names.Switch(language);
    // League matches have no group.
    const QVariant group = matchday.Group.isEmpty() ? QVariant() : QVariant(StrToInt(matchday.Group));
    ApplyMatchdayRange(dm.Agvnes, matchday.DNo, StrToInt(matchday.Matchday), group);
    const TMatchdayExport files = ReadMatchdayExport(dm, matchday.Matchday);
    if (kinds.Text) {
        WriteMatchdayText(InFolder(TextFolder(language), kinds.FileName + ".txt"), language, files);
        if (kinds.DosCopy && language == TExportLanguage::Greek)
            WriteMatchdayDosText(InFolder(DosFolder(), kinds.FileName + ".txt"), files);
    }
    if (kinds.Page) {
        const QString code = CompetitionFileCode(
            dm, matchday.Group,
            language == TExportLanguage::Greek ? TSubLetterCase::Lower : TSubLetterCase::AsStored);
        WriteMatchdayPage(
            InFolder(PageFolder(), PageFileName(language, code, TPageKind::MatchList, matchday.Matchday)),
            language, files, kinds.Keywords);
        if (!kinds.PageNumber.isEmpty())
            WriteMatchdayPage(InFolder(NumberedPageFolder(),
                                       PageFileName(language, code, TPageKind::MatchList, kinds.PageNumber)),
                              language, files, kinds.Keywords);
    }
    if (kinds.Listing)
        WriteMatchdayListing(InFolder(QXpressFolder(language), kinds.FileName + ".doc"), files);
}

} // namespace tav::report

#include "editors/web_download.h"

#include "editors/result_text_format.h"
#include "platform/core/ini_file.h"
#include "platform/core/text_file.h"
#include "platform/net/http_get.h"
#include "platform/net/page_text.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>

using namespace tav::report;

namespace tav::editors {

namespace {

QString IniValue(const QString &category, const QString &key, TResultSpan span)
{
    return TIniFile(ProgramIniFileName()).ReadString(category, key + SpanSuffix(span), QString());
}

} // namespace

QString SpanSuffix(TResultSpan span)
{
    return span == TResultSpan::AllMatchdays ? QStringLiteral("ALL") : QStringLiteral("LAT");
}

QString RawPageFile(const QString &category, TResultSpan span)
{
    return InFolder(RawPageFolder(span), ResultFileName(category));
}

QString ResultTextFile(const QString &category, TResultSpan span)
{
    return InFolder(ResultTextFolder(span), ResultFileName(category));
}

TWebDownload::TWebDownload(TResultSpan span, int pageTimeoutMs) : span_(span), pageTimeoutMs_(pageTimeoutMs)
{
}

TDownloadResult TWebDownload::Run(const QStringList &ticked)
{
    TDownloadResult result;
    for (const QString &category : ticked) {
        const QString address = IniValue(category, QStringLiteral("URL_"), span_).trimmed();
        if (OnCategory)
            OnCategory(QString(category).remove(QLatin1Char('\'')));
        if (Cancelled && Cancelled()) {
            result.Cancelled = true;
            break;
        }
        if (address.isEmpty())
            continue;
        const TPageKind kind = PageKindOf(IniValue(category, QStringLiteral("TYPOS_"), span_));
        try {
            result.Pane = kind == TPageKind::Ricu ? DownloadRicuPage(category, address)
                                                  : DownloadPage(category, address, kind, result.Failures);
        } catch (const ENetError &error) {
            if (error.Kind() == ENetError::TKind::Cancelled) {
                result.Cancelled = true;
                break;
            }
            result.Failures.append({category, error.Message()});
        } catch (const Exception &error) {
            result.Failures.append({category, error.Message()});
        }
    }
    return result;
}

QStringList TWebDownload::DownloadRicuPage(const QString &category, const QString &address) const
{
    if (OnPane)
        OnPane({});
    const QString rawFile = RawPageFile(category, span_);
    const QString textFile = ResultTextFile(category, span_);
    const THttpPage page = HttpGet(QUrl(address), pageTimeoutMs_, Cancelled);
    const QString body = DecodePage(page.Body, page.ContentType);
    QStringList pane = body.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!pane.isEmpty() && pane.last().isEmpty())
        pane.removeLast();
    if (OnPane)
        OnPane(pane);
    WriteTextLines(rawFile, pane);
    ConvertRicuPage(rawFile, textFile);
    return pane;
}

QStringList TWebDownload::DownloadPage(const QString &category, const QString &address, TPageKind kind,
                                       QList<TDownloadFailure> &failures) const
{
    const THtmlDocument document = LoadHtmlDocument(QUrl(address), pageTimeoutMs_, Cancelled);
    TPageWalker walker(kind, QDate::currentDate().year(), [&](const QString &message) {
        failures.append({category, message});
    });
    const QStringList pane = walker.Walk(document);
    if (OnPane)
        OnPane(pane);
    WriteTextLines(ResultTextFile(category, span_), pane);
    return pane;
}

void TWebDownload::SaveTexts(const QStringList &ticked, const QStringList &pane) const
{
    for (const QString &category : ticked) {
        if (PageKindOf(IniValue(category, QStringLiteral("TYPOS_"), span_)) != TPageKind::Ricu)
            WriteTextLines(ResultTextFile(category, span_), pane);
        else if (QFileInfo::exists(RawPageFile(category, span_)))
            ConvertRicuPage(RawPageFile(category, span_), ResultTextFile(category, span_));
    }
}

QString DownloadFailureMessage(const QList<TDownloadFailure> &failures)
{
    QString message = QString::fromUtf8("Η λήψη δεν ολοκληρώθηκε για τις κατηγορίες:");
    for (const TDownloadFailure &failure : failures)
        message += QLatin1Char('\n') + failure.Category + QStringLiteral(": ") + failure.Reason;
    return message;
}

} // namespace tav::editors

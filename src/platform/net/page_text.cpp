#include "platform/net/page_text.h"

#include "platform/core/codepage.h"

#include <QRegularExpression>

#include <cerrno>
#include <iconv.h>

namespace {

QString CharsetIn(const QString &text)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(text);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// ISO-8859-7 through the system's converter; a byte it cannot read becomes U+FFFD.
QString FromIsoGreek(const QByteArray &body)
{
    iconv_t converter = iconv_open("UTF-8", "ISO-8859-7");
    if (converter == iconv_t(-1))
        return FromCodePage(body, CodePage::Windows1253);
    QByteArray out;
    QByteArray in = body;
    char *inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char buffer[4096];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, qsizetype(sizeof buffer - outLeft));
        if (done == size_t(-1) && errno != E2BIG) {
            out.append("\xEF\xBF\xBD");
            ++inPtr;
            --inLeft;
        }
    }
    iconv_close(converter);
    return QString::fromUtf8(out);
}

} // namespace

QString DeclaredCharset(const QByteArray &body, const QString &contentType)
{
    const QString fromHeader = CharsetIn(contentType);
    if (!fromHeader.isEmpty())
        return fromHeader;
    // The head of a page is plain ASCII in every set read here.
    return CharsetIn(QString::fromLatin1(body.left(4096)));
}

QString DecodePage(const QByteArray &body, const QString &contentType)
{
    const QString charset = DeclaredCharset(body, contentType);
    if (charset == QLatin1String("utf-8") || charset == QLatin1String("utf8"))
        return QString::fromUtf8(body);
    if (charset == QLatin1String("iso-8859-7") || charset == QLatin1String("iso8859-7"))
        return FromIsoGreek(body);
    return FromCodePage(body, CodePage::Windows1253);
}

#include "support/pdf_text.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QByteArray PdfToText(const QStringList &options, const QString &pdfPath)
{
    QProcess process;
    process.start("/usr/bin/pdftotext", options + QStringList{"-enc", "UTF-8", pdfPath, "-"});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QString Unescaped(QString text)
{
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

} // namespace

QString PdfText(const QString &pdfPath)
{
    return QString::fromUtf8(PdfToText({"-layout"}, pdfPath));
}

QList<PdfPage> PdfPages(const QString &pdfPath)
{
    static const QRegularExpression element(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<PdfPage> pages;
    const QString html = QString::fromUtf8(PdfToText({"-bbox"}, pdfPath));
    for (QRegularExpressionMatchIterator it = element.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.hasCaptured(1)) {
            pages.append({QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()), {}});
        } else if (!pages.isEmpty()) {
            const QPointF topLeft(match.captured(3).toDouble(), match.captured(4).toDouble());
            const QPointF bottomRight(match.captured(5).toDouble(), match.captured(6).toDouble());
            pages.last().Words.append({Unescaped(match.captured(7)), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

qsizetype FindWords(const PdfPage &page, const QStringList &words)
{
    for (qsizetype start = 0; start + words.size() <= page.Words.size(); ++start) {
        qsizetype matched = 0;
        while (matched < words.size() && page.Words.at(start + matched).Text == words.at(matched))
            ++matched;
        if (matched == words.size())
            return start;
    }
    return -1;
}

QStringList WordsOutsidePage(const PdfPage &page, qsizetype first, qsizetype count)
{
    QStringList outside;
    const QRectF sheet(QPointF(0, 0), page.Size);
    for (qsizetype i = first; i < first + count; ++i)
        if (!sheet.contains(page.Words.at(i).Box))
            outside.append(page.Words.at(i).Text);
    return outside;
}

QStringList WordsNotApart(const PdfPage &page, qsizetype first, qsizetype count)
{
    QStringList touching;
    for (qsizetype i = first + 1; i < first + count; ++i) {
        const PdfWord &left = page.Words.at(i - 1);
        const PdfWord &right = page.Words.at(i);
        const bool oneLine = qAbs(left.Box.top() - right.Box.top()) < 1.0;
        if (!oneLine || left.Box.right() >= right.Box.left())
            touching.append(left.Text + " / " + right.Text);
    }
    return touching;
}

QStringList WordsOf(const QStringList &texts)
{
    QStringList words;
    for (const QString &text : texts)
        words += text.split(' ', Qt::SkipEmptyParts);
    return words;
}

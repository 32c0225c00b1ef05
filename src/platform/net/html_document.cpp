#include "platform/net/html_document.h"

#include "platform/core/errors.h"
#include "platform/net/http_get.h"
#include "platform/net/page_text.h"

#include <QSet>

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

namespace {

QString Name(const xmlNode *node)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(node->name)).toUpper();
}

// Elements that flow inside a line: their text joins the text around them with no break.
bool Inline(const QString &tag)
{
    static const QSet<QString> inlineTags = {"A",      "ABBR", "B",    "BIG", "CITE",  "CODE", "EM",
                                             "FONT",   "I",    "NOBR", "S",   "SMALL", "SPAN", "STRIKE",
                                             "STRONG", "SUB",  "SUP",  "TT",  "U"};
    return inlineTags.contains(tag);
}

QString Simplified(const QString &text)
{
    return QString(text).replace(QChar::Nbsp, QLatin1Char(' ')).simplified();
}

class TreeReader
{
public:
    explicit TreeReader(QList<THtmlElement> &all) : all_(all) {}

    // Adds the node's elements in document order and returns the node's raw text.
    QString Read(const xmlNode *node)
    {
        QString text;
        for (const xmlNode *child = node->children; child; child = child->next) {
            if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
                text += QString::fromUtf8(reinterpret_cast<const char *>(child->content));
            } else if (child->type == XML_ELEMENT_NODE) {
                const QString tag = Name(child);
                const qsizetype index = all_.size();
                THtmlElement element;
                element.TagName = tag;
                if (xmlChar *src = xmlGetProp(child, reinterpret_cast<const xmlChar *>("src"))) {
                    element.Src = QString::fromUtf8(reinterpret_cast<const char *>(src));
                    xmlFree(src);
                }
                all_.append(element);
                QString inner = Read(child);
                if (tag == QLatin1String("SCRIPT") || tag == QLatin1String("STYLE"))
                    inner.clear();
                else if (tag == QLatin1String("BR"))
                    inner = QStringLiteral(" ");
                all_[index].InnerText = Simplified(inner);
                text += Inline(tag) ? inner : QLatin1Char(' ') + inner + QLatin1Char(' ');
            }
        }
        return text;
    }

private:
    QList<THtmlElement> &all_;
};

} // namespace

THtmlDocument THtmlDocument::Parse(const QString &html, const QUrl &url)
{
    const QByteArray utf8 = html.toUtf8();
    const QByteArray address = url.toString().toUtf8();
    htmlDocPtr doc = htmlReadMemory(utf8.constData(), int(utf8.size()), address.constData(), "UTF-8",
                                    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                        HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC);
    if (!doc)
        throw EConvertError(QString::fromUtf8("Η σελίδα %1 δεν περιέχει HTML").arg(url.toString()));
    THtmlDocument document;
    document.url_ = url;
    TreeReader(document.all_).Read(reinterpret_cast<xmlNode *>(doc));
    xmlFreeDoc(doc);
    for (const THtmlElement &element : document.all_) {
        if (element.TagName == QLatin1String("TITLE")) {
            document.title_ = element.InnerText;
            break;
        }
    }
    return document;
}

THtmlDocument LoadHtmlDocument(const QUrl &url, int timeoutMs, const std::function<bool()> &cancelled,
                               int depth)
{
    const THttpPage page = HttpGet(url, timeoutMs, cancelled);
    THtmlDocument document = THtmlDocument::Parse(DecodePage(page.Body, page.ContentType), page.Url);
    if (depth <= 0)
        return document;
    for (THtmlElement &element : document.all_) {
        const bool frame =
            element.TagName == QLatin1String("FRAME") || element.TagName == QLatin1String("IFRAME");
        if (!frame || element.Src.trimmed().isEmpty())
            continue;
        const QUrl source = page.Url.resolved(QUrl(element.Src.trimmed()));
        element.Content =
            std::make_shared<const THtmlDocument>(LoadHtmlDocument(source, timeoutMs, cancelled, depth - 1));
    }
    return document;
}

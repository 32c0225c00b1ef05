#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

// The element tree of a web page as the result walkers read it: every element in document order
// with its tag name and its text, and the documents of its frames. Scripts are not run, so a page
// whose content a script builds shows only what its HTML holds.

class THtmlDocument;

struct THtmlElement
{
    QString TagName;   // upper case ("TD")
    QString InnerText; // the text inside the element, every run of white space made one blank, trimmed
    QString Src;       // the "src" attribute, as written
    // The document shown in a FRAME or IFRAME, when it has been loaded.
    std::shared_ptr<const THtmlDocument> Content;
};

class THtmlDocument
{
public:
    // Reads the page's text. A text that holds no HTML at all raises EConvertError.
    static THtmlDocument Parse(const QString &html, const QUrl &url = QUrl());

    const QUrl &Url() const { return url_; }
    const QString &Title() const { return title_; }
    // Every element in document order, the document's own HTML element first.
    const QList<THtmlElement> &All() const { return all_; }

private:
    friend THtmlDocument LoadHtmlDocument(const QUrl &, int, const std::function<bool()> &, int);

    QUrl url_;
    QString title_;
    QList<THtmlElement> all_;
};

// Fetches the page, decodes it by its declared character set and reads it, then loads the source
// of every FRAME and IFRAME, relative to the page, the same way, frames in frames down to depth
// levels. Every fetch has the time limit and the stop question of HttpGet; its ENetError and the
// EConvertError of a page that holds no HTML go to the caller.
THtmlDocument LoadHtmlDocument(const QUrl &url, int timeoutMs, const std::function<bool()> &cancelled = {},
                               int depth = 8);

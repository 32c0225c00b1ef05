#pragma once

#include "editors/result_pages.h"
#include "report/export_folders.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The download of the result pages of the ticked categories into their text result files. Where
// each category's pages live, and of what kind they are, is read from Tavrolin.ini: one section
// per category, named as the category, with the keys URL_ALL, URL_LAT, TYPOS_ALL and TYPOS_LAT.

namespace tav::editors {

// A category whose page or file failed, and why, in Greek.
struct TDownloadFailure
{
    QString Category;
    QString Reason;
};

struct TDownloadResult
{
    QStringList Pane; // the lines of the last page fetched
    QList<TDownloadFailure> Failures;
    bool Cancelled = false;
};

// The key suffix of a span: "ALL" or "LAT".
QString SpanSuffix(tav::report::TResultSpan span);

// The raw page and the text result file of a category.
QString RawPageFile(const QString &category, tav::report::TResultSpan span);
QString ResultTextFile(const QString &category, tav::report::TResultSpan span);

class TWebDownload
{
public:
    TWebDownload(tav::report::TResultSpan span, int pageTimeoutMs);

    // Told the name of each ticked category (apostrophes removed) before its page is fetched.
    std::function<void(const QString &)> OnCategory;
    // Asked before each category and while a page is awaited; true stops the run there.
    std::function<bool()> Cancelled;
    // Told the lines of each page as it has been read.
    std::function<void(const QStringList &)> OnPane;

    // Fetches the ticked categories in order. A category without an address is passed over; a
    // page that fails or does not come in time, a file that cannot be written and an element
    // that cannot be read are collected and the run goes on with the next category.
    TDownloadResult Run(const QStringList &ticked);

    // Writes the text result files of the ticked categories again: a category of the first kind
    // from its stored raw page (when there is one), every other from the given lines.
    void SaveTexts(const QStringList &ticked, const QStringList &pane) const;

private:
    QStringList DownloadRicuPage(const QString &category, const QString &address) const;
    QStringList DownloadPage(const QString &category, const QString &address, TPageKind kind,
                             QList<TDownloadFailure> &failures) const;

    tav::report::TResultSpan span_;
    int pageTimeoutMs_;
};

// The message that lists the failed categories with their reasons, one a line.
QString DownloadFailureMessage(const QList<TDownloadFailure> &failures);

} // namespace tav::editors

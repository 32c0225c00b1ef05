#pragma once

#include "platform/net/html_document.h"

#include <QString>
#include <QStringList>

#include <functional>

// Result pages of outside web sites turned into text result lines: the preformatted pages of the
// first kind ("RICU") through their fixed columns, the pages of the second kind ("PHANTIS") and
// every other table page through their element trees.

namespace tav::editors {

enum class TPageKind
{
    Ricu,
    Phantis,
    Table,
};

// The kind named in Tavrolin.ini, compared without case; anything else is a table page.
TPageKind PageKindOf(const QString &name);

// The dates of the three kinds of page as "dd/mm/yyyy", empty when the text is not of the form.
// Parts that name no real day raise EConvertError.
// "Aug 18  2002": month in characters 1-3 ("Jan" ... "Dec", any other text is December), day in
// 4-6, year in 8-12.
QString RicuDateToText(const QString &text);
// "08/18/02": month, day, year; a year of fewer than four digits lies in the 2000s.
QString UsDateToText(const QString &text);
// "SATURDAY 18 AUGUST": a weekday, the day and an English month name in capitals, in currentYear.
QString HeaderDateToText(const QString &text, int currentYear);

// Turns a stored page of the first kind into a text result file, replacing it: the title, then
// every block of matches with its separator lines. A page that stops half-way keeps the lines
// written so far. Any failure raises EInOutError "Σφάλμα στην αποθήκευση του αρχείου!".
void ConvertRicuPage(const QString &rawFile, const QString &textFile);

// Walks a page's elements in document order, frames and inline frames through their own documents,
// and makes the text result lines of the page: a table page appends its lines, a page of the second
// kind inserts each at the top, so its lines come in the reverse of page order. An element that
// cannot be read is reported to onError with its Greek message and the walk goes on.
class TPageWalker
{
public:
    TPageWalker(TPageKind kind, int currentYear, std::function<void(const QString &)> onError);

    QStringList Walk(const THtmlDocument &document);

private:
    void WalkDocument(const THtmlDocument &document);
    void WalkPhantisElement(const THtmlElement &element);
    void WalkTableElement(const THtmlElement &element);

    TPageKind kind_;
    int currentYear_;
    std::function<void(const QString &)> onError_;
    QStringList lines_;
    // The walking state: the date of the rows, the header text of a table row, the number of the
    // cell in hand and the texts of the first five cells (home, score and away of the second kind).
    QString date_;
    QString header_;
    int cell_ = 0;
    QString cells_[5];
};

} // namespace tav::editors

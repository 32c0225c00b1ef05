#pragma once

#include "platform/ui/canvas.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TPrinter;

namespace tav::editors {

// The title of a printed column and the column's width in tenths of an inch.
struct TPrintCell
{
    QString Text;
    int Width = 0;
};

// What the printout of a matchday shows: the head texts, the font of the centred head lines,
// the column titles with the widths of the columns, and the cell texts of one row per match.
struct TMatchListPage
{
    QString Caption;
    QString Season;
    QString Category;
    QString Matchday;
    QDate Today;
    TFont HeadFont;
    QList<TPrintCell> Titles;
    QList<QStringList> Rows;
    // Runs before each row so that the program keeps answering during a long printout.
    std::function<void()> BeforeRow;
};

// The printed width of a grid column, in tenths of an inch, from its width on the screen.
int PrintCellWidth(int screenPixels);

// The three centred lines of the page head: caption and printing date, the competition and
// matchday, and the credit line. Later pages carry one blank more before the date's label.
QStringList MatchListPageHead(const QString &caption, const QDate &today, const QString &season,
                              const QString &category, const QString &matchday, bool laterPage);

// Prints the matchday on the printer: the page head centred in the head font, the column titles in
// bold underlined type, then the rows, each ruled off beneath, starting a new page (with the head
// again) when the next line would not fit. Raises EPrinter when the job cannot start or go on.
class TMatchListPrintout
{
public:
    explicit TMatchListPrintout(TPrinter &printer) : printer_(printer) {}

    void Print(const TMatchListPage &page);

private:
    TPrinter &printer_;
};

} // namespace tav::editors

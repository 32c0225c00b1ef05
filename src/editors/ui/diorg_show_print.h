#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TPrinter;

namespace tav::editors {

// The printed competitions summary: a title line, the column titles and one row per competition,
// each column as wide as its widest text.
struct TCompetitionsSummaryPage
{
    QString Title;
    QStringList Titles;
    QList<QStringList> Rows;
};

// Prints the summary, the column titles in bold at the top of every page, a new page when the
// next row would not fit. Raises EPrinter when the job cannot start or go on.
void PrintCompetitionsSummary(TPrinter &printer, const TCompetitionsSummaryPage &page);

} // namespace tav::editors

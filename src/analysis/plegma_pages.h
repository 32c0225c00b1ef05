#pragma once

#include "report/export_language.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tav::analysis {

// What the head of a results cross-table page names.
struct TPlegmaPageHead
{
    // The competition's title as the data module gives it.
    QString Onomasia;
    // The matchday box's text, unchanged.
    QString MatchdayText;
    // The date of the matchday; empty when it has no match.
    QString MatchdayDate;
};

// The web page of a results cross-table, from the cells of its grid (rows of texts, laid out as
// BuildPlegma lays them out): the statistic rows in coloured heading cells cut to five
// characters, the names (set upright by the Greek page's style), then a row per team with its
// own cells black, wins of the home side blue, draws and away wins red and coming matches green.
// Creates or overwrites the file; its folder must exist (EInOutError when it cannot be written).
void WriteGridHtml(const QString &path, report::TExportLanguage language, const TPlegmaPageHead &head,
                   const std::vector<QStringList> &grid, int colsPerTeam);

} // namespace tav::analysis

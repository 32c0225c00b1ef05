#pragma once

#include "analysis/analysis_page_head.h"
#include "report/export_language.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tav::analysis {

// The files of the head-to-head history, written from its grid as HistoryGrid lays it out: row 0
// the headings, then the forward and reverse entries of every match in turn. The total headings
// of the Greek and Italian files are the Greek capitals Ν, Ι, Η, not the Latin ones of the grid.

// The web page: one table row per match, each cell the forward entry's value in bold above the
// reverse entry's. The page's folder must exist; a file that cannot be written raises EInOutError.
void WriteHistoryHtml(const QString &path, report::TExportLanguage language, const TAnalysisPageHead &head,
                      const std::vector<QStringList> &grid, const QStringList &seasons);

// The desktop-publishing file: a heading line in the language, then every entry's cells; cells
// separated by tabs.
void WriteHistoryQXpress(const QString &path, report::TExportLanguage language,
                         const std::vector<QStringList> &grid, const QStringList &seasons);

} // namespace tav::analysis

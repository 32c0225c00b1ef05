#pragma once

#include "analysis/analysis_page_head.h"
#include "report/export_language.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tav::analysis {

// The web pages of the prediction window's grid. A grid row holds twelve cells: number, date,
// teams, the three percentages (or suggested odds) of 1, X and 2, the base, probable, full-cover
// and surprise signs, the score and the result sign ("1", "X", "2", or "?" for a match not played).

// The label of the hits row in the language: "Επιτυχίες :", "Prediction Results:",
// "Risultati effettuati:".
QString PredictionSummaryLabel(report::TExportLanguage language);

// The page of the percentages: one table row per match and the hits row below them. A match row's
// cell of 1, X or 2 is green when it is the result, a sign cell when it holds the result, the
// result cell always; the hits row has no green cell. An empty cell shows a blank. The page's
// folder must exist; a file that cannot be written raises EInOutError.
void WritePredictionsHtml(const QString &path, report::TExportLanguage language,
                          const TAnalysisPageHead &head, const std::vector<QStringList> &matchRows,
                          const QStringList &summaryRow);

// The page of the suggested odds: one table row per match with number, date, teams, the odds of 1,
// X and 2, score and result; the result's odds and the result cell are green. Makes the page's
// folder when it is missing.
void WriteOddsHtml(const QString &path, report::TExportLanguage language, const TAnalysisPageHead &head,
                   const std::vector<QStringList> &matchRows);

} // namespace tav::analysis

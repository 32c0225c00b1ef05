#pragma once

#include <QSet>

#include <functional>
#include <map>

// The bulk HTML export that the main window runs after the bulk-export dialog closes with OK: one
// exporter per content check box of the dialog, each reading the chosen season, competitions,
// languages and file kinds from the dialog itself.

namespace tav::report {

// The contents, in the order their exporters run.
enum class TMassExportContent
{
    Baum,         // "Βαθμολογία": the league tables
    Sxara,        // "Σχάρα Αποτελεσμάτων": the results grids
    CurrAgvn,     // "Τρέχουσα Αγωνιστική": the current matchdays of the match list
    Proistoria,   // "Προϊστορία": the head-to-head histories
    CurrAgvnAnal, // "Ανάλυση Τρέχουσας Αγωνιστικής": the predictions
    Odds,         // "Odds": the suggested odds
    Program       // "Πρόγραμμα Αγωνιστικών": every matchday of the match list
};

using TMassExporters = std::map<TMassExportContent, std::function<void()>>;

// Runs the exporter of every ticked content that has one, in the order above. An exporter that
// throws ends the run; the exports written before it stay.
void RunMassExport(const QSet<TMassExportContent> &ticked, const TMassExporters &exporters);

} // namespace tav::report

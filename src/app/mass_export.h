#pragma once

#include "report/mass_export.h"

namespace tav::app {

// The main window's bulk HTML export: the ticked contents run as tav::report::RunMassExport runs
// them, under the hourglass; the previous cursor comes back afterwards, also when an exporter
// throws.
void RunMassExportUnderHourglass(const QSet<tav::report::TMassExportContent> &ticked,
                                 const tav::report::TMassExporters &exporters);

} // namespace tav::app

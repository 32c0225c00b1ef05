#include "report/mass_export.h"

namespace tav::report {

void RunMassExport(const QSet<TMassExportContent> &ticked, const TMassExporters &exporters)
{
    // The map is ordered by the enumeration, which is the order the exports must run in.
    for (const auto &[content, exporter] : exporters)
        if (ticked.contains(content) && exporter)
            exporter();
}

} // namespace tav::report

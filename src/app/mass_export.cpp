#include "app/mass_export.h"

#include "platform/ui/wait_cursor.h"

void RunMassExport(const QSet<TMassExportContent> &ticked, const TMassExporters &exporters)
{
    TWaitCursor hourglass;
    // The map is ordered by the enumeration, which is the order the exports must run in.
    for (const auto &[content, exporter] : exporters)
        if (ticked.contains(content) && exporter)
            exporter();
}

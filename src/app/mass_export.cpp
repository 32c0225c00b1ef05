#include "app/mass_export.h"

#include "platform/ui/wait_cursor.h"

namespace tav::app {

void RunMassExportUnderHourglass(const QSet<tav::report::TMassExportContent> &ticked,
                                 const tav::report::TMassExporters &exporters)
{
    TWaitCursor hourglass;
    tav::report::RunMassExport(ticked, exporters);
}

} // namespace tav::app

#include "editors/ui/diorg_show_print.h"

#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"

namespace tav::editors {

void PrintCompetitionsSummary(TPrinter &printer, const TCompetitionsSummaryPage &page)
{
    TPrintDocument document;
    document.Title = page.Title;
    // The title in bold and a blank line under it.
    document.FirstHead = {page.Title, QString()};
    document.LaterHead = document.FirstHead;
    document.HeadFont.Style = {fsBold};
    for (const QString &title : page.Titles)
        document.Columns.append({title});
    document.Rows = page.Rows;
    // Half an inch of margin all round, a tenth of an inch between columns, each column as wide as
    // its widest text.
    const int margin = printer.PixelsPerInchX() / 2;
    document.Margins = {margin, margin, margin, margin};
    document.ColumnGap = printer.PixelsPerInchX() / 10;
    document.ColumnsFitCells = true;
    PrintPages(printer, document);
}

} // namespace tav::editors

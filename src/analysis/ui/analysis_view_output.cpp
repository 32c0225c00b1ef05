#include "analysis/ui/analysis_view_output.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/ui/application.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"
#include "report/matchday_export.h"

#include <QDateTime>
#include <QWidget>

namespace tav::analysis {

namespace {

const char *const kProgramLine = "ΠΡΟΓΡΑΜΜΑ Tavrolin - Βάση δεδομένων ποδοσφαίρου";
const char *const kDateGap = "    ";
// The largest matchday the date lookup takes.
constexpr int kHighestMatchday = 255;

} // namespace

QString GridProgramLine()
{
    return QString::fromUtf8(kProgramLine);
}

QString GridCaptionLine(const QString &caption)
{
    return caption + QString::fromUtf8(kDateGap) +
           FormatDateTime(QStringLiteral("dd/mm/yyyy"), QDateTime::currentDateTime());
}

TGridLine GridLineOf(const TStringGrid &grid, int row, int first, int last)
{
    TGridLine line;
    for (int col = first; col <= last; ++col)
        line.append({grid.Cells(col, row), ScreenWidthTenths(grid.ColWidths(col))});
    return line;
}

void PrintWindowGrid(QWidget &window, TGridPageDescription document)
{
    if (!ExecutePrintDialog(&window))
        return;
    document.Title = window.windowTitle();
    document.EnableWindow = [&window](bool enabled) { window.setEnabled(enabled); };
    document.BeforeRow = ProcessMessages;
    TGridPrintState state;
    ShowingErrors([&] { PrintGridPages(Printer(), document, state); });
}

std::vector<QStringList> GridRows(const TStringGrid &grid, int first, int last)
{
    std::vector<QStringList> rows;
    for (int row = first; row <= last; ++row) {
        QStringList cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cells(col, row));
        rows.push_back(cells);
    }
    return rows;
}

TAnalysisPageHead MatchdayPageHead(TTavrolinDM &dm, const QString &label, const QString &matchday)
{
    TAnalysisPageHead head;
    head.Onomasia = dm.Diorganvseis.FieldByName(QStringLiteral("Onomasia")).AsString();
    head.MatchdayLabel = label;
    head.MatchdayText = matchday;
    bool number = false;
    const int day = matchday.trimmed().toInt(&number);
    if (!number || day < 0 || day > kHighestMatchday)
        return head;
    try {
        QString date;
        dm.GetAgvnistikhDate(quint8(day), date);
        head.MatchdayDate = date;
    } catch (const Exception &) {
        // A date that cannot be read leaves the heading without one.
    }
    return head;
}

void RangeOnMatchday(TTavrolinDM &dm, int matchday)
{
    report::ApplyMatchdayRange(dm.Agvnes, dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value(),
                               matchday, QVariant());
}

} // namespace tav::analysis

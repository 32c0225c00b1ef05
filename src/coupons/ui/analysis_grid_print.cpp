#include "coupons/ui/analysis_grid_print.h"

#include "coupons/analysis_grid.h"
#include "coupons/ui/analysis_grid_paint.h"
#include "coupons/ui/epiloges_dlg.h"
#include "coupons/ui/kup_grid_print.h"
#include "platform/core/modal_result.h"
#include "platform/core/rounding.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "platform/ui/string_grid.h"

namespace tav::coupons {

namespace {

// The titles on paper are all Greek letters, unlike some of the screen's.
const char *const kPrintedTitles[] = {
    "ΗΜ/ΝΙΑ", "ΩΡΑ", "ΔΙΟΡ.", "ΟΜΑΔΕΣ", "Τελ.Φ",     "Τελ.Γ", "ΑΝ 1", "ΑΝ Χ", "ΑΝ 2", "ΠΡ 1", "ΠΡ Χ", "ΠΡ 2",
    "1",      "Χ",   "2",     "ΣΗΜ",    "ΚΩΔ. ΟΠΑΠ", "Π1",    "ΠΧ",   "Π2",   "ΑΠ 1", "ΑΠ Χ", "ΑΠ 2", "Α/Α"};

} // namespace

QList<int> AnalysisPrintedColumns()
{
    QList<int> columns;
    for (int col = AnDate; col < AnNear1; ++col)
        columns.append(col);
    for (int col = AnAvg1; col <= AnRowNo; ++col)
        columns.append(col);
    return columns;
}

QStringList AnalysisPrintedTitles()
{
    QStringList titles;
    for (const char *title : kPrintedTitles)
        titles.append(QString::fromUtf8(title));
    return titles;
}

namespace {

TKupGridPrint AnalysisGridPrint(TStringGrid &grid, const QString &caption, TAnalysisPrintColour colour,
                                QWidget *window)
{
    TKupGridPrint print;
    print.Caption = caption;
    print.PrintedColumns = AnalysisPrintedColumns();
    print.Titles = AnalysisPrintedTitles();
    print.RowTest = [&grid](int row) { return !grid.Cells(AnTime, row).isEmpty(); };
    print.Window = window;
    if (colour == apColour) {
        // Unmarked cells print on no fill, a marked one on its mark; the bold type a marked cell
        // sets stays until the next page's titles.
        print.BeforeCell = [&grid](int col, int row, TCanvas &canvas) {
            canvas.Brush.Style = bsClear;
            PrepareAnalysisCell(AnalysisRowCells(grid, row), col, canvas);
        };
    }
    return print;
}

// The width of a printed line in the printer's pixels.
int LineWidth(const TStringGrid &grid, TPrinter &printer)
{
    int width = 0;
    for (int col : AnalysisPrintedColumns())
        width += int(Round(printer.PixelsPerInchX() * ScreenWidthTenths(grid.ColWidths(col)) * 0.1));
    return width;
}

// Turns the page for a job whose lines are wider than the page as it stands, so that the last
// columns are not cut off, and turns it back when the job is over.
class TPageTurnedToFit
{
public:
    TPageTurnedToFit(TPrinter &printer, int lineWidth) : printer_(printer), landscape_(printer.Landscape())
    {
        if (!landscape_ && lineWidth > printer.PageWidth())
            printer.SetLandscape(true);
    }
    ~TPageTurnedToFit() { printer_.SetLandscape(landscape_); }
    TPageTurnedToFit(const TPageTurnedToFit &) = delete;
    TPageTurnedToFit &operator=(const TPageTurnedToFit &) = delete;

private:
    TPrinter &printer_;
    bool landscape_;
};

} // namespace

void PrintAnalysisGrid(TStringGrid &grid, const QString &caption, TAnalysisPrintColour colour,
                       TGridPrintState &state, QWidget *window)
{
    const TPageTurnedToFit turned(Printer(), LineWidth(grid, Printer()));
    PrintKupGrid(grid, AnalysisGridPrint(grid, caption, colour, window), state);
}

void PrintAnalysisGridAsked(TStringGrid &grid, const QString &caption, TGridPrintState &state,
                            QWidget *window)
{
    TEpilogesDlg &colours = *EpilogesDlg();
    if (RunModal(colours) == mrCancel)
        return;
    const TAnalysisPrintColour colour = colours.ItemIndex() == apColour ? apColour : apBlackAndWhite;
    const TPageTurnedToFit turned(Printer(), LineWidth(grid, Printer()));
    PrintKupGridAsked(grid, AnalysisGridPrint(grid, caption, colour, window), state);
}

} // namespace tav::coupons

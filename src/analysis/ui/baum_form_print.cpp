#include "analysis/ui/baum_form_print.h"

#include "analysis/ui/baum_form.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/core/rounding.h"
#include "platform/ui/application.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "platform/ui/up_down_edit.h"

#include <QComboBox>

namespace tav::analysis {

namespace {

const char *const kDateGap = "    ";
const char *const kProgramLine = "Tavrolin - Βάση δεδομένων ποδοσφαίρου";
const char *const kSeasonLabel = "ΠΕΡΙΟΔΟΣ ";
const char *const kCategoryLabel = "  ΔΙΟΡΓΑΝΩΣΗ ";
const char *const kStartLabel = "ΕΝΑΡΞΗ ΑΠΟ ΑΓΩΝ. : ";
const char *const kMatchdayLabel = " ΑΓΩΝΙΣΤΙΚΗ : ";
// The least room between two printed columns, so that a place never touches its team's name: a
// twentieth of an inch.
const int kColumnGapsPerInch = 20;

QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

int LeagueTablePrintWidth(int screenPixels)
{
    return int(Round(screenPixels * 0.104));
}

QStringList LeagueTablePageHead(const TLeagueTablePrintPage &page)
{
    return {page.Caption + Utf8(kDateGap) + FormatDateTime(QStringLiteral("dd/mm/yyyy"), page.Today),
            Utf8(kProgramLine), QString(),
            Utf8(kSeasonLabel) + page.Season + Utf8(kCategoryLabel) + page.Category,
            Utf8(kStartLabel) + page.StartMatchday + Utf8(kMatchdayLabel) + page.Matchday};
}

void PrintLeagueTable(TPrinter &printer, const TLeagueTablePrintPage &page)
{
    TPrintDocument document;
    document.Title = page.Caption;
    document.FirstHead = LeagueTablePageHead(page);
    document.LaterHead = document.FirstHead;
    document.HeadFont = page.HeadFont;
    document.HeadCentred = true;
    const int dotsPerInch = printer.PixelsPerInchX();
    for (const TLeagueTablePrintColumn &column : page.Columns)
        document.Columns.append(
            {column.Title, int(Round(dotsPerInch * column.Width * 0.1)), column.Alignment});
    for (const TLeagueTablePrintBlock &block : page.Blocks)
        document.Bands.append({block.Title, block.FirstColumn, block.LastColumn});
    document.TitleStyle = TFontStyles{fsBold};
    document.ColumnGap = dotsPerInch / kColumnGapsPerInch;
    document.Rows = page.Rows;
    document.BeforeRow = page.BeforeRow;
    PrintPages(printer, document);
}

} // namespace tav::analysis

namespace {

// The goals columns are centred, the names left-aligned and the figures right-aligned, as on the
// screen.
TAlignment ColumnAlignment(int col)
{
    if (col == 1)
        return taLeftJustify;
    if (col == 7 || col == 14 || col == 21)
        return taCenter;
    return taRightJustify;
}

} // namespace

void TBaumForm::BBtnPrintClick()
{
    if (!ShowsTable() || !ExecutePrintDialog(this))
        return;
    PrintTable();
}

void TBaumForm::PrintTable()
{
    using namespace tav::analysis;
    TLeagueTablePrintPage page;
    page.Caption = windowTitle();
    page.Today = QDate::currentDate();
    page.Season = PeriodCombo->currentText();
    page.Category = DiorgCombo->currentText();
    page.StartMatchday = EdtStartAgvn->Text();
    page.Matchday = AgvnEdit->Text();
    // The head lines are set in a twelve-point copy of the printer's type.
    page.HeadFont.Size = 12;
    page.BeforeRow = ProcessMessages;
    for (const TColumnBands::TBand &band : HeaderControl1->Bands())
        page.Blocks.append({band.Caption, band.FirstColumn, band.LastColumn});
    for (const TColumnBands::TBand &band : HeaderControl2->Bands())
        page.Columns.append({band.Caption, LeagueTablePrintWidth(SGrd->ColWidths(band.FirstColumn)),
                             ColumnAlignment(band.FirstColumn)});
    page.Rows = ReadTableRows().Rows;
    setEnabled(false);
    try {
        PrintLeagueTable(Printer(), page);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    setEnabled(true);
}

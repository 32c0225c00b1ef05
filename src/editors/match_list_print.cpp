#include "editors/match_list_print.h"

#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/ui/printer.h"

namespace {

const char *const kPrintDateFirstPage = "       ΗΜ.ΕΚΤΥΠΩΣΗΣ ";
const char *const kPrintDateLaterPage = "        ΗΜ.ΕΚΤΥΠΩΣΗΣ ";
const char *const kSeasonLabel = "Περίοδος : ";
const char *const kCategoryLabel = "   Διοργάνωση : ";
const char *const kMatchdayLabel = "  Αγωνιστική :";
const char *const kCreditLine = "Tavrolin - Βάση δεδομένων ποδοσφαίρου";
const int kTopPosition = 5;

} // namespace

int PrintCellWidth(int screenPixels)
{
    return int(Round(screenPixels * 0.104));
}

QStringList MatchListPageHead(const QString &caption, const QDate &today, const QString &season,
                              const QString &category, const QString &matchday, bool laterPage)
{
    return {caption + QString::fromUtf8(laterPage ? kPrintDateLaterPage : kPrintDateFirstPage) +
                FormatDateTime(QStringLiteral("dd/mm/yyyy"), today),
            QString::fromUtf8(kSeasonLabel) + season + QString::fromUtf8(kCategoryLabel) + category +
                QString::fromUtf8(kMatchdayLabel) + matchday,
            QString::fromUtf8(kCreditLine)};
}

void TMatchListPrintout::Print(const TMatchListPage &page)
{
    pixelsPerInchX_ = printer_.PixelsPerInchX();
    lineGap_ = printer_.PixelsPerInchY() / 10;
    position_ = kTopPosition;
    printer_.BeginDoc();
    try {
        if (page.BeforeRow)
            page.BeforeRow();
        lineHeight_ = printer_.Canvas().TextHeight(QStringLiteral("X")) + lineGap_;
        PrintPageHead(page, false);
        for (const QList<TPrintCell> &row : page.Rows) {
            if (page.BeforeRow)
                page.BeforeRow();
            PrintRow(row);
            if (printer_.PageHeight() < position_ + lineHeight_) {
                position_ = kTopPosition;
                printer_.NewPage();
                PrintPageHead(page, true);
            }
        }
    } catch (...) {
        printer_.Abort();
        throw;
    }
    printer_.EndDoc();
}

void TMatchListPrintout::PrintPageHead(const TMatchListPage &page, bool laterPage)
{
    for (const QString &line :
         MatchListPageHead(page.Caption, page.Today, page.Season, page.Category, page.Matchday, laterPage))
        PrintCentred(line, page.HeadFont);
    TCanvas &canvas = printer_.Canvas();
    canvas.Font.Style = TFontStyles{fsBold, fsUnderline};
    PrintRow(page.Titles);
    canvas.Font.Style = TFontStyles{};
}

void TMatchListPrintout::PrintCentred(const QString &text, const TFont &font)
{
    TCanvas &canvas = printer_.Canvas();
    const TFont printerFont = canvas.Font;
    canvas.Font = font;
    canvas.TextOut(printer_.PageWidth() / 2 - canvas.TextWidth(text) / 2, position_, text);
    canvas.Font = printerFont;
    position_ += lineHeight_ + lineGap_;
}

void TMatchListPrintout::PrintRow(const QList<TPrintCell> &cells)
{
    TCanvas &canvas = printer_.Canvas();
    int x = 0;
    for (const TPrintCell &cell : cells) {
        const int right = x + int(Round(pixelsPerInchX_ * cell.Width * 0.1));
        canvas.TextRect({x, position_, right, position_ + lineHeight_}, x, position_, cell.Text);
        x = right;
    }
    const int ruleY = position_ + int(Round(lineGap_ * 1.5));
    canvas.MoveTo(0, ruleY);
    canvas.LineTo(x, ruleY);
    position_ += int(Round(lineGap_ * 2.5));
}

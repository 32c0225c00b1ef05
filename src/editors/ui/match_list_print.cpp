#include "editors/ui/match_list_print.h"

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
// The least room between two printed columns: a twentieth of an inch.
const int kColumnGapsPerInch = 20;

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
        LayOutColumns(page.Titles);
        lineHeight_ = printer_.Canvas().TextHeight(QStringLiteral("X")) + lineGap_;
        PrintPageHead(page, false);
        for (const QStringList &row : page.Rows) {
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

void TMatchListPrintout::LayOutColumns(const QList<TPrintCell> &titles)
{
    QList<int> widths;
    columnTitles_.clear();
    for (const TPrintCell &title : titles) {
        widths.append(int(Round(pixelsPerInchX_ * title.Width * 0.1)));
        columnTitles_.append(title.Text);
    }
    columnLefts_ = FitColumns(printer_.Canvas(), widths, columnTitles_, {}, TFontStyles{fsBold, fsUnderline},
                              0, pixelsPerInchX_ / kColumnGapsPerInch, printer_.PageWidth());
}

void TMatchListPrintout::PrintPageHead(const TMatchListPage &page, bool laterPage)
{
    for (const QString &line :
         MatchListPageHead(page.Caption, page.Today, page.Season, page.Category, page.Matchday, laterPage))
        PrintCentred(line, page.HeadFont);
    TCanvas &canvas = printer_.Canvas();
    canvas.Font.Style = TFontStyles{fsBold, fsUnderline};
    PrintRow(columnTitles_);
    canvas.Font.Style = TFontStyles{};
}

void TMatchListPrintout::PrintCentred(const QString &text, const TFont &font)
{
    TCanvas &canvas = printer_.Canvas();
    const TFont printerFont = canvas.Font;
    canvas.Font = font;
    position_ = canvas.TextOutWithin(0, position_, printer_.PageWidth(), lineHeight_, text, true) + lineGap_;
    canvas.Font = printerFont;
}

void TMatchListPrintout::PrintRow(const QStringList &cells)
{
    TCanvas &canvas = printer_.Canvas();
    for (qsizetype column = 0; column < cells.size() && column + 1 < columnLefts_.size(); ++column) {
        const int left = columnLefts_.at(column);
        canvas.TextRect({left, position_, columnLefts_.at(column + 1), position_ + lineHeight_}, left,
                        position_, cells.at(column));
    }
    const int ruleY = position_ + int(Round(lineGap_ * 1.5));
    canvas.MoveTo(0, ruleY);
    canvas.LineTo(columnLefts_.last(), ruleY);
    position_ += int(Round(lineGap_ * 2.5));
}

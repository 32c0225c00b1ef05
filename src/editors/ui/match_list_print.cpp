#include "editors/ui/match_list_print.h"

#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"

namespace tav::editors {

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
    const int lineGap = printer_.PixelsPerInchY() / 10;
    TPrintDocument document;
    document.Title = page.Caption;
    document.FirstHead =
        MatchListPageHead(page.Caption, page.Today, page.Season, page.Category, page.Matchday, false);
    document.LaterHead =
        MatchListPageHead(page.Caption, page.Today, page.Season, page.Category, page.Matchday, true);
    document.HeadFont = page.HeadFont;
    document.HeadCentred = true;
    for (const TPrintCell &title : page.Titles)
        document.Columns.append({title.Text, int(Round(printer_.PixelsPerInchX() * title.Width * 0.1))});
    document.TitleStyle = TFontStyles{fsBold, fsUnderline};
    document.Rows = page.Rows;
    document.Margins.Top = kTopPosition;
    document.ColumnGap = printer_.PixelsPerInchX() / kColumnGapsPerInch;
    // Rows are a quarter of an inch apart whatever the type, ruled off one and a half tenths below
    // their top.
    document.Rules = prUnderEveryLine;
    document.RuleDrop = int(Round(lineGap * 1.5));
    document.TestPageAfterRow = true;
    document.BeforeRow = page.BeforeRow;
    PrintPages(printer_, document);
}

} // namespace tav::editors

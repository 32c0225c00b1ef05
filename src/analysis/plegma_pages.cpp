#include "analysis/plegma_pages.h"

#include "analysis/plegma.h"
#include "report/html_page.h"

namespace tav::analysis {

namespace {

using report::HtmlText;
using report::TExportLanguage;

constexpr int kStatRows = 5;
constexpr int kNameRow = 5;
constexpr int kNameCol = 5;
constexpr int kHeaderCut = 5;

struct TPageTexts
{
    const char *Title;
    const char *MatchdayBefore;
    const char *MatchdayAfter;
};

TPageTexts TextsOf(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::English:
        return {"Table of Results", "Day No ", ""};
    case TExportLanguage::Italian:
        return {"Tabella Risultati", "Giornata No ", ""};
    case TExportLanguage::Greek:
        break;
    }
    return {"Πίνακας Αποτελεσμάτων", "", "η Αγωνιστική"};
}

// The Greek page sets the names of the column teams upright.
const QStringList kGreekStyle = {QStringLiteral("<style>"), QStringLiteral(".myStyle { writing-mode: tb-rl;"),
                                 QStringLiteral("filter:   flipH() flipV();"), QStringLiteral("}"),
                                 QStringLiteral("</style>")};

const QString kAmber = QStringLiteral("<TH BGCOLOR=\"#F8BF24\">");

QString Cut(const QString &text)
{
    return HtmlText(text.left(kHeaderCut));
}

QString HeaderCell(int col, int row, const QString &text)
{
    static const char *const colours[] = {nullptr, nullptr, "#ff0000", "#008000", "#0000ff"};
    if (col <= kNameCol || row == 0)
        return kAmber + Cut(text) + QStringLiteral("</TH>");
    if (row == 1)
        return QStringLiteral("<TH>") + Cut(text) + QStringLiteral("</TH>");
    return QStringLiteral("<TH><font color=\"%1\">").arg(QLatin1String(colours[row])) + Cut(text) +
           QStringLiteral("</font></TH>");
}

QString NameCell(int col, const QString &text)
{
    if (col <= kNameCol)
        return QStringLiteral("<TH BGCOLOR=\"#F8BF24\" height=\"25\">") + HtmlText(text) +
               QStringLiteral("</TH>");
    return QStringLiteral("<TH width=\"28\" height=\"55\"><span class=\"myStyle\">") + HtmlText(text) +
           QStringLiteral("</SPAN></TH>");
}

QString Coloured(const char *width, const char *colour, const QString &text)
{
    return QStringLiteral("<TD width=\"%1\" height=\"25\"><P ALIGN=\"CENTER\"><font color=\"%2\">")
               .arg(QLatin1String(width), QLatin1String(colour)) +
           text + QStringLiteral("</font></TD>");
}

// The goals on one side of a score text: the integer before or after its first "-".
int Goals(const QString &text, bool home)
{
    const int dash = text.indexOf(QLatin1Char('-'));
    const QString side = dash < 0 ? (home ? text : QString()) : home ? text.left(dash) : text.mid(dash + 1);
    return side.trimmed().toInt();
}

QString TeamRowCell(int col, int row, const QString &raw, int colsPerTeam)
{
    const QString text = HtmlText(raw);
    if (IsOwnPlegmaCell(col, row, colsPerTeam))
        return QStringLiteral("<TD BGCOLOR=\"#000000\">&nbsp;</TD>");
    if (raw.trimmed().isEmpty())
        return QStringLiteral("<TD width=\"30\" height=\"25\">&nbsp;</TD>");
    switch (col) {
    case 1:
        return QStringLiteral("<TD width=\"25\" height=\"25\"><P ALIGN=\"CENTER\">") + text +
               QStringLiteral("</TD>");
    case 2:
        return Coloured("25", "#0000ff", text);
    case 3:
        return Coloured("25", "#008000", text);
    case 4:
        return Coloured("25", "#ff0000", text);
    default:
        break;
    }
    if (raw.trimmed() == QString::fromUtf8(PlegmaComing))
        return QStringLiteral("<TD width=\"32\" height=\"25\" bgcolor=\"#008000\"><font color=\"#FFFFFF\">"
                              "<P ALIGN=\"CENTER\">") +
               text + QStringLiteral("</font></TD>");
    if (col == kNameCol)
        return QStringLiteral("<TD width=\"32\" height=\"25\"><P ALIGN=\"CENTER\">") + text +
               QStringLiteral("</TD>");
    return Coloured("32", Goals(raw, false) < Goals(raw, true) ? "#0000ff" : "#ff0000", text);
}

} // namespace

void WriteGridHtml(const QString &path, TExportLanguage language, const TPlegmaPageHead &head,
                   const std::vector<QStringList> &grid, int colsPerTeam)
{
    const TPageTexts texts = TextsOf(language);
    const QString title = QString::fromUtf8(texts.Title);
    report::THtmlPage page(path, title, true,
                           language == TExportLanguage::Greek ? kGreekStyle : QStringList());
    page.WriteLine(QStringLiteral("<center><H1>") + HtmlText(title) + QStringLiteral("</H1><D1>"));
    page.WriteLine(QStringLiteral("<H1>") + HtmlText(head.Onomasia) + QStringLiteral("</H1>"));
    page.WriteLine(QStringLiteral("<H1>") + QString::fromUtf8(texts.MatchdayBefore) +
                   HtmlText(head.MatchdayText) + QString::fromUtf8(texts.MatchdayAfter) +
                   QStringLiteral(" (") + HtmlText(head.MatchdayDate) + QStringLiteral(")</H1><DT>"));
    page.WriteLine(QStringLiteral("<table border>"));
    const int rows = int(grid.size());
    const int cols = grid.empty() ? 0 : int(grid.front().size());
    for (int row = 0; row < rows; ++row) {
        page.WriteLine(QStringLiteral("<TR>"));
        for (int col = 0; col < cols; ++col) {
            const QString text = grid[row].value(col);
            if (row < kStatRows)
                page.WriteLine(HeaderCell(col, row, text));
            else if (row == kNameRow)
                page.WriteLine(NameCell(col, text));
            else if (col == 0)
                page.WriteLine(kAmber + Cut(text) + QStringLiteral("</TH>"));
            else
                page.WriteLine(TeamRowCell(col, row, text, colsPerTeam));
        }
        page.WriteLine(QStringLiteral("</TR>"));
    }
    report::CloseViewPage(page, true);
}

} // namespace tav::analysis

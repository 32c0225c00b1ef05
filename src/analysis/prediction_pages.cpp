#include "analysis/prediction_pages.h"

#include "report/html_page.h"

#include <QDir>
#include <QFileInfo>

namespace tav::analysis {

using report::HtmlText;
using report::TExportLanguage;

namespace {

constexpr int ResultColumn = 11;
const char Right[] = R"(><P ALIGN="RIGHT">)";
const char Left[] = R"(><P ALIGN="LEFT">)";
const char Centre[] = R"(><P ALIGN="CENTER">)";
const char Green[] = R"( BGCOLOR="#00ff00"><P ALIGN="CENTER">)";

// Title text, page heading and the header lines of one head; the date heading follows the number
// in every language, so that the headings stand over the cells the rows write.
struct THeadTexts
{
    const char *Title;
    const char *Heading;
    std::vector<const char *> Header;
};

THeadTexts PredictionTexts(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return {"Προβέψεις-Αποτελέσματα",
                "Προβλέψεις-Αποτελέσματα",
                {"<TH>Α/Α</TH><TH>Ημ/νία</TH><TH>Ομάδες</TH><TH>1</TH><TH>Χ</TH><TH>2</TH>",
                 "<TH>ΒΣ</TH><TH>Πιθανά</TH><TH>Πλήρες</TH><TH>Εκπλήξεις</TH><TH>Σκόρ</TH><TH>ΝΣ</TH>"}};
    case TExportLanguage::English:
        return {"Predictions-Results",
                "Predictions - Results",
                {"<TH>No</TH><TH>Date</TH><TH>Teams</TH><TH>1</TH><TH>Χ</TH><TH>2</TH>",
                 "<TH>PC</TH><TH>Pred.</TH><TH>Comp.</TH><TH>Surp.</TH><TH>Score</TH><TH>WC</TH>"}};
    case TExportLanguage::Italian:
        break;
    }
    return {"Pronostici-Risultati",
            "Pronostici-Risultati",
            {"<TH>No</TH><TH>Data</TH><TH>Squadre</TH><TH>1</TH><TH>Χ</TH><TH>2</TH>",
             "<TH>CB</TH><TH>Prob</TH><TH>Integral</TH><TH>Sorprese</TH><TH>Risult</TH><TH>CV</TH>"}};
}

THeadTexts OddsTexts(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return {"Προτεινόμενα Odds",
                "Προτεινόμενα Odds με Γκανιότα 11%",
                {"<TH>Α/Α</TH><TH>Ημ/νία</TH><TH>Ομάδες</TH><TH>1</TH><TH>Χ</TH><TH>2</TH><TH>Σκόρ</"
                 "TH><TH>ΝΣ</TH>"}};
    case TExportLanguage::English:
        return {"Suggested Odds",
                "Suggested Odds (11%)",
                {"<TH>No</TH><TH>Date</TH><TH>Teams</TH><TH>1</TH><TH>Χ</TH><TH>2</TH><TH>Score</TH><TH>WC</"
                 "TH>"}};
    case TExportLanguage::Italian:
        break;
    }
    return {
        "Previsioni Odds",
        "Previsioni Odds (11%)",
        {"<TH>No</TH><TH>Data</TH><TH>Squadre</TH><TH>1</TH><TH>Χ</TH><TH>2</TH><TH>Risult</TH><TH>CV</TH>"}};
}

// The matchday line: the Greek pages show the window's label, the others the matchday's number;
// without a date the line ends after the label or number. The English prediction page has always
// left the number out of that shorter line, the English odds page writes no blank before it.
QString MatchdayLine(TExportLanguage language, bool odds, const TAnalysisPageHead &head)
{
    QString line = QStringLiteral("<H1>");
    switch (language) {
    case TExportLanguage::Greek:
        line += HtmlText(head.MatchdayLabel);
        break;
    case TExportLanguage::English:
        line += odds ? QStringLiteral("Day No") : QStringLiteral("Day No ");
        if (odds || head.MatchdayDate)
            line += HtmlText(head.MatchdayText);
        break;
    case TExportLanguage::Italian:
        line += QStringLiteral("Giornata No ") + HtmlText(head.MatchdayText);
        break;
    }
    if (head.MatchdayDate)
        line += QStringLiteral(" (") + HtmlText(*head.MatchdayDate) + QLatin1Char(')');
    return line + QStringLiteral("</H1><DT>");
}

// The rest of the head after the page's title line: headings, table and its header row.
void WriteHead(report::THtmlPage &page, TExportLanguage language, bool odds, const THeadTexts &texts,
               const TAnalysisPageHead &head)
{
    report::WriteViewHeadings(page, QString::fromUtf8(texts.Heading), head.Onomasia);
    page.WriteLine(MatchdayLine(language, odds, head));
    page.WriteLine(QStringLiteral("<table border>"));
    page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#ffff00">)"));
    for (const char *line : texts.Header)
        page.WriteLine(QString::fromUtf8(line));
    page.WriteLine(QStringLiteral("</TR>"));
}

const char *Alignment(int column)
{
    return column == 2 ? Left : Right;
}

// Whether a match row's prediction cell holds the result.
bool Holds(const QString &cell, const QString &result)
{
    return !result.isEmpty() && cell.contains(result);
}

const char *PredictionAttributes(const QStringList &row, int column, bool summary)
{
    const QString result = summary ? QString() : row.value(ResultColumn);
    switch (column) {
    case 3:
        return result == QLatin1String("1") ? Green : Centre;
    case 4:
        return result == QLatin1String("X") ? Green : Centre;
    case 5:
        return result == QLatin1String("2") ? Green : Centre;
    case 6:
    case 7:
    case 8:
    case 9:
        return Holds(row.value(column), result) ? Green : Centre;
    case ResultColumn:
        return summary ? Centre : Green;
    default:
        return Alignment(column);
    }
}

const char *OddsAttributes(const QStringList &row, int column)
{
    const QString result = row.value(ResultColumn);
    switch (column) {
    case 3:
        return result == QLatin1String("1") ? Green : Centre;
    case 4:
        return result == QLatin1String("X") ? Green : Centre;
    case 5:
        return result == QLatin1String("2") ? Green : Centre;
    case ResultColumn:
        return Green;
    default:
        return Alignment(column);
    }
}

void WritePredictionRow(report::THtmlPage &page, const QStringList &row, bool summary)
{
    page.WriteLine(summary ? QStringLiteral(R"(<TR BGCOLOR="#00ffff">)") : QStringLiteral("<TR>"));
    for (int column = 0; column <= ResultColumn; ++column) {
        const QString cell = row.value(column);
        page.WriteLine(QStringLiteral("<TD") + QString::fromUtf8(PredictionAttributes(row, column, summary)) +
                       (cell.isEmpty() ? QStringLiteral("&nbsp;") : HtmlText(cell)) +
                       QStringLiteral("</TD>"));
    }
    page.WriteLine(QStringLiteral("</TR>"));
}

} // namespace

QString PredictionSummaryLabel(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return QStringLiteral("Επιτυχίες :");
    case TExportLanguage::English:
        return QStringLiteral("Prediction Results:");
    case TExportLanguage::Italian:
        break;
    }
    return QStringLiteral("Risultati effettuati:");
}

void WritePredictionsHtml(const QString &path, TExportLanguage language, const TAnalysisPageHead &head,
                          const std::vector<QStringList> &matchRows, const QStringList &summaryRow)
{
    const THeadTexts texts = PredictionTexts(language);
    report::THtmlPage page(path, QString::fromUtf8(texts.Title), true);
    WriteHead(page, language, false, texts, head);
    for (const QStringList &row : matchRows)
        WritePredictionRow(page, row, false);
    WritePredictionRow(page, summaryRow, true);
    report::CloseViewPage(page);
}

void WriteOddsHtml(const QString &path, TExportLanguage language, const TAnalysisPageHead &head,
                   const std::vector<QStringList> &matchRows)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const THeadTexts texts = OddsTexts(language);
    report::THtmlPage page(path, QString::fromUtf8(texts.Title), true);
    WriteHead(page, language, true, texts, head);
    for (const QStringList &row : matchRows) {
        page.WriteLine(QStringLiteral("<TR>"));
        for (int column : {0, 1, 2, 3, 4, 5, 10, ResultColumn})
            page.WriteLine(QStringLiteral("<TD") + QString::fromUtf8(OddsAttributes(row, column)) +
                           HtmlText(row.value(column)) + QStringLiteral("</TD>"));
        page.WriteLine(QStringLiteral("</TR>"));
    }
    report::CloseViewPage(page);
}

} // namespace tav::analysis

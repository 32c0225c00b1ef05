#include "analysis/history_pages.h"

#include "report/html_page.h"
#include "report/text_export.h"

namespace tav::analysis {

using report::HtmlText;
using report::TExportLanguage;

namespace {

struct THistoryTexts
{
    const char *Title;
    const char *FirstHeading;
    // The headings of the wins, draws, losses, both sides' goals and the match's score.
    std::vector<const char *> PageTotals;
    std::vector<const char *> FileTotals;
};

THistoryTexts Texts(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return {"Προϊστορία Αγώνων",
                "Ομάδες",
                {"Ν", "Ι", "Η", "ΓΥ", "ΓΚ", "Σκόρ"},
                {"Ν", "Ι", "Η", "ΓΥ", "ΓΚ", "Σκόρ"}};
    case TExportLanguage::English:
        return {"Past Results",
                "Teams",
                {"W", "D", "L", "HG", "AG", "Result"},
                {"W", "D", "L", "ΓΥ", "ΓΚ", "Result"}};
    case TExportLanguage::Italian:
        break;
    }
    return {
        "Risultati", "Squadre", {"Ν", "Ι", "Η", "ΓΥ", "ΓΚ", "Risult"}, {"Ν", "Ι", "Η", "ΓΥ", "ΓΚ", "Σκόρ"}};
}

// Without a date the line ends after the matchday.
QString MatchdayLine(TExportLanguage language, const TAnalysisPageHead &head)
{
    const QString matchday = HtmlText(head.MatchdayText);
    QString line = QStringLiteral("<H1>");
    switch (language) {
    case TExportLanguage::Greek:
        line += matchday + QStringLiteral("η Αγωνιστική");
        break;
    case TExportLanguage::English:
        line += QStringLiteral("Day No ") + matchday;
        break;
    case TExportLanguage::Italian:
        line += QStringLiteral("Giornata No ") + matchday;
        break;
    }
    if (head.MatchdayDate)
        line += QStringLiteral(" (") + HtmlText(*head.MatchdayDate) + QLatin1Char(')');
    return line + QStringLiteral("</H1><DT>");
}

QString Cell(const std::vector<QStringList> &grid, std::size_t row, int column)
{
    return HtmlText(grid[row].value(column));
}

} // namespace

void WriteHistoryHtml(const QString &path, TExportLanguage language, const TAnalysisPageHead &head,
                      const std::vector<QStringList> &grid, const QStringList &seasons)
{
    const THistoryTexts texts = Texts(language);
    report::THtmlPage page(path, QString::fromUtf8(texts.Title), true);
    report::WriteViewHeadings(page, QString::fromUtf8(texts.Title), head.Onomasia);
    page.WriteLine(MatchdayLine(language, head));
    page.WriteLine(QStringLiteral("<table border>"));
    page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#ffff00">)"));
    QString headings =
        QStringLiteral("<TH>") + QString::fromUtf8(texts.FirstHeading) + QStringLiteral("</TH>");
    for (const QString &season : seasons)
        headings += QStringLiteral("<TH>") + HtmlText(season) + QStringLiteral("</TH>");
    for (const char *total : texts.PageTotals)
        headings += QStringLiteral("<TH>") + QString::fromUtf8(total) + QStringLiteral("</TH>");
    page.WriteLine(headings);
    page.WriteLine(QStringLiteral("</TR>"));
    const int columns = grid.empty() ? 0 : int(grid.front().size());
    for (std::size_t forward = 1; forward + 1 < grid.size(); forward += 2) {
        QString line = QStringLiteral("<TR><TD><B>") + Cell(grid, forward, 0) + QStringLiteral("</B><BR>") +
                       Cell(grid, forward + 1, 0) + QStringLiteral("</TD>");
        for (int column = 1; column < columns; ++column)
            line += QStringLiteral(R"(<TD><P ALIGN="CENTER"><B>)") + Cell(grid, forward, column) +
                    QStringLiteral("</B><BR>") + Cell(grid, forward + 1, column) + QStringLiteral("</TD>");
        page.WriteLine(line + QStringLiteral("</TR>"));
    }
    report::CloseViewPage(page);
}

void WriteHistoryQXpress(const QString &path, TExportLanguage language, const std::vector<QStringList> &grid,
                         const QStringList &seasons)
{
    const THistoryTexts texts = Texts(language);
    QStringList headings{QString::fromUtf8(texts.FirstHeading)};
    headings += seasons;
    for (const char *total : texts.FileTotals)
        headings.append(QString::fromUtf8(total));
    report::TTextExport file(path);
    file.WriteLine(headings.join(QLatin1Char('\t')));
    for (std::size_t row = 1; row < grid.size(); ++row)
        file.WriteLine(grid[row].join(QLatin1Char('\t')));
    file.Close();
}

} // namespace tav::analysis

#include "report/league_table_export.h"

#include "platform/core/format.h"
#include "report/html_page.h"
#include "report/text_export.h"

#include <array>

namespace tav::report {

namespace {

constexpr int BlockColumns = 7;
// The goals columns of the three blocks are centred, the team names left-aligned.
constexpr std::array<int, 3> GoalsColumns = {7, 14, 21};
constexpr int NameColumn = 1;

// The widths of the text file's columns, place and name first; the place is one wider in the
// team lines than in the title line.
constexpr std::array<int, 7> BlockWidths = {2, 2, 2, 2, 2, 5, 3};
constexpr int TitlePlaceWidth = 2;
constexpr int LinePlaceWidth = 3;
constexpr int NameWidth = -20;

const char RedFont[] = R"(<font color = "#ff0000">)";

struct TTableTexts
{
    const char *Heading; // none in Greek: the window's caption stands there
    const char *TextMatchday;
    const char *TextPlace;
    const char *TextTeam;
    std::array<const char *, BlockColumns> TextBlock;
    const char *PagePlace;
    std::array<const char *, BlockColumns> PageBlock;
    const char *PageMatchday; // %1 the matchday, %2 its date
    const char *FirstTitle;   // %1 the matchday
    std::array<const char *, 3> Blocks;
    const char *Note; // %1 the team, %2 its points
    const char *SpecialHeading;
};

TTableTexts TextsOf(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return {nullptr,
                "Έως αγωνιστική:%1",
                "A/A",
                "Όνομα Ομάδας",
                {"Β", "Α", "Ν", "Ι", "Η", "ΤΕΡΜ", "ΔΤ"},
                "<TH>Α/Α</TH><TH>Όνομα Ομάδας</TH>",
                {"Β", "Α", "Ν", "Ι", "Η", "ΤΕΡΜ.", "ΔΤ"},
                "Αγωνιστική %1η (%2)",
                "%1η Αγωνιστική",
                {"Συνολικά", "Εντός Έδρας", "Εκτός Έδρας"},
                "Η ομάδα %1, έχει %2 βαθμούς",
                "Ειδικές Βαθμολογίες"};
    case TExportLanguage::English:
        return {"Current Table",
                "Day No: %1",
                "Pos",
                "Team",
                {"Pts", "M", "W", "D", "L", "F-S", "Dif"},
                "<TH>Pos</TH><TH>Team</TH>",
                {"Pts", "M", "W", "D", "L", "F-S", "Dif"},
                "Day No %1 (%2)",
                "Day No %1",
                {"Total", "Home", "Away"},
                "Team %1, has %2 points",
                "Special Sortings"};
    case TExportLanguage::Italian:
        return {"Classifica",
                "Giornata No: %1",
                "No",
                "Squadre",
                {"P", "NP", "V", "N", "P", "F-S", "Dif"},
                "<TH>No</TH><TH>Squadre</TH>",
                {"P", "NP", "V", "N", "P", "F-S", "Dif"},
                "Giornata No %1 (%2)",
                "Giornata No %1",
                {"Globali", "In Casa", "Fuori Casa"},
                "La squadra %1, ha %2 punti",
                "Classifica Speciale"};
    }
    return TextsOf(TExportLanguage::Greek);
}

QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// The cells side by side, each padded to its width ("%Ns", "%-Ns"), one blank between them.
QString FixedColumns(int placeWidth, const QStringList &cells)
{
    QStringList fields;
    for (int col = 0; col < cells.size(); ++col) {
        const int width = col == 0            ? placeWidth
                          : col == NameColumn ? NameWidth
                                              : BlockWidths[std::size_t(col - 2) % BlockWidths.size()];
        fields.append(Format(QStringLiteral("%%1s").arg(width), {cells[col]}));
    }
    return fields.join(QLatin1Char(' '));
}

QString Heading(const TTableTexts &texts, const TLeagueTableExport &table)
{
    return texts.Heading ? Utf8(texts.Heading) : table.Caption;
}

void WriteTextLines(TTextExport &file, TExportLanguage language, const TLeagueTableExport &table)
{
    const TTableTexts texts = TextsOf(language);
    file.WriteLine(table.Onomasia);
    file.WriteLine(Heading(texts, table));
    file.WriteLine(Utf8(texts.TextMatchday).arg(table.Matchday));
    QStringList titles{Utf8(texts.TextPlace), Utf8(texts.TextTeam)};
    for (int block = 0; block < 3; ++block)
        for (const char *title : texts.TextBlock)
            titles.append(Utf8(title));
    file.WriteLine(FixedColumns(TitlePlaceWidth, titles));
    for (const QStringList &row : table.Table.Rows)
        file.WriteLine(FixedColumns(LinePlaceWidth, row));
    file.Close();
}

QString Alignment(int col)
{
    if (col == NameColumn)
        return QStringLiteral(R"(<P ALIGN="LEFT">)");
    if (std::find(GoalsColumns.begin(), GoalsColumns.end(), col) != GoalsColumns.end())
        return QStringLiteral(R"(<P ALIGN="CENTER">)");
    return QStringLiteral(R"(<P ALIGN="RIGHT">)");
}

// The colours of a place: green for the title, cyan for promotion, pink for relegation (which a
// place may carry besides one of the others).
QString RowColours(const TLeagueTableMarks &marks, int place)
{
    QString colours;
    if (place <= marks.Champions)
        colours += QStringLiteral(R"( BGCOLOR="#33ff33")");
    else if (place <= marks.Champions + marks.OmadesUp)
        colours += QStringLiteral(R"( BGCOLOR="#00ffff")");
    if (place > marks.Omades - marks.OmadesDn)
        colours += QStringLiteral(R"( BGCOLOR="#ffb0b0")");
    return colours;
}

void WriteHeadings(THtmlPage &page, const TTableTexts &texts, const QString &heading,
                   const TLeagueTableExport &table)
{
    page.WriteLine(QStringLiteral("<center><H2>") + HtmlText(heading) + QStringLiteral("</H2><DT>"));
    page.WriteLine(QStringLiteral("<H2>") + HtmlText(table.CompetitionName) + QStringLiteral("</H2><DT>"));
    page.WriteLine(QStringLiteral("<H2>") +
                   HtmlText(Utf8(texts.PageMatchday).arg(table.Matchday, table.MatchdayDate)) +
                   QStringLiteral("</H2><DT>"));
}

// "<table border>" and the yellow row of the matchday and the three blocks.
void WriteFirstTitleRow(THtmlPage &page, const TTableTexts &texts, const TLeagueTableExport &table)
{
    page.WriteLine(QStringLiteral("<table border>"));
    page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#ffff00">)"));
    page.WriteLine(QStringLiteral("<TH COLSPAN=2>") + HtmlText(Utf8(texts.FirstTitle).arg(table.Matchday)) +
                   QStringLiteral("</TH>"));
    for (const char *block : texts.Blocks)
        page.WriteLine(QStringLiteral("<TH COLSPAN=7>") + Utf8(block) + QStringLiteral("</TH>"));
    page.WriteLine(QStringLiteral("</TR>"));
}

QString TitleCell(const QString &title)
{
    return QStringLiteral("<TH>") + title + QStringLiteral("</TH>");
}

QString PageColumnTitle(const TTableTexts &texts, int col)
{
    return Utf8(texts.PageBlock[std::size_t(col - 2) % texts.PageBlock.size()]);
}

void WriteCells(THtmlPage &page, const QStringList &row, int redColumn)
{
    for (int col = 0; col < row.size(); ++col) {
        if (col == redColumn)
            page.WriteLine(QStringLiteral("<TD>") + Alignment(col) + Utf8(RedFont) + HtmlText(row[col]) +
                           QStringLiteral("</TD></font>"));
        else
            page.WriteLine(QStringLiteral("<TD>") + Alignment(col) + HtmlText(row[col]) +
                           QStringLiteral("</TD>"));
    }
}

// Only points taken off are noted; a bonus goes without a note.
void WritePenaltyNotes(THtmlPage &page, TExportLanguage language, const TTableTexts &texts,
                       const QList<TLeagueTablePenalty> &penalties)
{
    for (const TLeagueTablePenalty &penalty : penalties) {
        if (penalty.Timvria >= 0)
            continue;
        const QString &name = language == TExportLanguage::Greek ? penalty.GrName : penalty.EnName;
        page.WriteLine(QStringLiteral("<TR><TD colspan=23>") +
                       HtmlText(Utf8(texts.Note).arg(name, QString::number(penalty.Timvria))) +
                       QStringLiteral("</TD></TR>"));
    }
}

void WriteBackLink(THtmlPage &page)
{
    page.WriteLine(QStringLiteral(R"(<A HREF="javascript:history.back();"> Back </A>)"));
    page.WriteLine(QStringLiteral("</center>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    page.WriteLine(QStringLiteral("<A>&copy; ") + HtmlText(ProductLabel()) + QStringLiteral("</A>"));
    page.WriteLine(QStringLiteral("</center>"));
}

} // namespace

void WriteLeagueTableText(const QString &path, TExportLanguage language, const TLeagueTableExport &table)
{
    TTextExport file(path);
    WriteTextLines(file, language, table);
}

void WriteLeagueTableDosText(const QString &path, const TLeagueTableExport &table)
{
    TTextExport file(path, TTextCode::Dos);
    WriteTextLines(file, TExportLanguage::Greek, table);
}

void WriteLeagueTableQXpress(const QString &path, const TLeagueTableExport &table)
{
    TTextExport file(path);
    for (const QStringList &row : table.Table.Rows)
        file.WriteLine(row.join(QLatin1Char('\t')));
    file.Close();
}

void WriteLeagueTablePage(const QString &path, TExportLanguage language, const TLeagueTableExport &table)
{
    const TTableTexts texts = TextsOf(language);
    THtmlPage page(path, table.Onomasia, true);
    WriteHeadings(page, texts, Heading(texts, table), table);
    WriteFirstTitleRow(page, texts, table);
    page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#c0c0c0">)"));
    page.WriteLine(Utf8(texts.PagePlace));
    QString blockTitles;
    for (int col = 2; col < 2 + BlockColumns; ++col)
        blockTitles += TitleCell(PageColumnTitle(texts, col));
    for (int block = 0; block < 3; ++block)
        page.WriteLine(blockTitles);
    page.WriteLine(QStringLiteral("</TR>"));
    for (int row = 0; row < table.Table.Rows.size(); ++row) {
        page.WriteLine(QStringLiteral("<TR") + RowColours(table.Marks, row + 1) + QStringLiteral(">"));
        WriteCells(page, table.Table.Rows[row], -1);
    }
    WritePenaltyNotes(page, language, texts, table.Table.Penalties);
    page.WriteLine(QStringLiteral("</table>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    WriteBackLink(page);
    page.Close();
}

void WriteSpecialOrderingsPage(const QString &path, TExportLanguage language, const TLeagueTableExport &table,
                               const QList<TSpecialOrdering> &orderings)
{
    const TTableTexts texts = TextsOf(language);
    THtmlPage page(path, table.Onomasia, true);
    WriteHeadings(page, texts, Utf8(texts.SpecialHeading), table);
    for (const TSpecialOrdering &ordering : orderings) {
        WriteFirstTitleRow(page, texts, table);
        page.WriteLine(QStringLiteral(R"(<TR BGCOLOR="#c0c0c0">)"));
        page.WriteLine(Utf8(texts.PagePlace) + TitleCell(PageColumnTitle(texts, 2)) +
                       TitleCell(PageColumnTitle(texts, 3)));
        for (int col = 4; col < LeagueTableColumns; ++col) {
            const QString title = PageColumnTitle(texts, col);
            page.WriteLine(TitleCell(
                col == ordering.Column ? Utf8(RedFont) + title + QStringLiteral("</font>") : title));
        }
        page.WriteLine(QStringLiteral("</TR>"));
        for (const QStringList &row : ordering.Table.Rows) {
            page.WriteLine(QStringLiteral("<TR>"));
            WriteCells(page, row, ordering.Column);
        }
        WritePenaltyNotes(page, language, texts, ordering.Table.Penalties);
        page.WriteLine(QStringLiteral("</table><br><hr><br>"));
    }
    page.WriteLine(QStringLiteral("<center>"));
    WriteBackLink(page);
    page.Close();
}

} // namespace tav::report

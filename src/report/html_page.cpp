#include "report/html_page.h"

#include "platform/core/codepage.h"

namespace tav::report {

namespace {

const QString ContentTypeLine =
    QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1253\">");
const QString PragmaLine = QStringLiteral("<meta http-equiv=\"pragma\" content=\"no-cache\">");
const QString KeywordsLine = QStringLiteral("<meta http-equiv=\"KeyWords\"");

const QString KeywordLists[] = {
    QStringLiteral(
        "Tavrolin,soccer,tavrolin,calcio,sport,sports,propo,προπο,pro-po,προ-πο,propogol,propogoal,"
        "προπογκολ,toto,totocalcio,tot,tot13,totogol,toto13,quiniela,la quiniela,1X2,lotosportif,"
        "elferwette,totobola,lotto,loto,λοττο,totip,tris,enalotto"),
    QStringLiteral(
        "prediction,previsioni,pronostici,προγνωστικα,results,risultati,αποτελεσματα,sistems,sistemi,"
        "systems,sistema,sistemi1X2,συστηματα,league,classifica,classification,compuret,picchetto,bet,"
        "betting,odds,fixed,fixedodds,fixed odds,fixed-odds"),
    QStringLiteral(
        "betting odds,betting-odds,team,squadra,software,free software,software free,programmi,program,"
        "προγραμματα,club,soccer club,newspaper,giornale,efhmerida,εφημεριδα,filrer,filtri,"
        "condizionamenti,condition,condizioni,on line,online,on-line"),
    QStringLiteral(
        "on line soccer,on line result,online result,statistic,statistica,archive,archivio,αρχειο,"
        "ricevitoria,ricvitorie telematiche,πρακτορειο,gambling,τζογος,campionato,champion,schedina,"
        "schedule,cafe,cafesport,information,informazioni,collettivo"),
};

} // namespace

QString ProductLabel()
{
    return QStringLiteral("Tavrolin");
}

QString HtmlText(const QString &text)
{
    QString html;
    html.reserve(text.size());
    for (char32_t ch : text.toUcs4()) {
        switch (ch) {
        case '&':
            html += QStringLiteral("&amp;");
            break;
        case '<':
            html += QStringLiteral("&lt;");
            break;
        case '>':
            html += QStringLiteral("&gt;");
            break;
        default: {
            const QString one = QString::fromUcs4(&ch, 1);
            html += FitsCodePage(one, CodePage::Windows1253) ? one : QStringLiteral("&#%1;").arg(uint(ch));
        }
        }
    }
    return html;
}

void WriteHtmlMeta(TextFileWriter &F, bool Keywords)
{
    F.WriteLine(ContentTypeLine);
    F.WriteLine(PragmaLine);
    if (!Keywords)
        return;
    for (const QString &list : KeywordLists) {
        F.WriteLine(KeywordsLine);
        F.WriteLine(QStringLiteral("content=\"") + list + QStringLiteral("\">"));
    }
}

THtmlPage::THtmlPage(const QString &path, const QString &title, bool keywords, const QStringList &headLines)
    : file_(path)
{
    file_.WriteLine(QStringLiteral("<HEAD>"));
    file_.WriteLine(QStringLiteral("<TITLE>") + ProductLabel() + QStringLiteral(" : ") + HtmlText(title) +
                    QStringLiteral("</TITLE>"));
    WriteHtmlMeta(file_, keywords);
    for (const QString &line : headLines)
        file_.WriteLine(line);
    file_.WriteLine(QStringLiteral("</HEAD>"));
    file_.WriteLine(QStringLiteral("<BODY>"));
    file_.WriteLine(QStringLiteral("<HTML>"));
}

void THtmlPage::WriteLine(const QString &markup)
{
    file_.WriteLine(markup);
}

void THtmlPage::Close()
{
    file_.WriteLine(QStringLiteral("</BODY>"));
    file_.WriteLine(QStringLiteral("</HTML>"));
    file_.Close();
}

void WriteViewHeadings(THtmlPage &page, const QString &heading, const QString &competition)
{
    page.WriteLine(QStringLiteral("<center><H1>") + HtmlText(heading) + QStringLiteral("</H1><DT>"));
    page.WriteLine(QStringLiteral("<H1>") + HtmlText(competition) + QStringLiteral("</H1><DT>"));
}

void CloseViewPage(THtmlPage &page, bool closingLineInParagraph)
{
    const QString closingLine = QStringLiteral("<A>") + HtmlText(ProductLabel()) + QStringLiteral("</A>");
    page.WriteLine(QStringLiteral("</table>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    page.WriteLine(QStringLiteral("<A HREF=\"javascript:history.back();\"> Back </A>"));
    page.WriteLine(QStringLiteral("</center>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    page.WriteLine(closingLineInParagraph ? QStringLiteral("<P>") + closingLine + QStringLiteral("</P>")
                                          : closingLine);
    page.WriteLine(QStringLiteral("</center>"));
    page.Close();
}

} // namespace tav::report

#include "analysis/analysis_page_frame.h"

#include "report/html_page.h"

namespace tav::analysis {

using report::HtmlText;

void WritePageHeadings(report::THtmlPage &page, const QString &heading, const QString &onomasia)
{
    page.WriteLine(QStringLiteral("<center><H1>") + HtmlText(heading) + QStringLiteral("</H1><DT>"));
    page.WriteLine(QStringLiteral("<H1>") + HtmlText(onomasia) + QStringLiteral("</H1><DT>"));
}

void WritePageEnd(report::THtmlPage &page)
{
    page.WriteLine(QStringLiteral("</table>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    page.WriteLine(QStringLiteral(R"(<A HREF="javascript:history.back();"> Back </A>)"));
    page.WriteLine(QStringLiteral("</center>"));
    page.WriteLine(QStringLiteral("<br><center>"));
    page.WriteLine(QStringLiteral("<A>&copy; ") + HtmlText(report::ProductLabel()) + QStringLiteral("</A>"));
    page.WriteLine(QStringLiteral("</center>"));
    page.Close();
}

} // namespace tav::analysis

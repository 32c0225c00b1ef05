#pragma once

#include "platform/core/text_file.h"

#include <QString>
#include <QStringList>

namespace tav::report {

// The program's name as its pages show it in their titles and closing lines.
QString ProductLabel();

// Text as a web page shows it: &, < and > become entities, and a character that the page's code
// page (1253) cannot hold becomes a numeric character reference, so nothing turns into '?'. The
// pages put names only between tags, never into attributes, so quotes stay as they are.
QString HtmlText(const QString &text);

// The common head lines of every web page: the content type (code page 1253) and no-cache lines,
// and with Keywords four pairs of search-word lines.
void WriteHtmlMeta(TextFileWriter &F, bool Keywords);

// A web page of an export, in code page 1253 with CR LF line ends. Creating it writes the frame's
// head: <HEAD>, the title line with the program's name and the page title, the meta lines,
// the page's own head lines (markup, such as a style block), </HEAD>, <BODY>, <HTML> (the
// program's pages put <BODY> first). The page's own lines follow as markup; Close ends the page with </BODY>
// and </HTML>. An error raises EInOutError; a writer left by an error keeps the file as it was before.
class THtmlPage
{
public:
    THtmlPage(const QString &path, const QString &title, bool keywords, const QStringList &headLines = {});

    // One line of markup, written as it stands: text inside it goes through HtmlText first.
    void WriteLine(const QString &markup);
    void Close();

    const QString &FileName() const { return file_.FileName(); }

private:
    TextFileWriter file_;
};

// The two headings an analysis view's page opens its body with: the view's heading, centred, and
// the competition's name in the language of the page. The texts are escaped.
void WriteViewHeadings(THtmlPage &page, const QString &heading, const QString &competition);

// The end of an analysis view's page after its table rows: the table's end, a link back, the
// program's closing line (in a paragraph of its own when asked), and the page's end; closes it.
void CloseViewPage(THtmlPage &page, bool closingLineInParagraph = false);

} // namespace tav::report

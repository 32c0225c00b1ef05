// The conversion of a results page saved from a web site.

#include "editors/saved_page_convert.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::editors;

namespace {

QString Cell(const QString &text)
{
    return "<TD align=left><A href=\"x\">" + text + "</A></TD>";
}

QString Group(int count)
{
    return QString(49, '-') + " " + QString::number(count);
}

} // namespace

TEST(SavedPageConvertTest, RowsGroupedByTheDatesOfTheHeaders)
{
    const QString header = "<TH class=body_bg_1 align=middle colSpan=4>";
    const QStringList page = {
        "<TABLE>",
        "<TR>",
        Cell("Early"),
        Cell("v"),
        Cell("Bird"),
        "</TR>",
        header + "<FONT color=#ffffff>",
        "Saturday 18 August</FONT></TH>",
        "<TR>",
        Cell("Arsenal"),
        "<TD align=left> v </TD>",
        Cell("Chelsea"),
        "<TD align=right>2-1</TD>",
        "</TR>",
        "<TR>",
        Cell("Leeds"),
        Cell("Everton"),
        "</TR>",
        "<TD><FONT color=#ffffff>",
        "Sunday 19 Nothing</FONT></TH>",
        "<TR>",
        Cell("Fulham"),
        "<TD align=left>Spurs",
        "</TR>",
        header,
        "Monday xx September</TH>",
        "<TR>",
        Cell("Derby"),
        "</TR>",
        header,
        "Monday 30 February</TH>",
        header,
        "Friday 1 March</TH>",
        "<TR>",
        Cell("Milan"),
        "</TR>",
        "</TABLE>",
        header,
    };
    int badDates = 0;
    const QStringList rows = ConvertSavedPage(page, 2003, [&] { ++badDates; });
    EXPECT_EQ(badDates, 3);
    const auto cells = [](const QStringList &texts) {
        QString row;
        for (const QString &text : texts)
            row += text.leftJustified(20);
        return row;
    };
    EXPECT_EQ(rows, QStringList({" " + cells({"Early", "Bird"}), Group(1),
                                 "18/08/2003  " + cells({"Arsenal", "Chelsea"}),
                                 "18/08/2003  " + cells({"Leeds", "Everton"}), Group(2),
                                 // a header naming no month keeps August; a failed header keeps the date
                                 "19/08/2003  " + cells({"Fulham", ""}), "19/08/2003  " + cells({"Derby"}),
                                 Group(2), "01/03/2003  " + cells({"Milan"}), Group(1)}));
}

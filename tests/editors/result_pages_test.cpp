// The dates, the converter of preformatted pages and the walkers of page trees.

#include "editors/result_pages.h"
#include "editors/result_pages_fixture.h"
#include "platform/core/errors.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::editors;
using namespace result_pages;

namespace {

// "!" stands for a date that raises.
struct DateCase
{
    QString text;
    QString expected;
};

void ExpectDates(const std::function<QString(const QString &)> &convert,
                 std::initializer_list<DateCase> cases)
{
    for (const DateCase &c : cases) {
        if (c.expected == "!")
            EXPECT_THROW(convert(c.text), EConvertError) << c.text.toStdString();
        else
            EXPECT_EQ(convert(c.text), c.expected) << c.text.toStdString();
    }
}

QStringList Walk(TPageKind kind, const QByteArray &page, QStringList *errors = nullptr)
{
    TPageWalker walker(kind, QDate::currentDate().year(), [errors](const QString &message) {
        if (errors)
            errors->append(message);
    });
    return walker.Walk(THtmlDocument::Parse(FromCodePage(page, CodePage::Windows1253)));
}

} // namespace

TEST(ResultPagesTest, PageKindsAreReadWithoutCase)
{
    EXPECT_EQ(PageKindOf("ricu"), TPageKind::Ricu);
    EXPECT_EQ(PageKindOf("Phantis"), TPageKind::Phantis);
    EXPECT_EQ(PageKindOf(""), TPageKind::Table);
    EXPECT_EQ(PageKindOf("SOCCERWAY"), TPageKind::Table);
}

TEST(ResultPagesTest, DatesOfTheThreeKindsOfPage)
{
    ExpectDates(RicuDateToText, {{"Aug 18  2002", "18/08/2002"},
                                 {"Nov  3  2001", "03/11/2001"},
                                 {"aug 18  2002", "18/12/2002"},
                                 {"Xyz 5   2002", "05/12/2002"},
                                 {"Aug xx  2002", ""},
                                 {"Aug 18  year", ""},
                                 {"Feb 30  2002", "!"}});
    ExpectDates(UsDateToText, {{"01/05/02", "05/01/2002"},
                               {"12/31/2003", "31/12/2003"},
                               {"1/5/02", ""},
                               {"01/05/", ""},
                               {"02/30/02", "!"}});
    const auto header = [](const QString &text) { return HeaderDateToText(text, 2026); };
    ExpectDates(header, {{"SATURDAY 18 AUGUST", "18/08/2026"},
                         {"SAMSTAG 1 MAY", "01/05/2026"},
                         {"SATURDAY 18 AUGUST 2002", ""},
                         {"SABATO 18 AGOSTO", ""},
                         {"SATURDAY XX AUGUST", ""},
                         {"AUGUST", ""},
                         {"MONDAY 31 APRIL", "!"}});
}

TEST(ResultPagesTest, PreformattedPageBecomesTheTextResultFile)
{
    QTemporaryDir folder;
    const QString raw = folder.filePath("raw.txt");
    const QString text = folder.filePath("text.txt");
    WriteTextLines(raw, QString::fromLatin1(RicuPage()).split('\n'));
    ConvertRicuPage(raw, text);
    EXPECT_EQ(ReadBytes(text), FileBytes(RicuText()));
}

TEST(ResultPagesTest, AnImpossibleDateKeepsTheLinesBeforeItAndAMissingPageWritesNothing)
{
    QTemporaryDir folder;
    const QString raw = folder.filePath("raw.txt");
    const QString text = folder.filePath("text.txt");
    WriteTextLines(raw, {"<HR><P>", "head", RicuMatch("Aug 18  2002", "Arsenal", "Leeds", "1-0"),
                         RicuMatch("Feb 30  2002", "Fulham", "Spurs", "0-0"), ""});
    try {
        ConvertRicuPage(raw, text);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.Message(), "Σφάλμα στην αποθήκευση του αρχείου!");
    }
    EXPECT_EQ(ReadTextLines(text), QStringList{ResultLine("18/08/2002", "Arsenal", "Leeds", "1", "0")});
    EXPECT_THROW(ConvertRicuPage(folder.filePath("none.txt"), folder.filePath("other.txt")), EInOutError);
    EXPECT_FALSE(QFile::exists(folder.filePath("other.txt")));
}

TEST(ResultPagesTest, SecondKindListsItsRowsInReverseWithTheirDayHeaders)
{
    const QByteArray page = PhantisPage().replace('\xB6', '\xA2'); // back to windows-1253 for the parse
    EXPECT_EQ(Walk(TPageKind::Phantis, page), PhantisText());
}

TEST(ResultPagesTest, TablePageTakesItsDatesFromTheHeaderCells)
{
    EXPECT_EQ(Walk(TPageKind::Table, TablePage()), TableText());
}

TEST(ResultPagesTest, AnElementThatFailsIsReportedAndTheWalkGoesOn)
{
    QStringList errors;
    const QByteArray table = "<table><tr><th>Tuesday 31 April</th></tr>"
                             "<tr><td>Derby</td><td>0</td><td>Wolves</td><td>0</td></tr></table>";
    EXPECT_EQ(Walk(TPageKind::Table, table, &errors),
              QStringList{ResultLine("", "Derby", "Wolves", "0", "0")});
    EXPECT_EQ(errors, QStringList{"Παρουσιάστηκε σφάλμα στη αποθήκευση"});

    errors.clear();
    const QByteArray phantis =
        "<table><tr><td>A - B</td><td>1-0</td><td>02/30/02</td><td>03/01/02</td></tr></table>";
    const QStringList lines = Walk(TPageKind::Phantis, phantis, &errors);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Παρουσιάστηκε σφάλμα στη αποθήκευση Η ημερομηνία"))
        << errors[0].toStdString();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("01/03/2002 A")) << lines[0].toStdString();
}

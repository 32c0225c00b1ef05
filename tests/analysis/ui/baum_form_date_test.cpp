// The standings-by-date window over a real database: opening on a league, a cup or a pair without
// competition, dates, orderings by the column titles, name language, the way back to the match
// list, and the printout to PDF.
#include "analysis/ui/baum_form_date.h"

#include "analysis/league_sql_fixture.h"
#include "platform/core/registry.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/printer.h"
#include "platform/ui/up_down_edit.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString League = QStringLiteral("Α Εθνική");
const QString Cup = QStringLiteral("Κύπελλο");
const QString Season = QStringLiteral("2004-05");
const QString NoCompetition = QStringLiteral("Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε");

// Five clubs, Α starting three points down (which the table between dates does not count), title
// place 1, promotion place 1, relegation place 1:
//   1/9/2004 Α-Β 2-1, 8/9 Β-Γ 1-1, 15/9 Γ-Α 0-3, 22/9 Ε-Α not played, 20/10 Α-Δ 5-0
// and a cup of the same season.
class BaumFormDateTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const QList<int> teams = AddLeague(dNo, AddCategory(League), Season,
                                           {QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ"),
                                            QStringLiteral("Δ"), QStringLiteral("Ε")});
        const int A = teams[0], B = teams[1], G = teams[2], D = teams[3], E = teams[4];
        Exec(QStringLiteral("UPDATE PerOmades SET Timvria = -3 WHERE RecNo = ?1"), {A});
        Exec(QStringLiteral(
                 "UPDATE Diorganvseis SET Champions = 1, OmadesUp = 1, OmadesDn = 1 WHERE DNo = ?1"),
             {dNo});
        AddGame(dNo, 1, A, B, QDate(2004, 9, 1), 2, 1);
        AddGame(dNo, 2, B, G, QDate(2004, 9, 8), 1, 1);
        AddGame(dNo, 3, G, A, QDate(2004, 9, 15), 0, 3);
        AddGame(dNo, 4, E, A, QDate(2004, 9, 22));
        AddGame(dNo, 5, A, D, QDate(2004, 10, 20), 5, 0);
        const QList<int> cupTeams =
            AddLeague(cupDNo, AddCategory(Cup, 1), Season, {QStringLiteral("Κ1"), QStringLiteral("Κ2")}, 1);
        AddGame(cupDNo, 1, cupTeams[0], cupTeams[1], QDate(2004, 9, 5), 1, 0);
        Exec(QStringLiteral("INSERT INTO Periodos (Periodos) VALUES ('2005-06')"));
        form = std::make_unique<TBaumFormDate>();
    }

    void TearDown() override
    {
        form.reset();
        Printer().SetOutputFileName(QString());
    }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), category);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), season);
    }

    void Open(const QString &category, const QString &season, const tav::shared::ChooserLists &lists = {})
    {
        Remember(category, season);
        form->InitForm(category, season, lists, [this](QObject *caller) { returns.append(caller); });
    }

    void SetDates(const QDate &first, const QDate &last)
    {
        form->EdtStartAgvn->setDate(first);
        form->AgvnEdit->setDate(last);
    }

    QStringList Column(int col) const
    {
        QStringList cells;
        for (int row = 0; row < form->SGrd->RowCount(); ++row)
            cells.append(form->SGrd->Cells(col, row));
        return cells;
    }

    QStringList Row(int row) const
    {
        QStringList cells;
        for (int col = 0; col < 23; ++col)
            cells.append(form->SGrd->Cells(col, row));
        return cells;
    }

    bool GridEmpty() const { return form->SGrd->RowCount() == 1 && Row(0).join(QString()).isEmpty(); }

    static void ClickSection(TColumnBands *header, int section)
    {
        QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, header->BandRect(section).center());
    }

    // The text colour the cell handler picks for a row.
    QColor TextColor(int row)
    {
        TCanvas canvas;
        canvas.Font.Color = clBlack;
        form->SGrdDrawCell(2, row, form->SGrd->CellRect(2, row), TGridDrawState{}, canvas);
        return canvas.Font.Color;
    }

    const int dNo = 7;
    const int cupDNo = 9;
    std::unique_ptr<TBaumFormDate> form;
    QList<QObject *> returns;
};

TEST_F(BaumFormDateTest, CountsTheLeagueOfTheSeasonAndThenBetweenTheChosenDates)
{
    Open(League, Season);

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->EdtStartAgvn->date(), QDate(2004, 1, 1));
    EXPECT_EQ(form->AgvnEdit->date(), QDate(2005, 12, 31));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία με Ημερομηνίες"));
    EXPECT_EQ(Column(1), (QStringList{"Α", "Β", "Γ", "Ε", "Δ"}));

    SetDates(QDate(2004, 9, 1), QDate(2004, 9, 30));

    EXPECT_EQ(Column(1), (QStringList{"Α", "Β", "Γ", "Ε"}));
    EXPECT_EQ(Row(0).mid(0, 9), (QStringList{" 1", "Α", " 6", " 2", " 2", " 0", " 0", " 5- 1", "  4"}));
    EXPECT_EQ(Row(1)[2], QStringLiteral(" 1"));
    EXPECT_EQ(Row(2)[2], QStringLiteral(" 1"));
    EXPECT_EQ(Row(3)[3], QStringLiteral(" 0"));
    EXPECT_EQ(TextColor(0), QColor(0, 153, 0));
    EXPECT_EQ(TextColor(1), QColor(0, 0, 255));
    EXPECT_EQ(TextColor(2), QColor(Qt::black));
    EXPECT_EQ(TextColor(3), QColor(Qt::black));
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(BaumFormDateTest, ColumnTitlesOrderTheTableAndTheLanguageChangesTheNamesOnly)
{
    Open(League, Season);
    SetDates(QDate(2004, 9, 1), QDate(2004, 9, 30));

    ClickSection(form->HeaderControl2, 6);

    EXPECT_EQ(Column(1), (QStringList{"Β", "Γ", "Α", "Ε"}));
    EXPECT_EQ(Column(0), (QStringList{" 1", " 2", " 3", " 4"}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Ήττες)"));

    QList<QStringList> before;
    for (int row = 0; row < 4; ++row)
        before.append(Row(row));
    QTest::mouseClick(form->GlvsaButtons->button(1), Qt::LeftButton);

    EXPECT_EQ(Column(1), (QStringList{"L-Β", "L-Γ", "L-Α", "L-Ε"}));
    for (int row = 0; row < 4; ++row) {
        QStringList greek = Row(row);
        greek[1] = before[row][1];
        EXPECT_EQ(greek, before[row]) << row;
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Ήττες)"));
}

TEST_F(BaumFormDateTest, StartAfterEndGivesAnEmptyTable)
{
    Open(League, Season);

    SetDates(QDate(2004, 9, 30), QDate(2004, 9, 1));

    EXPECT_TRUE(GridEmpty());
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(BaumFormDateTest, ACupShowsAnEmptyGridAndALeagueTypedInTheComboIsCounted)
{
    Open(Cup, Season);

    EXPECT_TRUE(GridEmpty());
    EXPECT_EQ(messages_.Count(), 0);

    QLineEdit *category = form->DiorgCombo->lineEdit();
    category->setText(League);
    QTest::keyClick(category, Qt::Key_Return);

    EXPECT_EQ(Column(1), (QStringList{"Α", "Β", "Γ", "Ε", "Δ"}));
    EXPECT_TRUE(form->OmiloiEdit->isHidden());
    EXPECT_TRUE(form->Label2->isHidden());
}

// A pair that names no competition shows no table, whatever competition happens to be current.
TEST_F(BaumFormDateTest, APairWithoutCompetitionWarnsAndShowsNoTable)
{
    Open(League, Season);
    form->close();

    Open(League, QStringLiteral("2005-06"));

    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text, NoCompetition);
    EXPECT_TRUE(GridEmpty());
    SetDates(QDate(2004, 9, 1), QDate(2004, 9, 30));
    EXPECT_TRUE(GridEmpty());
}

TEST_F(BaumFormDateTest, OpeningAgainWhileOpenTakesTheMatchListsListsAndKeepsTableAndDates)
{
    Open(League, Season);
    SetDates(QDate(2004, 9, 1), QDate(2004, 9, 30));
    ClickSection(form->HeaderControl2, 6);

    const tav::shared::ChooserLists lists{{Cup, League}, {Season}, {}};
    Open(Cup, Season, lists);

    EXPECT_EQ(form->DiorgCombo->count(), 2);
    EXPECT_EQ(form->DiorgCombo->currentText(), Cup);
    EXPECT_EQ(form->EdtStartAgvn->date(), QDate(2004, 9, 1));
    EXPECT_EQ(form->AgvnEdit->date(), QDate(2004, 9, 30));
    EXPECT_EQ(Column(1), (QStringList{"Β", "Γ", "Α", "Ε"}));
}

TEST_F(BaumFormDateTest, AnyCloseShowsTheMatchListAndRemembersTheChoice)
{
    Open(League, Season);
    QTest::mouseClick(form->AgvnButton, Qt::LeftButton);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(returns, (QList<QObject *>{form->AgvnButton}));

    Open(Cup, Season);
    form->close();

    EXPECT_EQ(returns.size(), 2);
    EXPECT_EQ(TRegIniFile(QStringLiteral("Software\\Tavrolin\\Diorganvsh"))
                  .ReadString(QStringLiteral("Options"), QStringLiteral("NameD"), QString()),
              Cup);
    EXPECT_EQ(TavrolinDM().CurrDiorgName, Cup);
}

// A league of sixty clubs fills more than a page: the first page carries both title lines and the
// date line with the Greek letters, later pages one more empty line and the Latin H, M and E.
TEST_F(BaumFormDateTest, ThePrintoutCarriesTheTitlesTheSeasonAndTheDatesOnEveryPage)
{
    const QString big = QStringLiteral("Γ Εθνική");
    QStringList names;
    for (int i = 1; i <= 60; ++i)
        names.append(QStringLiteral("Σύλλογος%1").arg(i));
    const QList<int> teams = AddLeague(20, AddCategory(big), Season, names);
    for (int i = 0; i < 60; i += 2)
        AddGame(20, 1, teams[i], teams[i + 1], QDate(2004, 9, 5), 1, 0);
    const QString pdf = CurrentTestFolders().Root() + QStringLiteral("/dates.pdf");
    Printer().SetOutputFileName(pdf);
    Open(big, Season);
    SetDates(QDate(2004, 9, 1), QDate(2004, 9, 30));

    QTest::mouseClick(form->BBtnPrint, Qt::LeftButton);

    EXPECT_TRUE(form->isEnabled());
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 2) << PdfText(pdf).toStdString();
    const QStringList firstDates = WordsOf({"ΕΝΑΡΞΗ ΑΠΟ ΗΜΕΡ. : 01/09/2004 ΕΩΣ ΗΜΕΡ. : 30/09/2004"});
    const QStringList laterDates = WordsOf({"ΕΝΑΡΞΗ ΑΠΟ HMEΡ. : 01/09/2004 ΕΩΣ ΗΜΕΡ : 30/09/2004"});
    const QStringList seasonLine = WordsOf({"ΠΕΡΙΟΔΟΣ 2004-05  ΔΙΟΡΓΑΝΩΣΗ Γ Εθνική"});
    const QStringList titles = WordsOf({"ΣΥΝΟΛΙΚΑ ΕΝΤΟΣ ΕΔΡΑΣ ΕΚΤΟΣ ΕΔΡΑΣ"});
    const QStringList columns{"α/α", "Ομάδα", "ΤΕΡ", "ΔΤ"};
    auto gapToProgramLine = [](const PdfPage &page) {
        const qsizetype caption = FindWords(page, WordsOf({"Βαθμολογία με Ημερομηνίες"}));
        const qsizetype program = FindWords(page, WordsOf({"ΠΡΟΓΡΑΜΜΑ Tavrolin"}));
        return caption < 0 || program < 0 ? -1.0
                                          : page.Words[program].Box.top() - page.Words[caption].Box.top();
    };
    for (qsizetype page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        EXPECT_GE(FindWords(pages[page], seasonLine), 0);
        EXPECT_GE(FindWords(pages[page], titles), 0);
        for (const QString &title : columns)
            EXPECT_GE(FindWords(pages[page], {title}), 0) << title.toStdString();
        EXPECT_EQ(FindWords(pages[page], firstDates) >= 0, page == 0);
        EXPECT_EQ(FindWords(pages[page], laterDates) >= 0, page > 0);
    }
    EXPECT_NEAR(gapToProgramLine(pages[1]), 2 * gapToProgramLine(pages[0]), 1.0);
    EXPECT_GE(FindWords(pages[0], WordsOf({"Σύλλογος1"})), 0);
}

} // namespace

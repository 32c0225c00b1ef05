// The team form window over a real database: a side viewed through its picker and view button,
// the figures of its matches, two teams of one name kept apart, the print button that follows the
// view, and a side's printout to PDF.
#include "analysis/ui/pin_form.h"

#include "analysis/league_sql_fixture.h"
#include "controls/styled/sty_button.h"
#include "platform/core/registry.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::analysis;

namespace {

const QString League = QStringLiteral("Α Εθνική");
const QString Season = QStringLiteral("2005-06");
const QString Aris = QStringLiteral("Άρης");
constexpr int dNo = 4;

// Two clubs named Άρης and Βέροια. The first Άρης at home against Βέροια on matchdays 1 to 8:
// one win, three draws, four losses; matchday 9 not played. The second Άρης beats Βέροια once.
class PinFormTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        teams = AddLeague(dNo, AddCategory(League), Season, {Aris, Aris, QStringLiteral("Βέροια")});
        const QList<std::pair<int, int>> scores = {{2, 0}, {1, 1}, {0, 0}, {2, 2},
                                                   {0, 1}, {1, 3}, {0, 2}, {2, 4}};
        for (int i = 0; i < scores.size(); ++i)
            AddGame(dNo, i + 1, teams[0], teams[2], QDate(2005, 9, 1).addDays(7 * i), scores[i].first,
                    scores[i].second);
        AddGame(dNo, 9, teams[0], teams[2], QDate(2005, 11, 1));
        AddGame(dNo, 1, teams[2], teams[1], QDate(2005, 9, 1), 0, 2);
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), League);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), Season);
        form = std::make_unique<TPinForm>();
        form->show();
    }

    void TearDown() override
    {
        form.reset();
        Printer().SetOutputFileName(QString());
        LeagueSqlTest::TearDown();
    }

    // Picks the team of that record in the picker with the keyboard, as a user would.
    static void Pick(TDBLookupComboBox *picker, int recNo)
    {
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Home);
        for (int i = 0; i < picker->count() && picker->KeyValue().toInt() != recNo; ++i)
            QTest::keyClick(picker, Qt::Key_Down);
        ASSERT_EQ(picker->KeyValue().toInt(), recNo);
    }

    // The page's lines from the top, each its words from the left.
    static QStringList Lines(const PdfPage &page)
    {
        QMap<int, QMap<qreal, QString>> rows;
        for (const PdfWord &word : page.Words)
            rows[qRound(word.Box.center().y())][word.Box.left()] = word.Text;
        QStringList lines;
        for (const auto &row : rows)
            lines.append(row.values().join(' '));
        return lines;
    }

    static QStringList Line(const TPinForm::TSide &side, int line)
    {
        QStringList texts;
        for (QLabel *label : side.Figures[std::size_t(line)])
            texts.append(label->text());
        return texts;
    }

    QList<int> teams;
    std::unique_ptr<TPinForm> form;
};

TEST_F(PinFormTest, ViewingASideShowsItsMatchesAndFigures)
{
    EXPECT_EQ(form->windowTitle(), "ΠΙΝΑΚΑΣ ΦΟΡΜΑΣ ΟΜΑΔΑΣ");
    EXPECT_EQ(form->PeriodCombo->currentText(), Season);
    EXPECT_EQ(form->DiorgCombo->currentText(), League);
    EXPECT_FALSE(form->BBtnPrint1->isEnabled());
    EXPECT_FALSE(form->StyButton2->isEnabled());

    Pick(form->DBLookupComboBox1, teams[0]);
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);

    ASSERT_TRUE(TavrolinDM().QryForma.Active());
    EXPECT_EQ(TavrolinDM().QryForma.RecordCount(), 9);
    EXPECT_EQ(form->DBGrid1->CellText(0, 4), "2-0");
    EXPECT_EQ(form->DBGrid1->CellText(0, 5), "");
    // games, points, wins, draws, losses, percentages
    EXPECT_EQ(Line(form->Side(0), 0), (QStringList{"8", "6", "1  -", "3  -", "4", "12 - 38 - 50"}));
    EXPECT_EQ(Line(form->Side(0), 1), (QStringList{"0", "0", "0  -", "0  -", "0", ""}));
    EXPECT_EQ(Line(form->Side(0), 2), (QStringList{"8", "6", "1  -", "3  -", "4", "12 - 38 - 50"}));
    EXPECT_EQ(form->LblA->text(), "8");
    EXPECT_EQ(form->Label7->text(), "12 - 38 - 50");
    // From the newest played: L, L, L, L, D, D.
    EXPECT_EQ(form->Label22->text(), QString::number(0 + 0 + 0 + 0 + 2 + 1));
    EXPECT_TRUE(form->BBtnPrint1->isEnabled());
    EXPECT_FALSE(form->StyButton2->isEnabled());

    // Another pick closes the side's list and turns its printing off; the figures stay.
    Pick(form->DBLookupComboBox1, teams[2]);
    EXPECT_FALSE(TavrolinDM().QryForma.Active());
    EXPECT_FALSE(form->BBtnPrint1->isEnabled());
    EXPECT_EQ(form->LblA->text(), "8");
}

TEST_F(PinFormTest, TwoTeamsOfOneNameKeepTheirOwnMatches)
{
    Pick(form->DBLookupComboBox2, teams[1]);
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);

    EXPECT_EQ(TavrolinDM().QryForma2.RecordCount(), 1);
    EXPECT_EQ(form->DBGrid2->CellText(0, 4), "");
    EXPECT_EQ(form->DBGrid2->CellText(0, 5), "0-2");
    EXPECT_EQ(Line(form->Side(1), 0), (QStringList{"0", "0", "0  -", "0  -", "0", ""}));
    EXPECT_EQ(Line(form->Side(1), 1), (QStringList{"1", "3", "1  -", "0  -", "0", "100 -  0 -  0"}));
    EXPECT_EQ(form->Label26->text(), "18");
    EXPECT_TRUE(form->StyButton2->isEnabled());
    // The side's picker lists the teams by name; the first side's by record.
    EXPECT_EQ(form->DBLookupComboBox2->count(), 3);
}

TEST_F(PinFormTest, ASeasonPickEmptiesThePickersAndKeepsTheViewedList)
{
    Pick(form->DBLookupComboBox1, teams[0]);
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    form->PeriodCombo->setFocus();
    QTest::keyClick(form->PeriodCombo, Qt::Key_Home);
    emit form->PeriodCombo->activated(form->PeriodCombo->currentIndex());

    EXPECT_EQ(form->DBLookupComboBox1->currentIndex(), -1);
    EXPECT_TRUE(TavrolinDM().QryForma.Active());
    EXPECT_TRUE(form->BBtnPrint1->isEnabled());
}

TEST_F(PinFormTest, ASidePrintsItsListUnderTheTitleOfTheViewedTeamWithItsSummary)
{
    Pick(form->DBLookupComboBox1, teams[0]);
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    const QString pdf = CurrentTestFolders().Root() + QStringLiteral("/form.pdf");
    Printer().SetOutputFileName(pdf);

    QTest::mouseClick(form->BBtnPrint1, Qt::LeftButton);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1) << PdfText(pdf).toStdString();
    const QStringList lines = Lines(pages.first());
    const QStringList expected = {
        "ΠΡΟΓΡΑΜΜΑ Tavrolin - Βάση δεδομένων ποδοσφαίρου",
        FormPrintTitle(Season, League, Aris),
        "B A N Ι Η",
        "ΕΠΙΤΥΧΙΕΣ ΕΝΤΟΣ 6 8 1 - 3 - 4 12 - 38 - 50",
        "ΕΠΙΤΥΧΙΕΣ ΕΚΤΟΣ 0 0 0 - 0 - 0",
        "ΕΠΙΤΥΧΙΕΣ ΣΤΟ ΣΥΝΟΛΟ 6 8 1 - 3 - 4 12 - 38 - 50",
        "ΕΙΔΙΚΟΙ ΒΑΘΜΟΙ 3",
    };
    qsizetype after = -1;
    for (const QString &line : expected) {
        const qsizetype at = lines.indexOf(WordsOf({line}).join(' '), after + 1);
        EXPECT_GT(at, after) << line.toStdString() << "\n" << lines.join('\n').toStdString();
        after = std::max(after, at);
    }
    // One line per match under the column titles.
    const QStringList matches = lines.filter(QStringLiteral("Βέροια"));
    ASSERT_EQ(matches.size(), 9);
    EXPECT_TRUE(matches.first().endsWith(" 2-0")) << matches.first().toStdString();
    EXPECT_LT(lines.indexOf(matches.first()), lines.indexOf(QStringLiteral("B A N Ι Η")));
    EXPECT_TRUE(form->isEnabled());
}

} // namespace

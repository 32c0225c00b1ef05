#include "analysis/ui/baum_form.h"

#include "analysis/standings_fixture.h"
#include "platform/core/registry.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/up_down_edit.h"
#include "support/column_bands_check.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

const QString Category = QStringLiteral("Α Εθνική");
const QString Season = QStringLiteral("2004-05");

// The league table window on the four-club league, its competition the remembered choice.
class BaumFormTest : public StandingsDataTest
{
protected:
    void SetUp() override
    {
        StandingsDataTest::SetUp();
        // One title place, one promotion place, one relegation place.
        Exec(
            QStringLiteral("UPDATE Diorganvseis SET Champions = 1, OmadesUp = 1, OmadesDn = 1 WHERE DNo = %1")
                .arg(dNo));
        Remember(Category, Season);
        // The data module asked its questions while the league was entered.
        messages_.Clear();
        form = std::make_unique<TBaumForm>();
    }

    void TearDown() override { form.reset(); }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), category);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), season);
    }

    static QString Remembered(const char *name)
    {
        return TRegIniFile(QStringLiteral("Software\\Tavrolin\\Diorganvsh"))
            .ReadString(QStringLiteral("Options"), QString::fromLatin1(name), QString());
    }

    QString Name(int recNo) const
    {
        const int index = QList<int>{A, B, C, D}.indexOf(recNo);
        return QStringLiteral("Ομάδα %1 %2").arg(dNo).arg(index + 1);
    }

    // The team names of the grid, top to bottom.
    QStringList Names() const
    {
        QStringList names;
        for (int row = 0; row < form->SGrd->RowCount(); ++row)
            names.append(form->SGrd->Cells(1, row));
        return names;
    }

    QStringList Row(int row) const
    {
        QStringList cells;
        for (int col = 0; col < 23; ++col)
            cells.append(form->SGrd->Cells(col, row));
        return cells;
    }

    // A mouse click in the middle of a column title.
    static void ClickSection(TColumnBands *header, int section)
    {
        const QPointF at = header->BandRect(section).center();
        const QPointF global = header->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(header, &press);
        QApplication::sendEvent(header, &release);
    }

    // The text colour the cell handler picks for a row in a drawing state.
    QColor TextColor(int row, TGridDrawState state)
    {
        TCanvas canvas;
        canvas.Font.Color = clBlack;
        form->SGrdDrawCell(2, row, form->SGrd->CellRect(2, row), state, canvas);
        return canvas.Font.Color;
    }

    // Whether text of the cell is drawn in the colour: some pixel lies at least half way from the
    // white cell towards the colour, as the smoothed edges of a glyph drawn in it do.
    static bool DrawnIn(const QColor &pixel, const QColor &color)
    {
        const int p[] = {pixel.red(), pixel.green(), pixel.blue()};
        const int c[] = {color.red(), color.green(), color.blue()};
        double share = 0;
        for (int i = 0; i < 3; ++i)
            if (c[i] < 255)
                share = std::max(share, double(255 - p[i]) / (255 - c[i]));
        if (share < 0.5)
            return false;
        for (int i = 0; i < 3; ++i)
            if (std::abs(p[i] - (255 - share * (255 - c[i]))) > 12)
                return false;
        return true;
    }

    bool CellShows(const QImage &image, int col, int row, const QColor &color) const
    {
        const QRect cell = form->SGrd->CellRect(col, row).ToQRect();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (DrawnIn(image.pixelColor(x, y), color))
                    return true;
        return false;
    }

    std::unique_ptr<TBaumForm> form;
};

TEST_F(BaumFormTest, OpenedFromTheMenuShowsTheRememberedCompetitionAtItsCurrentMatchday)
{
    form->ShowForCompetition();

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία"));
    EXPECT_EQ(form->DiorgCombo->currentText(), Category);
    EXPECT_EQ(form->PeriodCombo->currentText(), Season);
    EXPECT_EQ(form->AgvnEdit->Position(), 3);
    EXPECT_EQ(form->AgvnEdit->Max(), 6);
    EXPECT_EQ(form->EdtStartAgvn->Position(), 1);
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(C), Name(D), Name(B)}));
    EXPECT_EQ(Row(0), (QStringList{" 1", Name(A), " 7", " 3", " 2", " 1", " 0", " 5- 2", "  3"}
                       << QStringList{" 6", " 2", " 2", " 0", " 0", " 3- 0", "  3"}
                       << QStringList{" 1", " 1", " 0", " 1", " 0", " 2- 2", "  0"}));
    EXPECT_EQ(Row(2)[2], QStringLiteral(" 0")); // D: two points down at the start
    EXPECT_EQ(Row(3)[8], QStringLiteral(" -5"));
    EXPECT_EQ(TeamStatRows(3), ExpectedMatchday3());
    EXPECT_EQ(messages_.Texts(), QStringList{});
}

TEST_F(BaumFormTest, ClickingColumnTitlesReordersTheTableAndNamesTheOrdering)
{
    form->ShowForCompetition();

    ClickSection(form->HeaderControl2, 6); // Η: losses
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Ήττες)"));
    EXPECT_EQ(Names(), (QStringList{Name(B), Name(C), Name(D), Name(A)}));
    EXPECT_EQ(form->SGrd->Cells(0, 0), QStringLiteral(" 1"));

    ClickSection(form->HeaderControl2, 9); // Β of the home block: home points
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Εντός έδρας)"));
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(D), Name(C), Name(B)}));

    ClickSection(form->HeaderControl2, 3); // matches played orders nothing
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Εντός έδρας)"));
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(D), Name(C), Name(B)}));

    ClickSection(form->HeaderControl2, 2); // Β: points again, without a new computation
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία"));
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(C), Name(D), Name(B)}));
}

TEST_F(BaumFormTest, ANewComputationShowsTheNormalOrderAndSaysSo)
{
    struct Case
    {
        const char *name;
        std::function<void(TBaumForm &)> recompute;
    };
    const Case cases[] = {
        {"another matchday", [](TBaumForm &baum) { baum.AgvnEdit->SetPosition(2); }},
        {"another start", [](TBaumForm &baum) { baum.EdtStartAgvn->SetPosition(2); }},
        {"reopening",
         [](TBaumForm &baum) {
             baum.close();
             baum.ShowForCompetition();
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        form->ShowForCompetition();
        form->AgvnEdit->SetPosition(3);
        ClickSection(form->HeaderControl2, 6); // Η: losses
        ASSERT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία (Ήττες)"));

        c.recompute(*form);

        EXPECT_EQ(form->windowTitle(), QStringLiteral("Βαθμολογία"));
        form->close();
        form->EdtStartAgvn->SetPosition(1);
    }
    // The last table shown is in the normal order: points first.
    form->ShowForCompetition();
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(C), Name(D), Name(B)}));
}

// The block captions and the column titles lie over the grid's own columns, the last block and
// its "ΔΤ" title ending with the last column, whatever the window's size, the scrolling or the font.
TEST_F(BaumFormTest, CaptionsAndTitlesLieOverTheirColumns)
{
    form->resize(1400, 600);
    form->ShowForCompetition();
    ASSERT_TRUE(form->isVisible());
    const auto expectInLine = [this](const char *when) {
        EXPECT_EQ(BandsOffTheirColumns(*form->HeaderControl1, *form->SGrd), QStringList()) << when;
        EXPECT_EQ(BandsOffTheirColumns(*form->HeaderControl2, *form->SGrd), QStringList()) << when;
    };
    expectInLine("wide window");
    ASSERT_EQ(form->HeaderControl1->Bands().size(), 4);
    EXPECT_EQ(form->HeaderControl1->Bands().last().Caption, QStringLiteral("ΕΚΤΟΣ ΕΔΡΑΣ"));
    EXPECT_EQ(form->HeaderControl1->Bands().last().LastColumn, 22);
    const TColumnBands::TBand &last = form->HeaderControl2->Bands().last();
    EXPECT_EQ(last.Caption, QStringLiteral("ΔΤ"));
    EXPECT_EQ(last.FirstColumn, 22);
    const QRect lastTitle = form->HeaderControl2->BandRect(22);
    EXPECT_LE(lastTitle.right(), form->HeaderControl2->width()) << "the last title is whole";

    form->SGrd->SetColWidth(1, 1500); // a name column wider than the window
    expectInLine("a wider column");
    QApplication::processEvents();
    QScrollBar *scroll = form->SGrd->horizontalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum());
    expectInLine("scrolled to the end");

    QFont bigger = form->font();
    bigger.setPointSize(bigger.pointSize() + 6);
    form->setFont(bigger);
    QApplication::processEvents();
    expectInLine("bigger font");
}

TEST_F(BaumFormTest, PlacesAreColouredForTitlePromotionAndRelegation)
{
    form->ShowForCompetition();

    const QColor green(0, 153, 0);
    EXPECT_EQ(TextColor(0, {}), green);
    EXPECT_EQ(TextColor(1, {}), clBlue);
    EXPECT_EQ(TextColor(2, {}), clBlack);
    EXPECT_EQ(TextColor(3, {}), clRed);
    EXPECT_EQ(TextColor(0, {gdSelected, gdFocused}), green);
    // A cell selected alone or focused alone keeps the grid's colours.
    EXPECT_EQ(TextColor(0, {gdSelected}), clBlack);
    EXPECT_EQ(TextColor(3, {gdFocused}), clBlack);

    // On screen: the points cells of the four rows.
    form->SGrd->clearSelection();
    form->SGrd->setCurrentIndex({});
    const QImage image = form->SGrd->viewport()->grab().toImage();
    EXPECT_TRUE(CellShows(image, 2, 0, green));
    EXPECT_TRUE(CellShows(image, 2, 1, clBlue));
    EXPECT_TRUE(CellShows(image, 2, 3, clRed));
    EXPECT_FALSE(CellShows(image, 2, 2, clRed));
    EXPECT_FALSE(CellShows(image, 2, 2, clBlue));
}

TEST_F(BaumFormTest, TheColoursFollowThePlaceAfterAnOrdering)
{
    form->ShowForCompetition();
    form->HeaderControl2SectionClick(6);

    ASSERT_EQ(form->SGrd->Cells(1, 0), Name(B));
    EXPECT_EQ(TextColor(0, {}), QColor(0, 153, 0));
    EXPECT_EQ(TextColor(3, {}), clRed);
}

TEST_F(BaumFormTest, LatinNamesRewriteOnlyTheNames)
{
    form->ShowForCompetition();
    const QStringList greekRow = Row(1);

    form->GlvsaButtons->button(1)->click();

    QStringList latinRow = greekRow;
    latinRow[1] = QStringLiteral("T%1 3").arg(dNo);
    EXPECT_EQ(Row(1), latinRow);
}

TEST_F(BaumFormTest, AMatchdayWithoutMatchesEmptiesTheGridAndAnotherRecomputes)
{
    form->ShowForCompetition();

    form->AgvnEdit->SetPosition(5);
    EXPECT_EQ(form->SGrd->RowCount(), 1);
    EXPECT_EQ(form->SGrd->Cells(1, 0), QString());

    form->AgvnEdit->SetPosition(1);
    EXPECT_EQ(form->SGrd->RowCount(), 4);
    EXPECT_EQ(form->SGrd->Cells(1, 0), Name(A));
    EXPECT_EQ(TeamStatRows(1).size(), 4);

    // Counting from matchday 2 on: matchday 1 has no match any more.
    form->EdtStartAgvn->SetPosition(2);
    EXPECT_EQ(form->SGrd->RowCount(), 1);
    form->AgvnEdit->SetPosition(2);
    EXPECT_EQ(form->SGrd->Cells(1, 0), Name(C)); // C won 3-0 at B on matchday 2
}

TEST_F(BaumFormTest, OpenedFromTheMatchListShowsItsMatchdayAndClosingBringsItBack)
{
    const tav::shared::ChooserLists lists{
        {QStringLiteral("Άλλη"), Category}, {QStringLiteral("2005-06"), Season}, {Category, Season}};
    QObject *broughtBackBy = nullptr;
    tav::shared::CompetitionHandover handedBack;
    form->ShowForCompetition(lists, dNo, 2,
                             [&](QObject *caller, const tav::shared::CompetitionHandover &choice) {
                                 broughtBackBy = caller;
                                 handedBack = choice;
                             });

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->DiorgCombo->count(), 2);
    EXPECT_EQ(form->DiorgCombo->currentText(), Category);
    EXPECT_EQ(form->PeriodCombo->currentText(), Season);
    EXPECT_EQ(form->AgvnEdit->Position(), 2);
    EXPECT_EQ(form->SGrd->Cells(1, 0), Name(C));
    EXPECT_EQ(TeamStatRows(2).size(), 4);
    EXPECT_TRUE(TeamStatRows(3).isEmpty());

    Remember(QString(), QString());
    form->AgvnButton->click();

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(broughtBackBy, form->AgvnButton);
    EXPECT_EQ(handedBack.Lists.Categories, (QStringList{QStringLiteral("Άλλη"), Category}));
    EXPECT_EQ(handedBack.Lists.Chosen.Category, Category);
    EXPECT_EQ(handedBack.Lists.Seasons, (QStringList{QStringLiteral("2005-06"), Season}));
    EXPECT_EQ(handedBack.Lists.Chosen.Season, Season);
    EXPECT_EQ(handedBack.Matchday, QStringLiteral("2"));
    EXPECT_EQ(Remembered("NameD"), Category);
    EXPECT_EQ(Remembered("NameP"), Season);
    EXPECT_EQ(TavrolinDM().CurrDiorgName, Category);
    EXPECT_EQ(TavrolinDM().CurrPeriodos, Season);
}

TEST_F(BaumFormTest, AMatchAgainstAClubOfAnotherCompetitionIsNamedOnce)
{
    const int other = AddCategory(QStringLiteral("Β Εθνική"), country);
    const QList<int> others = AddCompetitionWithTeams(country, other, Season, 2);
    // Entered behind the program's back: the data module refuses such a match.
    Exec(QStringLiteral(
             "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
             "TelFGoals, Date) VALUES (%1, 2, %2, %3, 0, 4, 0, '2004-09-12')")
             .arg(dNo)
             .arg(A)
             .arg(others[0]));
    messages_.Clear();

    form->ShowForCompetition();
    form->ShowRound(dNo, 3);

    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().icon, mtWarning);
    EXPECT_EQ(messages_.Last().text,
              QStringLiteral("Ο αγώνας %1 - Ομάδα %2 1 της 2ης αγωνιστικής (12/09/2004) δεν "
                             "μετράει στη βαθμολογία, γιατί μία από τις δύο ομάδες του "
                             "δεν ανήκει στη διοργάνωση.")
                  .arg(Name(A))
                  .arg(dNo + 1));
    EXPECT_EQ(form->SGrd->Cells(2, 0), QStringLiteral(" 7"));
}

TEST_F(BaumFormTest, ChoosingASeasonWithoutTheCompetitionWarnsAndKeepsTheTable)
{
    form->ShowForCompetition();
    form->ChkD->setChecked(true);
    form->PeriodCombo->setCurrentIndex(form->PeriodCombo->findText(QStringLiteral("2005-06")));

    form->PeriodComboChange();

    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text,
              QStringLiteral("Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε"));
    EXPECT_EQ(messages_.Last().icon, mtWarning);
    EXPECT_EQ(Names(), (QStringList{Name(A), Name(C), Name(D), Name(B)}));
    EXPECT_EQ(Remembered("NameP"), QStringLiteral("2005-06"));
}

TEST_F(BaumFormTest, ACupEmptiesTheGrid)
{
    form->ShowForCompetition();
    Exec(QStringLiteral("UPDATE Diorganvseis SET Typos = 1 WHERE DNo = %1").arg(dNo));
    Exec(QStringLiteral("DELETE FROM TeamStat"));

    form->ShowRound(dNo, 3);

    EXPECT_EQ(form->SGrd->RowCount(), 1);
    EXPECT_EQ(form->SGrd->Cells(1, 0), QString());
    EXPECT_TRUE(TeamStatRows(3).isEmpty());
}

TEST_F(BaumFormTest, AMatchdayAboveTheHighestShowsTheHighest)
{
    ASSERT_TRUE(InsertMatch(dNo, 6, C, A, QDate(2004, 10, 24), 0, 0));
    form->ShowForCompetition();

    form->ShowRound(dNo, 9);

    EXPECT_EQ(form->AgvnEdit->Position(), 6);
    EXPECT_EQ(TeamStatRows(6).size(), 4);
}

} // namespace

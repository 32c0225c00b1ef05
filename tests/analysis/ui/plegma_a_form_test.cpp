// The results cross-table window over a real database: opening from the menu and from the match
// list, the matchday boxes and views through real keys and clicks, the cell colours, a cup, the
// way back to the match list and the printout to PDF.
#include "analysis/ui/plegma_a_form.h"

#include "analysis/league_sql_fixture.h"
#include "controls/styled/sty_button.h"
#include "platform/core/codepage.h"
#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "platform/ui/printer.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/up_down_edit.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString League = QStringLiteral("Α Εθνική");
const QString Cup = QStringLiteral("Κύπελλο");
const QString Season = QStringLiteral("2004-05");

// Four clubs over six matchdays, played to matchday 3:
//   1: Α-Β 2-1, Γ-Δ 1-2   2: Β-Γ 1-1, Δ-Α 0-3   3: Α-Γ 0-0, Β-Δ 2-0   4: Γ-Α, Δ-Β   5: Β-Α   6: Δ-Γ
// and a cup of the same season.
class PlegmaAFormTest : public LeagueSqlTest
{
protected:
    void SetUp() override
    {
        LeagueSqlTest::SetUp();
        const QList<int> t =
            AddLeague(dNo, AddCategory(League), Season,
                      {QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ"), QStringLiteral("Δ")});
        A = t[0], B = t[1], G = t[2], D = t[3];
        const QDate day(2004, 9, 1);
        AddGame(dNo, 1, A, B, day, 2, 1);
        AddGame(dNo, 1, G, D, day, 1, 2);
        AddGame(dNo, 2, B, G, day.addDays(7), 1, 1);
        AddGame(dNo, 2, D, A, day.addDays(7), 0, 3);
        AddGame(dNo, 3, A, G, day.addDays(14), 0, 0);
        AddGame(dNo, 3, B, D, day.addDays(14), 2, 0);
        AddGame(dNo, 4, G, A, day.addDays(21));
        AddGame(dNo, 4, D, B, day.addDays(21));
        AddGame(dNo, 5, B, A, day.addDays(28));
        AddGame(dNo, 6, D, G, day.addDays(35));
        const QList<int> cup =
            AddLeague(cupDNo, AddCategory(Cup, 1), Season, {QStringLiteral("Κ1"), QStringLiteral("Κ2")}, 1);
        AddGame(cupDNo, 1, cup[0], cup[1], day, 1, 0);
        form = std::make_unique<TPlegmaAForm>();
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

    void Open(const QString &category, const std::optional<QString> &listMatchday = std::nullopt)
    {
        Remember(category, Season);
        form->ShowGrid(listMatchday,
                       [this](QObject *caller, const tav::shared::CompetitionHandover &handover) {
                           returns.append({caller, handover.Matchday});
                       });
    }

    QString Cell(int col, int row) const { return form->PlegmaGrid->Cells(col, row); }
    // The row of a team by its name.
    int RowOf(const QString &name) const
    {
        for (int row = 6; row < form->PlegmaGrid->RowCount(); ++row)
            if (Cell(5, row) == name)
                return row;
        return -1;
    }
    QString Crossing(const QString &home, const QString &away) const
    {
        return Cell(RowOf(away), RowOf(home));
    }

    static QString Home(const QString &file)
    {
        return QDir(CurrentTestFolders().ProgramHome()).filePath(file);
    }

    static QStringList Lines(const QString &file)
    {
        QFile text(Home(file));
        EXPECT_TRUE(text.open(QIODevice::ReadOnly)) << file.toStdString();
        return FromCodePage(text.readAll(), CodePage::Windows1253).split(QStringLiteral("\r\n"));
    }

    MessageRecorder messages;
    std::unique_ptr<TPlegmaAForm> form;
    QList<std::pair<QObject *, QString>> returns;
    int A = 0, B = 0, G = 0, D = 0;
    static constexpr int dNo = 12;
    static constexpr int cupDNo = 1;
};

// From the menu the window counts up to the next matchday, whose matches show "?-?".
TEST_F(PlegmaAFormTest, FromTheMenuUpToTheNextMatchday)
{
    Open(League);
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->AgvnEdit->Text(), "4");
    EXPECT_EQ(form->EdtAgvnStart->Text(), "1");
    EXPECT_EQ(form->PlegmaGrid->RowCount(), 10);
    EXPECT_EQ(form->PlegmaGrid->ColCount(), 10);
    // Α 7 points, Β 4, Δ 3, Γ 2.
    EXPECT_EQ((QStringList{Cell(5, 6), Cell(5, 7), Cell(5, 8), Cell(5, 9)}),
              (QStringList{"Α", "Β", "Δ", "Γ"}));
    EXPECT_EQ(Crossing("Α", "Β"), " 2- 1");
    EXPECT_EQ(Crossing("Γ", "Α"), "?-?");
    EXPECT_EQ(Crossing("Β", "Α"), "");
    EXPECT_EQ(Cell(1, RowOf("Α")), " 7");
}

// From the match list on a matchday the window counts up to it; the start box narrows the range,
// letters typed change nothing, and a view picked by mouse keeps both matchdays.
TEST_F(PlegmaAFormTest, MatchdayBoxesAndViewsThroughKeysAndClicks)
{
    Open(League, QStringLiteral("2"));
    EXPECT_EQ(form->AgvnEdit->Text(), "2");
    EXPECT_EQ(Crossing("Α", "Γ"), "");
    EXPECT_EQ(Cell(1, RowOf("Α")), " 6");

    form->EdtAgvnStart->Edit->selectAll();
    QTest::keyClicks(form->EdtAgvnStart->Edit, QStringLiteral("2x"));
    EXPECT_EQ(form->EdtAgvnStart->Text(), "2");
    EXPECT_EQ(Crossing("Α", "Β"), "");
    EXPECT_EQ(Cell(1, RowOf("Α")), " 3");

    form->AgvnEdit->Edit->selectAll();
    QTest::keyClicks(form->AgvnEdit->Edit, QStringLiteral("3"));
    EXPECT_EQ(Crossing("Α", "Γ"), " 0- 0");

    QTest::mouseClick(form->ViewButtons->button(0), Qt::LeftButton);
    EXPECT_EQ((QStringList{Cell(5, 6), Cell(5, 7), Cell(5, 8), Cell(5, 9)}),
              (QStringList{"Α", "Β", "Γ", "Δ"}));
    EXPECT_EQ(form->AgvnEdit->Text(), "3");
    EXPECT_EQ(form->EdtAgvnStart->Text(), "2");
    // An emptied box reads "1".
    form->AgvnEdit->Edit->selectAll();
    QTest::keyClick(form->AgvnEdit->Edit, Qt::Key_Backspace);
    EXPECT_EQ(form->AgvnEdit->Text(), "1");
}

// The painter: draws and coming matches white on dark green, away wins red, home wins blue, own
// cells black, the statistics frame amber.
TEST_F(PlegmaAFormTest, CellColours)
{
    Open(League);
    struct Paint
    {
        QColor back;
        QColor text;
    };
    auto paint = [this](int col, int row) {
        TCanvas canvas;
        form->PlegmaGridDrawCell(col, row, form->PlegmaGrid->CellRect(col, row), canvas);
        return Paint{canvas.Brush.Color, canvas.Font.Color};
    };
    const QColor green(11, 79, 35);
    const int a = RowOf("Α"), b = RowOf("Β"), g = RowOf("Γ"), d = RowOf("Δ");
    EXPECT_EQ(paint(b, a).text, QColor(0, 0, 255));
    EXPECT_EQ(paint(d, g).text, QColor(255, 0, 0));
    EXPECT_EQ(paint(g, a).back, green);
    EXPECT_EQ(paint(g, a).text, QColor(Qt::white));
    EXPECT_EQ(paint(a, g).back, green);
    EXPECT_EQ(paint(a, a).back, QColor(Qt::black));
    EXPECT_EQ(paint(0, 7).back, QColor(248, 191, 36));
    EXPECT_EQ(paint(2, 7).text, QColor(0, 0, 255));
    EXPECT_EQ(paint(7, 2).text, QColor(255, 0, 0));
}

// A cup empties the grid to one row; a competition change resets the last matchday.
TEST_F(PlegmaAFormTest, CupEmptiesTheGridAndAChangeResetsTheMatchday)
{
    Open(League, QStringLiteral("2"));
    form->DiorgCombo->setCurrentText(Cup);
    form->Chooser->DiorgComboChange();
    EXPECT_EQ(form->PlegmaGrid->RowCount(), 1);
    form->DiorgCombo->setCurrentText(League);
    form->Chooser->DiorgComboChange();
    EXPECT_EQ(form->AgvnEdit->Text(), "4");
    EXPECT_EQ(form->PlegmaGrid->RowCount(), 10);
}

// Closing hands the choice and the matchday back and remembers the pair.
TEST_F(PlegmaAFormTest, ClosingHandsTheMatchdayBack)
{
    Open(League, QStringLiteral("3"));
    QTest::mouseClick(form->BtnBack, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(returns.size(), 1);
    EXPECT_EQ(returns[0].first, form.get());
    EXPECT_EQ(returns[0].second, "3");
    EXPECT_EQ(TavrolinDM().CurrDiorgName, League);
    EXPECT_EQ(TavrolinDM().CurrPeriodos, Season);
}

// The printout carries the window's line with season, competition and matchday, the names and
// the scores.
TEST_F(PlegmaAFormTest, PrintsTheGrid)
{
    const QString pdf = CurrentTestFolders().Root() + QStringLiteral("/plegma.pdf");
    Printer().SetOutputFileName(pdf);
    Open(League);
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(form->isEnabled());
    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 1) << PdfText(pdf).toStdString();
    EXPECT_GE(FindWords(pages[0], WordsOf({"Περίοδος : 2004-05"})), 0) << PdfText(pdf).toStdString();
    EXPECT_GE(FindWords(pages[0], WordsOf({"Αγωνιστική : 4"})), 0);
    EXPECT_GE(FindWords(pages[0], {"?-?"}), 0);
}

// The bulk export writes every ticked league in three languages, numbered pages in htm1, and
// passes over the cup; the English and Italian pages take English team and category names.
TEST_F(PlegmaAFormTest, TheBulkExportWritesEveryLeagueInThreeLanguages)
{
    Exec(QStringLiteral("UPDATE Krath SET Kode = 'GR'"));
    Exec(QStringLiteral(
        "UPDATE Kathgories SET Kode = '1', EnName = 'First Division', ItName = 'Prima Divisione'"));
    TMassSaveForm &mass = *MassSaveForm();
    mass.FormCreate();
    mass.PeriodCombo->setCurrentText(Season);
    mass.PeriodComboChange();
    for (const QString &name : {League, Cup}) {
        const QList<QListWidgetItem *> items = mass.DiorgListBox->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setCheckState(Qt::Checked);
    }
    for (QCheckBox *box : {mass.CheckBoxGR, mass.CheckBoxEn, mass.CheckBoxIt, mass.CheckBoxHtm})
        box->setChecked(true);
    mass.CheckBoxTxt->setChecked(false);
    mass.CheckBoxDoc->setChecked(false);
    mass.NumberButtons->button(1)->setChecked(true);

    form->ExportAll();

    EXPECT_EQ(QDir(Home("htm1")).entryList(QDir::Files),
              QStringList({"engrp1a01s.html", "grgrp1a01s.html", "itgrp1a01s.html"}));
    const QStringList greek = Lines("htm1/grgrp1a01s.html");
    EXPECT_TRUE(greek.contains("<H1>4η Αγωνιστική (22/09/2004)</H1><DT>")) << greek.join('\n').toStdString();
    EXPECT_TRUE(greek.contains("<H1>2004-05, Α Εθνική</H1>"));
    EXPECT_TRUE(greek.contains("<TH width=\"28\" height=\"55\"><span class=\"myStyle\">Α</SPAN></TH>"));
    for (const char *page : {"htm1/engrp1a01s.html", "htm1/itgrp1a01s.html"}) {
        const QStringList lines = Lines(page);
        EXPECT_TRUE(lines.contains("<TH width=\"28\" height=\"55\"><span class=\"myStyle\">L-Α</SPAN></TH>"))
            << page;
        EXPECT_FALSE(lines.contains("<style>"));
    }
    EXPECT_TRUE(Lines("htm1/engrp1a01s.html").contains("<H1>2004-05, First Division</H1>"));
    EXPECT_TRUE(Lines("htm1/itgrp1a01s.html").contains("<H1>2004-05, Prima Divisione</H1>"));
    // The window follows the last competition visited: the cup leaves it empty, the league with
    // its Greek names again.
    EXPECT_EQ(form->PlegmaGrid->RowCount(), 1);
    mass.DiorgListBox->findItems(Cup, Qt::MatchExactly).first()->setCheckState(Qt::Unchecked);
    form->ExportAll();
    EXPECT_GT(RowOf("Α"), 0);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('|').toStdString();
}

} // namespace

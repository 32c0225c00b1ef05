// The head-to-head history window: its grid, its printout, its save and its bulk export.
#include "analysis/proistoria_fixture.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "platform/core/codepage.h"
#include "platform/ui/printer.h"
#include "report/matchday_export.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString Season = QStringLiteral("2004-05");

// Matchday 12 of a league of 2004-05 (country GR, category code A, file name gre, named "Alpha"
// abroad): two matches, the first played, whose clubs met in 2001-02 and 2002-03; and a second
// league whose every matchday is played.
class AgvnProistoriaFormTest : public ProistoriaTest
{
protected:
    void SetUp() override
    {
        ProistoriaTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        Rows("UPDATE Krath SET Kode = 'GR' WHERE RecNo = ?1", {greece});
        const int league01 = AddCompetition(greece, "Α 01", "2001-02", 0);
        const int league02 = AddCompetition(greece, "Α 02", "2002-03", 0);
        league_ = AddCompetition(greece, "Α Εθνική", Season, 0);
        finished_ = AddCompetition(greece, "Β Εθνική", Season, 0);
        Rows("UPDATE Kathgories SET Kode = 'A', EnName = 'Alpha' WHERE GrName = 'Α Εθνική'");
        Rows("UPDATE Kathgories SET Kode = 'B' WHERE GrName = 'Β Εθνική'");
        Rows("UPDATE Diorganvseis SET FileName = 'gre' WHERE DNo = ?1", {league_});
        for (int i = 1; i <= 4; ++i) {
            const int club = AddTeam(greece, QString("Κ%1").arg(i), QString("C%1").arg(i));
            for (int dNo : {league01, league02, league_, finished_})
                teams_[dNo].append(Enter(dNo, club));
        }
        Meet(league01, 3, 0, 1, {2001, 10, 7}, 2, 1);
        Meet(league02, 4, 1, 0, {2002, 10, 13}, 0, 0);
        Meet(league02, 5, 2, 3, {2002, 10, 20}, 3, 1);
        Meet(league_, 12, 0, 1, {2005, 3, 6}, 1, 0);
        Meet(league_, 12, 2, 3, {2005, 3, 6});
        Meet(league_, 13, 1, 0, {2005, 3, 13});
        Meet(finished_, 1, 0, 1, {2004, 9, 5}, 2, 2);
        tav::report::ApplyMatchdayRange(Dm().Agvnes, league_, 12, QVariant());
        Dm().Diorganvseis.Locate("DNo", {league_});
        messages_.Clear();
    }

    void TearDown() override
    {
        Printer().SetOutputFileName(QString());
        ProistoriaTest::TearDown();
    }

    void Meet(int dNo, int day, int a, int b, const QDate &date, const QVariant &home = {},
              const QVariant &away = {})
    {
        // League matches have no group.
        AddMatch(dNo, day, teams_[dNo].at(a), teams_[dNo].at(b), date, home, away, QVariant());
    }

    QStringList GridRow(int row) const
    {
        QStringList cells;
        for (int col = 0; col < form.ProistoriaGrid->ColCount(); ++col)
            cells.append(form.ProistoriaGrid->Cells(col, row));
        return cells;
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

    int league_ = 0;
    int finished_ = 0;
    QMap<int, QList<int>> teams_;
    TAgvnProistoriaForm form;
};

// Confirms the export options with Greek and English and the kinds given.
void AnswerExportOptions(bool text, bool pages, bool desktop, const QString &name = "hist")
{
    QTimer::singleShot(0, [=] {
        TFileSaveForm *options = FileSaveForm();
        options->CheckBoxGR->setChecked(true);
        options->CheckBoxEn->setChecked(true);
        options->CheckBoxIt->setChecked(false);
        options->CheckBoxTxt->setChecked(text);
        options->CheckBoxHtm->setChecked(pages);
        options->CheckBoxDoc->setChecked(desktop);
        options->FNameEdit->setText(name);
        QTest::mouseClick(options->OkBtn, Qt::LeftButton);
    });
}

// The horizontal rules on the first page of a PDF file rendered at 150 dots per inch: the runs of
// neighbouring pixel lines that hold a stretch of ink at least as long as the given inches. A rule
// thinner than a pixel shows light grey, so any pixel short of white counts.
int RulesOnFirstPage(const QString &pdf, double inches)
{
    const int dotsPerInch = 150;
    QProcess::execute("pdftoppm", {"-gray", "-r", QString::number(dotsPerInch), "-f", "1", "-l", "1",
                                   "-singlefile", pdf, pdf});
    const QImage page(pdf + ".pgm");
    int rules = 0;
    bool previous = false;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        int longest = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = qGray(page.pixel(x, y)) < 240 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        const bool ruled = longest >= inches * dotsPerInch;
        if (ruled && !previous)
            ++rules;
        previous = ruled;
    }
    return rules;
}

} // namespace

TEST_F(AgvnProistoriaFormTest, TheMatchdayShowsTwoRowsPerMatchAndAColumnPerSeason)
{
    form.ShowHistory("12");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Προϊστορία Αγώνων");
    EXPECT_EQ(form.AgvnLabel->text(), "Αγωνιστική 12η");
    EXPECT_EQ(form.StyButton1->text(), "ΕΚΤΥΠΩΣΗ");
    ASSERT_EQ(form.ProistoriaGrid->RowCount(), 5);
    ASSERT_EQ(form.ProistoriaGrid->ColCount(), 10);
    EXPECT_EQ(GridRow(0),
              QStringList({"", "2001-02", "2002-03", "2004-05", "N", "I", "H", "ΓΥ", "ΓΚ", "Σκόρ"}));
    // The draw of the other league of the season counts too.
    EXPECT_EQ(GridRow(1), QStringList({"Κ1 - Κ2", " 2- 1", "-", " 2- 2", "1", "1", "0", "4", "3", " 1- 0"}));
    EXPECT_EQ(GridRow(2), QStringList({"Κ2-Κ1", "-", " 0- 0", "-", "0", "1", "0", "0", "0", ""}));
    EXPECT_EQ(GridRow(3), QStringList({"Κ3 - Κ4", "-", " 3- 1", "-", "1", "0", "0", "3", "1", "? - ?"}));
    EXPECT_EQ(GridRow(4), QStringList({"Κ4-Κ3", "-", "-", "-", "0", "0", "0", "0", "0", ""}));
    const int widths[10] = {200, 60, 60, 60, 25, 25, 25, 30, 30, 60};
    for (int col = 0; col < 10; ++col)
        EXPECT_EQ(form.ProistoriaGrid->ColWidths(col), widths[col]) << col;
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

TEST_F(AgvnProistoriaFormTest, APrintoutCarriesTheTitlesTheHeaderAndEveryRow)
{
    form.ShowHistory("12");
    const QString pdf = CurrentTestFolders().Root() + "/history.pdf";
    Printer().SetOutputFileName(pdf);
    QTest::mouseClick(form.StyButton1, Qt::LeftButton);
    ASSERT_EQ(PdfPages(pdf).size(), 1) << PdfText(pdf).toStdString();
    const QString text = PdfText(pdf).simplified();
    for (const QString &line :
         {QString("ΠΡΟΓΡΑΜΜΑ Tavrolin"), "Προϊστορία Αγώνων " + QDate::currentDate().toString("dd/MM/yyyy"),
          QString("2004-05, Α Εθνική Αγωνιστική 12η"), QString("2001-02 2002-03 2004-05 N I H ΓΥ ΓΚ Σκόρ"),
          QString("Κ1 - Κ2"), QString("Κ4-Κ3")})
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << '\n' << text.toStdString();
    // A rule under the header and under each of the four rows, longer than the title column (200
    // screen pixels: 2.1 inches).
    EXPECT_EQ(RulesOnFirstPage(pdf, 2.5), 5);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

TEST_F(AgvnProistoriaFormTest, TheSaveWritesPagesAndDesktopFilesInEachLanguageAndShowsGreekAgain)
{
    form.ShowHistory("12");
    AnswerExportOptions(true, true, true);
    QTest::mouseClick(form.SaveButton, Qt::LeftButton);
    EXPECT_EQ(FileSaveForm()->FNameEdit->text(), "hist");

    const QStringList greek = Lines("htm/grgrpAa12r.html");
    EXPECT_TRUE(greek.contains("<H1>12η Αγωνιστική (06/03/2005)</H1><DT>")) << greek.join('\n').toStdString();
    EXPECT_TRUE(greek.contains("<TH>Ομάδες</TH><TH>2001-02</TH><TH>2002-03</TH><TH>2004-05</TH>"
                               "<TH>Ν</TH><TH>Ι</TH><TH>Η</TH><TH>ΓΥ</TH><TH>ΓΚ</TH><TH>Σκόρ</TH>"));
    EXPECT_TRUE(greek.contains(
        R"(<TR><TD><B>Κ1 - Κ2</B><BR>Κ2 - Κ1</TD><TD><P ALIGN="CENTER"><B> 2- 1</B><BR>-</TD>)"
        R"(<TD><P ALIGN="CENTER"><B>-</B><BR> 0- 0</TD>)"
        R"(<TD><P ALIGN="CENTER"><B> 2- 2</B><BR>-</TD>)"
        R"(<TD><P ALIGN="CENTER"><B>1</B><BR>0</TD><TD><P ALIGN="CENTER"><B>1</B><BR>1</TD>)"
        R"(<TD><P ALIGN="CENTER"><B>0</B><BR>0</TD><TD><P ALIGN="CENTER"><B>4</B><BR>0</TD>)"
        R"(<TD><P ALIGN="CENTER"><B>3</B><BR>0</TD><TD><P ALIGN="CENTER"><B> 1- 0</B><BR></TD></TR>)"))
        << greek.join('\n').toStdString();
    const QStringList english = Lines("htm/engrpAa12r.html");
    EXPECT_TRUE(english.contains("<H1>2004-05, Alpha</H1><DT>")) << english.join('\n').toStdString();
    EXPECT_TRUE(english.join('\n').contains("<TD><B>C1 - C2</B><BR>C2 - C1</TD>"));
    EXPECT_EQ(Lines("EN/QXpress/hist.doc").first(),
              "Teams\t2001-02\t2002-03\t2004-05\tW\tD\tL\tΓΥ\tΓΚ\tResult");
    EXPECT_EQ(Lines("GR/QXpress/hist.doc").at(1), "Κ1 - Κ2\t 2- 1\t-\t 2- 2\t1\t1\t0\t4\t3\t 1- 0");
    EXPECT_FALSE(QFile::exists(Home("GR/txt/hist.txt")));
    // The history writes no text file, and says so.
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text, "Η προβολή αυτή δεν δημιουργεί: Αρχείο Κειμένου.");
    EXPECT_EQ(form.ProistoriaGrid->Cells(0, 1), "Κ1 - Κ2");
    EXPECT_EQ(form.ProistoriaGrid->Cells(0, 2), "Κ2 - Κ1");
}

TEST_F(AgvnProistoriaFormTest, TheBulkExportPassesOverACompetitionWithoutAComingMatchday)
{
    TMassSaveForm &mass = *MassSaveForm();
    mass.FormCreate();
    mass.PeriodCombo->setCurrentText(Season);
    mass.PeriodComboChange();
    // The finished league is listed first; the export goes on past it.
    for (const QString &name : {QString("Β Εθνική"), QString("Α Εθνική")}) {
        const QList<QListWidgetItem *> items = mass.DiorgListBox->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setCheckState(Qt::Checked);
    }
    mass.CheckBoxGR->setChecked(true);
    mass.CheckBoxEn->setChecked(true);
    mass.CheckBoxIt->setChecked(false);
    mass.CheckBoxTxt->setChecked(false);
    mass.CheckBoxHtm->setChecked(true);
    mass.CheckBoxDoc->setChecked(true);
    mass.NumberButtons->button(1)->setChecked(true);
    Dm().Agvnes.CancelRange();

    form.ExportAll();
    EXPECT_EQ(QDir(Home("htm1")).entryList(QDir::Files), QStringList({"engrpAa02r.html", "grgrpAa02r.html"}));
    // The coming matchday of the league is 13.
    EXPECT_TRUE(Lines("htm1/grgrpAa02r.html").contains("<H1>13η Αγωνιστική (13/03/2005)</H1><DT>"));
    // Each competition's desktop file is named after its page.
    EXPECT_EQ(QDir(Home("GR/QXpress")).entryList(QDir::Files), QStringList({"grgrpAa02r.doc"}));
    EXPECT_EQ(QDir(Home("EN/QXpress")).entryList(QDir::Files), QStringList({"engrpAa02r.doc"}));
    EXPECT_EQ(form.ProistoriaGrid->RowCount(), 3);
    // The range is lifted: every match is delivered again.
    EXPECT_EQ(Dm().Agvnes.RecordCount(), Count("SELECT COUNT(*) FROM Agvnes"));
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

// The prediction window's printout, conditions file, saved pages and bulk exports.
#include "analysis/prediction_fixture.h"
#include "analysis/ui/agvn_pososta_form.h"
#include "platform/core/codepage.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
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
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The listed matchday 3 of the league (country GR, category code A, file name gre, "Alpha" abroad):
// an unplayed match and a home win.
class PredictionOutputTest : public PredictionTest
{
protected:
    void SetUp() override
    {
        PredictionTest::SetUp();
        Rows("UPDATE Krath SET Kode = 'GR'");
        Rows("UPDATE Kathgories SET Kode = 'A', EnName = 'Alpha'");
        Rows("UPDATE Diorganvseis SET FileName = 'gre' WHERE DNo = ?1", {league_});
        Dm().Diorganvseis.Locate("DNo", {league_});
        List(3);
        form.ShowAnalysis("3");
        messages_.Clear();
    }

    void TearDown() override
    {
        Printer().SetOutputFileName(QString());
        PredictionTest::TearDown();
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

    // Chooses the path in the save dialog of the conditions file.
    static ScriptedModalRunner::Script Choose(const QString &path)
    {
        return [path](QDialog &dialog) {
            static_cast<QFileDialog &>(dialog).selectFile(path);
            dialog.accept();
            return dialog.result();
        };
    }

    TAgvnPosostaForm form;
};

// Confirms the export options with Greek and English web pages under the name given.
void AnswerExportOptions(const QString &name)
{
    QTimer::singleShot(0, [name] {
        TFileSaveForm *options = FileSaveForm();
        options->CheckBoxGR->setChecked(true);
        options->CheckBoxEn->setChecked(true);
        options->CheckBoxIt->setChecked(false);
        options->CheckBoxTxt->setChecked(false);
        options->CheckBoxHtm->setChecked(true);
        options->CheckBoxDoc->setChecked(false);
        options->FNameEdit->setText(name);
        QTest::mouseClick(options->OkBtn, Qt::LeftButton);
    });
}

} // namespace

TEST_F(PredictionOutputTest, TheConditionsFileHoldsThePercentagesOfTheMatchesShown)
{
    const QString path = CurrentTestFolders().Root() + "/coupon.nor";
    {
        ScriptedModalRunner runner(Choose(path));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        EXPECT_EQ(runner.RunCount(), 1);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = QByteArray("\r\n").repeated(14) + "B2666666666666600\r\n" +
                                "P2 50 33 17 40 40 20" + QByteArray(" 98 1 1").repeated(11) + " 0 90\r\n" +
                                "END\r\n" + QByteArray("\r\n").repeated(4);
    EXPECT_EQ(file.readAll(), expected);
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();

    // A folder that is not there: a message, no file.
    const QString lost = CurrentTestFolders().Root() + "/none/coupon.nor";
    ScriptedModalRunner runner(Choose(lost));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_FALSE(QFile::exists(lost));
}

TEST_F(PredictionOutputTest, TheSaveWritesAPageInEachLanguageAndShowsGreekAgain)
{
    AnswerExportOptions("gre3");
    QTest::mouseClick(form.SaveButton, Qt::LeftButton);
    const QStringList greek = Lines("htm/grgrpAa03p.html");
    EXPECT_TRUE(greek.contains("<TITLE>Tavrolin : Προβέψεις-Αποτελέσματα</TITLE>"));
    EXPECT_TRUE(greek.contains("<H1>Αγωνιστική 3η (26/09/2004)</H1><DT>")) << greek.join('\n').toStdString();
    // The home win of the second match: its 1 is green, X and 2 are not.
    const qsizetype second =
        greek.indexOf(QString("<TD><P ALIGN=\"LEFT\">Ομάδα %1-2 - Ομάδα %1-3</TD>").arg(league_));
    ASSERT_GE(second, 0) << greek.join('\n').toStdString();
    EXPECT_EQ(greek.at(second + 1), R"(<TD BGCOLOR="#00ff00"><P ALIGN="CENTER">40</TD>)");
    EXPECT_EQ(greek.at(second + 2), R"(<TD><P ALIGN="CENTER">40</TD>)");
    EXPECT_TRUE(greek.contains(R"(<TR BGCOLOR="#00ffff">)"));
    const QStringList english = Lines("htm/engrpAa03p.html");
    EXPECT_TRUE(english.contains("<H1>2004-05, Alpha</H1><DT>"));
    EXPECT_TRUE(english.contains("<H1>Day No 3 (26/09/2004)</H1><DT>"));
    EXPECT_TRUE(english.contains(QString("<TD><P ALIGN=\"LEFT\">Team %1-2 - Team %1-3</TD>").arg(league_)));
    EXPECT_TRUE(english.contains(R"(<TD><P ALIGN="LEFT">Prediction Results:</TD>)"));
    EXPECT_EQ(form.AnalyshGrid->Cells(2, 2), QString("Ομάδα %1-2 - Ομάδα %1-3").arg(league_));
    EXPECT_EQ(form.AnalyshGrid->Cells(2, 3), "Επιτυχίες :");

    // The odds go under the name typed, in the language's own folder.
    QTest::mouseClick(form.RadioButtons->button(1), Qt::LeftButton);
    AnswerExportOptions("odds3");
    QTest::mouseClick(form.SaveButton, Qt::LeftButton);
    EXPECT_TRUE(Lines("GR/htm/odds3.html")
                    .contains("<TH>Α/Α</TH><TH>Ημ/νία</TH><TH>Ομάδες</TH><TH>1</TH><TH>Χ</TH><TH>2</"
                              "TH><TH>Σκόρ</TH><TH>ΝΣ</TH>"));
    EXPECT_TRUE(Lines("EN/htm/odds3.html").contains("<H1>Day No3 (26/09/2004)</H1><DT>"));
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

TEST_F(PredictionOutputTest, APrintoutCarriesTheMatchesWithoutTheHitsRow)
{
    const QString pdf = CurrentTestFolders().Root() + "/prediction.pdf";
    Printer().SetOutputFileName(pdf);
    QTest::mouseClick(form.PrintButton, Qt::LeftButton);
    ASSERT_EQ(PdfPages(pdf).size(), 1) << PdfText(pdf).toStdString();
    const QString text = PdfText(pdf).simplified();
    for (const QString &line : {"Ανάλυση Αγώνων " + QDate::currentDate().toString("dd/MM/yyyy"),
                                QString("2004-05, Α Εθνική Αγωνιστική 3η"), QString("ΠΡΟΓΡΑΜΜΑ Tavrolin"),
                                QString("ΗΜ/ΝΙΑ ΟΜΑΔΕΣ 1 Χ 2 ΒΣ ΠΙΘ. ΠΛΗΡ. ΕΚΠΛ. ΣΚΟΡ ΝΣ"),
                                QString("Ομάδα %1-2 - Ομάδα %1-3").arg(league_)})
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << '\n' << text.toStdString();
    // The rows end at the hits row.
    EXPECT_FALSE(text.contains("Επιτυχίες"));
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(PredictionOutputTest, ClosingTheWindowLiftsTheFilterOfTheMatches)
{
    form.close();
    EXPECT_FALSE(Dm().Agvnes.Filtered());
    EXPECT_TRUE(Dm().Agvnes.Filter().isEmpty());
}

TEST_F(PredictionOutputTest, TheBulkExportsWriteTheCurrentAndTheNextMatchdayOfEachCompetition)
{
    // A second league at its first matchday, with a second one to come.
    const int country = Rows("SELECT RecNo FROM Krath").first().first().toInt();
    const int second = AddCompetition(AddCategory("Β Εθνική", country), "2004-05", 4);
    Rows("UPDATE Kathgories SET Kode = 'B' WHERE GrName = 'Β Εθνική'");
    const QList<int> teams = AddCompetitionTeams(country, second, 2, "Β %1-%2", "B %1-%2");
    AddMatch(second, 1, teams[0], teams[1], {2004, 9, 12}, 1, 0);
    AddMatch(second, 2, teams[1], teams[0], {2004, 9, 19});
    Dm().Agvnes.SetFilter(QString());
    Dm().Agvnes.SetFiltered(false);
    messages_.Clear();

    TMassSaveForm &mass = *MassSaveForm();
    mass.FormCreate();
    mass.PeriodCombo->setCurrentText("2004-05");
    mass.PeriodComboChange();
    for (const QString &name : {QString("Α Εθνική"), QString("Β Εθνική")})
        mass.DiorgListBox->findItems(name, Qt::MatchExactly).value(0)->setCheckState(Qt::Checked);
    mass.CheckBoxGR->setChecked(true);
    mass.CheckBoxEn->setChecked(true);
    mass.CheckBoxIt->setChecked(false);
    mass.CheckBoxTxt->setChecked(false);
    mass.CheckBoxHtm->setChecked(true);
    mass.CheckBoxDoc->setChecked(false);
    mass.NumberButtons->button(1)->setChecked(true);

    form.ExportPredictionsAll();
    form.ExportOddsAll();
    // The first league is at its last matchday: one matchday only.
    EXPECT_EQ(QDir(Home("htm1")).entryList(QDir::Files),
              QStringList({"engrpAa01o.html", "engrpAa01p.html", "engrpBa01o.html", "engrpBa01p.html",
                           "engrpBa02o.html", "engrpBa02p.html", "grgrpAa01o.html", "grgrpAa01p.html",
                           "grgrpBa01o.html", "grgrpBa01p.html", "grgrpBa02o.html", "grgrpBa02p.html"}));
    EXPECT_TRUE(Lines("htm1/grgrpBa02p.html").contains("<H1>Αγωνιστική 2η (19/09/2004)</H1><DT>"));
    EXPECT_EQ(form.DisplayMode(), 1);
    EXPECT_EQ(Dm().Agvnes.RecordCount(), Count("SELECT COUNT(*) FROM Agvnes"));
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('|').toStdString();
}

TEST_F(PredictionOutputTest, TheGridPaintsTheResultsAndTheHitsInTheirColours)
{
    TStringGrid &grid = *form.AnalyshGrid;
    grid.resize(900, 300);
    const QImage image = grid.viewport()->grab().toImage();
    // A pixel near the bottom right corner of a cell, clear of its text.
    const auto colour = [&](int col, int row) {
        const TRect rect = grid.CellRect(col, row);
        return image.pixelColor(rect.Right - 2, rect.Bottom - 2);
    };
    const struct
    {
        int col;
        int row;
        QColor expected;
    } cases[] = {
        {11, 1, QColor(153, 241, 255)}, // not played
        {11, 2, QColor(155, 241, 153)}, // a home win
        {3, 2, QColor(0, 255, 0)},      // the home win's percentage
        {7, 2, QColor(0, 255, 0)},      // a probable sign that holds it
        {4, 2, QColor(Qt::white)},      // the draw's percentage
        {3, 1, QColor(Qt::white)},      // no result, no hit
        {5, 3, QColor(0, 255, 255)},    // the hits row
    };
    for (const auto &c : cases)
        EXPECT_EQ(colour(c.col, c.row), c.expected) << c.col << "," << c.row;
}

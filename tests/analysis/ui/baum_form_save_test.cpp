#include "analysis/ui/baum_form.h"

#include "analysis/standings_fixture.h"
#include "platform/core/codepage.h"
#include "platform/core/registry.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/printer.h"
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
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Category = QStringLiteral("Α Εθνική");
const QString Season = QStringLiteral("2004-05");
const QString CupCategory = QStringLiteral("Κύπελλο");

// The league table window on the four-club league (country code GR, category code "a", file name
// "super", named "Alpha Ethniki" and "Serie A greca" abroad) at its current matchday 3; a cup of the
// same season (file name "cup") has a played match.
class BaumFormSaveTest : public StandingsDataTest
{
protected:
    void SetUp() override
    {
        StandingsDataTest::SetUp();
        Exec(QStringLiteral("UPDATE Krath SET Kode = 'GR' WHERE RecNo = %1").arg(country));
        Exec(QStringLiteral("UPDATE Kathgories SET Kode = 'a', EnName = 'Alpha Ethniki', "
                            "ItName = 'Serie A greca' WHERE KatNo = %1")
                 .arg(katNo));
        Exec(QStringLiteral("UPDATE Diorganvseis SET FileName = 'super', Champions = 1, OmadesUp = 1, "
                            "OmadesDn = 1 WHERE DNo = %1")
                 .arg(dNo));
        const int cupKatNo = AddCategory(CupCategory, country, 1);
        const int cupDNo = AddCompetition(cupKatNo, Season, 4, 1, 1);
        Exec(QStringLiteral("UPDATE Diorganvseis SET FileName = 'cup' WHERE DNo = %1").arg(cupDNo));
        const QList<int> cup = AddCompetitionTeams(country, cupDNo, 2, "Κύπελλο %1 %2", "Cup %1 %2");
        AddMatch(cupDNo, 1, cup[0], cup[1], QDate(2004, 10, 1), 1, 0, 1);
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), Category);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), Season);
        messages_.Clear();
        form = std::make_unique<TBaumForm>();
        form->ShowForCompetition();
    }

    void TearDown() override
    {
        form.reset();
        Printer().SetOutputFileName(QString());
    }

    QString Greek(int index) const { return QStringLiteral("Ομάδα %1 %2").arg(dNo).arg(index); }
    QString Latin(int index) const { return QStringLiteral("T%1 %2").arg(dNo).arg(index); }

    QStringList GridNames() const
    {
        QStringList names;
        for (int row = 0; row < form->SGrd->RowCount(); ++row)
            names.append(form->SGrd->Cells(1, row));
        return names;
    }

    static QString Home(const QString &file)
    {
        return QDir(CurrentTestFolders().ProgramHome()).filePath(file);
    }

    static QStringList Lines(const QString &file, CodePage codePage = CodePage::Windows1253)
    {
        QFile text(Home(file));
        EXPECT_TRUE(text.open(QIODevice::ReadOnly)) << file.toStdString();
        return FromCodePage(text.readAll(), codePage).split(QStringLiteral("\r\n"));
    }

    // The data module's names are Greek: the competitions' category and the matches' teams.
    static void ExpectGreekNames()
    {
        TTavrolinDM &dm = TavrolinDM();
        EXPECT_EQ(dm.Diorganvseis.FieldByName("KatName").LookupResultField(), "GrName");
        EXPECT_EQ(dm.Agvnes.FieldByName("GName").LookupResultField(), "GrName");
        EXPECT_EQ(dm.Agvnes.FieldByName("FName").LookupResultField(), "GrName");
    }

    std::unique_ptr<TBaumForm> form;
};

// Confirms the export options with every language and kind ticked, keeping the proposed name
// (noted in proposed) unless another is given.
void AnswerExportOptions(QString *proposed, const QString &name = QString())
{
    QTimer::singleShot(0, [proposed, name] {
        TFileSaveForm *options = FileSaveForm();
        *proposed = options->FNameEdit->text();
        for (QCheckBox *box : {options->CheckBoxGR, options->CheckBoxEn, options->CheckBoxIt,
                               options->CheckBoxTxt, options->CheckBoxHtm, options->CheckBoxDoc})
            box->setChecked(true);
        if (!name.isEmpty())
            options->FNameEdit->setText(name);
        QTest::mouseClick(options->OkBtn, Qt::LeftButton);
    });
}

TEST_F(BaumFormSaveTest, SaveButtonWritesTheTableAsShownInEveryLanguageAndKind)
{
    form->HeaderControl2SectionClick(4); // Ν: wins
    const QStringList shown = GridNames();
    ASSERT_EQ(shown, (QStringList{Greek(1), Greek(3), Greek(4), Greek(2)}));

    QString proposed;
    AnswerExportOptions(&proposed);
    QTest::mouseClick(form->BBtnSave, Qt::LeftButton);

    EXPECT_EQ(proposed, "superb3");
    EXPECT_EQ(messages_.Texts(), QStringList());
    for (const char *file :
         {"GR/txt/superb3.txt", "GR/dos/superb3.txt", "EN/txt/superb3.txt", "IT/txt/superb3.txt",
          "GR/QXpress/superb3.doc", "EN/QXpress/superb3.doc", "IT/QXpress/superb3.doc", "htm/grgrpab03n.html",
          "htm/engrpab03n.html", "htm/itgrpab03n.html"})
        EXPECT_TRUE(QFile::exists(Home(file))) << file;
    // The ordering shown names the Greek files; abroad the fixed titles stand.
    const QStringList greek = Lines("GR/txt/superb3.txt");
    EXPECT_EQ(greek.mid(0, 3), (QStringList{"2004-05, Α Εθνική", "Βαθμολογία (Νίκες)", "Έως αγωνιστική:3"}));
    EXPECT_TRUE(greek[4].startsWith("  1 " + Greek(1))) << greek[4].toStdString();
    EXPECT_TRUE(greek[5].startsWith("  2 " + Greek(3))) << greek[5].toStdString();
    EXPECT_EQ(Lines("GR/dos/superb3.txt", CodePage::Dos737), greek);
    const QStringList english = Lines("EN/txt/superb3.txt");
    EXPECT_EQ(english.mid(0, 3), (QStringList{"2004-05, Alpha Ethniki", "Current Table", "Day No: 3"}));
    EXPECT_TRUE(english[4].startsWith("  1 " + Latin(1))) << english[4].toStdString();
    EXPECT_EQ(Lines("IT/txt/superb3.txt").mid(0, 2), (QStringList{"2004-05, Serie A greca", "Classifica"}));
    EXPECT_TRUE(Lines("IT/QXpress/superb3.doc")[0].startsWith(" 1\t" + Latin(1) + "\t 7\t"));
    // D starts two points down.
    EXPECT_TRUE(Lines("htm/grgrpab03n.html")
                    .contains("<TR><TD colspan=23>Η ομάδα " + Greek(4) + ", έχει -2 βαθμούς</TD></TR>"));
    EXPECT_TRUE(Lines("htm/itgrpab03n.html")
                    .contains("<TR><TD colspan=23>La squadra " + Latin(4) + ", ha -2 punti</TD></TR>"));
    EXPECT_TRUE(Lines("htm/engrpab03n.html").contains("<H2>Day No 3 (19/09/2004)</H2><DT>"));

    // The window is as it was: the ordering, Greek names in the grid and in the data module.
    EXPECT_EQ(form->windowTitle(), "Βαθμολογία (Νίκες)");
    EXPECT_EQ(GridNames(), shown);
    EXPECT_EQ(form->GlvsaButtons->checkedId(), 0);
    ExpectGreekNames();
}

TEST_F(BaumFormSaveTest, PageNamesKeepTheCaseOfTheCategoryLetter)
{
    struct Case
    {
        const char *kode;
        const char *page;
    };
    for (const Case &c : {Case{"a", "htm/grgrpab03n.html"}, Case{"A", "htm/grgrpAb03n.html"}}) {
        SCOPED_TRACE(c.kode);
        Exec(QStringLiteral("UPDATE Kathgories SET Kode = '%1' WHERE KatNo = %2").arg(c.kode).arg(katNo));
        QString proposed;
        AnswerExportOptions(&proposed);
        form->Button1Click();
        EXPECT_TRUE(QFile::exists(Home(c.page)));
        EXPECT_TRUE(QFile::remove(Home(c.page)));
    }
}

TEST_F(BaumFormSaveTest, CancelledOptionsWriteNothing)
{
    QTimer::singleShot(0, [] { QTest::mouseClick(FileSaveForm()->CancelBtn, Qt::LeftButton); });
    form->Button1Click();
    EXPECT_FALSE(QDir(Home("htm")).exists());
    EXPECT_FALSE(QDir(Home("GR")).exists());
    EXPECT_EQ(messages_.Count(), 0);
}

// A file where the English text folder should be, or a folder where the Italian text file should
// be: the user is told in Greek which, the files before it stay, and the names are Greek again.
TEST_F(BaumFormSaveTest, AFileThatCannotBeWrittenIsReportedAndTheNamesComeBackInGreek)
{
    struct Case
    {
        const char *name;
        std::function<void()> block;
        QString message;
    };
    const Case cases[] = {
        {"folder",
         [] {
             ASSERT_TRUE(QDir().mkpath(Home("EN")));
             QFile blocker(Home("EN/txt"));
             ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         },
         "Δεν είναι δυνατή η δημιουργία του φακέλου " + QDir::toNativeSeparators(Home("EN/txt"))},
        {"file", [] { ASSERT_TRUE(QDir().mkpath(Home("IT/txt/superb3.txt"))); },
         "Δεν είναι δυνατό το άνοιγμα του αρχείου " + QDir::toNativeSeparators(Home("IT/txt/superb3.txt"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(CurrentTestFolders().ProgramHome()).removeRecursively();
        c.block();
        messages_.Clear();
        QString proposed;
        AnswerExportOptions(&proposed);
        form->Button1Click();

        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().text, c.message);
        EXPECT_EQ(messages_.Last().icon, mtError);
        EXPECT_TRUE(QFile::exists(Home("GR/txt/superb3.txt")));
        EXPECT_FALSE(QFile::exists(Home("htm/itgrpab03n.html")));
        ExpectGreekNames();
        EXPECT_EQ(form->GlvsaButtons->checkedId(), 0);
        EXPECT_EQ(form->SGrd->Cells(1, 0), Greek(1));
    }
}

TEST_F(BaumFormSaveTest, TypedNamesCannotLeaveTheirFolder)
{
    QString proposed;
    AnswerExportOptions(&proposed, "../../outside");
    form->Button1Click();
    EXPECT_TRUE(QFile::exists(Home("GR/txt/.._.._outside.txt")));
    EXPECT_FALSE(QFile::exists(Home("../outside.txt")));
}

// The bulk-export dialog on the season with the competitions ticked, every language, the web
// pages and the text files, pages numbered by matchday or 1, 2, 3.
void ChooseBulkExport(const QStringList &ticked, bool numbered)
{
    TMassSaveForm &mass = *MassSaveForm();
    mass.FormCreate();
    mass.PeriodCombo->setCurrentText(Season);
    mass.PeriodComboChange();
    for (const QString &name : ticked) {
        const QList<QListWidgetItem *> items = mass.DiorgListBox->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setCheckState(Qt::Checked);
    }
    for (QCheckBox *box :
         {mass.CheckBoxGR, mass.CheckBoxEn, mass.CheckBoxIt, mass.CheckBoxTxt, mass.CheckBoxHtm})
        box->setChecked(true);
    mass.CheckBoxDoc->setChecked(false);
    mass.NumberButtons->button(numbered ? 1 : 0)->setChecked(true);
}

// Every file below the program folder.
QStringList WrittenFiles()
{
    QStringList files;
    const QDir home(CurrentTestFolders().ProgramHome());
    for (const QString &folder : QStringList{"htm", "htm1", "GR/txt", "GR/dos", "EN/txt", "IT/txt"})
        for (const QString &file : QDir(home.filePath(folder)).entryList(QDir::Files))
            files.append(folder + "/" + file);
    return files;
}

TEST_F(BaumFormSaveTest, BulkExportWritesTheTickedLeaguesAndPassesOverCups)
{
    struct Case
    {
        const char *name;
        QStringList ticked;
        bool numbered;
        bool special;
        QStringList files;
    };
    const Case cases[] = {
        {"a cup alone", {CupCategory}, false, true, {}},
        {"by matchday",
         {Category, CupCategory},
         false,
         false,
         {"htm/engrpab03n.html", "htm/grgrpab03n.html", "htm/itgrpab03n.html", "GR/txt/superb3.txt",
          "GR/dos/superb3.txt", "EN/txt/superb3.txt", "IT/txt/superb3.txt"}},
        {"numbered with the special orderings",
         {CupCategory, Category},
         true,
         true,
         {"htm1/engrpab01e.html", "htm1/engrpab01n.html", "htm1/grgrpab01e.html", "htm1/grgrpab01n.html",
          "htm1/itgrpab01e.html", "htm1/itgrpab01n.html", "GR/txt/superb3.txt", "GR/dos/superb3.txt",
          "EN/txt/superb3.txt", "IT/txt/superb3.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(CurrentTestFolders().ProgramHome()).removeRecursively();
        ChooseBulkExport(c.ticked, c.numbered);
        form->ExportAll(c.special);
        EXPECT_EQ(WrittenFiles(), c.files);
        EXPECT_EQ(messages_.Texts(), QStringList());
        ExpectGreekNames();
    }
    // Each language's orderings start from the computed table, so every page shows the same tables.
    const QStringList greek = Lines("htm1/grgrpab01e.html");
    EXPECT_EQ(greek.count("<table border>"), 14);
    EXPECT_EQ(greek.count("</table><br><hr><br>"), 14);
    EXPECT_EQ(greek.count(R"(<TH><font color = "#ff0000">Ν</font></TH>)"), 3); // wins, home and away wins
    EXPECT_TRUE(greek.contains("<center><H2>Ειδικές Βαθμολογίες</H2><DT>"));
    EXPECT_EQ(Lines("htm1/engrpab01e.html")
                  .count("<TR><TD colspan=23>Team " + Latin(4) + ", has -2 points</TD></TR>"),
              14);
    // The table page was written in the computed order, and the window shows it again.
    EXPECT_TRUE(Lines("GR/txt/superb3.txt")[4].startsWith("  1 " + Greek(1)));
    EXPECT_EQ(form->windowTitle(), "Βαθμολογία");
    EXPECT_EQ(GridNames(), (QStringList{Greek(1), Greek(3), Greek(4), Greek(2)}));
}

TEST_F(BaumFormSaveTest, PrintButtonPrintsTheTableWithItsPageHead)
{
    const QString pdf = CurrentTestFolders().Root() + "/table.pdf";
    Printer().SetOutputFileName(pdf);
    form->HeaderControl2SectionClick(6); // Η: losses
    QTest::mouseClick(form->BBtnPrint, Qt::LeftButton);

    const QString text = PdfText(pdf);
    const QStringList expected{
        "Βαθμολογία (Ήττες)    " + QDate::currentDate().toString("dd/MM/yyyy"),
        "ΠΕΡΙΟΔΟΣ 2004-05  ΔΙΟΡΓΑΝΩΣΗ Α Εθνική",
        "ΕΝΑΡΞΗ ΑΠΟ ΑΓΩΝ. : 1 ΑΓΩΝΙΣΤΙΚΗ : 3",
        "ΣΥΝΟΛΙΚΑ",
        "ΕΝΤΟΣ ΕΔΡΑΣ",
        "ΕΚΤΟΣ ΕΔΡΑΣ",
        "ΤΕΡ",
        Greek(1),
        Greek(4),
    };
    for (const QString &words : expected)
        EXPECT_GE(FindWords(PdfPages(pdf).value(0), WordsOf({words})), 0) << words.toStdString() << "\n"
                                                                          << text.toStdString();
    // The losses order: B first, A last.
    EXPECT_LT(text.indexOf(Greek(2)), text.indexOf(Greek(1)));
    EXPECT_EQ(messages_.Count(), 0);
}

} // namespace

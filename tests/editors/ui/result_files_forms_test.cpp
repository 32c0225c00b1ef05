// The results import, its layout and alias dialogs, and the saving of matches as text, each driven
// through its buttons the way the user drives it.

#include "data/competition_choice.h"
#include "editors/result_import_fixture.h"
#include "editors/ui/agvn_save_form.h"
#include "editors/ui/auto_enhm_form.h"
#include "editors/ui/enhm_type_form.h"
#include "editors/ui/t_names_form.h"
#include "platform/core/modal_result.h"
#include "platform/core/text_file.h"
#include "report/export_folders.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tav::editors;

namespace {

const QDate kFirst(2005, 9, 4);

class ResultFilesFormsTest : public ResultImportTest
{
protected:
    void SetUp() override
    {
        ResultImportTest::SetUp();
        for (const char *name : {"ARIS", "PAOK", "AEK", "OFI"})
            AddClub(QString("Ομάδα ") + name, name);
        dNo_ = NewCompetition(4);
        tav::data::Choose(TavrolinDM(), {"Α' Εθνική", "2005-2006"});
        messages_.Clear();
    }

    // Runs the steps, one after the other, each once the next modal dialog is up.
    static void WhenModal(std::vector<std::function<void(QWidget *)>> steps)
    {
        if (steps.empty())
            return;
        QTimer::singleShot(0, [steps]() mutable {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog) {
                WhenModal(steps);
                return;
            }
            const auto step = steps.front();
            steps.erase(steps.begin());
            WhenModal(steps);
            step(dialog);
        });
    }

    // The layout dialog takes the writer line and OK.
    static std::function<void(QWidget *)> WriterLayout()
    {
        return [](QWidget *) {
            TEnhmTypeForm *form = EnhmTypeForm();
            form->SetLayout(TResultLayout::WriterLine(true));
            QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        };
    }

    // The category's file in txtData/All, shown in the import window.
    TAutoEnhmForm *ShowImport(const QStringList &lines)
    {
        const QString folder = tav::report::ResultTextFolder(tav::report::TResultSpan::AllMatchdays);
        WriteTextLines(QDir(folder).filePath("Α Εθνική.txt"), lines);
        TAutoEnhmForm *form = AutoEnhmForm();
        form->ChkAll->setChecked(true);
        form->show();
        return form;
    }

    int MatchCount() { return Count("SELECT COUNT(*) FROM Agvnes WHERE DiorgNo = ?1", {dNo_}); }

    int dNo_ = 0;
};

TEST_F(ResultFilesFormsTest, NewCompetitionAfterAnUnknownSpellingBecomesAnAlias)
{
    QStringList lines = WriterLines({{{"ARIS", "Paok Salonika", "2", "1"}, {"AEK", "OFI", "", ""}}}, kFirst);
    TAutoEnhmForm *form = ShowImport(lines);
    EXPECT_EQ(
        form->Edit1->text(),
        QDir(tav::report::ResultTextFolder(tav::report::TResultSpan::AllMatchdays)).filePath("Α Εθνική.txt"));
    EXPECT_EQ(form->RichEdit1->toPlainText().split('\n'), lines);
    EXPECT_EQ(form->DiorgCombo->currentText(), "Α' Εθνική");

    WhenModal({WriterLayout(), [](QWidget *) {
                   TTNamesForm *names = TNamesForm();
                   EXPECT_EQ(names->Edit1->text(), "PAOK SALONIKA");
                   const int paok = names->ComboBox2->findText("PAOK");
                   ASSERT_GE(paok, 0);
                   names->ComboBox2->setCurrentIndex(paok);
                   emit names->ComboBox2->activated(paok);
                   EXPECT_EQ(names->ComboBox1->currentText(), "Ομάδα PAOK");
                   QTest::mouseClick(names->BitBtn1, Qt::LeftButton);
               }});
    QTest::mouseClick(form->Type1Button, Qt::LeftButton);

    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('\n').toStdString();
    EXPECT_EQ(MatchCount(), 2);
    EXPECT_EQ(Count("SELECT TelGGoals FROM Agvnes a JOIN PerOmades f ON f.RecNo = a.Filojenoymenh "
                    "WHERE f.TeamNo = (SELECT TeamNo FROM Omades WHERE EnName = 'PAOK SALONIKA')"),
              2);
    form->close();
}

TEST_F(ResultFilesFormsTest, ExitInTheAliasDialogWritesNothing)
{
    TAutoEnhmForm *form =
        ShowImport(WriterLines({{{"ARIS", "PAOK", "2", "1"}, {"AEK", "NOBODY", "", ""}}}, kFirst));
    WhenModal({WriterLayout(), [](QWidget *) { QTest::mouseClick(TNamesForm()->BitBtn3, Qt::LeftButton); }});
    QTest::mouseClick(form->Type1Button, Qt::LeftButton);
    EXPECT_EQ(MatchCount(), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM PerOmades WHERE DiorNo = ?1", {dNo_}), 0);
    form->close();
}

TEST_F(ResultFilesFormsTest, AFailingLineIsReportedAndNothingIsKept)
{
    QStringList lines = WriterLines({{{"ARIS", "PAOK", "2", "1"}}}, kFirst);
    lines.append(ResultLine("30/02/2005", "AEK", "OFI", "1", "1"));
    TAutoEnhmForm *form = ShowImport(lines);
    WhenModal({WriterLayout()});
    QTest::mouseClick(form->Type1Button, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_TRUE(messages_.Last().text.contains(QString("γραμμή %1").arg(lines.size())))
        << messages_.Last().text.toStdString();
    EXPECT_EQ(MatchCount(), 0);
    form->close();
}

TEST_F(ResultFilesFormsTest, ConvertsTheSemicolonFileOfTheTempFolder)
{
    TAutoEnhmForm *form = ShowImport({});
    const QFileInfo target(form->Edit1->text());
    QDir(target.absolutePath()).mkpath("temp");
    WriteTextLines(target.absolutePath() + "/temp/" + target.fileName(),
                   {"1η ΑΓΩΝΙΣΤΙΚΗ", "ARIS;2;-;1;PAOK;04/09/2005"});
    QTest::mouseClick(form->BtnConvert, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text,
              "Το αρχείο πρεπει να βρισκεται ΚΑΙ στον φακελο " + target.absolutePath() + "/temp");
    EXPECT_EQ(
        ReadTextLines(target.filePath()),
        QStringList({QString(32, '-') + "1", "04/09/2005 ARIS                -PAOK                 2- 1"}));
    form->close();
}

TEST_F(ResultFilesFormsTest, LayoutFileSavedAndOpenedThroughTheDialogs)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("writer.fte");
    TEnhmTypeForm *form = EnhmTypeForm();
    form->SetLayout(TResultLayout::WriterLine(true));
    QTimer::singleShot(0, form, [form, path] {
        form->SaveDialog->selectFile(path);
        static_cast<QDialog *>(form->SaveDialog)->accept();
    });
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_EQ(form->windowTitle(), path);
    EXPECT_EQ(ReadTextLines(path), LayoutFileLines(TResultLayout::WriterLine(true)));

    form->SetLayout(TResultLayout());
    QTimer::singleShot(0, form, [form, path] {
        form->OpenDialog->selectFile(path);
        static_cast<QDialog *>(form->OpenDialog)->accept();
    });
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(LayoutFileLines(form->Layout()), LayoutFileLines(TResultLayout::WriterLine(true)));
    EXPECT_EQ(form->DateType->currentText(), "ηη/μμ/εεεε");
}

TEST_F(ResultFilesFormsTest, SavesAListedRangeWithItsSecondRound)
{
    TResultImport(TavrolinDM())
        .Run(WriterLines({{{"ARIS", "PAOK", "2", "1"}}, {{"AEK", "ARIS", "", ""}}}, kFirst),
             TResultLayout::WriterLine(true), TImportKind::NewCompetition);
    TAgvnSaveForm *form = AgvnSaveForm();
    form->show();
    EXPECT_EQ(form->DiorgCombo->currentText(), "Α' Εθνική");
    EXPECT_EQ(form->PeriodCombo->currentText(), "2005-2006");
    emit form->DiorgCombo->activated(form->DiorgCombo->currentIndex());
    EXPECT_EQ(form->Edit1->text(), "1");
    EXPECT_EQ(form->Edit2->text(), "1");
    form->Edit2->setText("2");
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_EQ(form->DBGrid1->rowCount(), 2);
    EXPECT_EQ(form->DBGrid1->item(1, 2)->text(), "AEK");
    form->chk2ndround->setChecked(true);

    QTemporaryDir folder;
    const QString path = folder.filePath("season.txt");
    QTimer::singleShot(0, form, [form, path] {
        form->SaveDialog->selectFile(path);
        static_cast<QDialog *>(form->SaveDialog)->accept();
    });
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    const QString dashes(44, '-');
    EXPECT_EQ(ReadTextLines(path),
              QStringList({dashes + "1", ResultLine("04/09/2005", "ARIS", "PAOK", "2", "1"), dashes + "2",
                           ResultLine("11/09/2005", "AEK", "ARIS", "", ""), dashes + "3",
                           "18/09/2005 PAOK                -ARIS                ", dashes + "4",
                           "25/09/2005 ARIS                -AEK                 "}));
    form->close();
}

} // namespace

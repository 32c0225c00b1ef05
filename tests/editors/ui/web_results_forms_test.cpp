// The web download window, the saved-page converter and the browser capture, each driven through
// its buttons the way the user drives it, against a web server of the test's own on the loopback
// address.

#include "editors/result_pages_fixture.h"
#include "editors/ui/convert_pr_dlg.h"
#include "editors/ui/get_files_frm.h"
#include "editors/ui/sporting_enhm_frm.h"
#include "editors/web_download.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/up_down_edit.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tav::editors;
using namespace result_pages;
using tav::report::TResultSpan;

namespace {

constexpr TResultSpan kAll = TResultSpan::AllMatchdays;

class WebResultsFormsTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        for (const char *name : {"Α' ΕΘΝΙΚΗ", "ΑΓΓΛΙΑ", "ΑΡΓΗ", "ΕΛΛΑΔΑ"})
            AddCategory(QString::fromUtf8(name), country);
        server_.Serve("/ricu.txt", RicuPage(), "text/plain");
        server_.Serve("/phantis.html", PhantisPage());
        ServeFrameset(server_);
        server_.Silent("/slow.html");
        WriteIni({{"Α' ΕΘΝΙΚΗ", Address("/ricu.txt"), "RICU"},
                  {"ΑΓΓΛΙΑ", Address("/frames/index.html"), ""},
                  {"ΑΡΓΗ", Address("/slow.html"), ""},
                  {"ΕΛΛΑΔΑ", Address("/phantis.html"), "PHANTIS"}});
    }

    QString Address(const QString &path) const { return server_.Url(path).toString(); }

    // Ticks the categories with the keyboard, the way the user ticks them.
    static void Tick(TGetFilesFrm *form, const QStringList &names)
    {
        for (int row = 0; row < form->DiorgListBox->count(); ++row) {
            if (!names.contains(form->DiorgListBox->item(row)->text()))
                continue;
            form->DiorgListBox->setCurrentRow(row);
            QTest::keyClick(form->DiorgListBox, Qt::Key_Space);
        }
    }

    TestHttpServer server_;
    MessageRecorder messages_;
};

TEST_F(WebResultsFormsTest, DownloadFetchesTheTickedCategoriesAndRemembersThem)
{
    WriteTextLines(ProgramFolder() + "/selDownload.txt", {"α' εθνικη", "ΠΑΛΙΑ"});
    TGetFilesFrm *form = GetFilesFrm();
    form->show();
    QStringList listed;
    for (int row = 0; row < form->DiorgListBox->count(); ++row)
        listed.append(form->DiorgListBox->item(row)->text());
    EXPECT_EQ(listed, QStringList({"Α' ΕΘΝΙΚΗ", "ΑΓΓΛΙΑ", "ΑΡΓΗ", "ΕΛΛΑΔΑ"}));
    EXPECT_EQ(form->Ticked(), QStringList{"Α' ΕΘΝΙΚΗ"});
    Tick(form, {"ΑΓΓΛΙΑ"});
    EXPECT_EQ(form->Ticked(), QStringList({"Α' ΕΘΝΙΚΗ", "ΑΓΓΛΙΑ"}));

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('\n').toStdString();
    EXPECT_FALSE(ProgressDlg()->isVisible());
    EXPECT_EQ(ProgressDlg()->ProgBar->Position(), 2);
    EXPECT_EQ(ReadBytes(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll)), FileBytes(RicuText()));
    EXPECT_EQ(ReadBytes(ResultTextFile("ΑΓΓΛΙΑ", kAll)), FileBytes(TableText()));
    EXPECT_EQ(form->Memo1->toPlainText(), TableText().join('\n'));

    // The user mends a line in the pane and saves: the table page's file takes the pane, the
    // preformatted page is converted again from its stored page.
    form->Memo1->setPlainText("mended");
    QFile::remove(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll));
    QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(ReadTextLines(ResultTextFile("ΑΓΓΛΙΑ", kAll)), QStringList{"mended"});
    EXPECT_EQ(ReadBytes(ResultTextFile("Α' ΕΘΝΙΚΗ", kAll)), FileBytes(RicuText()));

    form->close();
    EXPECT_EQ(ReadTextLines(ProgramFolder() + "/selDownload.txt"), QStringList({"Α' ΕΘΝΙΚΗ", "ΑΓΓΛΙΑ"}));
}

TEST_F(WebResultsFormsTest, APageThatNeverComesIsNamedAtTheEnd)
{
    TGetFilesFrm *form = GetFilesFrm();
    form->PageTimeout = 300;
    form->show();
    Tick(form, {"ΑΡΓΗ", "ΕΛΛΑΔΑ"});
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Texts().constFirst(), "Η λήψη δεν ολοκληρώθηκε για τις κατηγορίες:\nΑΡΓΗ: Η σελίδα " +
                                                  Address("/slow.html") +
                                                  " δεν απάντησε μέσα σε 1 δευτερόλεπτα");
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΑΡΓΗ", kAll)));
    EXPECT_EQ(ReadBytes(ResultTextFile("ΕΛΛΑΔΑ", kAll)), FileBytes(PhantisText()));
    EXPECT_FALSE(ProgressDlg()->isVisible());
    form->close();
}

TEST_F(WebResultsFormsTest, TheProgressWindowsCancelStopsTheRun)
{
    TGetFilesFrm *form = GetFilesFrm();
    form->show();
    form->RdGroup->button(1)->click();
    WriteTextLines(ProgramIniFileName(), {"[ΑΡΓΗ]", "URL_LAT=" + Address("/slow.html"), "[ΕΛΛΑΔΑ]",
                                          "URL_LAT=" + Address("/phantis.html"), "TYPOS_LAT=PHANTIS"});
    Tick(form, {"ΑΡΓΗ", "ΕΛΛΑΔΑ"});
    server_.OnRequest([](const QString &path) {
        if (path == "/slow.html")
            QTest::mouseClick(ProgressDlg()->BitBtn1, Qt::LeftButton);
    });
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('\n').toStdString();
    EXPECT_EQ(server_.Requested(), QStringList{"/slow.html"});
    EXPECT_FALSE(QFile::exists(ResultTextFile("ΕΛΛΑΔΑ", TResultSpan::LastMatchday)));
    EXPECT_FALSE(ProgressDlg()->isVisible());
    form->close();
}

TEST_F(WebResultsFormsTest, SavedPageBecomesRowsOfTheChosenYear)
{
    QTemporaryDir folder;
    const QString page = folder.filePath("premier.htm");
    const QString cell = "<TD align=left>%1</TD>";
    WriteTextLines(page, {"<HTML><HEAD><META content=\"text/html; charset=windows-1253\"></HEAD><TABLE>",
                          "<TH class=body_bg_1 align=middle colSpan=4>", "Saturday 18 August</TH>", "<TR>",
                          cell.arg("Ολυμπιακός"), "<TD align=left>v</TD>", cell.arg("ΑΕΚ"), "</TR>",
                          "<TH class=body_bg_1 align=middle colSpan=4>", "Sunday 32 August</TH>", "<TR>",
                          cell.arg("Άρης"), cell.arg("ΠΑΟΚ"), "</TR>", "</TABLE></HTML>"});
    TConvertPRDlg *dialog = ConvertPRDlg();
    dialog->show();
    EXPECT_EQ(dialog->Edit2->text(), "2002");
    QTimer::singleShot(0, dialog, [dialog, page] {
        dialog->OpenDialog1->selectFile(page);
        static_cast<QDialog *>(dialog->OpenDialog1)->accept();
    });
    QTest::mouseClick(dialog->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(dialog->Edit1->text(), page);
    EXPECT_TRUE(dialog->RichEdit1->toPlainText().contains("Ολυμπιακός"));

    QTest::keyClick(dialog->Edit2, Qt::Key_Up);
    EXPECT_EQ(dialog->UpDown1->Position(), 2003);
    const QString rows = folder.filePath("premier.txt");
    QString proposed;
    QTimer::singleShot(0, dialog, [dialog, rows, &proposed] {
        proposed = dialog->SaveDialog1->selectedFiles().value(0);
        dialog->SaveDialog1->selectFile(rows);
        static_cast<QDialog *>(dialog->SaveDialog1)->accept();
    });
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    // The open page's name without ".htm", in the page's folder; the dialog adds ".txt".
    EXPECT_EQ(proposed, rows);
    EXPECT_EQ(messages_.Texts(), QStringList{"Η μορφή ημερομηνίας δεν είναι έγκυρη!"});
    const QString group = QString(49, '-') + " ";
    EXPECT_EQ(ReadBytes(rows), FileBytes({"18/08/2003  " + QString("Ολυμπιακός").leftJustified(20) +
                                              QString("ΑΕΚ").leftJustified(20),
                                          "18/08/2003  " + QString("Άρης").leftJustified(20) +
                                              QString("ΠΑΟΚ").leftJustified(20),
                                          group + "2"}));
    QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(WebResultsFormsTest, CaptureReadsAPageThroughItsFramesAndSavesTheLines)
{
    WriteTextLines(ProgramFolder() + "/SportingLinks.txt",
                   {Address("/frames/index.html"), Address("/missing.html")});
    TSportingEnhmFrm *form = SportingEnhmFrm();
    form->show();
    ASSERT_EQ(form->EdtURL->count(), 2);
    EXPECT_EQ(form->EdtURL->currentText(), Address("/frames/index.html"));

    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages_.Texts(), QStringList{"Παρακαλώ βεβαιώσου ότι είσαι συνδεδεμένος στο Internet!"});
    EXPECT_EQ(form->RichEdit1->toPlainText(), TableText().join('\n'));

    // Saved among the last-matchday files, twice under one name: the second replaces the first.
    const QString path = ResultTextFile("ΑΓΓΛΙΑ", TResultSpan::LastMatchday);
    for (const QString &text : {QString("first"), TableText().join('\n')}) {
        form->RichEdit1->setPlainText(text);
        QString folder;
        QTimer::singleShot(0, form, [form, path, &folder] {
            folder = form->SaveDialog1->directory().absolutePath();
            form->SaveDialog1->selectFile(path);
            static_cast<QDialog *>(form->SaveDialog1)->accept();
        });
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        EXPECT_EQ(folder, QFileInfo(path).absolutePath());
    }
    EXPECT_EQ(ReadBytes(path), FileBytes(TableText()));

    messages_.Clear();
    form->EdtURL->setCurrentIndex(1);
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 2);
    EXPECT_EQ(messages_.Texts()[1], "Η σελίδα " + Address("/missing.html") + " δεν φορτώθηκε (απάντηση 404)");

    messages_.Clear();
    form->EdtURL->setEditText("");
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages_.Texts(), QStringList({"Παρακαλώ βεβαιώσου ότι είσαι συνδεδεμένος στο Internet!",
                                              "Παρακαλώ επιλέξτε μία διεύθυνση!"}));
    QTest::mouseClick(form->BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

} // namespace

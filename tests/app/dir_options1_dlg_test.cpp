#include "app/dir_options1_dlg.h"
#include "app/help_topic.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav::app;

namespace {

const char *const kKey = "Software\\Tavrolin\\Directories";

TEST(DirOptions1DlgTest, AFreshRegistryShowsTheProgramFolderOnly)
{
    TDirOptions1Dlg dialog;
    dialog.open();
    EXPECT_EQ(dialog.windowTitle(), QString("ΚΑΤΑΛΟΓΟΙ ΕΦΑΡΜΟΓΩΝ"));
    EXPECT_EQ(dialog.GroupBox1->title(), QString("ΚΑΤΑΛΟΓΟΙ ΕΦΑΡΜΟΓΩΝ"));
    EXPECT_EQ(dialog.BtnOk->text(), QString("&ΟΚ"));
    EXPECT_EQ(dialog.BtnCancel->text(), QString("ΑΚΥΡΟ"));
    EXPECT_EQ(dialog.BtnHelp->text(), QString("ΒΟΗ&ΘΕΙΑ"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(215, 207, 179));
    const char *labels[] = {"Drumlane.exe", "Tavrolin.exe", "Velmistor.exe", "-", "-", "-"};
    for (int row = 0; row < TDirOptions1Dlg::RowCount; ++row)
        EXPECT_EQ(dialog.Labels[row]->text(), QString(labels[row]));

    EXPECT_TRUE(dialog.Edit1->text().isEmpty());
    EXPECT_EQ(dialog.Edit2->text(), CurrentTestFolders().ProgramHome());
    EXPECT_FALSE(dialog.Edit2->text().endsWith('/'));
    EXPECT_TRUE(dialog.Edit3->text().isEmpty());
    dialog.reject();
}

TEST(DirOptions1DlgTest, OkStoresTheThreeFoldersAsTypedAndTheNextShowingReadsThemBack)
{
    {
        TDirOptions1Dlg dialog;
        dialog.open();
        dialog.Edit1->setText("/opt/Drumlane");
        dialog.Edit2->setText("  not checked ");
        dialog.Edit3->setText("");
        dialog.Edit4->setText("/kept/in/the/edit/only");
        dialog.BtnOk->click();
        EXPECT_EQ(dialog.result(), mrOk);
        EXPECT_FALSE(dialog.isVisible());
    }
    const TRegIniFile directories("Software\\TAVROLIN\\Directories");
    EXPECT_EQ(directories.ReadString("Options", "Drumlane", "?"), QString("/opt/Drumlane"));
    EXPECT_EQ(directories.ReadString("Options", "Tavrolin", "?"), QString("  not checked "));
    EXPECT_TRUE(directories.ValueExists("Options", "Velmistor"));
    EXPECT_EQ(directories.ReadString("Options", "Velmistor", "?"), QString());
    EXPECT_EQ(directories.ReadSection("Options"), QStringList({"Drumlane", "Tavrolin", "Velmistor"}));

    TDirOptions1Dlg again;
    again.open();
    EXPECT_EQ(again.Edit1->text(), QString("/opt/Drumlane"));
    EXPECT_EQ(again.Edit2->text(), QString("  not checked "));
    EXPECT_EQ(again.Edit3->text(), QString());
    EXPECT_TRUE(again.Edit4->text().isEmpty());
    again.reject();
}

TEST(DirOptions1DlgTest, CancelWritesNothing)
{
    TRegIniFile(kKey).WriteString("Options", "Drumlane", "/before");
    TDirOptions1Dlg dialog;
    dialog.open();
    EXPECT_EQ(dialog.Edit1->text(), QString("/before"));
    dialog.Edit1->setText("/after");
    dialog.Edit3->setText("/velmistor");
    dialog.BtnCancel->click();
    EXPECT_EQ(dialog.result(), mrCancel);
    const TRegIniFile directories(kKey);
    EXPECT_EQ(directories.ReadString("Options", "Drumlane", "?"), QString("/before"));
    EXPECT_FALSE(directories.ValueExists("Options", "Tavrolin"));
    EXPECT_FALSE(directories.ValueExists("Options", "Velmistor"));

    dialog.open();
    dialog.Edit1->setText("/escaped");
    dialog.reject(); // Escape or the window's close button
    EXPECT_EQ(dialog.result(), mrCancel);
    EXPECT_EQ(TRegIniFile(kKey).ReadString("Options", "Drumlane", "?"), QString("/before"));
}

TEST(DirOptions1DlgTest, HelpIsTopicThreeOfTheProgramsHelpPages)
{
    EXPECT_EQ(TDirOptions1Dlg::HelpContext, 3);
    EXPECT_EQ(HelpTopicFile(3), CurrentTestFolders().ProgramHome() + "/help/3.html");
    EXPECT_EQ(HelpTopicFile(9999), CurrentTestFolders().ProgramHome() + "/help/9999.html");
    EXPECT_FALSE(ShowHelpTopic(3)) << "a missing page opens nothing";
}

} // namespace

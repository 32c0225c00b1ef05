#include "coupons/ui/dir_options_dlg.h"

#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/ui/modal_runner.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kKey = "Software\\Tavrolin\\Directories";

// Answers the folder chooser with the folder, and the dialog with the given button.
ScriptedModalRunner::Script BrowseThen(const QString &folder, bool ok)
{
    return [folder, ok](QDialog &dialog) -> int {
        if (auto *chooser = qobject_cast<QFileDialog *>(&dialog)) {
            chooser->setDirectory(folder);
            chooser->selectFile(folder);
            static_cast<QDialog *>(chooser)->accept();
            return chooser->result();
        }
        auto &options = static_cast<TDirOptionsDlg &>(dialog);
        EXPECT_TRUE(options.Edit1->text().isEmpty());
        QTest::mouseClick(options.SpeedButton1, Qt::LeftButton);
        EXPECT_EQ(options.Edit1->text(), QDir::toNativeSeparators(folder));
        QTest::mouseClick(ok ? options.BitBtn1 : options.BitBtn2, Qt::LeftButton);
        return dialog.result();
    };
}

TEST(DirOptionsDlg, OkOnAFreshConfigurationWritesBothValuesEvenEmpty)
{
    const QString site = JoinPath(ProgramFolder(), "site");
    ASSERT_TRUE(EnsureFolder(site));
    ScriptedModalRunner runner(BrowseThen(site, true));

    EXPECT_EQ(RunModal(*DirOptionsDlg()), mrOk);

    const TRegIniFile registry(kKey);
    EXPECT_EQ(registry.ReadString("Options", "DeRerUzive", "?"), QDir::toNativeSeparators(site));
    EXPECT_TRUE(registry.ValueExists("Options", "VuVavUdova"));
    EXPECT_EQ(registry.ReadString("Options", "VuVavUdova", "?"), "");
}

TEST(DirOptionsDlg, CancelAfterBrowsingWritesNothing)
{
    const QString site = JoinPath(ProgramFolder(), "site");
    ASSERT_TRUE(EnsureFolder(site));
    ScriptedModalRunner runner(BrowseThen(site, false));

    EXPECT_EQ(RunModal(*DirOptionsDlg()), mrCancel);

    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Options"));
}

TEST(DirOptionsDlg, ShowingReadsTheStoredFolders)
{
    TRegIniFile(kKey).WriteString("Options", "VuVavUdova", "/srv/en");
    TDirOptionsDlg dialog;
    ScriptedModalRunner runner([](QDialog &dialog) {
        return static_cast<TDirOptionsDlg &>(dialog).Edit2->text() == "/srv/en" ? 7 : 0;
    });
    EXPECT_EQ(RunModal(dialog), 7);
    EXPECT_EQ(TDirOptionsDlg::HelpContext, 5);
}

} // namespace

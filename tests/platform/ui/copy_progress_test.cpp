#include "platform/ui/copy_progress.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const char *const kTitle = "Παρακαλώ περιμένετε να ολοκληρωθεί η αντιγραφή των αρχείων";

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QWidget *CopyWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QString::fromUtf8(kTitle))
            return widget;
    }
    return nullptr;
}

class CopyProgressTest : public testing::Test
{
protected:
    CopyProgressTest() : data(CurrentTestFolders().ProgramHome() + "/Data")
    {
        WriteFile(data + "/Agvnes.DB", "matches");
        WriteFile(data + "/Omades.db", "teams");
        WriteFile(data + "/Krath.PX", QByteArray(300000, 'k'));
        WriteFile(data + "/sub/inner.db", "not copied");
    }

    QString data;
};

TEST_F(CopyProgressTest, CopiesTheFilesUnderAProgressWindow)
{
    QWidget owner;
    owner.show();
    bool windowSeen = false;
    QTimer::singleShot(0, [&] { windowSeen = CopyWindow() != nullptr; });
    const QString target = CurrentTestFolders().ProgramHome() + "/Backup/Mones";

    const FileCopyResult result = CopyFilesWithProgress(&owner, data + "/*.*", target);

    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.copied, 3);
    EXPECT_TRUE(windowSeen);
    EXPECT_EQ(CopyWindow(), nullptr); // gone once the copy returns
    EXPECT_EQ(ReadFile(target + "/Agvnes.DB"), QByteArray("matches"));
    EXPECT_EQ(ReadFile(target + "/Krath.PX"), QByteArray(300000, 'k'));
    EXPECT_FALSE(QFileInfo::exists(target + "/sub"));
}

TEST_F(CopyProgressTest, FailuresComeBackToTheCaller)
{
    const QString blocker = CurrentTestFolders().ProgramHome() + "/Backup";
    WriteFile(blocker, "a file where the folder should be");

    FileCopyResult result = CopyFilesWithProgress(nullptr, data + "/*.*", blocker + "/Zuges");
    EXPECT_FALSE(result.Succeeded());
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_EQ(result.copied, 0);

    result = CopyFilesWithProgress(nullptr, CurrentTestFolders().ProgramHome() + "/Nothing/*.*",
                                   CurrentTestFolders().Root() + "/out");
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.failures.size(), 1);
}

TEST_F(CopyProgressTest, CancelStopsBeforeTheNextFile)
{
    QTimer::singleShot(0, [] {
        QWidget *window = CopyWindow();
        ASSERT_NE(window, nullptr);
        window->findChild<QPushButton *>()->click();
    });
    const QString target = CurrentTestFolders().Root() + "/restore";
    const FileCopyResult result = CopyFilesWithProgress(nullptr, data, target);

    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.copied, 0);
    EXPECT_TRUE(QDir(target).entryList(QDir::Files).isEmpty());
}

} // namespace

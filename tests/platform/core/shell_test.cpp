#include "platform/core/shell.h"
#include "support/test_environment.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

TEST(Shell, StartProgramRefusesWhatIsNoAbsoluteProgramPath)
{
    const char *const refused[] = {"", "true", "bin/true", "./true", "../bin/true", "/no/such/program"};
    for (const char *path : refused)
        EXPECT_FALSE(StartProgram(path)) << path;
}

TEST(Shell, StartProgramStartsAnAbsoluteProgramWithItsArguments)
{
    EXPECT_TRUE(StartProgram("/bin/true"));

    const QString marker = CurrentTestFolders().Root() + "/started";
    ASSERT_TRUE(StartProgram("/bin/sh", {"-c", "echo ok > \"$1\"", "sh", marker}));
    for (int i = 0; i < 500 && QFileInfo(marker).size() == 0; ++i)
        QThread::msleep(10);
    QFile file(marker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("ok\n"));
}

TEST(Shell, OpenDocumentRefusesEmptyTextAndMissingFiles)
{
    EXPECT_FALSE(OpenDocument(""));
    EXPECT_FALSE(OpenDocument("   "));
    EXPECT_FALSE(OpenDocument(CurrentTestFolders().Root() + "/absent.html"));
    EXPECT_FALSE(OpenDocument("-absent-option-like-name"));
    EXPECT_FALSE(OpenDocument("file://" + CurrentTestFolders().Root() + "/absent.html"));
}

#include "platform/core/drive.h"
#include "platform/core/registry.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

int beeps = 0;

void CountBeep()
{
    ++beeps;
}

class Drive : public testing::Test
{
protected:
    void SetUp() override
    {
        beeps = 0;
        SetBeepFunction(CountBeep);
    }
    void TearDown() override { SetBeepFunction(nullptr); }

    static void MapDrive(const char *letter, const QString &folder)
    {
        TRegIniFile("Software\\Tavrolin\\Directories").WriteString("Drives", letter, folder);
    }
};

} // namespace

TEST_F(Drive, AFolderWithFilesOrAMountPointHoldsAMedium)
{
    const QString floppy = CurrentTestFolders().Root() + "/floppy";
    QDir().mkpath(floppy);
    QFile file(floppy + "/1_20030105_20030112.kup");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    MapDrive("A", floppy);
    MapDrive("B", "/");

    EXPECT_TRUE(DiskInDrive('A'));
    EXPECT_TRUE(DiskInDrive('a'));
    EXPECT_TRUE(DiskInDrive('B'));
    EXPECT_EQ(beeps, 0);
}

TEST_F(Drive, NoMediumOrNoMappingBeepsOnceAndGivesFalse)
{
    const QString empty = CurrentTestFolders().Root() + "/empty";
    QDir().mkpath(empty);
    MapDrive("A", empty);
    MapDrive("B", CurrentTestFolders().Root() + "/absent");

    for (const char letter : {'A', 'B', 'C'}) {
        beeps = 0;
        EXPECT_FALSE(DiskInDrive(letter)) << letter;
        EXPECT_EQ(beeps, 1) << letter;
    }
}

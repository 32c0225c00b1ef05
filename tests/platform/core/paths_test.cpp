#include "platform/core/paths.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(Paths, ProgramFolderComesFromTheEnvironmentAndIsCreated)
{
    const QString home = CurrentTestFolders().ProgramHome() + "/fresh";
    qputenv("TAVROLIN_HOME", home.toLocal8Bit());
    EXPECT_EQ(ProgramFolder(), home);
    EXPECT_TRUE(QFileInfo(home).isDir());
}

TEST(Paths, ProgramFolderFallsBackToTheXdgDataFolder)
{
    qunsetenv("TAVROLIN_HOME");
    EXPECT_EQ(ProgramFolder(), CurrentTestFolders().DataHome() + "/Tavrolin");
}

TEST(Paths, ConfigFolderFollowsXdgConfigHome)
{
    EXPECT_EQ(ConfigFolder(), CurrentTestFolders().ConfigHome() + "/Tavrolin");
    EXPECT_TRUE(QFileInfo(ConfigFolder()).isDir());
}

TEST(Paths, DesignFolderNamesMeetInOneSpelling)
{
    const struct
    {
        const char *designName;
        const char *canonical;
    } cases[] = {
        {"GR\\txt", "GR/txt"},
        {"gr\\TXT", "GR/txt"},
        {"txtdata\\all", "txtData/All"},
        {"txtData\\Lat", "txtData/Lat"},
        {"HtmlData\\All", "HtmlData/ALL"},
        {"htmldata/all", "HtmlData/ALL"},
        {"Backup\\mones", "Backup/Mones"},
        {"kouponia", "Kouponia"},
        {"Protaseis", "PROTASEIS"},
        {"Unknown\\Name", "Unknown/Name"},
        {"\\data\\", "Data"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CanonicalFolderName(c.designName), QString(c.canonical)) << c.designName;
}

TEST(Paths, SubfolderLiesBelowTheProgramFolder)
{
    EXPECT_EQ(ProgramSubfolder("GR\\dos"), ProgramFolder() + "/GR/dos");
}

TEST(Paths, JoinPathPutsExactlyOneSlash)
{
    EXPECT_EQ(JoinPath("/a/", "/b"), QString("/a/b"));
    EXPECT_EQ(JoinPath("/a", "b"), QString("/a/b"));
    EXPECT_EQ(JoinPath("", "b"), QString("b"));
    EXPECT_EQ(JoinPath("/", "b"), QString("/b"));
}

#include "platform/db/alias_store.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(AliasStore, DefaultPathLiesInTheSettingsFolderUnlessTheEnvironmentSaysOtherwise)
{
    EXPECT_EQ(AliasStore::DefaultPath(), CurrentTestFolders().ConfigHome() + "/Tavrolin/dbengine.ini");
    qputenv("TAVROLIN_DBENGINE_CONFIG", "/tmp/elsewhere.ini");
    EXPECT_EQ(AliasStore::DefaultPath(), QString("/tmp/elsewhere.ini"));
}

TEST(AliasStore, WritesPlainSectionsWithValuesVerbatim)
{
    AliasStore store;
    ASSERT_TRUE(store.Add(
        {"Tavrolin", "PARADOX", "PATH:\"/d=1;x\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\""}));
    QFile file(store.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("[Tavrolin]\nTYPE=PARADOX\nPARAMS=PATH:\"/d=1;x\";DEFAULT DRIVER:\"PARADOX\";ENABLE "
                         "BCD:\"FALSE\"\n\n"));
}

TEST(AliasStore, NamesMatchWithoutCaseAndOtherAliasesSurviveChanges)
{
    AliasStore store;
    ASSERT_TRUE(store.Add({"First", "PARADOX", "PATH:\"/a\""}));
    ASSERT_TRUE(store.Add({"Second", "SQLITE", "DATABASE NAME:\"/b.sqlite\""}));
    EXPECT_FALSE(store.Add({"FIRST", "PARADOX", "PATH:\"/c\""}));
    EXPECT_FALSE(store.Add({"", "PARADOX", ""}));
    EXPECT_FALSE(store.Add({"Bad]Name", "PARADOX", ""}));
    EXPECT_TRUE(store.Exists("first"));
    EXPECT_FALSE(store.Delete("third"));
    EXPECT_TRUE(store.Delete("FIRST"));
    EXPECT_EQ(store.Names(), QStringList{"Second"});
    EXPECT_EQ(store.Find("second")->type, QString("SQLITE"));
}

TEST(AliasStore, ParameterTextSplitsIntoEntries)
{
    const auto entries = ParseAliasParams("PATH:\"C:\\x;y\";default driver:\"PARADOX\";ENABLE BCD:\"FALSE\"");
    EXPECT_EQ(entries.value("PATH"), QString("C:\\x;y"));
    EXPECT_EQ(entries.value("DEFAULT DRIVER"), QString("PARADOX"));
    EXPECT_EQ(entries.value("ENABLE BCD"), QString("FALSE"));
    EXPECT_EQ(ParseAliasParams("SERVER NAME:\"/db\"").value("SERVER NAME"), QString("/db"));
    EXPECT_TRUE(ParseAliasParams("").isEmpty());
}

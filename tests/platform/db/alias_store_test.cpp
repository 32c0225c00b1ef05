#include "platform/db/alias_store.h"
#include "support/test_environment.h"

#include "platform/db/db_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->value("PATH"), QString("C:\\x;y"));
    EXPECT_EQ(entries->value("DEFAULT DRIVER"), QString("PARADOX"));
    EXPECT_EQ(entries->value("ENABLE BCD"), QString("FALSE"));
    EXPECT_EQ(ParseAliasParams("SERVER NAME:\"/db\"")->value("SERVER NAME"), QString("/db"));
    EXPECT_TRUE(ParseAliasParams("")->isEmpty());
    // Texts written by hand or by older set-ups: values without quotes, spaces around entries.
    const auto loose = ParseAliasParams(" PATH:/a b ; DEFAULT DRIVER : \"PARADOX\" ;");
    ASSERT_TRUE(loose);
    EXPECT_EQ(loose->value("PATH"), QString("/a b "));
    EXPECT_EQ(loose->value("DEFAULT DRIVER"), QString("PARADOX"));
}

TEST(AliasStore, EveryFolderNameReadsBackAsWritten)
{
    const QString folders[] = {
        "/home/u/My \"Data\"",
        "/home/u/\"",
        "/home/u/\"\"twice\"\"",
        "/home/u/a;b",
        "/home/u/a:b;DEFAULT DRIVER:\"DBASE\"",
        "/home/u/Data\r",
        "/home/u/Da\rta",
        "/home/u/Data  ",
        "  /home/u/Data",
        QString::fromUtf8("/home/Γιώργος/Δεδομένα ΑΕΚ"),
        "/home/u/[x]=y",
        "",
    };
    for (const QString &folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        AliasStore store;
        const QString params =
            AliasParamEntry("PATH", folder) + ';' + AliasParamEntry("DEFAULT DRIVER", "PARADOX");
        ASSERT_TRUE(store.Add({"Tavrolin", "PARADOX", params}));
        const std::optional<AliasDefinition> alias = AliasStore().Find("Tavrolin");
        ASSERT_TRUE(alias);
        EXPECT_EQ(alias->params, params);
        EXPECT_EQ(AliasParams(*alias).value("PATH"), folder);
        EXPECT_EQ(AliasParams(*alias).value("DEFAULT DRIVER"), QString("PARADOX"));
        ASSERT_TRUE(store.Delete("Tavrolin"));
    }
}

TEST(AliasStore, ValuesKeepACarriageReturnAtTheirEnd)
{
    AliasStore store;
    ASSERT_TRUE(store.Add({"First\r", "PARADOX\r", "PATH:/a\r"}));
    ASSERT_TRUE(store.Add({"Second", "SQLITE", "DATABASE NAME:\"/b.sqlite\""}));
    const std::optional<AliasDefinition> first = store.Find("First\r");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->type, QString("PARADOX\r"));
    EXPECT_EQ(first->params, QString("PATH:/a\r"));
    EXPECT_EQ(store.Find("second")->params, QString("DATABASE NAME:\"/b.sqlite\""));
    EXPECT_FALSE(store.Add({"Third", "PARADOX", "PATH:\"/a\nb\""})) << "a line break cannot be stored";
    EXPECT_FALSE(store.Exists("Third"));
}

TEST(AliasStore, AFileSavedWithCrLfLineEndsIsStillRead)
{
    QFile file(AliasStore::DefaultPath());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tavrolin]\r\nTYPE=PARADOX\r\nPARAMS=PATH:\"/d\";DEFAULT DRIVER:\"PARADOX\"\r\n\r\n");
    file.close();
    const std::optional<AliasDefinition> alias = AliasStore().Find("tavrolin");
    ASSERT_TRUE(alias);
    EXPECT_EQ(alias->type, QString("PARADOX"));
    EXPECT_EQ(AliasParams(*alias).value("PATH"), QString("/d"));
}

TEST(AliasStore, ParameterTextThatReadsMoreThanOneWayIsRefused)
{
    struct Case
    {
        const char *what;
        QString params;
    };
    const Case cases[] = {
        // What older set-ups wrote for a folder with quotes: cut at the quote, it named another folder.
        {"quote written verbatim", "PATH:\"/home/u/My \"Data\"\";DEFAULT DRIVER:\"PARADOX\""},
        {"quote at the end written verbatim", "PATH:\"/home/u/Data\"\";DEFAULT DRIVER:\"PARADOX\""},
        {"quote left open", "PATH:\"/home/u/Data"},
        {"text after the closing quote", "PATH:\"/home/u\"/Data;DEFAULT DRIVER:\"PARADOX\""},
        {"quote inside a value without quotes", "PATH:/home/u/\"Data\""},
        {"entry without a name", ":\"/home/u/Data\""},
        {"entry without a colon", "PATH:\"/home/u/Data\";garbage"},
        {"empty entry", "PATH:\"/a\";;DEFAULT DRIVER:\"PARADOX\""},
        {"name given twice", "PATH:\"/a\";path:\"/b\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ParseAliasParams(c.params).has_value());
        try {
            AliasParams({"Tavrolin", "PARADOX", c.params});
            ADD_FAILURE() << "read a parameter text that reads more than one way";
        } catch (const EDatabaseError &error) {
            EXPECT_TRUE(error.Message().startsWith(
                QString::fromUtf8("Οι παράμετροι του ψευδωνύμου Tavrolin δεν διαβάζονται με βεβαιότητα:\n") +
                c.params + '\n'))
                << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains("ormandel -Tavrolin"));
        }
    }
}

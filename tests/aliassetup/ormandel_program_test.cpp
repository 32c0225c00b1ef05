// Runs the real ormandel program, as run.sh and a user do.
#include "platform/core/paths.h"
#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "support/test_environment.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct OrmandelRun
{
    int exitCode;
    QByteArray output;
};

OrmandelRun RunOrmandel(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ORMANDEL_PATH, arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAll()};
}

} // namespace

TEST(OrmandelProgram, NoParametersRegistersTheProgramsDataFolderSilently)
{
    const OrmandelRun run = RunOrmandel({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.isEmpty()) << run.output.toStdString();

    const auto alias = AliasStore().Find("Tavrolin");
    ASSERT_TRUE(alias);
    EXPECT_EQ(alias->type, QString("PARADOX"));
    EXPECT_EQ(alias->params,
              "PATH:\"" + ProgramFolder() + "/Data\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\"");
}

TEST(OrmandelProgram, MinusReplacesAndOtherDriversGetOneEntry)
{
    RunOrmandel({});
    EXPECT_EQ(RunOrmandel({"-Tavrolin", "/x"}).exitCode, 0);
    EXPECT_EQ(AliasStore().Find("Tavrolin")->params,
              QString("PATH:\"/x\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\""));

    EXPECT_EQ(RunOrmandel({"Foo", "/db", "INTRBASE"}).exitCode, 0);
    EXPECT_EQ(AliasStore().Find("Foo")->params, QString("SERVER NAME:\"/db\""));
    EXPECT_EQ(AliasStore().Names().size(), 2);
}

TEST(OrmandelProgram, AnUnwritableStoreStillEndsWithExitCodeZero)
{
    qputenv("TAVROLIN_DBENGINE_CONFIG", "/proc/no/such/folder/dbengine.ini");
    const OrmandelRun run = RunOrmandel({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.isEmpty());
}

TEST(OrmandelProgram, TheProgramOpensTheFolderRegisteredWhateverItsName)
{
    const QString root = CurrentTestFolders().Root();
    const QString folders[] = {
        root + "/My \"Data\"",
        root + "/Data\"",
        root + "/a;b:c",
        root + "/x\";DEFAULT DRIVER:\"DBASE",
        root + "/Data\r",
        root + "/Data  ",
        root + QString::fromUtf8("/Δεδομένα Γιώργου"),
    };
    for (const QString &folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        const OrmandelRun run = RunOrmandel({"-Tavrolin", folder});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.output.isEmpty()) << run.output.toStdString();
        EXPECT_EQ(AliasParams(*AliasStore().Find("Tavrolin")).value("PATH"), folder);
        EXPECT_EQ(TDatabase::FileNameOfAlias("Tavrolin"), folder + "/tavrolin.sqlite");
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
}

TEST(OrmandelProgram, ADriverNameEndingInCarriageReturnIsKept)
{
    // The last word of a command line in a script saved with CR LF line ends carries the CR.
    const QString file = CurrentTestFolders().Root() + "/c.sqlite";
    EXPECT_EQ(RunOrmandel({"Coupons", file, "SQLITE\r"}).exitCode, 0);
    EXPECT_EQ(AliasStore().Find("Coupons")->type, QString("SQLITE\r"));
    EXPECT_EQ(TDatabase::FileNameOfAlias("Coupons"), file);
}

TEST(OrmandelProgram, AFolderWithALineBreakIsNotRegistered)
{
    RunOrmandel({});
    const OrmandelRun run = RunOrmandel({"-Tavrolin", CurrentTestFolders().Root() + "/a\nb"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.isEmpty());
    // The program then says at start that the alias is missing and to run ormandel again.
    EXPECT_FALSE(AliasStore().Exists("Tavrolin"));
}

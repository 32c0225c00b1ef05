// Runs the real ormandel program, as run.sh and a user do.
#include "platform/core/paths.h"
#include "platform/db/alias_store.h"
#include "support/test_environment.h"

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

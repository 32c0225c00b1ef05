#include "aliassetup/alias_setup.h"
#include "support/test_environment.h"

#include <gtest/gtest.h>

using namespace tav::aliassetup;

namespace {

const QString DataFolder = QStringLiteral("/home/u/.local/share/Tavrolin/Data");

struct RequestCase
{
    QStringList arguments;
    const char *aliasName;
    bool replace;
    const char *driverType;
    QString params;
};

} // namespace

TEST(AliasSetupRequest, ParametersByPositionWithDefaults)
{
    const QString fileParams = "PATH:\"" + DataFolder + "\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\"";
    const RequestCase cases[] = {
        {{}, "Tavrolin", false, "PARADOX", fileParams},
        {{"-Tavrolin", "/x"},
         "Tavrolin",
         true,
         "PARADOX",
         "PATH:\"/x\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\""},
        {{"Foo", "/db", "INTRBASE"}, "Foo", false, "INTRBASE", "SERVER NAME:\"/db\""},
        {{"Foo", "/db", "intrbase"}, "Foo", false, "intrbase", "SERVER NAME:\"/db\""},
        {{"Acc", "/a/b.mdb", "MSACCESS"}, "Acc", false, "MSACCESS", "DATABASE NAME:\"/a/b.mdb\""},
        {{"Old", "/p", "standard"},
         "Old",
         false,
         "PARADOX",
         "PATH:\"/p\";DEFAULT DRIVER:\"standard\";ENABLE BCD:\"FALSE\""},
        {{"D", "/p", "dbase"},
         "D",
         false,
         "dbase",
         "PATH:\"/p\";DEFAULT DRIVER:\"dbase\";ENABLE BCD:\"FALSE\""},
        // An empty path falls back to the default; an empty name stays empty.
        {{"X", ""}, "X", false, "PARADOX", fileParams},
        {{""}, "", false, "PARADOX", fileParams},
        // Only the first minus is taken off.
        {{"--Twice"}, "-Twice", true, "PARADOX", fileParams},
        // A quote in the path is doubled, so that the whole path reads back.
        {{"Q", "/a\"b", "SQLITE"}, "Q", false, "SQLITE", "DATABASE NAME:\"/a\"\"b\""},
        // Parameters beyond the third are ignored.
        {{"A", "/p", "PARADOX", "extra"},
         "A",
         false,
         "PARADOX",
         "PATH:\"/p\";DEFAULT DRIVER:\"PARADOX\";ENABLE BCD:\"FALSE\""},
    };
    for (const RequestCase &c : cases) {
        const AliasSetupRequest request = BuildAliasSetupRequest(c.arguments, DataFolder);
        const QString label = c.arguments.join(' ');
        EXPECT_EQ(request.aliasName, QString(c.aliasName)) << label.toStdString();
        EXPECT_EQ(request.replace, c.replace) << label.toStdString();
        EXPECT_EQ(request.driverType, QString(c.driverType)) << label.toStdString();
        EXPECT_EQ(request.params, c.params) << label.toStdString();
    }
}

TEST(AliasSetupRequest, NameAndDriverTypeAreWhatTheDosCodePageHolds)
{
    const AliasSetupRequest request = BuildAliasSetupRequest(
        {QString::fromUtf8("-Ταβρ€λιν"), "/p", QString::fromUtf8("ΟΔΗΓΟΣ")}, DataFolder);
    EXPECT_EQ(request.aliasName, QString::fromUtf8("Ταβρ?λιν"));
    EXPECT_EQ(request.deleteName, QString::fromUtf8("Ταβρ€λιν"));
    EXPECT_EQ(request.driverType, QString::fromUtf8("ΟΔΗΓΟΣ"));
    EXPECT_EQ(request.params, QString::fromUtf8("DATABASE NAME:\"/p\""));
}

TEST(AliasSetup, AddIsRefusedWhenTheAliasExistsAndReplaceReRegisters)
{
    AliasStore store(CurrentTestFolders().Root() + "/engine.ini");
    RunAliasSetup(BuildAliasSetupRequest({"Tavrolin", "/first"}, DataFolder), store);
    RunAliasSetup(BuildAliasSetupRequest({"TAVROLIN", "/second"}, DataFolder), store);
    ASSERT_TRUE(store.Find("Tavrolin"));
    EXPECT_EQ(AliasParams(*store.Find("Tavrolin")).value("PATH"), QString("/first"));

    RunAliasSetup(BuildAliasSetupRequest({"-tavrolin", "/second"}, DataFolder), store);
    EXPECT_EQ(store.Names(), QStringList{"tavrolin"});
    EXPECT_EQ(AliasParams(*store.Find("Tavrolin")).value("PATH"), QString("/second"));
}

TEST(AliasSetup, ReplacingAMissingAliasSimplyAddsIt)
{
    AliasStore store(CurrentTestFolders().Root() + "/engine.ini");
    RunAliasSetup(BuildAliasSetupRequest({"-Other", "/o"}, DataFolder), store);
    EXPECT_TRUE(store.Exists("other"));
}

#include "controls/styled/sty_ini_ctrl.h"
#include "controls/styled/sty_sys_info.h"

#include <gtest/gtest.h>

namespace {

TEST(StyIniCtrl, FileNamesGetTheIniExtension)
{
    const struct
    {
        QString given, kept;
    } cases[] = {{"x", "x.INI"}, {"x.cfg", "x.cfg"}, {"", ""}, {"conf.d/x", "conf.d/x.INI"}, {"x.", "x.INI"}};
    for (const auto &[given, kept] : cases) {
        TStyIniCtrl store;
        store.SetIniFile(given);
        EXPECT_EQ(store.IniFile(), kept) << given.toStdString();
    }
}

TEST(StyIniCtrl, SettersKeepTheRulesAndNotifyRealChangesOnly)
{
    TStyIniCtrl store;
    int changes = 0;
    store.OnChange = [&changes](TStyCustomComponent *) { ++changes; };
    EXPECT_EQ(store.EffectiveTarget(), TStyIniCtrl::itRegistry) << "automatic means the registry";
    EXPECT_NE(store.EncKey(), 0);

    store.SetMaxEntries(40);
    store.SetMaxEntries(40);
    EXPECT_EQ(changes, 1);
    store.SetAlphaCounter(true);
    EXPECT_EQ(store.MaxEntries(), 26) << "letters run to Z";
    store.SetMaxEntries(30);
    EXPECT_EQ(store.MaxEntries(), 26);
    store.SetMaxEntries(300);
    EXPECT_EQ(store.MaxEntries(), 26);
    EXPECT_EQ(changes, 2);

    store.SetTarget(TStyIniCtrl::itIniFile);
    EXPECT_EQ(store.EffectiveTarget(), TStyIniCtrl::itIniFile);
    store.SetTarget(TStyIniCtrl::itAuto);
    EXPECT_EQ(store.EffectiveTarget(), TStyIniCtrl::itRegistry);

    store.BeginUpdate();
    store.SetNetUser(true);
    store.EndUpdate(false);
    EXPECT_EQ(store.User(), tav::styled::CurrentUserName());
    EXPECT_FALSE(store.User().isEmpty());
    EXPECT_EQ(changes, 4) << "nothing while updating";
    store.BeginUpdate();
    store.EndUpdate(true);
    EXPECT_EQ(changes, 5);
}

TEST(StyIniCtrl, ADesignRoundTripsWithEnumerationNames)
{
    TStyIniCtrl store;
    TStyDesign design;
    design.values = {{"IniFile", "tavrolin"},
                     {"IniPrefix", "ppProgram"},
                     {"RegRoot", "rpLocalMachine"},
                     {"Target", "itIniFile"},
                     {"RegPath", "Software\\Tavrolin"}};
    tav::styled::ReadDesign(store, design);
    EXPECT_EQ(store.IniFile(), "tavrolin.INI");
    EXPECT_EQ(store.IniPrefix(), ppProgram);
    EXPECT_EQ(store.RegRoot(), TStyIniCtrl::rpLocalMachine);

    const TStyDesign written = tav::styled::WriteDesign(store);
    EXPECT_EQ(written.Value("IniPrefix").toString(), "ppProgram");
    EXPECT_EQ(written.Value("Target").toString(), "itIniFile");
    TStyIniCtrl copy;
    tav::styled::ReadDesign(copy, written);
    EXPECT_EQ(tav::styled::WriteDesign(copy).values, written.values);
}

TEST(StySysInfo, TheNewerSystemFamilyAndTheScreen)
{
    EXPECT_TRUE(tav::styled::IsWinNT);
    EXPECT_GT(tav::styled::DisplayColorDepth(), 0);
}

} // namespace

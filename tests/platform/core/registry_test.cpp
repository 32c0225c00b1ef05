#include "platform/core/errors.h"
#include "platform/core/registry.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(Registry, FreshRegistryGivesTheDefaults)
{
    const TRegIniFile general("Software\\Tavrolin\\General");
    EXPECT_TRUE(general.ReadBool("Tips", "ShowTips", true));
    EXPECT_FALSE(general.ReadBool("Tips", "EndFlag", false));
    EXPECT_EQ(general.ReadString("MassSavePedia", "Checked", ""), QString());
    EXPECT_EQ(general.ReadInteger("Options", "Agvnistikh", -7), -7);
    EXPECT_DOUBLE_EQ(general.ReadFloat("Options", "Rate", 1.25), 1.25);
    EXPECT_FALSE(general.SectionExists("Tips"));
    EXPECT_FALSE(general.ValueExists("Tips", "ShowTips"));
    EXPECT_TRUE(general.ReadSection("Tips").isEmpty());
}

TEST(Registry, ValuesRoundTripThroughTheFileAtOnce)
{
    TRegIniFile options("Software\\Tavrolin\\Diorganvsh");
    options.WriteString("Options", "NameD", "Α' ΕΘΝΙΚΗ, \"Ελλάδα\" = 1");
    options.WriteString("Options", "NameP", "2002-03");
    options.WriteInteger("Options", "Agvnistikh", -12);
    options.WriteBool("Tips", "ShowTips", false);
    options.WriteFloat("Params", "Limit", 2.5);

    EXPECT_TRUE(QFileInfo(TRegIniFile::FileName()).size() > 0);
    EXPECT_EQ(TRegIniFile::FileName(), CurrentTestFolders().ConfigHome() + "/Tavrolin/Tavrolin.conf");

    const TRegIniFile reader("Software\\Tavrolin\\Diorganvsh");
    EXPECT_EQ(reader.ReadString("Options", "NameD", ""), QString("Α' ΕΘΝΙΚΗ, \"Ελλάδα\" = 1"));
    EXPECT_EQ(reader.ReadString("Options", "NameP", ""), QString("2002-03"));
    EXPECT_EQ(reader.ReadInteger("Options", "Agvnistikh", 0), -12);
    EXPECT_EQ(reader.ReadString("Options", "Agvnistikh", ""), QString("-12"));
    EXPECT_FALSE(reader.ReadBool("Tips", "ShowTips", true));
    EXPECT_DOUBLE_EQ(reader.ReadFloat("Params", "Limit", 0), 2.5);
    EXPECT_EQ(reader.ReadSection("Options"), (QStringList{"Agvnistikh", "NameD", "NameP"}));
    EXPECT_EQ(reader.ReadSections(), (QStringList{"Options", "Params", "Tips"}));

    // Another key of the same file is a separate group.
    EXPECT_EQ(TRegIniFile("Software\\Tavrolin\\General").ReadString("Options", "NameD", "none"),
              QString("none"));
}

TEST(Registry, KeysSectionsAndNamesMatchWithoutCase)
{
    TRegIniFile("Software\\TAVROLIN\\general").WriteString("OPTIONS", "namep", "2003");
    const struct
    {
        const char *key;
        const char *section;
        const char *name;
    } spellings[] = {
        {"Software\\Tavrolin\\General", "Options", "NameP"},
        {"software\\tavrolin\\GENERAL", "options", "NAMEP"},
        {"Tavrolin\\General", "Options", "NameP"},
        {"\\Software\\Tavrolin\\General\\", "Options", "NameP"},
    };
    for (const auto &s : spellings) {
        const TRegIniFile key(s.key);
        EXPECT_EQ(key.ReadString(s.section, s.name, ""), QString("2003")) << s.key;
        EXPECT_TRUE(key.ValueExists(s.section, s.name)) << s.key;
        EXPECT_TRUE(key.SectionExists(s.section)) << s.key;
    }
    // A write under another spelling replaces the value instead of adding a second one.
    TRegIniFile("Software\\Tavrolin\\General").WriteString("Options", "NameP", "2004");
    const TRegIniFile general("Software\\Tavrolin\\General");
    EXPECT_EQ(general.ReadSection("options"), QStringList{"namep"});
    EXPECT_EQ(general.ReadString("Options", "NameP", ""), QString("2004"));
}

TEST(Registry, ValuesThatAreNoNumbersReadAsTheDefault)
{
    TRegIniFile key("Software\\Tavrolin\\General");
    const struct
    {
        const char *stored;
        int integer;
        bool boolean;
        double real;
    } cases[] = {
        {"42", 42, true, 42.0},
        {" 7 ", 7, true, 7.0},
        {"0", 0, false, 0.0},
        {"abc", -1, true, -1.5},
        {"", -1, true, -1.5},
        {"1,5", -1, true, 1.5},
        {"2.25", -1, true, 2.25},
        {"true", -1, true, -1.5},
        {"FALSE", -1, false, -1.5},
        {"12abc", -1, true, -1.5},
        {"99999999999", -1, true, 99999999999.0},
    };
    for (const auto &c : cases) {
        key.WriteString("Values", "V", c.stored);
        EXPECT_EQ(key.ReadInteger("Values", "V", -1), c.integer) << c.stored;
        EXPECT_EQ(key.ReadBool("Values", "V", true), c.boolean) << c.stored;
        EXPECT_DOUBLE_EQ(key.ReadFloat("Values", "V", -1.5), c.real) << c.stored;
    }
}

TEST(Registry, EmptySectionHoldsTheValuesDirectlyUnderTheKey)
{
    TRegIniFile key("Software\\Tavrolin\\Directories");
    key.WriteString("", "Root", "/data");
    key.WriteString("Options", "Tavrolin", "/prog");
    EXPECT_EQ(key.ReadString("", "Root", ""), QString("/data"));
    EXPECT_EQ(key.ReadSection(""), QStringList{"Root"});
    EXPECT_EQ(key.ReadString("Options", "Root", "none"), QString("none"));

    key.EraseSection("");
    EXPECT_FALSE(key.ValueExists("", "Root"));
    EXPECT_EQ(key.ReadString("Options", "Tavrolin", ""), QString("/prog"));
}

TEST(Registry, EraseSectionAndDeleteKeyRemoveFromTheFile)
{
    TRegIniFile key("Software\\Tavrolin\\General");
    key.WriteBool("Tips", "ShowTips", true);
    key.WriteBool("Tips", "EndFlag", true);
    key.WriteString("MassSavePedia", "Checked", "1,2,3");

    TRegIniFile("software\\tavrolin\\general").DeleteKey("tips", "endflag");
    EXPECT_FALSE(key.ValueExists("Tips", "EndFlag"));
    EXPECT_TRUE(key.ValueExists("Tips", "ShowTips"));

    key.EraseSection("TIPS");
    EXPECT_FALSE(key.SectionExists("Tips"));
    EXPECT_EQ(key.ReadSections(), QStringList{"MassSavePedia"});
    EXPECT_EQ(key.ReadString("MassSavePedia", "Checked", ""), QString("1,2,3"));
}

TEST(Registry, AnUnwritableFileRaisesInOutError)
{
    TRegIniFile key("Software\\Tavrolin\\General");
    key.WriteString("Options", "NameD", "x");
    // A folder in place of the settings file cannot be written, whoever runs the test.
    QFile::remove(TRegIniFile::FileName());
    QDir().mkpath(TRegIniFile::FileName());
    EXPECT_THROW(key.WriteString("Options", "NameD", "y"), EInOutError);
    EXPECT_THROW(key.WriteString("Options", "", "y"), Exception);
}

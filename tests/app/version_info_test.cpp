#include "app/version_info.h"
#include "elf_builder.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace elf_builder;

QString WriteProgram(const QByteArray &bytes)
{
    const QString path = JoinPath(CurrentTestFolders().Root(), "program");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

QString ProgramWith(const TFixedFileInfo &info)
{
    return WriteProgram(ElfFile({{VersionSectionName, BlockBytes(info), std::nullopt}}));
}

TEST(VersionInfoTest, FileVersionTextJoinsTheFourNumbers)
{
    struct Case
    {
        quint32 ms, ls;
        const char *text;
    };
    const Case cases[] = {
        {3u << 16 | 1, 2u << 16 | 313, "3.1.2.313"},
        {0, 0, "0.0.0.0"},
        {0xFFFFu << 16 | 0xFFFF, 10u << 16, "65535.65535.10.0"},
    };
    for (const Case &c : cases) {
        TFixedFileInfo info;
        info.FileVersionMS = c.ms;
        info.FileVersionLS = c.ls;
        EXPECT_EQ(TVerInfoRes(ProgramWith(info)).GetFileVersionText(), QString(c.text));
    }
}

TEST(VersionInfoTest, FlagsAreTheSetOnesUnderTheMaskInTheirFixedOrder)
{
    struct Case
    {
        quint32 flags, mask;
        QStringList expected;
    };
    const Case cases[] = {
        {VS_FF_PRERELEASE, 0x3F, {"Pre-release"}},
        {0x3F, 0x3F, {"Pre-release", "Private build", "Special build", "Debug"}},
        {VS_FF_DEBUG | VS_FF_SPECIALBUILD, 0x3F, {"Special build", "Debug"}},
        {VS_FF_PRERELEASE, 0, {}},
        {0x04 | 0x10, 0x3F, {}}, // patched, information inferred: not listed
    };
    for (const Case &c : cases) {
        TFixedFileInfo info;
        info.FileFlags = c.flags;
        info.FileFlagsMask = c.mask;
        EXPECT_EQ(TVerInfoRes(ProgramWith(info)).Flags(), c.expected);
    }
}

TEST(VersionInfoTest, TargetSystemTexts)
{
    struct Case
    {
        quint32 os;
        const char *text;
    };
    const Case cases[] = {
        {0x0, "Unknown"},
        {0x1, "Designed for 16-bit Windows"},
        {0x2, "Designed for 16-bit PM"},
        {0x3, "Designed for 32-bit PM"},
        {0x4, "Designed for 32-bit Windows"},
        {0x10000, "Designed for MS-DOS"},
        {0x10001, "Designed for 16-bit Windows, running on MS-DOS"},
        {0x10004, "Designed for Win32 API, running on MS-DOS"},
        {0x20000, "Designed for 16-bit OS/2"},
        {0x20002, "Designed for 16-bit PM, running on 16-bit OS/2"},
        {0x30000, "Designed for 32-bit OS/2"},
        {0x30003, "Designed for 32-bit PM, running on 32-bit OS/2"},
        {0x40000, "Designed for Windows NT"},
        {0x40004, "Designed for Win32 API, running on Windows/NT"},
        {0x80000, "Designed for Linux"},
        {0x50000, "Unknown"},
        {0x40001, "Unknown"},
    };
    for (const Case &c : cases) {
        TFixedFileInfo info;
        info.FileOS = c.os;
        EXPECT_EQ(TVerInfoRes(ProgramWith(info)).GetOSText(), QString(c.text)) << std::hex << c.os;
    }
}

TEST(VersionInfoTest, TheRunningProgramCarriesTheBuildsVersion)
{
    const TVerInfoRes info(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.GetFileVersionText(), QString(TAVROLIN_VERSION) + ".0");
    EXPECT_EQ(info.GetOSText(), QString("Designed for Linux"));
    const TFixedFileInfo built = ProgramFixedFileInfo();
    EXPECT_EQ(built.FileOS, VOS_LINUX);
    EXPECT_EQ(info.Flags().contains("Pre-release"), QString(TAVROLIN_VERSION).startsWith("0."));
#ifdef NDEBUG
    EXPECT_FALSE(info.Flags().contains("Debug"));
#else
    EXPECT_TRUE(info.Flags().contains("Debug"));
#endif
}

TEST(VersionInfoTest, FilesWithoutAVersionBlock)
{
    const QByteArray block = BlockBytes(TFixedFileInfo());
    struct Case
    {
        const char *what;
        std::optional<QByteArray> bytes; // nothing: the file is missing
    };
    const Case cases[] = {
        {"missing file", std::nullopt},
        {"text file", QByteArray("just some text\r\n")},
        {"ELF without the section", ElfFile({{".text", QByteArray(16, '\x90'), std::nullopt}})},
        {"empty section", ElfFile({{VersionSectionName, QByteArray(), std::nullopt}})},
        {"section of a longer name", ElfFile({{".tavrolin_version2", block, std::nullopt}})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = c.bytes ? WriteProgram(*c.bytes) : JoinPath(CurrentTestFolders().Root(), "none");
        try {
            TVerInfoRes info(path);
            ADD_FAILURE() << "no error raised";
        } catch (const ENoVerInfoError &error) {
            EXPECT_EQ(error.Message(), QString("No Version Info Available."));
        }
    }
}

TEST(VersionInfoTest, BrokenVersionBlocks)
{
    const QByteArray block = BlockBytes(TFixedFileInfo());
    QByteArray longer = block;
    longer[0] = char(200); // the block claims more bytes than its section has
    QByteArray noTranslation = block;
    noTranslation[2] = 0;
    QByteArray shortFixed = block;
    shortFixed[4] = 48;
    QByteArray tooShort = block;
    tooShort[0] = 4; // less than its own header
    QByteArray cutTranslation = block;
    cutTranslation[0] = 10; // the translation runs past the block's end
    QByteArray badSignature = block;
    badSignature[12] = 0;
    struct Case
    {
        const char *what;
        ElfSection section;
        const char *message;
    };
    const Case cases[] = {
        {"section past the end of the file",
         {VersionSectionName, block, 4096},
         "Cannot obtain version info."},
        {"block longer than its section",
         {VersionSectionName, longer, std::nullopt},
         "Cannot obtain version info."},
        {"section shorter than a block header",
         {VersionSectionName, QByteArray(4, '\0'), std::nullopt},
         "Cannot obtain version info."},
        {"block shorter than its header",
         {VersionSectionName, tooShort, std::nullopt},
         "Cannot obtain version info."},
        {"no translation", {VersionSectionName, noTranslation, std::nullopt}, "No language info."},
        {"translation cut short", {VersionSectionName, cutTranslation, std::nullopt}, "No language info."},
        {"fixed information under 52 bytes",
         {VersionSectionName, shortFixed, std::nullopt},
         "No fixed file info"},
        {"fixed information without its signature",
         {VersionSectionName, badSignature, std::nullopt},
         "No fixed file info"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            TVerInfoRes info(WriteProgram(ElfFile({c.section})));
            ADD_FAILURE() << "no error raised";
        } catch (const ENoVerInfoError &) {
            ADD_FAILURE() << "a broken block is no missing block";
        } catch (const EVerInfoError &error) {
            EXPECT_EQ(error.Message(), QString(c.message));
        }
    }
}

} // namespace

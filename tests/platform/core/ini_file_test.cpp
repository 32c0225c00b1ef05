#include "platform/core/codepage.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Writes the ini text in code page 1253 with CRLF line ends, as the program's ini file is kept.
void WriteIni(const QString &path, const QString &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ToCodePage(QString(text).replace("\n", "\r\n"), CodePage::Windows1253));
}

const char *const kSample = "; result pages of the categories\n"
                            "[Α' ΕΘΝΙΚΗ]\n"
                            "URL_ALL=http://results.example/gr/a1.htm?x=1&y=2\n"
                            "TYPOS_ALL = Ricu \n"
                            "URL_LAT=\n"
                            "\n"
                            "[Αγγλία]\n"
                            "URL_ALL=\"http://results.example/en/pl.htm\"\n"
                            "Rounds=38\n"
                            "Bad=3x\n"
                            "no equals sign here\n"
                            "[ΑΓΓΛΙΑ]\n"
                            "URL_LAT=http://results.example/en/last.htm\n"
                            "[ΟΜΑΔΕΣ ΤΗΣ ΙΤΑΛΙΑΣ]\n"
                            "url_all=first\n"
                            "URL_ALL=second\n";

class IniFile : public testing::Test
{
protected:
    void SetUp() override { WriteIni(ProgramIniFileName(), kSample); }
};

} // namespace

TEST_F(IniFile, ProgramIniLiesInTheProgramFolder)
{
    EXPECT_EQ(ProgramIniFileName(), CurrentTestFolders().ProgramHome() + "/Tavrolin.ini");
    EXPECT_EQ(TIniFile(ProgramIniFileName()).FileName(), ProgramIniFileName());
}

TEST_F(IniFile, ReadsValuesBySectionAndKeyWithoutCase)
{
    const TIniFile ini(ProgramIniFileName());
    const struct
    {
        const char *section;
        const char *key;
        const char *expected;
    } cases[] = {
        {"Α' ΕΘΝΙΚΗ", "URL_ALL", "http://results.example/gr/a1.htm?x=1&y=2"},
        {"α' εθνικη", "url_all", "http://results.example/gr/a1.htm?x=1&y=2"},
        {"Α' ΕΘΝΙΚΗ", "TYPOS_ALL", "Ricu"},
        {"Α' ΕΘΝΙΚΗ", "URL_LAT", ""},
        {"Αγγλία", "URL_ALL", "http://results.example/en/pl.htm"},
        {"ΑΓΓΛΊΑ", "Rounds", "38"},
        {"ΑΓΓΛΙΑ", "URL_LAT", "http://results.example/en/last.htm"},
        {"ομάδες της ιταλίας", "URL_ALL", "<missing>"},
        {"ομαδες της ιταλιας", "URL_ALL", "first"},
        {"ΟΜΑΔΕΣ ΤΗΣ ΙΤΑΛΙΑΣ", "URL_ALL", "first"},
        {"Missing", "URL_ALL", "<missing>"},
        {"Αγγλία", "Missing", "<missing>"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<missing>"), QString(c.expected))
            << c.section << " " << c.key;
    }
    EXPECT_EQ(ini.ReadInteger("αγγλία", "ROUNDS", -1), 38);
    EXPECT_EQ(ini.ReadInteger("Αγγλία", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Αγγλία", "Missing", -1), -1);
}

TEST_F(IniFile, ListsSectionsKeysAndValuesInFileOrder)
{
    const TIniFile ini(ProgramIniFileName());
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Α' ΕΘΝΙΚΗ", "Αγγλία", "ΑΓΓΛΙΑ", "ΟΜΑΔΕΣ ΤΗΣ ΙΤΑΛΙΑΣ"}));
    EXPECT_EQ(ini.ReadSection("α' εθνικη"), (QStringList{"URL_ALL", "TYPOS_ALL", "URL_LAT"}));
    EXPECT_EQ(ini.ReadSectionValues("Αγγλία"),
              (QStringList{"URL_ALL=http://results.example/en/pl.htm", "Rounds=38", "Bad=3x"}));
    EXPECT_EQ(ini.ReadSection("ΟΜΑΔΕΣ ΤΗΣ ΙΤΑΛΙΑΣ"), QStringList{"url_all"});
    EXPECT_TRUE(ini.ReadSection("Missing").isEmpty());
    EXPECT_TRUE(ini.SectionExists("α' ΕΘΝΙΚΗ"));
    EXPECT_FALSE(ini.SectionExists("Β' ΕΘΝΙΚΗ"));
    EXPECT_TRUE(ini.ValueExists("Α' ΕΘΝΙΚΗ", "url_lat"));
    EXPECT_FALSE(ini.ValueExists("Α' ΕΘΝΙΚΗ", "TYPOS_LAT"));
}

TEST_F(IniFile, AMissingFileIsAnEmptyIni)
{
    QFile::remove(ProgramIniFileName());
    const TIniFile ini(ProgramIniFileName());
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_FALSE(ini.SectionExists("Αγγλία"));
    EXPECT_EQ(ini.ReadString("Αγγλία", "URL_ALL", "none"), QString("none"));
}

#include "db_fixture.h"

#include "platform/db/field.h"
#include "platform/db/sqlite_statement.h"

TEST(TextCutToSize, KeepsWholeCharactersWithinTheSize)
{
    const QString trophy = "🏆";         // two UTF-16 units
    const QString flag = "🇬🇷";          // four units, one character
    const QString accented = "α\u0301"; // a letter and a combining accent: one character
    const struct
    {
        QString text;
        int size;
        QString kept;
    } cases[] = {
        {"Παναθηναϊκός", 0, "Παναθηναϊκός"},
        {"Παναθηναϊκός", 12, "Παναθηναϊκός"},
        {"Παναθηναϊκός", 5, "Παναθ"},
        {"Α" + trophy.repeated(25), 50, "Α" + trophy.repeated(24)},
        {"Α" + trophy.repeated(25), 51, "Α" + trophy.repeated(25)},
        {trophy, 1, ""},
        {"ΑΕΚ" + flag, 6, "ΑΕΚ"},
        {"ΑΕΚ" + flag, 7, "ΑΕΚ" + flag},
        {"Αθην" + accented + "ς", 5, "Αθην"},
        {"Αθην" + accented + "ς", 6, "Αθην" + accented},
        {"", 3, ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TextCutToSize(c.text, c.size), c.kept) << c.text.toStdString() << " " << c.size;
        EXPECT_LE(TextCutToSize(c.text, c.size).size(), c.size > 0 ? c.size : c.text.size());
    }
}

TEST_F(DbTest, ATextCutToItsFieldSizeIsStoredWhole)
{
    CreateKrath();
    auto krath = OpenTable("Krath");
    const QString name = TextCutToSize("Α" + QString("🏆").repeated(25), krath->FieldByName("Name").Size());
    AppendRecord(*krath, {{"Name", name}, {"Kode", "GR"}});
    SqliteStatement stored(Db().Handle(), "SELECT Name FROM Krath");
    ASSERT_TRUE(stored.Step());
    EXPECT_EQ(stored.Text(0), "Α" + QString("🏆").repeated(24));
}

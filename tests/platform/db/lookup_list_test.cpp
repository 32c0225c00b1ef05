#include "db_fixture.h"

#include <sqlite3.h>

namespace {

// Competition teams of two competitions, with a namesake in each, and matches that look their
// sides up by competition and competition team, as the match list does.
class LookupListTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreatePerOmades();
        Db().CreateTable(
            {"Games",
             {{"DiorgNo", TFieldType::ftInteger, 0, false}, {"Home", TFieldType::ftInteger, 0, false}},
             {}});
        auto writer = OpenTable("PerOmades");
        for (const auto &[dNo, name] : {std::pair{1, "Ολυμπιακός"},
                                        {1, "Άρης"},
                                        {1, "ΑΕΚ"},
                                        {1, "Αθηναϊκός"},
                                        {2, "Ολυμπιακός"},
                                        {2, "Λάρισα"}})
            AppendRecord(*writer, {{"DiorNo", dNo}, {"GrName", QString::fromUtf8(name)}});
        teams.SetDatabase(&Db());
        teams.SetTableName("PerOmades");
        teams.Open();
        games.SetDatabase(&Db());
        games.SetTableName("Games");
        home = &games.AddLookupField("GName", TFieldType::ftString, 30, "DiorgNo;Home", &teams,
                                     "DiorNo;RecNo", "GrName");
        games.Open();
    }

    // A match of the competition being typed in, its home side chosen by name.
    void NewGame(int dNo, const QString &homeName)
    {
        ASSERT_TRUE(games.Append());
        games.FieldByName("DiorgNo").SetValue(dNo);
        if (!homeName.isEmpty())
            home->SetAsString(homeName);
    }

    static QStringList Texts(const QList<TLookupItem> &items)
    {
        QStringList texts;
        for (const TLookupItem &item : items)
            texts.append(item.text);
        return texts;
    }

    // Writes through a connection of its own, as another program does.
    void WriteAsAnotherProgram(const char *sql)
    {
        sqlite3 *other = nullptr;
        ASSERT_EQ(sqlite3_open((DataFolder() + "/tavrolin.sqlite").toUtf8().constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
        sqlite3_close(other);
    }

    TTable teams;
    TTable games;
    TField *home = nullptr;
};

TEST_F(LookupListTest, TheListOffersTheTeamsOfTheRecordsCompetitionInGreekOrder)
{
    NewGame(1, {});
    const QList<TLookupItem> items = home->LookupList();
    EXPECT_EQ(Texts(items), (QStringList{"ΑΕΚ", "Αθηναϊκός", "Άρης", "Ολυμπιακός"}));
    EXPECT_EQ(items.at(0).key, QVariant(3)) << "each text comes with its competition team";
    games.Cancel();

    NewGame(2, {});
    EXPECT_EQ(Texts(home->LookupList()), (QStringList{"Λάρισα", "Ολυμπιακός"}));
    games.Cancel();

    // A record that names no competition has no teams to offer.
    ASSERT_TRUE(games.Append());
    EXPECT_TRUE(home->LookupList().isEmpty());
}

TEST_F(LookupListTest, ANameIsChosenAmongTheTeamsOfTheRecordsCompetition)
{
    NewGame(2, "Ολυμπιακός");
    EXPECT_EQ(games.FieldByName("Home").AsInteger(), 5) << "not the namesake of competition 1";
    EXPECT_EQ(games.FieldByName("DiorgNo").AsInteger(), 2);
    ASSERT_TRUE(games.Post());
    EXPECT_EQ(home->AsString(), "Ολυμπιακός");

    // A team of another competition is no choice here.
    NewGame(2, "ΑΕΚ");
    EXPECT_TRUE(games.FieldByName("Home").IsNull());
    games.FieldByName("Home").SetValue(3);
    EXPECT_TRUE(home->IsNull()) << "nor is it shown as a side of this competition";
}

TEST_F(LookupListTest, SpellingsOfOneKeyShowingOneTextAreOneChoice)
{
    Db().CreateTable({"Omades",
                      {{"KratosNo", TFieldType::ftInteger, 0, false},
                       {"Name", TFieldType::ftString, 50, false},
                       {"EnName", TFieldType::ftString, 50, false},
                       {"TeamNo", TFieldType::ftInteger, 0, false}},
                      {}});
    auto omades = OpenTable("Omades");
    AppendRecord(*omades, {{"KratosNo", 1}, {"Name", "Ολυμπιακός"}, {"EnName", "Olympiakos"}, {"TeamNo", 7}});
    AppendRecord(*omades, {{"KratosNo", 1}, {"Name", "Ολυμπιακός"}, {"EnName", "Olympiacos"}, {"TeamNo", 7}});
    AppendRecord(*omades,
                 {{"KratosNo", 2}, {"Name", "Ολυμπιακός"}, {"EnName", "Olympiakos N."}, {"TeamNo", 8}});
    TTable members;
    members.SetDatabase(&Db());
    members.SetTableName("PerOmades");
    TField &team = members.AddLookupField("TeamName", TFieldType::ftString, 50, "TeamNo", omades.get(),
                                          "TeamNo", "Name");
    members.Open();
    const QList<TLookupItem> items = team.LookupList();
    EXPECT_EQ(items, (QList<TLookupItem>{{7, "Ολυμπιακός"}, {8, "Ολυμπιακός"}}));
}

TEST_F(LookupListTest, RecordsStoredElsewhereAreOfferedAtOnce)
{
    // Another table object, a statement and another program add teams after the list opened.
    auto writer = OpenTable("PerOmades");
    AppendRecord(*writer, {{"DiorNo", 2}, {"GrName", "ΠΑΟΚ"}});
    SqliteStatement insert(Db().Handle(), "INSERT INTO PerOmades (DiorNo, GrName) VALUES (2, 'Ιωνικός')");
    insert.Execute();
    WriteAsAnotherProgram("INSERT INTO PerOmades (DiorNo, GrName) VALUES (2, 'Δόξα')");

    NewGame(2, "Δόξα");
    EXPECT_EQ(Texts(home->LookupList()), (QStringList{"Δόξα", "Ιωνικός", "Λάρισα", "Ολυμπιακός", "ΠΑΟΚ"}));
    EXPECT_EQ(games.FieldByName("Home").AsInteger(), 9);
    ASSERT_TRUE(games.Post());
    EXPECT_EQ(home->AsString(), "Δόξα");
}

TEST_F(LookupListTest, AViewIsOutdatedByAnyWriteSinceItWasRead)
{
    EXPECT_FALSE(teams.ViewOutdated());
    auto writer = OpenTable("PerOmades");
    AppendRecord(*writer, {{"DiorNo", 2}, {"GrName", "ΠΑΟΚ"}});
    EXPECT_TRUE(teams.ViewOutdated());
    teams.Refresh();
    EXPECT_FALSE(teams.ViewOutdated());
    EXPECT_EQ(teams.RecordCount(), 7);

    WriteAsAnotherProgram("INSERT INTO PerOmades (DiorNo, GrName) VALUES (2, 'Δόξα')");
    EXPECT_TRUE(teams.ViewOutdated());
    teams.Refresh();
    EXPECT_FALSE(teams.ViewOutdated());
    EXPECT_EQ(teams.RecordCount(), 8);

    TTable closed;
    EXPECT_FALSE(closed.ViewOutdated());
}

} // namespace

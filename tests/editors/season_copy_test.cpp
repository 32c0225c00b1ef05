#include "editors/season_copy.h"

#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"

using namespace tav::editors;

namespace {

const QString Season = QStringLiteral("2004-05");
const QString SeasonTable = QStringLiteral("Agvnes200405");
// The copied fields, in the order the tests compare them.
const QString Copied =
    QStringLiteral("DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, HmGGoals, HmFGoals, "
                   "TelGGoals, TelFGoals, Date, GTeamNo, FTeamNo, Time, OPAPAr, AP1, APX, AP2");

// Two competitions of the season with three matches each, and one of the next season.
class SeasonCopyTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int first = AddCategory("Α' ΕΘΝΙΚΗ", greece);
        const int second = AddCategory("Β' ΕΘΝΙΚΗ", greece);
        for (const int katNo : {first, second}) {
            const int dNo = AddCompetition(katNo, Season, 3);
            const QList<int> teams = AddCompetitionTeams(greece, dNo, 3, "Ομάδα %1-%2", "Team %1-%2");
            AddMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12), 1, 0);
            AddMatch(dNo, 2, teams[1], teams[2], QDate(2004, 9, 19), 2, 2);
            AddMatch(dNo, 3, teams[2], teams[0], QDate(2004, 9, 26));
            seasonCompetitions.append(dNo);
            seasonTeams.append(teams);
        }
        Sql("UPDATE Agvnes SET Time = '18:30:00', OPAPAr = 7, AP1 = 1.85, APX = 3.2, AP2 = 4.5 "
            "WHERE Agvnistikh = 1");
        const int next = AddCompetition(first, "2005-06", 2);
        const QList<int> nextTeams = AddCompetitionTeams(greece, next, 2, "Άλλη %1-%2", "Other %1-%2");
        AddMatch(next, 1, nextTeams[0], nextTeams[1], QDate(2005, 9, 11), 0, 0);
    }

    void Sql(const QString &sql, const QVariantList &values = {})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        statement->Execute();
    }

    // The season's matches as the matches table holds them, and as the season's table holds them.
    QList<QVariantList> SourceRows()
    {
        return Rows(QString("SELECT %1 FROM Agvnes WHERE DiorgNo IN (?1, ?2) ORDER BY DiorgNo, Agvnistikh")
                        .arg(Copied),
                    {seasonCompetitions[0], seasonCompetitions[1]});
    }
    QList<QVariantList> CopiedRows()
    {
        return Rows(QString("SELECT %1 FROM %2 ORDER BY DiorgNo, Agvnistikh").arg(Copied, SeasonTable));
    }

    bool SeasonTableExists() { return Dm().TavrolinDb.TableExists(SeasonTable); }

    QList<int> seasonCompetitions;
    QList<QList<int>> seasonTeams;
};

TEST_F(SeasonCopyTest, SeasonsNameTheirTableOnlyInTheYearForms)
{
    struct Case
    {
        QString season;
        QString table;
    };
    for (const Case &c :
         {Case{"2004", "Agvnes2004"}, Case{"2004-05", "Agvnes200405"}, Case{"2004-2005", "Agvnes20042005"}}) {
        EXPECT_EQ(SeasonRefusal(c.season), QString()) << c.season.toStdString();
        EXPECT_EQ(SeasonTableName(c.season), c.table);
    }
}

TEST_F(SeasonCopyTest, BadSeasonTextsAreRefusedAndTouchNothing)
{
    const QStringList tablesBefore = Dm().TavrolinDb.GetTableNames();
    const QList<QVariantList> matchesBefore = Rows("SELECT * FROM Agvnes ORDER BY GameNo");
    const QString noSeason = "Δεν επιλέξατε περίοδο.\nΕπιλέξτε την περίοδο των αγώνων που θα μεταφερθούν.";
    const QString badForm = "Η περίοδος \"%1\" δεν μπορεί να δώσει όνομα σε αρχείο αγώνων.\n"
                            "Δεκτές μορφές περιόδου: 2004, 2004-05 ή 2004-2005.";
    struct Case
    {
        QString season;
        QString message;
    };
    const Case cases[] = {
        {"", noSeason},
        {"   ", noSeason},
        {"2004'05", badForm.arg("2004'05")},
        {"04-05", badForm.arg("04-05")},
        {"2004-5", badForm.arg("2004-5")},
        {"2004/05", badForm.arg("2004/05")},
        {"2004-005", badForm.arg("2004-005")},
        {" 2004-05", badForm.arg(" 2004-05")},
        {"2004-05\"; DROP TABLE Agvnes; --", badForm.arg("2004-05\"; DROP TABLE Agvnes; --")},
        {"２００４", badForm.arg("２００４")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.season.toStdString());
        EXPECT_EQ(SeasonRefusal(c.season), c.message);
        try {
            CopySeasonMatches(Dm().TavrolinDb, c.season);
            ADD_FAILURE() << "copied";
        } catch (const ESeasonCopyError &error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
    EXPECT_EQ(Dm().TavrolinDb.GetTableNames(), tablesBefore);
    EXPECT_EQ(Rows("SELECT * FROM Agvnes ORDER BY GameNo"), matchesBefore);
}

TEST_F(SeasonCopyTest, FirstCopyCreatesTheTableWithItsIndexesAndCopiesEveryMatchOfTheSeason)
{
    ASSERT_FALSE(SeasonTableExists());
    QList<std::pair<int, int>> progress;
    const TSeasonCopyResult result =
        CopySeasonMatches(Dm().TavrolinDb, Season, [&progress](int done, int total) {
            progress.append({done, total});
        });

    EXPECT_EQ(result.TableName, SeasonTable);
    EXPECT_TRUE(result.Created);
    EXPECT_EQ(result.Inserted, 6);
    EXPECT_EQ(result.Updated, 0);
    EXPECT_EQ(progress.size(), 6);
    EXPECT_EQ(progress.last(), std::make_pair(6, 6));
    EXPECT_EQ(CopiedRows(), SourceRows());
    EXPECT_EQ(CopiedRows().first().mid(12), (QVariantList{"18:30:00", 7, 1.85, 3.2, 4.5}));

    // The table as the database file holds it.
    const TTableDef stored = ReadTableDef(Dm().TavrolinDb.Handle(), SeasonTable);
    const TTableDef wanted = SeasonTableDef(SeasonTable);
    ASSERT_EQ(stored.Fields.size(), 18);
    for (int i = 0; i < wanted.Fields.size(); ++i) {
        SCOPED_TRACE(wanted.Fields[i].Name.toStdString());
        EXPECT_EQ(stored.Fields[i].Name, wanted.Fields[i].Name);
        EXPECT_EQ(stored.Fields[i].DataType, wanted.Fields[i].DataType);
        EXPECT_EQ(stored.Fields[i].Required, wanted.Fields[i].Name == "Agvnistikh");
    }
    const TIndexDef *primary = stored.PrimaryIndex();
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->Fields, "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh;Omilos");
    const std::pair<const char *, const char *> indexes[] = {
        {"AutoEnhm1", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh"},
        {"EnhmInd", "DiorgNo;Ghpedoyxos;Filojenoymenh"},
        {"GamenoInd", "GameNo"},
        {"MainInd", "DiorgNo;Agvnistikh;Omilos;Date"},
        {"DiorgDateInd", "DiorgNo;Date"},
        {"DateInd", "Date"},
        {"GTeamDate", "GteamNo;Date"},
        {"FTeamDate", "FteamNo;Date"},
        {"GNoFNoDateInd", "GteamNo;FteamNo;Date"},
    };
    EXPECT_EQ(stored.Indexes.size(), qsizetype(std::size(indexes)) + 1);
    for (const auto &[name, fields] : indexes) {
        const TIndexDef *index = stored.FindIndex(name);
        ASSERT_NE(index, nullptr) << name;
        EXPECT_EQ(index->Fields, fields) << name;
        EXPECT_FALSE(index->IsUnique()) << name;
    }
    // The next season's match stays out.
    EXPECT_EQ(Count("SELECT count(*) FROM Agvnes200405 WHERE Date >= '2005-01-01'"), 0);
}

TEST_F(SeasonCopyTest, SecondCopyUpdatesEveryMatchInsteadOfAddingIt)
{
    CopySeasonMatches(Dm().TavrolinDb, Season);
    const QList<QVariantList> numbersBefore = Rows("SELECT GameNo FROM Agvnes200405 ORDER BY GameNo");
    // A result entered since, and a row of the season's table that is no match any more.
    Sql("UPDATE Agvnes SET TelGGoals = 3, TelFGoals = 1 WHERE Agvnistikh = 3");
    Sql("INSERT INTO Agvnes200405 (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos) VALUES (99, 1, 1, "
        "2, 0)");

    const TSeasonCopyResult result = CopySeasonMatches(Dm().TavrolinDb, Season);

    EXPECT_FALSE(result.Created);
    EXPECT_EQ(result.Inserted, 0);
    EXPECT_EQ(result.Updated, 6);
    Sql("DELETE FROM Agvnes200405 WHERE DiorgNo = 99");
    EXPECT_EQ(CopiedRows(), SourceRows()) << "the new results are copied, nothing twice";
    EXPECT_EQ(Rows("SELECT GameNo FROM Agvnes200405 ORDER BY GameNo"), numbersBefore);
}

TEST_F(SeasonCopyTest, FailingMatchRollsBackTheWholeCopyAndNamesTheMatch)
{
    // A match without matchday, of the competition copied last: the season's table requires one.
    const int dNo = seasonCompetitions[1];
    Sql("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, Date) "
        "VALUES (?1, NULL, ?2, ?3, 0, '2004-10-03')",
        {dNo, seasonTeams[1][0], seasonTeams[1][2]});
    const QString expected =
        QString("Η μεταφορά ακυρώθηκε και δεν αποθηκεύτηκε καμία εγγραφή.\n"
                "Ο αγώνας Β' ΕΘΝΙΚΗ 2004-05, αγωνιστική (κενή), Ομάδα %1-1 - Ομάδα %1-3, "
                "03/10/2004 δεν αποθηκεύτηκε:\n"
                "Το πεδίο 'Agvnistikh' του πίνακα Agvnes200405 πρέπει να έχει τιμή")
            .arg(dNo);

    // Nothing of a first copy stays, not even the table.
    try {
        CopySeasonMatches(Dm().TavrolinDb, Season);
        ADD_FAILURE() << "copied";
    } catch (const ESeasonCopyError &error) {
        EXPECT_EQ(error.Message(), expected);
    }
    EXPECT_FALSE(SeasonTableExists());
    EXPECT_FALSE(Dm().TavrolinDb.InTransaction());

    // A later copy leaves the rows of the earlier one as they were.
    Sql("UPDATE Agvnes SET Agvnistikh = 4 WHERE Agvnistikh IS NULL");
    CopySeasonMatches(Dm().TavrolinDb, Season);
    const QList<QVariantList> stored = CopiedRows();
    Sql("UPDATE Agvnes SET Agvnistikh = NULL WHERE Agvnistikh = 4");
    Sql("UPDATE Agvnes SET TelGGoals = 5 WHERE DiorgNo = ?1", {seasonCompetitions[0]});
    EXPECT_THROW(CopySeasonMatches(Dm().TavrolinDb, Season), ESeasonCopyError);
    EXPECT_EQ(CopiedRows(), stored);
}

} // namespace

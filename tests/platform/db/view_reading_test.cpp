#include "db_fixture.h"

#include "platform/db/sqlite_statement.h"

#include <sqlite3.h>

namespace {

// A table that counts the records it reads by id.
class CountingTable : public TTable
{
public:
    int fetched = 0;

protected:
    void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) override
    {
        fetched += int(ids.size());
        TTable::FetchRecords(ids, into);
    }
};

// Matches 1..count of competition 1 on matchdays 1..count, written in one statement.
void AddMatches(TDatabase &db, int count)
{
    ExecSql(db.Handle(), QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                        "WHERE i < %1) INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, "
                                        "Filojenoymenh, Omilos, Date) SELECT 1, i, i, i + 1, 0, '2004-09-01' "
                                        "FROM n")
                             .arg(count));
}

QVariantList Numbers(int first, int last)
{
    QVariantList numbers;
    for (int i = first; i <= last; ++i)
        numbers.append(i);
    return numbers;
}

} // namespace

TEST_F(DbTest, WalkingReadsEveryRecordOfViewsOfAnySize)
{
    CreateAgvnes();
    // Views that end within the first part read, within a later part, and past the part read
    // with the records.
    for (const int count : {5, 300, 5000}) {
        ExecSql(Db().Handle(), "DELETE FROM Agvnes");
        AddMatches(Db(), count);
        auto agvnes = OpenTable("Agvnes", "MainInd");
        agvnes->SetRange({1}, {1});
        EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), Numbers(1, count)) << count;
        EXPECT_EQ(agvnes->RecordCount(), count);
        agvnes->Last();
        EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), count);
        EXPECT_EQ(agvnes->FieldByName("Date").AsDateTime().date(), QDate(2004, 9, 1));
    }
}

TEST_F(DbTest, ViewChangedElsewhereWhileWalkingIsReadAgainWithoutGaps)
{
    CreateAgvnes();
    AddMatches(Db(), 200);
    auto agvnes = OpenTable("Agvnes", "MainInd");
    // Another connection (another program) takes the first match away and adds one on: the view
    // read on from where it ended would be shifted by one.
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(Db().FileName().toUtf8().constData(), &other), SQLITE_OK);
    ExecSql(other, "DELETE FROM Agvnes WHERE Ghpedoyxos = 1");
    ExecSql(other, "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos) "
                   "VALUES (1, 201, 201, 202, 0)");
    sqlite3_close(other);
    // The first record was read on open and stays until a refresh; the rest are the stored ones.
    EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), Numbers(1, 201));
    agvnes->Refresh();
    EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), Numbers(2, 201));
}

TEST_F(DbTest, OwnPostKeepsTheOtherRecordsReadButAnotherWriteDoesNot)
{
    CreateAgvnes();
    AddMatches(Db(), 10);
    CountingTable agvnes;
    agvnes.SetDatabase(&Db());
    agvnes.SetTableName("Agvnes");
    agvnes.SetIndexName("MainInd");
    agvnes.Open();
    const int goals = agvnes.FieldByName("TelGGoals").Index();
    ASSERT_TRUE(agvnes.Edit());
    agvnes.FieldByName("TelGGoals").SetAsInteger(3);
    ASSERT_TRUE(agvnes.Post());
    const int fetchedAfterPost = agvnes.fetched;
    EXPECT_EQ(agvnes.ValueAt(0, goals), QVariant(3));
    EXPECT_EQ(agvnes.ValueAt(5, goals), QVariant());
    EXPECT_EQ(agvnes.fetched, fetchedAfterPost);

    // Another dataset writes while this one is editing: the records read before are read again.
    ASSERT_TRUE(agvnes.Edit());
    agvnes.FieldByName("TelGGoals").SetAsInteger(1);
    auto other = OpenTable("Agvnes", "MainInd");
    other->SetRecNo(6);
    ASSERT_TRUE(other->Edit());
    other->FieldByName("TelGGoals").SetAsInteger(4);
    ASSERT_TRUE(other->Post());
    ASSERT_TRUE(agvnes.Post());
    EXPECT_EQ(agvnes.ValueAt(5, goals), QVariant(4));
    EXPECT_EQ(agvnes.ValueAt(0, goals), QVariant(1));
}

TEST_F(DbTest, WalkReadingFewFieldsStillShowsEveryFieldAskedForLater)
{
    CreateAgvnes();
    AddMatches(Db(), 600);
    auto agvnes = OpenTable("Agvnes", "MainInd");
    agvnes->SetRange({1}, {1});
    // A walk that read one field: the records read on are read with that field alone.
    EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), Numbers(1, 600));
    agvnes->SetRange({1}, {1});
    // A field first read halfway through a walk, and one read on the last record only.
    QVariantList away;
    for (agvnes->First(); !agvnes->Eof(); agvnes->Next())
        if (agvnes->FieldByName("Ghpedoyxos").AsInteger() > 100)
            away.append(agvnes->FieldByName("Filojenoymenh").AsInteger());
    EXPECT_EQ(away, Numbers(102, 601));
    EXPECT_EQ(agvnes->FieldByName("Date").AsDateTime().date(), QDate(2004, 9, 1));
    // Rows shown without moving, searches and lookups see whole records.
    const int date = agvnes->FieldByName("Date").Index();
    const int omilos = agvnes->FieldByName("Omilos").Index();
    EXPECT_EQ(agvnes->ValueAt(450, date), QVariant(QDate(2004, 9, 1)));
    EXPECT_EQ(agvnes->ValueAt(451, omilos), QVariant(0));
    EXPECT_EQ(agvnes->Lookup("Ghpedoyxos", {300}, "Agvnistikh"), QVariant(300));
    // An edit after such a walk writes the changed field only and keeps the others.
    ASSERT_TRUE(agvnes->Locate("Ghpedoyxos", {300}));
    ASSERT_TRUE(agvnes->Edit());
    agvnes->FieldByName("TelGGoals").SetAsInteger(3);
    ASSERT_TRUE(agvnes->Post());
    SqliteStatement stored(Db().Handle(),
                           "SELECT Agvnistikh, Filojenoymenh, Omilos, Date, TelGGoals FROM Agvnes "
                           "WHERE Ghpedoyxos = 300");
    ASSERT_TRUE(stored.Step());
    EXPECT_EQ(stored.Int64(0), 300);
    EXPECT_EQ(stored.Int64(1), 301);
    EXPECT_EQ(stored.Int64(2), 0);
    EXPECT_EQ(stored.Text(3), "2004-09-01");
    EXPECT_EQ(stored.Int64(4), 3);
    EXPECT_EQ(agvnes->RecNo(), 300);
    EXPECT_EQ(agvnes->FieldByName("Filojenoymenh").AsInteger(), 301);
}

TEST_F(DbTest, RangeAndFilterChangesAreSeenByTheNextRead)
{
    CreateAgvnes();
    AddMatches(Db(), 40);
    auto agvnes = OpenTable("Agvnes", "MainInd");
    agvnes->Last();
    agvnes->SetFilter("Ghpedoyxos > 100");
    agvnes->SetFiltered(true);
    EXPECT_TRUE(agvnes->Eof());
    EXPECT_TRUE(agvnes->Bof());
    EXPECT_EQ(agvnes->RecNo(), 0);
    EXPECT_TRUE(agvnes->IsEmpty());
    agvnes->SetFiltered(false);
    EXPECT_FALSE(agvnes->Eof());
    EXPECT_EQ(agvnes->RecNo(), 1);
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), 1);
    agvnes->SetFilter("Ghpedoyxos >= 30");
    agvnes->SetFiltered(true);
    EXPECT_EQ(agvnes->RecordCount(), 11);
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), 30);
    agvnes->SetRange({1, 35}, {1, 36});
    EXPECT_EQ(Column(*agvnes, "Ghpedoyxos"), Numbers(35, 36));
    agvnes->SetRange({1, 50}, {1, 60});
    agvnes->Append();
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").Value(), QVariant());
    agvnes->Cancel();
    EXPECT_TRUE(agvnes->Eof());
    // Something that follows the moves sees each change at once.
    int scrolls = 0;
    agvnes->AfterScroll = [&](TDataSet &) { ++scrolls; };
    agvnes->CancelRange();
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(agvnes->RecNo(), 1);
}

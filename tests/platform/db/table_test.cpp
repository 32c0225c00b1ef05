#include "db_fixture.h"

#include "platform/db/db_errors.h"

TEST_F(DbTest, BrowsingMovesOverTheRecordsInIndexOrder)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes.DB", "MainInd");
    EXPECT_TRUE(agvnes->IsEmpty());
    EXPECT_TRUE(agvnes->Eof());
    EXPECT_TRUE(agvnes->Bof());
    AddMatch(*agvnes, 2, 1, 5, 6);
    AddMatch(*agvnes, 1, 2, 3, 4);
    AddMatch(*agvnes, 1, 1, 1, 2);
    EXPECT_EQ(agvnes->RecordCount(), 3);

    agvnes->First();
    EXPECT_TRUE(agvnes->Bof());
    EXPECT_EQ(agvnes->RecNo(), 1);
    EXPECT_EQ(agvnes->FieldByName("ghpedoyxos").AsInteger(), 1);
    agvnes->Next();
    EXPECT_FALSE(agvnes->Bof());
    EXPECT_EQ(agvnes->FieldByName("Ghpedoyxos").AsInteger(), 3);
    agvnes->Next();
    EXPECT_FALSE(agvnes->Eof());
    agvnes->Next();
    EXPECT_TRUE(agvnes->Eof());
    EXPECT_EQ(agvnes->RecNo(), 3);
    agvnes->Prior();
    EXPECT_EQ(agvnes->RecNo(), 2);
    EXPECT_EQ(agvnes->MoveBy(-5), -1);
    EXPECT_TRUE(agvnes->Bof());
    agvnes->Last();
    EXPECT_TRUE(agvnes->Eof());
    EXPECT_EQ(agvnes->Fields()[0].AsInteger(), 2);
    agvnes->SetRecNo(2);
    EXPECT_EQ(agvnes->FieldByName("DiorgNo").AsInteger(), 1);

    const TBookmark mark = agvnes->GetBookmark();
    agvnes->First();
    EXPECT_TRUE(agvnes->BookmarkValid(mark));
    agvnes->GotoBookmark(mark);
    EXPECT_EQ(agvnes->RecNo(), 2);
}

TEST_F(DbTest, FieldsReadAndWriteTheirTypes)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes");
    ASSERT_TRUE(agvnes->Append());
    agvnes->FieldByName("DiorgNo").SetAsString("7");
    agvnes->FieldByName("Agvnistikh").SetAsInteger(3);
    agvnes->FieldByName("Ghpedoyxos").SetValue(11);
    agvnes->FieldByName("Filojenoymenh").SetAsFloat(12.0);
    agvnes->FieldByName("Date").SetAsString("05/09/2004");
    agvnes->FieldByName("Time").SetAsString("17:30");
    agvnes->FieldByName("AP1").SetAsString("1,85");
    ASSERT_TRUE(agvnes->Post());

    agvnes->Refresh();
    TField &date = agvnes->FieldByName("Date");
    EXPECT_EQ(date.Value(), QVariant(QDate(2004, 9, 5)));
    EXPECT_EQ(date.AsString(), "05/09/2004");
    EXPECT_EQ(date.AsDateTime().date(), QDate(2004, 9, 5));
    EXPECT_EQ(date.AsDateTime().time(), QTime(0, 0));
    EXPECT_EQ(agvnes->FieldByName("Time").Value(), QVariant(QTime(17, 30)));
    agvnes->FieldByName("Time").SetDisplayFormat("hh:nn");
    EXPECT_EQ(agvnes->FieldByName("Time").DisplayText(), "17:30");
    EXPECT_EQ(agvnes->FieldByName("AP1").AsFloat(), 1.85);
    EXPECT_EQ(agvnes->FieldByName("AP1").AsString(), "1,85");
    EXPECT_EQ(agvnes->FieldByName("Filojenoymenh").AsInteger(), 12);
    EXPECT_EQ(agvnes->FieldByName("DiorgNo").AsString(), "7");
    EXPECT_TRUE(agvnes->FieldByName("TelGGoals").IsNull());
    EXPECT_EQ(agvnes->FieldByName("TelGGoals").AsInteger(), 0);
    EXPECT_EQ(agvnes->FieldByName("GameNo").AsInteger(), 1);
    EXPECT_EQ(agvnes->FieldByName("GameNo").DisplayLabel(), "GameNo");
    EXPECT_EQ(agvnes->FindField("nothing"), nullptr);
    EXPECT_THROW(agvnes->FieldByName("nothing"), EDatabaseError);

    // Zero is a value, not an empty field.
    ASSERT_TRUE(agvnes->Edit());
    agvnes->FieldByName("TelGGoals").SetAsInteger(0);
    agvnes->FieldByName("TelFGoals").SetAsInteger(0);
    ASSERT_TRUE(agvnes->Post());
    agvnes->Refresh();
    EXPECT_FALSE(agvnes->FieldByName("TelGGoals").IsNull());
    ASSERT_TRUE(agvnes->Edit());
    agvnes->FieldByName("TelGGoals").Clear();
    ASSERT_TRUE(agvnes->Post());
    EXPECT_TRUE(agvnes->FieldByName("TelGGoals").IsNull());
}

TEST_F(DbTest, BadValuesAreRefusedWithTheFieldAndTable)
{
    CreateDiorganvseis();
    auto diorg = OpenTable("Diorganvseis");
    ASSERT_TRUE(diorg->Insert());
    struct Case
    {
        const char *field;
        QVariant value;
        QString message;
    };
    const Case cases[] = {
        {"KatNo", "abc", "'abc' δεν είναι έγκυρη τιμή για το πεδίο 'KatNo'"},
        {"Omades", 40000, "Η τιμή είναι πολύ μεγάλη για το πεδίο 'Omades' του πίνακα Diorganvseis"},
        {"Periodos", "2004-2005-06",
         "Η τιμή είναι πολύ μεγάλη για το πεδίο 'Periodos' του πίνακα Diorganvseis"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        try {
            diorg->FieldByName(c.field).SetValue(c.value);
            FAIL() << "accepted";
        } catch (const EDatabaseError &error) {
            EXPECT_EQ(error.Message(), c.message);
        }
        EXPECT_TRUE(diorg->FieldByName(c.field).IsNull());
    }
    diorg->FieldByName("KatNo").SetAsInteger(1);
    diorg->FieldByName("Omades").SetAsInteger(20);
    try {
        diorg->Post();
        FAIL() << "posted without the required season";
    } catch (const EDatabaseError &error) {
        EXPECT_EQ(error.Message(), "Το πεδίο 'Periodos' του πίνακα Diorganvseis πρέπει να έχει τιμή");
    }
    EXPECT_EQ(diorg->State(), TDataSetState::dsInsert);
    diorg->FieldByName("Periodos").SetAsString("2004-05");
    ASSERT_TRUE(diorg->Post());
    EXPECT_EQ(diorg->RecordCount(), 1);

    // The autoincrement field is the database's.
    ASSERT_TRUE(diorg->Edit());
    EXPECT_THROW(diorg->FieldByName("DNo").SetAsInteger(9), EDatabaseError);
    diorg->Cancel();
    // Outside edit state nothing can be written.
    EXPECT_THROW(diorg->FieldByName("KatNo").SetAsInteger(2), EDatabaseError);
}

TEST_F(DbTest, TextWrittenBySqlIsCheckedToo)
{
    CreatePeriodos();
    try {
        ExecSql(Db().Handle(), "INSERT INTO Periodos VALUES ('12345678901')");
        FAIL() << "stored a text longer than its field";
    } catch (const EDBEngineError &error) {
        EXPECT_EQ(error.ErrorCode(), 275); // SQLITE_CONSTRAINT_CHECK
    }
}

TEST_F(DbTest, InsertEditCancelAndDeleteKeepTheViewInOrder)
{
    CreatePeriodos();
    auto periodos = OpenTable("Periodos", "IDX_Periodos");
    for (const char *season : {"2002-03", "2004-05", "2003-04"})
        AppendRecord(*periodos, {{"Periodos", season}});
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2003-04");
    EXPECT_EQ(periodos->RecNo(), 2);

    // An edited key moves the record to its new place and the cursor with it.
    ASSERT_TRUE(periodos->Edit());
    periodos->FieldByName("Periodos").SetAsString("2009");
    EXPECT_TRUE(periodos->Modified());
    ASSERT_TRUE(periodos->Post());
    EXPECT_EQ(periodos->RecNo(), 1);
    EXPECT_EQ(Column(*periodos, "Periodos"), (QVariantList{"2009", "2004-05", "2002-03"}));

    // A cancelled insert leaves nothing and returns to the record it started from.
    periodos->SetRecNo(2);
    ASSERT_TRUE(periodos->Insert());
    periodos->FieldByName("Periodos").SetAsString("1999");
    periodos->Cancel();
    EXPECT_EQ(periodos->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(periodos->RecNo(), 2);
    EXPECT_EQ(periodos->RecordCount(), 3);

    // Moving away posts a modified record.
    ASSERT_TRUE(periodos->Edit());
    periodos->FieldByName("Periodos").SetAsString("2004");
    periodos->First();
    EXPECT_EQ(periodos->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Column(*periodos, "Periodos"), (QVariantList{"2009", "2004", "2002-03"}));

    periodos->SetRecNo(2);
    ASSERT_TRUE(periodos->Delete());
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2002-03");
    EXPECT_EQ(periodos->RecordCount(), 2);
    periodos->Last();
    ASSERT_TRUE(periodos->Delete());
    EXPECT_EQ(periodos->FieldByName("Periodos").AsString(), "2009");
    ASSERT_TRUE(periodos->Delete());
    EXPECT_TRUE(periodos->IsEmpty());
    EXPECT_THROW(periodos->Delete(), EDatabaseError);
}

TEST_F(DbTest, ChangesOfAnotherDatasetAreSeenOnRefresh)
{
    CreatePeriodos();
    auto first = OpenTable("Periodos");
    auto second = OpenTable("Periodos");
    AppendRecord(*first, {{"Periodos", "2004"}});
    EXPECT_TRUE(second->IsEmpty());
    second->Refresh();
    EXPECT_EQ(second->FieldByName("Periodos").AsString(), "2004");
    // A record changed elsewhere is read again, not shown from an old copy.
    ASSERT_TRUE(first->Edit());
    first->FieldByName("Periodos").SetAsString("2005");
    ASSERT_TRUE(first->Post());
    EXPECT_EQ(second->ValueAt(0, 0), QVariant("2005"));
}

TEST_F(DbTest, ValueAtReadsAnyRowWithoutMovingTheCursor)
{
    CreateAgvnes();
    auto agvnes = OpenTable("Agvnes", "MainInd");
    for (int day = 1; day <= 100; ++day)
        AddMatch(*agvnes, 1, day, day, day + 1);
    agvnes->SetRecNo(10);
    int scrolls = 0;
    agvnes->AfterScroll = [&](TDataSet &) { ++scrolls; };
    const int home = agvnes->FieldByName("Ghpedoyxos").Index();
    EXPECT_EQ(agvnes->ValueAt(77, home), QVariant(78));
    EXPECT_EQ(agvnes->ValueAt(0, home), QVariant(1));
    EXPECT_EQ(agvnes->ValueAt(100, home), QVariant());
    EXPECT_EQ(agvnes->DisplayTextAt(5, agvnes->FieldByName("Date").Index()), "01/09/2004");
    EXPECT_EQ(agvnes->RecNo(), 10);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(DbTest, ReadOnlyTableRefusesChanges)
{
    CreatePeriodos();
    TTable periodos;
    periodos.SetDatabase(&Db());
    periodos.SetTableName("Periodos");
    periodos.SetReadOnly(true);
    periodos.Open();
    EXPECT_THROW(periodos.Append(), EDatabaseError);
    EXPECT_EQ(periodos.State(), TDataSetState::dsBrowse);
}

TEST_F(DbTest, MissingTableOrIndexIsReportedOnOpen)
{
    TTable missing;
    missing.SetDatabase(&Db());
    missing.SetTableName("Nothing.db");
    EXPECT_THROW(missing.Open(), EDatabaseError);
    EXPECT_FALSE(missing.Active());
    CreatePeriodos();
    TTable periodos;
    periodos.SetDatabase(&Db());
    periodos.SetTableName("Periodos");
    periodos.SetIndexName("NoSuchIndex");
    EXPECT_THROW(periodos.Open(), EDatabaseError);
    EXPECT_FALSE(periodos.Active());
}

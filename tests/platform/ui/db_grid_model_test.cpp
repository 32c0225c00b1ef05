#include "db_controls_fixture.h"

#include "platform/ui/db_grid.h"

#include <sqlite3.h>

namespace {

using DbGridModelTest = DbControlsTest;

TEST_F(DbGridModelTest, ShowsTheRecordsAndTheirDisplayTexts)
{
    TDBGridColumns columns;
    TDBGridModel model(columns);
    columns.SetOnChange([&]() { model.Reload(); });
    columns.SetDataSet(teams.get());
    model.SetDataSource(&teamSource);

    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), teams->FieldCount());
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Name"));
    EXPECT_EQ(model.index(1, 1).data().toString(), QString::fromUtf8("Παναθηναϊκός"));

    teams->FieldByName("Goals").SetDisplayFormat("0.00");
    TColumn &name = columns.Add();
    name.SetFieldName("Name");
    name.Title.Caption = QString::fromUtf8("Ομάδα");
    TColumn &goals = columns.Add();
    goals.SetFieldName("Goals");
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("Ομάδα"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Goals"));
    EXPECT_EQ(model.index(2, 0).data().toString(), QString::fromUtf8("ΑΕΚ"));
    EXPECT_EQ(model.index(2, 1).data().toString(), QString("2,00"));
    EXPECT_EQ(model.CurrentRow(), 0);
    EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QString::fromUtf8("▶"));

    // A record being appended shows as an extra row after the last one.
    teams->Append();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.InsertRow(), 3);
    EXPECT_EQ(model.index(3, 0).data().toString(), QString());
    EXPECT_EQ(model.index(0, 0).data().toString(), QString::fromUtf8("Ολυμπιακός"));
    teams->Cancel();
    EXPECT_EQ(model.rowCount(), 3);

    teams->Close();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(DbGridModelTest, AColumnThatIsNotThereTakesNoText)
{
    TDBGridColumns columns;
    TDBGridModel model(columns);
    columns.SetOnChange([&]() { model.Reload(); });
    columns.SetDataSet(teams.get());
    columns.Add().SetFieldName("Goals");
    model.SetDataSource(&teamSource);

    for (int column : {-1, 1, 7}) {
        EXPECT_NO_THROW(model.SetCellText(column, "9")) << column;
        EXPECT_EQ(teams->State(), TDataSetState::dsBrowse) << column;
    }
    teams->Close();
    EXPECT_NO_THROW(model.SetCellText(0, "9"));
    EXPECT_FALSE(model.CanEditCell(0, 0));
    EXPECT_FALSE(model.index(0, 0).data().isValid());
}

TEST_F(DbGridModelTest, AGridOfAHundredThousandRowsReadsOnlyTheRowsItShows)
{
    database_.CreateTable(
        {"Big",
         {{"No", TFieldType::ftInteger, 0, true}, {"Name", TFieldType::ftString, 20, false}},
         {{"", "No", ixPrimary}}});
    sqlite3 *db = database_.Handle();
    ASSERT_EQ(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_stmt *insert = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(db, "INSERT INTO \"Big\" (\"No\", \"Name\") VALUES (?, ?)", -1, &insert, nullptr),
        SQLITE_OK);
    for (int no = 1; no <= 100000; ++no) {
        const QByteArray name = QByteArray("Team ") + QByteArray::number(no);
        sqlite3_bind_int(insert, 1, no);
        sqlite3_bind_text(insert, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    ASSERT_EQ(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);

    CountingTable big;
    big.SetDatabase(&database_);
    big.SetTableName("Big");
    big.Open();
    TDataSource source;
    source.SetDataSet(&big);
    TDBGrid grid;
    grid.resize(500, 300);
    grid.SetDataSource(&source);
    grid.show();
    grid.viewport()->grab();

    EXPECT_EQ(grid.model()->rowCount(), 100000);
    EXPECT_EQ(grid.CellText(0, 1), QString("Team 1"));
    big.Last();
    grid.viewport()->grab();
    EXPECT_EQ(grid.Row(), 99999);
    EXPECT_EQ(grid.CellText(99999, 1), QString("Team 100000"));
    EXPECT_LT(big.fetched, 1000);
}

} // namespace

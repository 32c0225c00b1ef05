#include "db_fixture.h"

#include "platform/db/query.h"

namespace {

// A table whose virtual events note their place among the handlers, and whose record filter
// and hook after a read are counted.
class HookedTable : public TTable
{
public:
    QStringList log;
    int reads = 0;

protected:
    void DoAfterOpen() override
    {
        TTable::DoAfterOpen();
        log.append("DoAfterOpen");
    }
    void DoBeforePost() override
    {
        TTable::DoBeforePost();
        log.append("DoBeforePost");
    }
    void DoOnCalcFields() override
    {
        log.append("DoOnCalcFields");
        TTable::DoOnCalcFields();
    }
    void RecordsRead() override { ++reads; }
};

class ExtensionHooksTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreatePeriodos();
        TTable fill;
        fill.SetDatabase(&Db());
        fill.SetTableName("Periodos");
        fill.Open();
        for (const char *season : {"2001", "2002", "2003", "2004"}) {
            fill.Append();
            fill.FieldByName("Periodos").SetAsString(season);
            fill.Post();
        }
    }

    static QStringList Seasons(TDataSet &data)
    {
        QStringList seasons;
        for (data.First(); !data.Eof(); data.Next())
            seasons.append(data.FieldByName("Periodos").AsString());
        return seasons;
    }
};

} // namespace

TEST_F(ExtensionHooksTest, VirtualEventsWrapTheHandlers)
{
    HookedTable table;
    table.SetDatabase(&Db());
    table.SetTableName("Periodos");
    table.AddField("Label", TFieldKind::fkCalculated);
    table.AfterOpen = [&](TDataSet &) { table.log.append("AfterOpen"); };
    table.BeforePost = [&](TDataSet &) { table.log.append("BeforePost"); };
    table.OnCalcFields = [&](TDataSet &) { table.log.append("OnCalcFields"); };
    table.Open();
    EXPECT_EQ(table.log.mid(table.log.indexOf("AfterOpen")), (QStringList{"AfterOpen", "DoAfterOpen"}));
    EXPECT_EQ(table.log.mid(0, 2), (QStringList{"DoOnCalcFields", "OnCalcFields"}));
    EXPECT_GE(table.reads, 1);

    table.log.clear();
    table.Edit();
    table.FieldByName("Periodos").SetAsString("2000");
    table.log.clear();
    ASSERT_TRUE(table.Post());
    EXPECT_EQ(table.log.mid(0, 2), (QStringList{"BeforePost", "DoBeforePost"}));
}

TEST_F(ExtensionHooksTest, AbortInBeforePostStopsThePost)
{
    HookedTable table;
    table.SetDatabase(&Db());
    table.SetTableName("Periodos");
    table.BeforePost = [](TDataSet &) { Abort(); };
    table.Open();
    table.Edit();
    table.FieldByName("Periodos").SetAsString("1999");
    EXPECT_FALSE(table.Post());
    EXPECT_EQ(table.State(), TDataSetState::dsEdit);
    EXPECT_FALSE(table.log.contains("DoBeforePost"));
}

TEST_F(ExtensionHooksTest, RecordFilterAppliesApartFromFiltered)
{
    for (bool query : {false, true}) {
        SCOPED_TRACE(query ? "query" : "table");
        TTable table;
        TQuery sql;
        TDataSet &data = query ? static_cast<TDataSet &>(sql) : table;
        table.SetTableName("Periodos");
        sql.SQL().SetText("SELECT * FROM Periodos ORDER BY Periodos");
        data.SetDatabase(&Db());
        data.SetRecordFilter([](TDataSet &d) { return d.FieldByName("Periodos").AsString() != "2002"; });
        data.SetOnFilterRecord(
            [](TDataSet &d, bool &accept) { accept = d.FieldByName("Periodos").AsString() != "2003"; });
        data.Open();
        // Filtered is off: only the record filter holds.
        EXPECT_EQ(Seasons(data), (QStringList{"2001", "2003", "2004"}));
        data.SetFiltered(true);
        EXPECT_EQ(Seasons(data), (QStringList{"2001", "2004"}));
        data.SetFiltered(false);
        data.SetRecordFilter({});
        data.Refresh();
        EXPECT_EQ(Seasons(data), (QStringList{"2001", "2002", "2003", "2004"}));
    }
}

TEST_F(ExtensionHooksTest, ExpressionConditionJoinsTheFilterText)
{
    for (bool query : {false, true}) {
        SCOPED_TRACE(query ? "query" : "table");
        TTable table;
        TQuery sql;
        TDataSet &data = query ? static_cast<TDataSet &>(sql) : table;
        table.SetTableName("Periodos");
        sql.SQL().SetText("SELECT * FROM Periodos ORDER BY Periodos");
        data.SetDatabase(&Db());
        data.SetExpressionCondition(CompiledFilter{"\"Periodos\" > ?", {QString("2001")}});
        data.Open();
        EXPECT_EQ(Seasons(data), (QStringList{"2002", "2003", "2004"}));
        data.SetFilter("Periodos < '2004'");
        data.SetFiltered(true);
        EXPECT_EQ(Seasons(data), (QStringList{"2002", "2003"}));
        data.SetExpressionCondition(std::nullopt);
        data.Refresh();
        EXPECT_EQ(Seasons(data), (QStringList{"2001", "2002", "2003"}));
    }
}

TEST_F(ExtensionHooksTest, IndexDefinitionsAndFoldingAreRead)
{
    TTable table;
    table.SetDatabase(&Db());
    table.SetTableName("Periodos");
    table.UpdateIndexDefs();
    ASSERT_EQ(table.IndexDefs().size(), 2);
    table.Open();
    EXPECT_FALSE(table.IndexFolded());
    EXPECT_TRUE(table.IsSequenced());
    table.SetIndexName("IDX_Periodos");
    EXPECT_TRUE(table.IndexFolded());
}

TEST_F(ExtensionHooksTest, ScanOffersOneFieldInViewOrderWithoutMoving)
{
    for (bool query : {false, true}) {
        SCOPED_TRACE(query ? "query" : "table");
        TTable table;
        TQuery sql;
        TDataSet &data = query ? static_cast<TDataSet &>(sql) : table;
        table.SetTableName("Periodos");
        table.SetIndexName("IDX_Periodos");
        sql.SQL().SetText("SELECT * FROM Periodos ORDER BY Periodos DESC");
        data.SetDatabase(&Db());
        data.SetFilter("Periodos <> '2003'");
        data.SetFiltered(true);
        data.Open();
        int scrolls = 0;
        data.AfterScroll = [&](TDataSet &) { ++scrolls; };
        QStringList seen;
        auto collect = [&](const QVariant &value) {
            seen.append(value.toString());
            return false;
        };
        EXPECT_EQ(data.ScanFieldValues(0, 0, collect), -1);
        EXPECT_EQ(seen, (QStringList{"2004", "2002", "2001"}));
        EXPECT_EQ(
            data.ScanFieldValues(1, 0, [](const QVariant &value) { return value.toString() == "2001"; }), 2);
        EXPECT_EQ(
            data.ScanFieldValues(1, 0, [](const QVariant &value) { return value.toString() == "2004"; }), -1);
        EXPECT_EQ(data.RecNo(), 1);
        EXPECT_EQ(scrolls, 0);
    }
}

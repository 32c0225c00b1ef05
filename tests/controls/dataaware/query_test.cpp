#include "controls/dataaware/dq_common.h"
#include "controls/dataaware/dq_data_source.h"
#include "controls/dataaware/dq_query.h"
#include "dataaware_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace tav::controls;

namespace {

class DqQueryTest : public DataAwareTest
{
protected:
    void Prepare(TdqQuery &query, const QString &sql = "SELECT * FROM Items ORDER BY Id")
    {
        query.SetDatabase(&Db());
        query.SQL().SetText(sql);
    }

    static QString Numbers(int count)
    {
        return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                              "SELECT i AS Id FROM n")
            .arg(count);
    }
};

} // namespace

TEST_F(DqQueryTest, WithEmptyListsItIsTheEngineQuery)
{
    TdqQuery query;
    Prepare(query);
    TdqDataSource source;
    source.SetDataSet(&query);
    EXPECT_TRUE(query.ValidateWithMask());
    EXPECT_EQ(query.OnFilterOptions(), (TdqOnFilterOptions{ofoEnabled, ofoShowHourGlass}));
    query.Open();
    EXPECT_EQ(Ids(query), (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(query.IsSequenced());
    EXPECT_EQ(query.RecNo(), 4);
    EXPECT_EQ(dqExtrasOf(&query), &query);
    EXPECT_TRUE(messages_.Calls().isEmpty());
    // The engine's query takes no writes: the extras leave that as it was.
    EXPECT_THROW(query.Edit(), EDatabaseError);
}

TEST_F(DqQueryTest, FilterSetWhileClosedAppliesAfterAfterOpen)
{
    TdqQuery query;
    Prepare(query);
    int seenByAfterOpen = -1;
    query.AfterOpen = [&](TDataSet &data) { seenByAfterOpen = data.RecordCount(); };
    query.SetOnFilter([](TdqQuery &q, bool &accept) { accept = q.FieldByName("Qty").AsInteger() > 2; });
    EXPECT_FALSE(query.IsSequenced());
    query.Open();
    EXPECT_EQ(seenByAfterOpen, 4);
    EXPECT_EQ(Ids(query), (QList<int>{2, 3}));
    // Closing and opening again filters again, after AfterOpen.
    query.Close();
    query.Open();
    EXPECT_EQ(seenByAfterOpen, 4);
    EXPECT_EQ(Ids(query), (QList<int>{2, 3}));
    query.SetOnFilter({});
    EXPECT_EQ(Ids(query), (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(query.IsSequenced());
}

TEST_F(DqQueryTest, DroppingEnabledShowsEveryRecordAtOnce)
{
    TdqQuery query;
    Prepare(query);
    query.Open();
    query.SetOnFilter([](TdqQuery &q, bool &accept) { accept = q.FieldByName("Name").AsString() == "x"; });
    EXPECT_EQ(Ids(query), (QList<int>{2, 4}));
    query.SetOnFilterOptions({ofoShowHourGlass});
    EXPECT_EQ(Ids(query), (QList<int>{1, 2, 3, 4}));
    EXPECT_FALSE(dqFilterEnabled(&query));
    // Adding it back filters the records read from then on.
    dqSetFilterEnabled(&query, true);
    EXPECT_EQ(query.RecordCount(), 4);
    query.Refresh();
    EXPECT_EQ(Ids(query), (QList<int>{2, 4}));
}

TEST_F(DqQueryTest, EscapeEndsFilteringAndLosesNoKeystroke)
{
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    TdqQuery query;
    Prepare(query, Numbers(250));
    int calls = 0;
    int escapedAt = 0;
    query.SetOnFilterOptions({ofoEnabled, ofoShowHourGlass, ofoCancelOnEscape});
    query.SetOnFilter([&](TdqQuery &, bool &accept) {
        ++calls;
        accept = false;
    });
    query.OnFilterEscape = [&](TDataSet &) { escapedAt = calls; };
    // Keys the user pressed while the scan runs: a letter, then Escape.
    QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    query.Open();
    EXPECT_EQ(escapedAt, 100);
    EXPECT_EQ(calls, 100);
    EXPECT_EQ(query.FilterCallCounter(), 100);
    EXPECT_FALSE(dqFilterEnabled(&query));
    EXPECT_EQ(query.RecordCount(), 250);
    // The letter comes after the scan, to the control it was typed into.
    EXPECT_EQ(edit.text(), QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "a");
}

TEST_F(DqQueryTest, EscapeCounterWrapsAt32000)
{
    TdqQuery query;
    Prepare(query, Numbers(32050));
    query.SetOnFilterOptions({ofoEnabled, ofoCancelOnEscape});
    query.SetOnFilter(
        [](TdqQuery &q, bool &accept) { accept = q.FieldByName("Id").AsInteger() % 1000 == 0; });
    query.Open();
    EXPECT_EQ(query.FilterCallCounter(), 50);
    EXPECT_EQ(query.RecordCount(), 32);
}

TEST_F(DqQueryTest, AnswerTableIsKeptAndNeverReplaced)
{
    {
        TdqQuery query;
        Prepare(query, "SELECT Id, Name, Amount FROM Items WHERE Qty > 2 ORDER BY Id");
        query.SetAnswerTableName("Answer");
        query.Open();
        EXPECT_TRUE(messages_.Calls().isEmpty());
    }
    TTable answer;
    answer.SetDatabase(&Db());
    answer.SetTableName("Answer");
    answer.Open();
    EXPECT_EQ(Ids(answer), (QList<int>{2, 3}));
    EXPECT_EQ(answer.FieldByName("Amount").DataType(), TFieldType::ftFloat);
    answer.Close();

    struct Case
    {
        const char *name;
        const char *message;
    };
    const Case cases[] = {{"Answer", "Unable to create answer table Answer"},
                          {"Items", "Unable to create answer table Items"},
                          {":Nowhere:Other", "Invalid Alias in QBE"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages_.Clear();
        TdqQuery query;
        Prepare(query, "SELECT Id FROM Items");
        query.SetAnswerTableName(c.name);
        query.Open();
        EXPECT_EQ(messages_.Texts(), QStringList{c.message});
    }
    answer.Open();
    EXPECT_EQ(Ids(answer), (QList<int>{2, 3}));
    TTable items;
    items.SetDatabase(&Db());
    items.SetTableName("Items");
    items.Open();
    EXPECT_EQ(items.RecordCount(), 4);
}

TEST_F(DqQueryTest, AnswerTableInAnotherAliasDatabase)
{
    TdqQuery query;
    Prepare(query, "SELECT Id FROM Items");
    query.SetAnswerTableName(":Tavrolin:Copied");
    query.Open();
    EXPECT_TRUE(messages_.Calls().isEmpty());
    EXPECT_TRUE(Db().TableExists("Copied"));
    EXPECT_EQ(dqAliasPath("Tavrolin"), DataFolder());
    EXPECT_EQ(dqAliasPath("Nowhere"), QString());
}

#include "db_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/query.h"

class FilterTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CreatePerOmades();
        pomades_ = OpenTable("PerOmades", "DiorNameInd");
        AppendRecord(*pomades_, {{"DiorNo", 1}, {"TeamNo", 10}, {"GrName", "ΑΕΚ"}});
        AppendRecord(*pomades_, {{"DiorNo", 1}, {"TeamNo", 11}, {"GrName", "ΑΕΛ"}});
        AppendRecord(*pomades_, {{"DiorNo", 2}, {"TeamNo", 12}, {"GrName", "ΑΕΚ Λάρνακας"}});
        AppendRecord(*pomades_, {{"DiorNo", 2}, {"TeamNo", 13}});
    }
    std::unique_ptr<TTable> pomades_;
};

TEST_F(FilterTest, FilterTextNarrowsTheViewWhileFiltered)
{
    struct Case
    {
        const char *filter;
        TFilterOptions options;
        QVariantList teams;
    };
    const Case cases[] = {
        {"DiorNo=2", {}, {13, 12}}, // an empty name sorts first
        {"diorno = 1 and TeamNo <> 10", {}, {11}},
        {"GrName = 'ΑΕΚ*'", {}, {10, 12}},
        {"GrName = 'ΑΕΚ*'", {false, true}, {}},
        {"GrName = 'αεκ'", {true, false}, {10}},
        {"GrName = null", {}, {13}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        pomades_->SetFilterOptions(c.options);
        pomades_->SetFilter(QString::fromUtf8(c.filter));
        pomades_->SetFiltered(true);
        EXPECT_EQ(Column(*pomades_, "TeamNo"), c.teams);
        pomades_->SetFiltered(false);
        EXPECT_EQ(pomades_->RecordCount(), 4);
    }
    pomades_->SetFilter("Nothing = 1");
    EXPECT_THROW(pomades_->SetFiltered(true), EDatabaseError);
}

TEST_F(FilterTest, RecordFilterEventAndPostedRecords)
{
    pomades_->SetOnFilterRecord(
        [](TDataSet &data, bool &accept) { accept = data.FieldByName("TeamNo").AsInteger() % 2 == 1; });
    pomades_->SetFiltered(true);
    EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{11, 13}));
    // A record posted that the filter refuses leaves the view.
    AppendRecord(*pomades_, {{"DiorNo", 3}, {"TeamNo", 14}});
    EXPECT_EQ(pomades_->RecordCount(), 2);
    AppendRecord(*pomades_, {{"DiorNo", 3}, {"TeamNo", 15}});
    EXPECT_EQ(pomades_->RecordCount(), 3);
    EXPECT_EQ(pomades_->FieldByName("TeamNo").AsInteger(), 15);
}

// The deepest filters the engine takes (twenty levels of parentheses and "not"s) in the shapes
// that cost SQLite's parser the most still run, on a table with a range and on a query; one
// level more is refused with the filter's message before SQLite sees it.
TEST_F(FilterTest, TheDeepestFiltersRunOnTablesAndQueries)
{
    const QString diorNo2 = "DiorNo = 2";
    auto nested = [&](const QStringList &levels, qsizetype closing) {
        return levels.join(QString()) + diorNo2 + QString(closing, ')');
    };
    QStringList andOr;       // true and (false or (true and (... DiorNo = 2)))
    QStringList notJunction; // not (true and not (false or not (... DiorNo = 2)))
    for (int level = 0; level < 20; ++level)
        andOr.append(level % 2 == 0 ? "DiorNo > 0 and (" : "DiorNo < 0 or (");
    for (int level = 0; level < 10; ++level)
        notJunction.append(level % 2 == 0 ? "not (DiorNo > 0 and " : "not (DiorNo < 0 or ");
    const QString deepest[] = {
        QString(20, '(') + diorNo2 + QString(20, ')'),
        QString("not ").repeated(20) + diorNo2,
        nested(andOr, 20),
        nested(notJunction, 10),
    };
    TQuery query;
    query.SetDatabase(&Db());
    query.SQL().Add("select TeamNo, DiorNo from PerOmades order by TeamNo");
    query.Open();
    pomades_->SetRange({1}, {2});
    for (const QString &filter : deepest) {
        SCOPED_TRACE(filter.toStdString());
        pomades_->SetFilter(filter);
        pomades_->SetFiltered(true);
        EXPECT_EQ(Column(*pomades_, "TeamNo"), (QVariantList{13, 12}));
        pomades_->SetFiltered(false);
        query.SetFilter(filter);
        query.SetFiltered(true);
        EXPECT_EQ(Column(query, "TeamNo"), (QVariantList{12, 13}));
        query.SetFiltered(false);

        pomades_->SetFilter("(" + filter + ")");
        try {
            pomades_->SetFiltered(true);
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError &error) {
            EXPECT_TRUE(error.Message().contains("περισσότερα από 20 επίπεδα παρενθέσεων και not"))
                << error.Message().toStdString();
        }
        pomades_->SetFiltered(false);
    }
}

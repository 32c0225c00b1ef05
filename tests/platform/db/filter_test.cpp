#include "db_fixture.h"

#include "platform/db/db_errors.h"

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

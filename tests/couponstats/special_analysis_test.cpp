#include "couponstats/special_analysis.h"
#include "page_analysis_fixture.h"

#include "couponstats/operations/dynamh_temp.h"
#include "platform/core/errors.h"
#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

constexpr int kHome = 1;
constexpr int kAway = 2;
constexpr int kCode = 7;

// Team 1: 4 wins, 1 draw, 1 loss, newest first W(h 2-0) W(a 1-3) D(h 1-1) L(a 2-0) W(h 3-1)
// W(a 0-1); team 2: 2 wins, 2 draws, 2 losses, W(h 1-0) D(a 0-0) L(h 0-2) D(a 2-2) W(h 1-0)
// L(a 1-0); team 2's oldest match only when awayMatches is 6.
class SpecialAnalysisTest : public PageAnalysisTest
{
protected:
    void StoreRecords(int awayMatches = 6)
    {
        Add(kHome, 10, DaysBefore(1), 2, 0);
        Add(11, kHome, DaysBefore(2), 1, 3);
        Add(kHome, 12, DaysBefore(3), 1, 1);
        Add(13, kHome, DaysBefore(4), 2, 0);
        Add(kHome, 14, DaysBefore(5), 3, 1);
        Add(15, kHome, DaysBefore(6), 0, 1);
        const struct
        {
            int home;
            int away;
            int g;
            int f;
        } away[] = {{kAway, 20, 1, 0}, {21, kAway, 0, 0}, {kAway, 22, 0, 2},
                    {23, kAway, 2, 2}, {kAway, 24, 1, 0}, {25, kAway, 1, 0}};
        for (int k = 0; k < awayMatches; ++k)
            Add(away[k].home, away[k].away, DaysBefore(k + 1), away[k].g, away[k].f);
        AddCouponMatch(kHome, kAway, kCode);
    }

    bool Run(int kind, int n, const TRowProgress &progress = {})
    {
        return TSpecialAnalysis(Dm(), Grid()).RunSpecialAnalysis(kind, n, progress);
    }

    MessageRecorder messages;
};

TEST_F(SpecialAnalysisTest, EachKindWritesBothValuesTheirDifferenceAndTheProposal)
{
    StoreRecords();
    AddRow(kCode);
    const struct
    {
        int kind;
        int n;
        QStringList values;
    } cases[] = {
        {0, 6, {"13", "8", "5", "1"}},      {0, 0, {"13", "8", "5", "1"}},
        {1, 3, {"7", "2", "5", "1"}},       {3, 3, {"4", "-1", "5", "1"}},
        {4, 6, {"5", "-1", "6", "1"}},      {5, 3, {"16", "11", "5", "1"}},
        {8, 6, {"2,5", "1,5", "4,0", "1"}}, {9, 3, {"2,7", "1,7", "4,4", "1"}},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(Run(c.kind, c.n));
        EXPECT_EQ(Values(0), c.values) << "kind " << c.kind << " N " << c.n;
    }
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsA));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(SpecialAnalysisTest, TeamsMeasuredOverDifferentCountsLeaveTheRowEmpty)
{
    StoreRecords(5);
    AddRow(kCode);
    rows[1][PgHomeValue] = "9";
    rows[1][PgAwayValue] = "1";
    rows[1][PgDifference] = "8";
    rows[1][PgProposal] = "1";
    EXPECT_TRUE(Run(0, 6));
    EXPECT_EQ(Values(0), QStringList(4));
}

TEST_F(SpecialAnalysisTest, StoredThresholdsDecideTheProposalAndBadOnesMakeNone)
{
    StoreRecords();
    AddRow(kCode);
    TRegIniFile registry("Software\\Tavrolin\\Directories");
    registry.WriteString("Params", "1Apo", "6");
    registry.WriteString("Params", "XEos", "5");
    EXPECT_TRUE(Run(0, 6));
    EXPECT_EQ(Values(0), (QStringList{"13", "8", "5", "X"}));
    EXPECT_EQ(thresholds[0], "6");

    registry.WriteString("Params", "1Apo", "");
    rows[1][PgProposal] = "2";
    EXPECT_TRUE(Run(0, 6));
    EXPECT_EQ(Values(0), (QStringList{"13", "8", "5", "2"}));
}

TEST_F(SpecialAnalysisTest, RowsNotCheckedOrNotFoundKeepTheirCells)
{
    StoreRecords();
    AddRow(kCode, "GR1", 0);
    AddRow(kCode, "XX9");
    AddRow(kCode + 1);
    for (int r = 1; r <= 3; ++r)
        rows[r][PgProposal] = "2";
    periods = {"2004-05", "1999-00"};
    EXPECT_TRUE(Run(0, 6));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(Values(r), (QStringList{"", "", "", "2"})) << r;
}

TEST_F(SpecialAnalysisTest, StoppingEndsTheRunAfterTheRowsDone)
{
    StoreRecords();
    AddRow(kCode);
    AddRow(kCode);
    int asked = 0;
    EXPECT_FALSE(Run(0, 6, [&] { return ++asked < 2; }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Values(0), (QStringList{"13", "8", "5", "1"}));
    EXPECT_EQ(Values(1), QStringList(4));
}

TEST_F(SpecialAnalysisTest, ADateThatIsNoDateEndsTheRun)
{
    StoreRecords();
    AddRow(kCode);
    rows[1][PgDate] = "32/13/2005";
    EXPECT_THROW(Run(0, 6), EConvertError);
}

// Positions from the fewest points, over the matches up to two days before the coupon's day.
class PositionAnalysisTest : public SpecialAnalysisTest
{
protected:
    void StoreLeague()
    {
        Add(kHome, 3, DaysBefore(3), 2, 0);
        Add(4, kAway, DaysBefore(4), 0, 1);
        Add(5, 6, DaysBefore(5), 1, 1);
        // Too late for the table of the coupon's day.
        Add(kHome, 6, DaysBefore(1), 4, 0);
        AddCouponMatch(kHome, kAway, kCode);
    }
};

TEST_F(PositionAnalysisTest, EqualTotalsShareAPosition)
{
    StoreLeague();
    AddRow(kCode);
    EXPECT_TRUE(Run(6, 0));
    // Totals 0 (3, 4), 1 (5, 6), 3 (1, 2).
    EXPECT_EQ(Values(0), (QStringList{"3", "3", "0", "X"}));
}

TEST_F(PositionAnalysisTest, HomeAndAwayPointsRankApart)
{
    StoreLeague();
    AddRow(kCode);
    EXPECT_TRUE(Run(7, 0));
    // Home points 0, 1 (5), 3 (1); away points 0, 1 (6), 3 (2).
    EXPECT_EQ(Values(0), (QStringList{"3", "3", "0", "X"}));
    // Team 2's only away match lost: its away points 0 are the fewest.
    Exec("UPDATE Agvnes SET TelGGoals = 1, TelFGoals = 0 WHERE Ghpedoyxos = 4");
    EXPECT_TRUE(Run(7, 0));
    EXPECT_EQ(Values(0), (QStringList{"3", "1", "2", "1"}));
}

TEST_F(PositionAnalysisTest, ATeamWithoutAPlayedMatchHasNoPosition)
{
    Add(kHome, 3, DaysBefore(3), 2, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddRow(kCode);
    rows[1][PgProposal] = "2";
    EXPECT_TRUE(Run(6, 0));
    EXPECT_EQ(Values(0), (QStringList{"2", "", "", ""}));
}

} // namespace

#include "couponstats/over_under_analysis.h"
#include "page_analysis_fixture.h"

#include "couponstats/over_under_columns.h"
#include "platform/core/errors.h"
#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <map>

using namespace tav::couponstats;

namespace {

constexpr int kHome = 1;
constexpr int kAway = 2;
constexpr int kCode = 7;

// The analysed cells of a row by column; the columns not named are the analysis's too unless the
// test says otherwise.
using TCells = std::map<int, QString>;

// Rows of the over/under page, every cell of which starts as "9" so that a cell the analysis
// leaves alone shows.
class OverUnderAnalysisTest : public PageAnalysisTest
{
protected:
    void AddOuRow(int code, const QString &diorg = QStringLiteral("GR1"), char check = 1)
    {
        AddRow(code, diorg, check);
        QStringList &row = rows.last();
        row.resize(kOverUnderColumns);
        for (int col = PgHomeValue; col < kOverUnderColumns; ++col)
            row[col] = QStringLiteral("9");
    }

    // The team's earlier matches of the league in its home (or away) record, newest first, each
    // against an opponent of its own.
    void StoreRecord(int team, bool home, int wins, int draws, int losses)
    {
        int k = 0;
        const auto add = [&](int own, int other) {
            ++k;
            const int opponent = 100 * team + k;
            if (home)
                Add(team, opponent, DaysBefore(k), own, other);
            else
                Add(opponent, team, DaysBefore(k), other, own);
        };
        for (int i = 0; i < wins; ++i)
            add(1, 0);
        for (int i = 0; i < draws; ++i)
            add(1, 1);
        for (int i = 0; i < losses; ++i)
            add(0, 1);
    }

    void ClearMatches()
    {
        Exec("DELETE FROM Agvnes");
        AddCouponMatch(kHome, kAway, kCode);
    }

    bool Run(int n, const TRowProgress &progress = {})
    {
        return RunOverUnderAnalysis(Dm(), Grid(), n, progress);
    }

    void ExpectCells(int r, const TCells &cells)
    {
        for (const auto &[col, text] : cells)
            EXPECT_EQ(rows.at(r + 1).at(col), text) << "row " << r << " column " << col;
    }

    MessageRecorder messages;
};

TEST_F(OverUnderAnalysisTest, HomeAndAwayRecordsFillTheirColumns)
{
    // The home team at home: W 2-1 against the away team, W 3-0, D 1-1, L 0-2; the 2-1 is the away
    // team's only away match.
    Add(kHome, kAway, DaysBefore(1), 2, 1);
    Add(kHome, 10, DaysBefore(2), 3, 0);
    Add(kHome, 11, DaysBefore(3), 1, 1);
    Add(kHome, 12, DaysBefore(4), 0, 2);
    // Neither record: the home team away, the away team at home.
    Add(13, kHome, DaysBefore(5), 4, 4);
    Add(kAway, 14, DaysBefore(6), 5, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    EXPECT_TRUE(Run(0));
    ExpectCells(0, {
                       {12, "4"},  {13, "7"},  {14, "2"}, {15, "1"},  {16, "1"},  {17, "50"},  {18, "25"},
                       {19, "25"}, {20, "0"},  {21, "1"}, {22, "0"},  {23, "0"},  {24, "100"}, {25, "0"},
                       {26, "0"},  {27, "7"},  {28, "1"}, {29, "75"}, {30, "12"}, {31, "12"}, // 12.5 to even
                       {45, "6"},  {46, "4"},  {47, "1"}, {48, "2"},  {49, "1"},  {50, "2"},   {51, "2"},
                       {52, "1"},  {53, "0"},  {55, "1"}, {56, "1"},  {57, "1"},  {58, "1"},   {59, "0"},
                       {63, "0"},  {64, "1"},  {65, "0"}, {71, "1"},  {72, "3"},  {73, "0"},   {74, "1"},
                       {75, "1"},  {76, "4"},  {77, "1"}, {78, "1"},  {79, "0"},  {80, "1"},   {81, "0"},
                       {82, "0"},  {83, "1"},  {84, "0"}, {86, "0"},  {87, "1"},  {91, "0"},   {95, "1"},
                       {96, "2"},  {98, "1"},  {99, "0"}, {100, "0"}, {101, "1"}, {104, "2"},  {105, "2"},
                       {106, "0"}, {107, "1"},
                   });
    // Columns the analysis does not own keep what the page held.
    for (int col : {32, 33, 41, 42, 43, 44, 54})
        EXPECT_EQ(rows[1][col], "9") << col;
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsB));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(OverUnderAnalysisTest, SharesRoundHalvesToEven)
{
    AddOuRow(kCode);
    const struct
    {
        int wins;
        int draws;
        int losses;
        TCells shares;
    } cases[] = {
        {1, 7, 0, {{17, "12"}, {18, "88"}, {19, "0"}}},
        {3, 5, 0, {{17, "38"}, {18, "62"}, {19, "0"}}},
        {1, 1, 1, {{17, "33"}, {18, "33"}, {19, "33"}}},
    };
    for (const auto &c : cases) {
        ClearMatches();
        StoreRecord(kHome, true, c.wins, c.draws, c.losses);
        EXPECT_TRUE(Run(0));
        ExpectCells(0, c.shares);
    }
}

TEST_F(OverUnderAnalysisTest, PointsDifferenceAndProposalByDefaultBounds)
{
    AddOuRow(kCode);
    const struct
    {
        int homeRecord[3]; // wins, draws, losses
        int awayRecord[3];
        TCells cells;
    } cases[] = {
        {{2, 1, 1}, {2, 1, 0}, {{13, "7"}, {20, "7"}, {27, "0"}, {28, "X"}}},
        {{1, 1, 0}, {3, 0, 0}, {{13, "4"}, {20, "9"}, {27, "-5"}, {28, "2"}}},
        {{1, 0, 0}, {0, 0, 2}, {{13, "3"}, {20, "0"}, {27, "3"}, {28, "1"}}},
    };
    for (const auto &c : cases) {
        ClearMatches();
        StoreRecord(kHome, true, c.homeRecord[0], c.homeRecord[1], c.homeRecord[2]);
        StoreRecord(kAway, false, c.awayRecord[0], c.awayRecord[1], c.awayRecord[2]);
        EXPECT_TRUE(Run(0));
        ExpectCells(0, c.cells);
    }
}

// A home team short of N matches counts none: its columns are written as 0 and its shares and the
// means emptied, while the away record fills its own and the combined columns alone.
TEST_F(OverUnderAnalysisTest, AnEmptyHomeRecordStillWritesEveryColumnFromItsOwnRecord)
{
    StoreRecord(kHome, true, 3, 1, 1);
    // Six away wins 1-0.
    StoreRecord(kAway, false, 6, 0, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    EXPECT_TRUE(Run(6));
    TCells expected;
    const QList<int> untouched = {32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 54};
    for (int col = PgHomeValue; col < kOverUnderColumns; ++col)
        if (!untouched.contains(col))
            expected[col] = "0";
    for (int col : {17, 18, 19, 29, 30, 31})
        expected[col] = "";
    for (const auto &[col, text] : TCells{{20, "18"},
                                          {23, "6"},
                                          {26, "100"},
                                          {27, "-18"},
                                          {28, "2"},
                                          {47, "6"},
                                          {49, "6"},
                                          {53, "6"},
                                          {64, "6"},
                                          {74, "6"},
                                          {76, "6"},
                                          {91, "6"},
                                          {100, "6"},
                                          {106, "6"}})
        expected[col] = text;
    ExpectCells(0, expected);
    for (int col : untouched)
        EXPECT_EQ(rows[1][col], "9") << col;
}

TEST_F(OverUnderAnalysisTest, AnEmptyAwayRecordEmptiesItsSharesAndTheMeans)
{
    StoreRecord(kHome, true, 2, 1, 1);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    EXPECT_TRUE(Run(0));
    ExpectCells(0, {{17, "50"},
                    {20, "0"},
                    {21, "0"},
                    {22, "0"},
                    {23, "0"},
                    {24, ""},
                    {25, ""},
                    {26, ""},
                    {29, ""},
                    {30, ""},
                    {31, ""},
                    {47, "0"},
                    {49, "0"},
                    {75, "1"},
                    {28, "1"}});
}

TEST_F(OverUnderAnalysisTest, RowsNotCheckedOrNotFoundKeepTheirCellsAndAreNotCounted)
{
    StoreRecord(kHome, true, 1, 0, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode, "GR1", 0);
    AddOuRow(kCode, "XX9");
    AddOuRow(kCode + 1);
    AddOuRow(kCode);
    const QList<QStringList> before = rows;
    int asked = 0;
    EXPECT_TRUE(Run(0, [&] { return ++asked > 0; }));
    EXPECT_EQ(asked, 3);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(rows[r], before[r]) << r;
    EXPECT_EQ(rows[4][13], "3");
}

TEST_F(OverUnderAnalysisTest, ACancelLeavesTheLaterRowsAsTheyWere)
{
    StoreRecord(kHome, true, 1, 0, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    AddOuRow(kCode);
    AddOuRow(kCode);
    const QList<QStringList> before = rows;
    int asked = 0;
    EXPECT_FALSE(Run(0, [&] { return ++asked < 2; }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(rows[1][13], "3");
    EXPECT_EQ(rows[2], before[2]);
    EXPECT_EQ(rows[3], before[3]);
}

TEST_F(OverUnderAnalysisTest, StoredBoundsDecideTheProposalAndUnusableOnesMakeNone)
{
    StoreRecord(kHome, true, 2, 1, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    TRegIniFile registry("Software\\Tavrolin\\Directories");
    const struct
    {
        const char *apo1;
        const char *eosX;
        QString proposal;
    } cases[] = {{"1", "0", "1"}, {"8", "7", "X"}, {"8", "0", ""}, {"x", "7", ""}};
    for (const auto &c : cases) {
        registry.WriteString("Params", "1Apo", c.apo1);
        registry.WriteString("Params", "XEos", c.eosX);
        EXPECT_TRUE(Run(0));
        EXPECT_EQ(rows[1][27], "7");
        EXPECT_EQ(rows[1][28], c.proposal) << c.apo1 << " " << c.eosX;
        EXPECT_EQ(thresholds[0], c.apo1);
        EXPECT_EQ(thresholds[3], c.eosX);
    }
}

TEST_F(OverUnderAnalysisTest, ADateThatIsNoDateEndsTheRun)
{
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    rows[1][PgDate] = "32/13/2005";
    EXPECT_THROW(Run(0), EConvertError);
}

TEST_F(OverUnderAnalysisTest, ThePageEngineFillsTheRunsRows)
{
    StoreRecord(kHome, true, 2, 1, 1);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    TPageRows pageRows = rows.mid(1);
    TThresholdTexts params;
    int steps = 0;
    TPageRun run{pageRows, checks, periods, params, 0, 0, [&] { return ++steps > 0; }};
    RunPageEngine(OverUnderEngine(), run);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(pageRows[0][13], "7");
    EXPECT_EQ(pageRows[0][17], "50");
    EXPECT_EQ(pageRows[0][28], "1");
    EXPECT_EQ(params, ThresholdTextsOf(kDefaultsB));
}

TEST_F(OverUnderAnalysisTest, ThePageKeepsTheRowsDoneWhenALaterRowEndsTheRun)
{
    StoreRecord(kHome, true, 1, 0, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddOuRow(kCode);
    AddOuRow(kCode);
    TPageRows pageRows = rows.mid(1);
    pageRows[1][PgDate] = "32/13/2005";
    TThresholdTexts params;
    TPageRun run{pageRows, checks, periods, params, 0, 0, [] { return true; }};
    EXPECT_THROW(RunPageEngine(OverUnderEngine(), run), EConvertError);
    ASSERT_EQ(pageRows.size(), 2);
    EXPECT_EQ(pageRows[0][13], "3");
    EXPECT_EQ(pageRows[1][13], "9");
}

} // namespace

#include "couponstats/score_analysis.h"
#include "page_analysis_fixture.h"

#include "coupons/row_sort.h"
#include "couponstats/score_columns.h"
#include "platform/core/errors.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace tav::couponstats;
using tav::operations::TTeamGoalRecord;
using tav::operations::TTeamMatches;

namespace {

constexpr int kHome = 1;
constexpr int kAway = 2;
constexpr int kCode = 7;

// Goals scored, conceded and the matches walked of a record.
TTeamGoalRecord Record(int scored, int conceded, int matches = 6)
{
    TTeamGoalRecord r;
    r.Found = matches > 0;
    r[13] = scored;
    r[14] = conceded;
    r[15] = matches;
    return r;
}

// Rows of the score page, every statistic and score cell "9" so that a cell the analysis leaves
// alone shows, over the league of the team history tests.
class ScoreAnalysisTest : public PageAnalysisTest
{
protected:
    void AddScoreRow(int code, const QString &diorg = QStringLiteral("GR1"), char check = 1)
    {
        QStringList row(kScoreColumns, QStringLiteral("9"));
        row[kCheckColumn] = QString::number(check);
        row[ScNumber] = QString::number(rows.size());
        row[ScCode] = QString::number(code);
        row[ScDiorg] = diorg;
        row[ScDate] = dayText;
        row[ScHomeTeam] = QStringLiteral("Γηπεδούχος");
        row[ScAwayTeam] = QStringLiteral("Φιλοξενούμενη");
        rows.append(row);
        checks.append(check);
    }

    // The records of the fake source by (3 goals up, team); every request is kept.
    TGoalRecordSource Fake()
    {
        return [this](const TGoalRecordRequest &q) {
            requests.push_back(q);
            return fake[{q.ThreePlus, q.TeamNo}];
        };
    }

    void SetFake(const TTeamGoalRecord &H, const TTeamGoalRecord &A, const TTeamGoalRecord &H3,
                 const TTeamGoalRecord &A3)
    {
        fake = {{{false, kHome}, H}, {{false, kAway}, A}, {{true, kHome}, H3}, {{true, kAway}, A3}};
    }

    bool Run(TScoreMode mode, int n, const TGoalRecordSource &source, const TRowProgress &progress = {})
    {
        return RunScoreAnalysis(Dm(), Grid(), mode, n, progress, source);
    }

    // Cells 12 to 24 and the proposal of data row r.
    QStringList Statistics(int r) const
    {
        return rows.at(r + 1).mid(ScHomeMatches, ScAwayGoalPoints - ScHomeMatches + 1)
               << rows.at(r + 1).at(ScProposal);
    }

    std::map<std::pair<bool, int>, TTeamGoalRecord> fake;
    std::vector<TGoalRecordRequest> requests;
    MessageRecorder messages;
};

TEST_F(ScoreAnalysisTest, GoalRecordsMakeTheDifferencesSumsAndGoalPoints)
{
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    SetFake(Record(10, 6, 5), Record(4, 9), Record(3, 0), Record(0, 3));
    EXPECT_TRUE(Run(TScoreMode::HomeAway, 6, Fake()));
    // ΑΓ., ΓΥ, ΓΚ, ΔΤ-Γ, ΦΥ, ΦΚ, ΔΤ-Φ, ΔΒ, ΓG, ΦG, ΔG, HGpts, AGpts, ΠΡ
    EXPECT_EQ(Statistics(0),
              QStringList({"5", "10", "6", "4", "4", "9", "-5", "9", "19", "10", "9", "25", "10", "1"}));
    // The score columns and the coupon's cells are not the analysis's.
    for (int col = ScFirstScore; col < ScProposal; ++col)
        EXPECT_EQ(rows[1][col], "9") << col;
    EXPECT_EQ(rows[1][ScSign], "9");
    EXPECT_EQ(rows[1][ScScore], "9");
    EXPECT_EQ(thresholds, ThresholdTextsOf(kDefaultsA));
}

TEST_F(ScoreAnalysisTest, EachModeAsksForItsSidesAndBothVariants)
{
    AddCouponMatch(kHome, kAway, kCode);
    const struct
    {
        TScoreMode mode;
        TTeamMatches home;
        TTeamMatches away;
    } cases[] = {
        {TScoreMode::HomeAway, TTeamMatches::Home, TTeamMatches::Away},
        {TScoreMode::AllMatches, TTeamMatches::All, TTeamMatches::All},
    };
    AddScoreRow(kCode);
    for (const auto &c : cases) {
        requests.clear();
        Run(c.mode, 4, Fake());
        ASSERT_EQ(requests.size(), 4u);
        int threePlus = 0;
        for (const TGoalRecordRequest &q : requests) {
            const bool home = q.TeamNo == kHome;
            EXPECT_EQ(q.Side, home ? c.home : c.away);
            EXPECT_EQ(q.Text, home ? "Γηπεδούχος" : "Φιλοξενούμενη");
            EXPECT_EQ(q.DateText, dayText);
            EXPECT_EQ(q.DiorgNo, kLeague);
            EXPECT_EQ(q.N, 4);
            threePlus += q.ThreePlus;
        }
        EXPECT_EQ(threePlus, 2);
    }
}

TEST_F(ScoreAnalysisTest, TheDifferenceOfDifferencesProposesByTheStoredBounds)
{
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    // ΔΒ is d when the home team scored d + 5 and conceded 5 and the away team scored and conceded 5.
    const auto proposal = [&](int d) {
        SetFake(Record(d + 5, 5), Record(5, 5), Record(0, 0), Record(0, 0));
        Run(TScoreMode::HomeAway, 0, Fake());
        EXPECT_EQ(rows[1][ScDifference], QString::number(d));
        return rows[1][ScProposal];
    };
    const struct
    {
        int d;
        const char *sign;
    } defaults[] = {{1, "1"}, {0, "X"}, {-4, "X"}, {-5, "2"}, {37, "1"}, {-37, "2"}};
    for (const auto &c : defaults)
        EXPECT_EQ(proposal(c.d), c.sign) << c.d;

    // Bounds that leave a gap between 0 and 3 and between -3 and -5.
    WriteThresholdTexts({"3", "500", "-2", "0", "-500", "-5"});
    for (const auto &c :
         {std::pair{2, ""}, std::pair{1, ""}, std::pair{-4, ""}, std::pair{-2, "X"}, std::pair{3, "1"}})
        EXPECT_EQ(proposal(c.first), c.second) << c.first;

    // Bounds that are no numbers make no proposal rather than an old one.
    WriteThresholdTexts({"1", "", "-4", "0", "-500", "-5"});
    EXPECT_EQ(proposal(1), "");
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(ScoreAnalysisTest, StoredMatchesFillTheRowInBothModes)
{
    // The home team at home 3-1, 1-1, 0-2 (the 3-1 against the away team) and away 4-3; the away
    // team away 1-3 (that meeting) and 0-0, at home 5-0.
    Add(kHome, kAway, DaysBefore(1), 3, 1);
    Add(kHome, 10, DaysBefore(2), 1, 1);
    Add(kHome, 11, DaysBefore(3), 0, 2);
    Add(12, kHome, DaysBefore(4), 3, 4);
    Add(13, kAway, DaysBefore(5), 0, 0);
    Add(kAway, 14, DaysBefore(6), 5, 0);
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    EXPECT_TRUE(Run(TScoreMode::HomeAway, 0, StoredGoalRecords(Dm())));
    // H 4/4 (3-plus 3/0), A 1/3 (3-plus 0/3): ΓG 7, ΦG 5, HGpts 7+3+3, AGpts 5+0+0.
    EXPECT_EQ(Statistics(0),
              QStringList({"3", "4", "4", "0", "1", "3", "-2", "2", "7", "5", "2", "13", "5", "1"}));

    EXPECT_TRUE(Run(TScoreMode::AllMatches, 0, StoredGoalRecords(Dm())));
    // H over 4 matches 8/7 (3-plus 7/3), A over 3 matches 6/3 (3-plus 5/3).
    EXPECT_EQ(Statistics(0),
              QStringList({"4", "8", "7", "1", "6", "3", "3", "-2", "11", "13", "-2", "21", "21", "X"}));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(ScoreAnalysisTest, TeamsShortOfNShowZerosAndProposeX)
{
    Add(kHome, 10, DaysBefore(1), 2, 0);
    Add(13, kAway, DaysBefore(2), 0, 3);
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    EXPECT_TRUE(Run(TScoreMode::HomeAway, 6, StoredGoalRecords(Dm())));
    EXPECT_EQ(Statistics(0),
              QStringList({"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "X"}));

    // Only the home team short: its cells are zeros, the away team's filled.
    SetFake(Record(0, 0, 0), Record(7, 2), Record(0, 0, 0), Record(7, 0));
    EXPECT_TRUE(Run(TScoreMode::HomeAway, 6, Fake()));
    EXPECT_EQ(Statistics(0),
              QStringList({"0", "0", "0", "0", "7", "2", "5", "-5", "2", "7", "-5", "2", "14", "2"}));
}

TEST_F(ScoreAnalysisTest, RowsUncheckedOrNotFoundKeepTheirCellsAndACancelStops)
{
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode, QStringLiteral("GR1"), 0); // not checked
    AddScoreRow(kCode, QStringLiteral("XX9"));    // no such category
    AddScoreRow(kCode + 1);                       // no such match
    AddScoreRow(kCode);                           // analysed
    AddScoreRow(kCode);                           // after the cancel
    SetFake(Record(1, 0), Record(0, 1), Record(0, 0), Record(0, 0));
    int steps = 0;
    EXPECT_FALSE(Run(TScoreMode::HomeAway, 0, Fake(), [&] { return ++steps <= 3; }));
    EXPECT_EQ(steps, 4);
    const QStringList untouched(Statistics(0).size(), QStringLiteral("9"));
    for (int r : {0, 1, 2, 4})
        EXPECT_EQ(Statistics(r), untouched) << r;
    EXPECT_EQ(rows[4][ScDifference], "2");
    EXPECT_EQ(requests.size(), 4u);
}

TEST_F(ScoreAnalysisTest, ADateThatIsNoDateEndsTheRun)
{
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    rows[1][ScDate] = "32/13/2005";
    EXPECT_THROW(Run(TScoreMode::HomeAway, 0, Fake()), EConvertError);
}

TEST_F(ScoreAnalysisTest, ThePageEngineRunsTheKindAsTheMode)
{
    Add(kHome, kAway, DaysBefore(1), 3, 1);
    Add(12, kHome, DaysBefore(2), 0, 2);
    AddCouponMatch(kHome, kAway, kCode);
    AddScoreRow(kCode);
    AddScoreRow(kCode);
    for (const auto &[kind, scored] : {std::pair{0, "3"}, std::pair{1, "5"}}) {
        TPageRows pageRows = rows.mid(1);
        pageRows[1][ScDate] = "32/13/2005";
        TThresholdTexts params;
        int steps = 0;
        TPageRun run{pageRows, checks, periods, params, kind, 0, [&] { return ++steps > 0; }};
        // The row done stays on the page when the next one ends the run.
        EXPECT_THROW(RunPageEngine(ScoreEngine(), run), EConvertError);
        EXPECT_EQ(steps, 2);
        ASSERT_EQ(pageRows.size(), 2);
        EXPECT_EQ(pageRows[0][ScHomeScored], scored) << kind;
        EXPECT_EQ(pageRows[1][ScHomeScored], "9");
        EXPECT_EQ(params, ThresholdTextsOf(kDefaultsA));
    }
}

} // namespace

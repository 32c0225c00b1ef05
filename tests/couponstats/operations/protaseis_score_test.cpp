#include "couponstats/operations/protaseis_score.h"
#include "platform/core/errors.h"
#include "support/qstring_printer.h"

#include <QList>

#include <gtest/gtest.h>

using namespace tav::operations;

namespace {

// Columns as the pages keep them: odds 7, 8, 9, result sign 10, proposal 15.
constexpr int kProposal = 15;

struct Row
{
    QString proposal;
    QString result;
    QString odd1 = "1,50";
    QString oddX = "3,20";
    QString odd2 = "5,00";
};

// Rows 1 to n of a page; row 0 holds the titles.
TCellText Page(const QList<Row> &rows)
{
    return [rows](int col, int row) -> QString {
        if (row < 1 || row > rows.size())
            return "title";
        const Row &r = rows.at(row - 1);
        switch (col) {
        case 7:
            return r.odd1;
        case 8:
            return r.oddX;
        case 9:
            return r.odd2;
        case 10:
            return r.result;
        case kProposal:
            return r.proposal;
        default:
            return QString();
        }
    };
}

TProtaseisScore Score(const QList<Row> &rows, int from = 1, int to = -1)
{
    return ScoreProtaseisRows(from, to < 0 ? int(rows.size()) : to, kProposal, 10, 7, 8, 9, Page(rows));
}

TEST(ProtaseisScore, OnlyTheSameSingleSignHits)
{
    const struct
    {
        const char *proposal;
        const char *result;
        int hits;
        double hitOdds;
    } cases[] = {
        {"1", "1", 1, 1.5}, {" 2 ", "2", 1, 5.0}, {"X", "X", 1, 3.2}, {"Χ", "Χ", 1, 3.2}, {"X", "Χ", 0, 0},
        {"Χ", "X", 0, 0},   {"1X", "1", 0, 0},    {"1X", "1X", 0, 0}, {"x", "X", 0, 0},   {"2", "1", 0, 0},
    };
    for (const auto &c : cases) {
        const TProtaseisScore s = Score({{c.proposal, c.result}});
        SCOPED_TRACE(testing::Message() << c.proposal << " on " << c.result);
        EXPECT_EQ(s.Played, 1);
        EXPECT_EQ(s.Hits, c.hits);
        EXPECT_DOUBLE_EQ(s.HitOddsSum, c.hitOdds);
    }
}

TEST(ProtaseisScore, MissedAndUnplayedRowsStakeTheirProposedSign)
{
    const TProtaseisScore s = Score({
        {"1", "1"},
        {"2", "X", "2,00", "3,00", "4,00"},
        {"X", "", "2,00", "3,10", "3,50"},
        {"", "1", "no odds", "", ""},
        {"12", "2", "not", "needed", ""},
    });
    EXPECT_EQ(s.Played, 3);
    EXPECT_EQ(s.Hits, 1);
    EXPECT_DOUBLE_EQ(s.HitOddsSum, 1.5);
    EXPECT_DOUBLE_EQ(s.OddsSum, 1.5 + 4.0);
    EXPECT_DOUBLE_EQ(s.Stake, 5.5 / 1.5 + 5.5 / 4.0 + 5.5 / 3.1);
    EXPECT_EQ(ProtaseisSummary(s),
              "Αγώνες :3  Επιτυχίες 1 από 3 Αποδοση :1,50  50,00%  \r Αθροισμα ΑΠ. : 5,50  "
              "Κόστος Παιχνιδιού : 6,82   Απόδοση : 5,50  Ποσοστό : 80,69 %");
}

TEST(ProtaseisScore, NothingPlayedShowsZeroPercentages)
{
    for (const TProtaseisScore &s :
         {Score({{"", "1"}, {"", "2"}}), Score({{"1", "1"}}, 2, 1), Score({{"1X", ""}})})
        EXPECT_EQ(ProtaseisSummary(s),
                  "Αγώνες :0  Επιτυχίες 0 από 0 Αποδοση :0,00  0,00%  \r Αθροισμα ΑΠ. : 0,00  "
                  "Κόστος Παιχνιδιού : 0,00   Απόδοση : 0,00  Ποσοστό : 0,00 %");
}

TEST(ProtaseisScore, AnOddThatIsNoNumberStopsTheScoring)
{
    EXPECT_THROW(Score({{"1", "1"}, {"2", "", "1,5", "3", ""}}), EConvertError);
    // Rows outside the range are not read.
    EXPECT_EQ(Score({{"1", "1"}, {"2", "", "1,5", "3", ""}}, 1, 1).Hits, 1);
}

} // namespace

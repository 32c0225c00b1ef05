#include "couponstats/final_score_update.h"

#include "over_under_outside.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "1234_20050101.kup";

// A first-page row: code, sign, final goals in 42 and 43, half-time home goals in 44.
QStringList Row(const QString &code, const QString &sign, const QString &home, const QString &away,
                const QString &halfTime = "")
{
    QStringList row(45);
    row[1] = code;
    row[10] = sign;
    row[42] = home;
    row[43] = away;
    row[44] = halfTime;
    return row;
}

class FinalScoreUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterOverUnderDatabase(overUnder);
        for (int n : {0, 3, 4, 5, 6})
            CreateOverUnderTable(overUnder, n);
        // Exported only with six recent matches, the match 8 with its half-time goals.
        overUnder.Connection().Execute("INSERT INTO Anal_va_koup6 (DArKup, Dcode, DAhm) VALUES "
                                       "(1234, 7, NULL), (1234, 8, 4), (1234, 9, NULL), (99, 7, NULL)");
    }

    QList<QVariantList> Stored(int n)
    {
        return Rows(overUnder,
                    QString("SELECT DArKup, Dcode, DGgip, DGgip0, DGfil, DGfil0, DAhm, Dsim, DSg FROM "
                            "Anal_va_koup%1 ORDER BY DArKup, Dcode")
                        .arg(n));
    }

    MessageRecorder messages;
    TDatabase overUnder;
};

TEST_F(FinalScoreUpdateTest, WritesScoresOfPlayedMatchesIntoTheExportedTable)
{
    const TPageRows rows{Row("7", "1", "2", "1", "1"), Row("8", "X", "0", "0"), Row("9", "", "3", "3", "1")};
    ASSERT_TRUE(UpdateFinalScores(TScoreUpdateTarget::OverUnder, kCoupon, rows));
    EXPECT_TRUE(messages.Texts().isEmpty());
    const QVariant null;
    EXPECT_EQ(Stored(6), (QList<QVariantList>{{99, 7, null, null, null, null, null, null, null},
                                              {1234, 7, 2, 2, 1, 1, 1, "1", 3},
                                              {1234, 8, 0, 0, 0, 0, 4, "X", 0},
                                              {1234, 9, null, null, null, null, null, null, null}}));
    for (int n : {0, 3, 4, 5})
        EXPECT_TRUE(Stored(n).isEmpty()) << n;
}

TEST_F(FinalScoreUpdateTest, GoalsThatAreNoWholeNumbersChangeNothing)
{
    const auto before = Stored(6);
    const TPageRows rows{Row("7", "1", "2", "1"), Row("8", "2", "1", "x")};
    EXPECT_FALSE(UpdateFinalScores(TScoreUpdateTarget::OverUnder, kCoupon, rows));
    EXPECT_FALSE(UpdateFinalScores(TScoreUpdateTarget::OverUnder, "abc.kup", rows.mid(0, 1)));
    ASSERT_EQ(messages.Texts().size(), 2);
    EXPECT_TRUE(messages.Texts()[0].startsWith("Η γραμμή 2 (κωδικός «8»)"))
        << messages.Texts()[0].toStdString();
    EXPECT_TRUE(messages.Texts()[1].contains("abc.kup"));
    EXPECT_EQ(Stored(6), before);
}

TEST_F(FinalScoreUpdateTest, MissingTableNamesItAndChangesNothing)
{
    overUnder.Connection().Execute("DROP TABLE Anal_va_koup4");
    const auto before = Stored(6);
    EXPECT_FALSE(UpdateFinalScores(TScoreUpdateTarget::OverUnder, kCoupon, {Row("7", "1", "2", "1")}));
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_TRUE(messages.Texts()[0].contains("Anal_va_koup4"));
    EXPECT_EQ(Stored(6), before);
}

TEST_F(FinalScoreUpdateTest, PointsTableTakesTheGoalsAndTheSign)
{
    TDatabase points;
    RegisterPointsScoreDatabase(points);
    points.Connection().Execute("INSERT INTO Anal_va_koup VALUES (1234, 7, NULL, NULL, NULL), "
                                "(1234, 8, NULL, NULL, NULL)");
    // The points first page keeps no half-time column in the grid: only 42 and 43 are read.
    QStringList row = Row("7", "2", "0", "3");
    row.removeLast();
    ASSERT_TRUE(UpdateFinalScores(TScoreUpdateTarget::Points, kCoupon, {row, Row("8", "", "1", "1")}));
    EXPECT_EQ(Rows(points, "SELECT Dcode, Dsim, Dendf, Dendg FROM Anal_va_koup ORDER BY Dcode"),
              (QList<QVariantList>{{7, "2", 0, 3}, {8, QVariant(), QVariant(), QVariant()}}));
}

} // namespace

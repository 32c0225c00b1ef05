#include "coupons/betbrain_compare.h"

#include "betbrain_fixture.h"
#include "kup_test_files.h"
#include "platform/core/errors.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

TEST_F(BetBrainTest, AveragesOfTheDayBeforeAreFoundNotOfTwoDaysBefore)
{
    AddServiceTeam(1, "ΑΡΣΕΝΑΛ");
    AddServiceTeam(2, "ΤΣΕΛΣΙ");
    AddServiceTeam(3, "ΛΙΒΕΡΠΟΥΛ");
    AddAverages(couponDay.addDays(-1), 1, 2, 1.80, 3.40, 4.50);
    AddAverages(couponDay.addDays(-2), 2, 3, 1.50, 3.40, 4.50);
    TBetBrainLookup lookup(Dm());

    QStringList row = BetBrainRow("1", couponDay, "ΑΡΣΕΝΑΛ", "ΤΣΕΛΣΙ", "1,90", "3,20", "4,00");
    const auto found = lookup.FindRow(row);
    ASSERT_TRUE(found.has_value());
    CompareRow(row, *found);
    const QStringList expected{"1,8", "3,4", "4,5", "", "", "1", "5,6", "-5,9", "-11,1", "8,2", "6,7"};
    EXPECT_EQ(row.mid(9, 11), expected);

    EXPECT_FALSE(lookup.Find("ΤΣΕΛΣΙ", "ΛΙΒΕΡΠΟΥΛ", couponDay).has_value());
    EXPECT_TRUE(lookup.Find("ΤΣΕΛΣΙ", "ΛΙΒΕΡΠΟΥΛ", couponDay.addDays(-1)).has_value());
    // Names compare exactly, case included.
    EXPECT_FALSE(lookup.Find("Αρσεναλ", "ΤΣΕΛΣΙ", couponDay).has_value());
}

TEST_F(BetBrainTest, TeamFoundThroughItsCouponNameInTheProgram)
{
    Exec("INSERT INTO Omades (KratosNo, Name, TeamNo, OPAPName) VALUES (1, 'Άρσεναλ', 77, 'ΑΡΣΕΝΑΛ')");
    AddServiceTeam(5, "Arsenal", 77);
    AddServiceTeam(6, "ΤΣΕΛΣΙ");
    AddAverages(couponDay.addDays(1), 5, 6, 2.0, 3.0, 3.5);
    TBetBrainLookup lookup(Dm());
    EXPECT_EQ(lookup.ServiceTeamNo("ΑΡΣΕΝΑΛ"), 5);
    EXPECT_EQ(lookup.ServiceTeamNo("ΑΓΝΩΣΤΗ"), 0);
    EXPECT_TRUE(lookup.Find("ΑΡΣΕΝΑΛ", "ΤΣΕΛΣΙ", couponDay).has_value());
}

TEST(BetBrainCompare, ProposalIsTheFavouriteTheCouponPaysMoreFor)
{
    const struct
    {
        TBetBrainAverages averages;
        const char *odd1;
        const char *oddX;
        const char *odd2;
        const char *mark;
    } cases[] = {
        {{1.80, 3.40, 4.50}, "1,90", "3,20", "4,00", "1"},
        {{1.80, 3.40, 4.50}, "1,75", "3,20", "4,00", ""},
        // Tied favourites: 2 is tested after 1.
        {{2.50, 3.00, 2.50}, "2,60", "3,10", "2,70", "2"},
        {{3.50, 2.20, 3.50}, "3,00", "2.40", "3,00", "X"},
    };
    for (const auto &c : cases) {
        QStringList row = BetBrainRow("1", QDate(2004, 3, 6), "A", "B", c.odd1, c.oddX, c.odd2);
        CompareRow(row, c.averages);
        EXPECT_EQ(row[14], c.mark) << c.odd1;
    }
}

TEST(BetBrainCompare, ZeroAverageOrOddsThatAreNoNumberStopWithTheConversionMessage)
{
    const struct
    {
        TBetBrainAverages averages;
        const char *odd1;
    } cases[] = {{{0.0, 3.4, 4.5}, "1,90"}, {{1.8, 3.4, 4.5}, "abc"}, {{1.8, 3.4, 4.5}, "0"}};
    for (const auto &c : cases) {
        QStringList row = BetBrainRow("1", QDate(2004, 3, 6), "A", "B", c.odd1, "3,20", "4,00");
        const QStringList before = row;
        EXPECT_THROW(CompareRow(row, c.averages), EConvertError) << c.odd1;
        EXPECT_EQ(row, before);
    }
}

TEST(BetBrainCompare, ScoreCountsProposalsDecidedMatchesHitsAndYield)
{
    QList<QStringList> rows;
    for (const auto &[proposal, sign] :
         {std::pair{"1", "1"}, std::pair{"X", "2"}, std::pair{"2", ""}, std::pair{"", "1"}}) {
        QStringList row = BetBrainRow("1", QDate(2004, 3, 6), "A", "B", "2,10", "3,00", "3,50");
        row[14] = proposal;
        row[13] = sign;
        rows << row;
    }
    EXPECT_EQ(ProposalScoreText(rows), "Αγώνες :3  Επιτυχίες 1 από 2 Αποδοση :2,10");
}

TEST(BetBrainCompare, PageRowEscapesCellsAndLeavesMissingAveragesBlank)
{
    QStringList row =
        BetBrainRow("7", QDate(2004, 3, 6), "Brighton & Hove", "<Leeds>", "1,90", "3,20", "4,00");
    row[13] = "1";
    const QStringList blank = ComparisonPageRow(row, std::nullopt);
    EXPECT_EQ(blank.first(), "<tr>");
    EXPECT_EQ(blank.last(), "</tr>");
    EXPECT_TRUE(
        blank.contains(QString("<td width=\"12%\">Brighton &amp; Hove") + QString("&nbsp;").repeated(12)));
    EXPECT_TRUE(blank.contains(QString("<td width=\"12%\">&lt;Leeds&gt;") + QString("&nbsp;").repeated(13)));
    EXPECT_EQ(blank.count("<td width=\"10%\" nowrap>&nbsp;</td>"), 5);
    EXPECT_TRUE(blank.contains("<td width=\"6%\">8,2</td>"));
    EXPECT_EQ(blank.mid(blank.size() - 3, 2),
              QStringList({"<td width=\"5%\">&nbsp;</td>", "<td width=\"5%\">1</td>"}));

    const QStringList found = ComparisonPageRow(row, TBetBrainAverages{1.8, 3.4, 4.5});
    EXPECT_TRUE(found.contains("<td width=\"10%\" nowrap>6,7</td>"));
    EXPECT_TRUE(found.contains("<td width=\"10%\" nowrap>1,8</td>"));
}

TEST(BetBrainCompare, TipColumnFileInGreekCodePageWithCrLf)
{
    QList<QStringList> rows;
    for (const auto &[code, proposal] : {std::pair{"1", "1"}, std::pair{"2", ""}, std::pair{"3", " X "},
                                         std::pair{"", "2"}, std::pair{"5", "2"}}) {
        QStringList row = BetBrainRow(code, QDate(2004, 3, 6), "A", "B", "1,9", "3,2", "4,0");
        row[14] = proposal;
        rows << row;
    }
    const QString path = JoinPath(ProgramFolder(), "pelvorans.txt");
    WriteBetBrainProposal(path, "1234_20040305_20040308.kup", rows, 1, 4, {"πρώτη", "δεύτερη"});
    const QByteArray bytes = ReadBytes(path);
    EXPECT_EQ(bytes.left(7), QByteArray("1234_\r\n"));
    EXPECT_EQ(bytes.mid(7, 11), QByteArray("\xd0\xc5\xcb\xc2\xcf\xd1\xc1\xcd\xd3\r\n"));
    EXPECT_TRUE(bytes.endsWith(
        QByteArray("55\r\n1,1\r\n3,X\r\n#\xf0\xf1\xfe\xf4\xe7\r\n#\xe4\xe5\xfd\xf4\xe5\xf1\xe7\r\n")));
    EXPECT_EQ(KupPrefix("nounderscore.kup"), "");
}

TEST(BetBrainCompare, TipColumnFileThatCannotBeWrittenRaises)
{
    EXPECT_THROW(
        WriteBetBrainProposal(JoinPath(ProgramFolder(), "missing/pelvorans.txt"), "1_x.kup", {}, 1, 0, {}),
        EInOutError);
}

} // namespace

#include "coupons/user_kup.h"

#include "support/qstring_printer.h"
#include "user_kup_fixture.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const QString kFirstLeague = QStringLiteral("Α Εθνική");
const QString kSecondLeague = QStringLiteral("Β Εθνική");

TEST_F(UserKupTest, FilterNamesTheCompetitionsOfTheCheckedCategoriesAndSeasons)
{
    const struct
    {
        QStringList categories;
        QStringList seasons;
        QString filter;
    } cases[] = {
        {{}, {"2003-04", "2002-03"}, "(DiorgNo = 0)"},
        {{kFirstLeague}, {}, "(DiorgNo = 0)"},
        {{kFirstLeague}, {"2003-04"}, QString("((DiorgNo = %1))").arg(league)},
        {{kFirstLeague, kSecondLeague},
         {"2003-04", "2002-03"},
         QString("((DiorgNo = %1) or(DiorgNo = %2) or(DiorgNo = %3))")
             .arg(league)
             .arg(olderLeague)
             .arg(secondLeague)},
        {{"Άγνωστη"}, {"2003-04"}, "(DiorgNo = 0)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildDiorgFilter(Dm(), c.categories, c.seasons), c.filter) << c.filter.toStdString();
}

TEST_F(UserKupTest, RowsShowStoredValuesAndEstimateMissingOdds)
{
    EXPECT_TRUE(FillUserKupGrid(Dm(), QDate(2004, 3, 1), QDate(2004, 3, 4), "(DiorgNo = 0)").isEmpty());

    const QString filter = BuildDiorgFilter(Dm(), {kFirstLeague}, {"2003-04"});
    const QList<TUserKupRow> rows = FillUserKupGrid(Dm(), QDate(2004, 3, 1), QDate(2004, 3, 4), filter);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].gameNo, noTime);
    EXPECT_EQ(rows[0].cells, QStringList({"1", "", "01/03/2004", "17:00:00", "GR1", "Άρης", "Βέροια", "", "",
                                          "2,75", "2,65", "2,75"}));
    EXPECT_EQ(rows[1].gameNo, played);
    EXPECT_EQ(rows[1].cells, QStringList({"1", "", "02/03/2004", "20:30", "GR1", "Γιάννινα", "Δόξα", " 2- 1",
                                          "1", "1,85", "3,2", "4"}));
    EXPECT_EQ(rows[2].gameNo, coded);
    EXPECT_EQ(rows[2].cells.mid(0, 5), QStringList({"1", "7", "03/03/2004", "18:00", "GR1"}));
}

TEST_F(UserKupTest, EveryCheckedRowIsCheckedBeforeAnythingIsSaved)
{
    const QStringList good{"1",      "12", "01/03/2004", "17:00", "GR1",  "Άρης",
                           "Βέροια", "",   "",           "2,75",  "2,65", "2,75"};
    const auto with = [&](int column, const QString &text, const QString &check = "1") {
        QStringList cells = good;
        cells[column] = text;
        cells[ukCheck] = check;
        return QList<TUserKupRow>{{1, good}, {2, cells}};
    };
    const QString blanks = "Παρακαλώ συμπληρώστε όλους τους κωδικούς ,ωρα και τις διοργανώσεις";
    const struct
    {
        QList<TUserKupRow> rows;
        QString message;
    } cases[] = {
        {with(ukCode, "12"), ""},
        {with(ukCode, "12; DELETE FROM Agvnes", "0"), ""},
        {with(ukCode, " "), blanks},
        {with(ukTime, ""), blanks},
        {with(ukDiorg, " "), blanks},
        {with(ukCode, "12; DELETE FROM Agvnes"),
         "Ο κωδικός \"12; DELETE FROM Agvnes\" δεν είναι ακέραιος αριθμός."},
        {with(ukCode, "1,5"), "Ο κωδικός \"1,5\" δεν είναι ακέραιος αριθμός."},
        {with(ukDate, "31/02/2004"), "Ο αγώνας με κωδικό 12 δεν έχει έγκυρη ημερομηνία."},
        {with(ukOdd1, "x"), "Οι αποδόσεις του αγώνα με κωδικό 12 πρέπει να είναι αριθμοί."},
        {with(ukOdd2, ""), "Οι αποδόσεις του αγώνα με κωδικό 12 πρέπει να είναι αριθμοί."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckUserKupRows(c.rows), c.message)
            << c.rows[1].cells.join(QLatin1Char('|')).toStdString();
}

TEST_F(UserKupTest, UpdateReachesTheCheckedMatchesAfterASort)
{
    const QString filter = BuildDiorgFilter(Dm(), {kFirstLeague}, {"2003-04"});
    QList<TUserKupRow> rows = FillUserKupGrid(Dm(), QDate(2004, 3, 1), QDate(2004, 3, 4), filter);
    ASSERT_EQ(rows.size(), 3);
    rows[0].cells[ukCode] = "21";
    rows[1].cells[ukCode] = "22";
    rows[1].cells[ukCheck] = "0";
    rows[2].cells[ukCode] = " 23 ";
    rows[2].cells[ukOdd1] = "1,95";
    // Home teams Άρης, Γιάννινα, Βέροια: the sort moves the last row up.
    SortUserKupGrid(rows, ukHome, [](int low, int) { return low; });
    ASSERT_EQ(rows[1].cells[ukHome], "Βέροια");
    EXPECT_EQ(rows[1].gameNo, coded);
    ASSERT_EQ(CheckUserKupRows(rows), "");

    UpdateMatchesFromUserKup(Dm(), rows);

    EXPECT_EQ(Stored(noTime), QStringList({"21", "2.75", "2.65", "2.75"}));
    EXPECT_EQ(Stored(played), QStringList({"", "1.85", "3.2", "4"}));
    EXPECT_EQ(Stored(coded), QStringList({"23", "1.95", "3.2", "4"}));
    const QList<TKupRow> file = UserKupFileRows(rows);
    ASSERT_EQ(file.size(), 2);
    EXPECT_EQ(file[1].Code, " 23 ");
    EXPECT_EQ(file[1].MatchDate, QDate(2004, 3, 3));
    EXPECT_EQ(file[1].Home, "Βέροια");
}

TEST(UserKupSort, OddsAndCodesCompareAsNumbers)
{
    QList<TUserKupRow> rows;
    const QStringList odds{"10,5", "2,2", "3"};
    for (int i = 0; i < odds.size(); ++i) {
        QStringList cells(ukColumnCount);
        cells[ukOdd1] = odds[i];
        rows.append({100 + i, cells});
    }
    SortUserKupGrid(rows, ukOdd1);
    EXPECT_EQ(rows[0].cells[ukOdd1], "2,2");
    EXPECT_EQ(rows[0].gameNo, 101);
    EXPECT_EQ(rows[2].cells[ukOdd1], "10,5");
    EXPECT_EQ(rows[2].gameNo, 100);
}

} // namespace

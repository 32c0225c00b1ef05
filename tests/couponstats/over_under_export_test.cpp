#include "couponstats/over_under_export.h"

#include "couponstats/over_under_columns.h"
#include "over_under_outside.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "1234_20050101.kup";

QStringList Row(const QString &code = "7")
{
    QStringList row(kOverUnderColumns);
    const QStringList head{"1",    code,   "GR1",  "05/03/2005", "17:30", "Άρης",
                           "Δόξα", "1,85", "3,10", "4,00",       "1"};
    for (int c = 0; c < head.size(); ++c)
        row[c] = head[c];
    row[OuHomeMatches] = "1";
    row[OuAwayMatches] = "1";
    return row;
}

QVariant Field(const TOverUnderRecord &record, const QString &name)
{
    for (const auto &field : record) {
        if (field.first == name)
            return field.second;
    }
    ADD_FAILURE() << "no field " << name.toStdString();
    return {};
}

double Number(const TOverUnderRecord &record, const QString &name)
{
    return Field(record, name).toDouble();
}

TEST(OverUnderRecordTest, HoldsTheFieldsInTheirOrderWithTheRowsCells)
{
    QStringList row = Row();
    row[OuFinalHome] = "2";
    row[OuFinalAway] = "1";
    row[OuHalfTimeHome] = "1";
    const TOverUnderRecord record = OverUnderRecord(1234, row);
    ASSERT_EQ(record.size(), 159);
    EXPECT_EQ(record.first().first, "DArKup");
    EXPECT_EQ(record.first().second, QVariant(qint64(1234)));
    EXPECT_EQ(record[62].first, "DG0");
    EXPECT_EQ(record[125].first, "Dgdt0");
    EXPECT_EQ(record.last().first, "DDTe1");
    EXPECT_EQ(Field(record, "Ddate"), QVariant(QDate(2005, 3, 5)));
    EXPECT_EQ(Field(record, "Domades"), QVariant("Άρης"));
    EXPECT_DOUBLE_EQ(Number(record, "Dap1"), 1.85);
    EXPECT_EQ(Field(record, "Dsim"), QVariant("1"));
    EXPECT_EQ(Number(record, "DGgip0"), 2);
    EXPECT_EQ(Number(record, "DSG"), 3);
    EXPECT_EQ(Number(record, "DDT"), 1);
    EXPECT_EQ(Number(record, "DAhm"), 1);
}

TEST(OverUnderRecordTest, EmptyScoreLeavesTheScoreFieldsEmpty)
{
    const TOverUnderRecord record = OverUnderRecord(1234, Row());
    for (const char *name : {"DGgip", "DGgip0", "DGfil", "DGfil0", "DSG", "DAhm", "DDT"})
        EXPECT_TRUE(Field(record, name).isNull()) << name;
}

TEST(OverUnderRecordTest, SharesKeepTwoDecimalsWithinFiveSignificantDigits)
{
    const struct
    {
        QString scored, matches;
        double share;
    } cases[] = {{"2", "3", 0.67}, {"1234,567", "1", 1234.6}, {"123456", "1", 123460}, {"5", "0", NAN}};
    for (const auto &c : cases) {
        QStringList row = Row();
        row[OuHomeScored] = c.scored;
        row[OuHomeMatches] = c.matches;
        const QVariant share = Field(OverUnderRecord(1, row), "DmogY");
        if (std::isnan(c.share))
            EXPECT_TRUE(share.isNull()) << c.scored.toStdString();
        else
            EXPECT_DOUBLE_EQ(share.toDouble(), c.share) << c.scored.toStdString();
    }
}

TEST(OverUnderRecordTest, VerdictFollowsTheLeastAndMostGoals)
{
    // With one match each side the averages are the cells: home scored/conceded, away the same.
    const struct
    {
        QStringList goals;
        QString verdict;
    } cases[] = {{{"0", "0", "0", "0"}, "no"},
                 {{"0,5", "1,2", "0,5", "1,2"}, "under"},
                 {{"1,3", "1,5", "1,3", "1,5"}, "over"},
                 {{"1", "1,5", "1", "1,5"}, ""},
                 {{"1", "", "1", "1"}, ""}};
    for (const auto &c : cases) {
        QStringList row = Row();
        for (int i = 0; i < 4; ++i)
            row[OuHomeScored + i] = c.goals[i];
        const TOverUnderRecord record = OverUnderRecord(1, row);
        EXPECT_EQ(Field(record, "Dprota").toString(), c.verdict) << c.goals.join('/').toStdString();
    }
    QStringList zero = Row();
    zero[OuHomeMatches] = "0";
    zero[OuHomeScored] = "0";
    const TOverUnderRecord record = OverUnderRecord(1, zero);
    EXPECT_TRUE(Field(record, "DmaxGoal").isNull());
    EXPECT_TRUE(Field(record, "Dprota").isNull());
}

TEST(OverUnderRecordTest, StrongMarginMarkerNeedsMoreThanThreeAndNoLosses)
{
    const struct
    {
        QStringList margins; // DT0, +1 … +4, -1 … -4
        QString marker;
    } cases[] = {{{"0", "0", "2", "1", "1", "0", "0", "0", "0"}, "1"},
                 {{"0", "0", "2", "1", "0", "0", "0", "0", "0"}, ""},
                 {{"0", "0", "2", "1", "1", "1", "0", "0", "0"}, ""},
                 {{"0", "0", "0", "0", "0", "0", "4", "0", "0"}, "-1"}};
    for (const auto &c : cases) {
        QStringList row = Row();
        for (int k = 0; k < 9; ++k)
            row[OuMargin0 + k] = c.margins[k];
        EXPECT_EQ(Field(OverUnderRecord(1, row), "DDTe1").toString(), c.marker)
            << c.margins.join(' ').toStdString();
    }
}

TEST(OverUnderRecordTest, ChancesOfTheResultsCoverEveryPairOnce)
{
    QStringList row = Row();
    row[OuHomeMatches] = "3";
    row[OuAwayMatches] = "3";
    for (int k = 0; k < 8; ++k)
        row[OuHomeGoals0 + k] = row[OuAwayGoals0 + k] = "0";
    for (int k = 0; k < 3; ++k)
        row[OuHomeGoals0 + k] = "1"; // three shares of 0,33
    row[OuAwayGoals0] = "1";
    row[OuAwayGoals0 + 7] = "2"; // 0,33 and 0,67
    const TOverUnderRecord record = OverUnderRecord(1, row);
    double home = 0;
    double away = 0;
    for (int k = 0; k < 8; ++k) {
        home += Number(record, QString("DG%1P").arg(k));
        away += Number(record, QString("DF%1P").arg(k));
    }
    EXPECT_NEAR(home, 0.99, 1e-9);
    EXPECT_NEAR(away, 1.0, 1e-9);
    EXPECT_NEAR(Number(record, "DP1") + Number(record, "DPX") + Number(record, "DP2"), 100 * home * away,
                1e-9);
    EXPECT_NEAR(Number(record, "DM0"), 0.33 * 0.33, 1e-9);
    EXPECT_NEAR(Number(record, "DM7"), 0.33 * 0.67, 1e-9);
    EXPECT_NEAR(Number(record, "DP2"), 100 * (0.33 * 0.67 * 3), 1e-9);
    // One spread that is not there leaves every chance empty.
    row[OuAwayGoals0 + 3] = "";
    for (const char *name : {"DM3", "DM7", "DP1", "DPX", "DP2"})
        EXPECT_TRUE(Field(OverUnderRecord(1, row), name).isNull()) << name;
}

TEST(OverUnderRecordTest, TextThatIsNoNumberNamesItsColumn)
{
    QStringList row = Row();
    row[OuAwayGoals0] = "x";
    try {
        OverUnderRecord(1, row);
        ADD_FAILURE() << "converted";
    } catch (const EConvertError &error) {
        EXPECT_TRUE(error.Message().contains("63")) << error.Message().toStdString();
    }
}

TEST(OverUnderRecordTest, TableComesFromThePagesFilterCode)
{
    const std::pair<QString, QString> cases[] = {{"BA", "Anal_va_koup0"},
                                                 {"B6", "Anal_va_koup6"},
                                                 {"B0", "Anal_va_koup0"},
                                                 {"B", ""},
                                                 {"P6", ""},
                                                 {"Bx", ""}};
    for (const auto &[code, table] : cases)
        EXPECT_EQ(OverUnderTableOf(code), table) << code.toStdString();
}

class OverUnderExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterOverUnderDatabase(database);
        CreateOverUnderTable(database, 6);
    }

    QList<QVariantList> Stored()
    {
        return Rows(database, "SELECT DArKup, Dcode, Dap1, Dprota FROM Anal_va_koup6 ORDER BY Dcode");
    }

    MessageRecorder messages;
    TDatabase database;
};

TEST_F(OverUnderExportTest, ExportTwiceLeavesOneRecordPerRow)
{
    database.Connection().Execute("INSERT INTO Anal_va_koup6 (DArKup, Dcode) VALUES (1234, 99), (55, 1)");
    const TPageRows rows{Row("7"), Row("8")};
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", rows));
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", rows));
    EXPECT_EQ(Stored(), (QList<QVariantList>{{55, 1, QVariant(), QVariant()},
                                             {1234, 7, 1.85, QVariant()},
                                             {1234, 8, 1.85, QVariant()}}));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(OverUnderExportTest, FailingRowKeepsTheEarlierExport)
{
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", {Row("7")}));
    const auto before = Stored();
    TPageRows bad{Row("8"), Row("9")};
    bad[1][kOdd1Column] = "abc";
    EXPECT_FALSE(ExportOverUnderRows(kCoupon, "B6", bad));
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_TRUE(messages.Texts()[0].startsWith("Η γραμμή 2 (κωδικός 9)"))
        << messages.Texts()[0].toStdString();
    EXPECT_EQ(Stored(), before);

    // A row the table refuses rolls the delete and the rows before it back.
    database.Connection().Execute("CREATE UNIQUE INDEX OneMatch ON Anal_va_koup6 (DArKup, Dcode)");
    EXPECT_FALSE(ExportOverUnderRows(kCoupon, "B6", {Row("8"), Row("8")}));
    ASSERT_EQ(messages.Texts().size(), 2);
    EXPECT_TRUE(messages.Texts()[1].contains("Η γραμμή 2 (κωδικός 8)")) << messages.Texts()[1].toStdString();
    EXPECT_EQ(Stored(), before);
}

TEST_F(OverUnderExportTest, RefusesWhatNamesNoCouponOrTable)
{
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", {Row("7")}));
    const auto before = Stored();
    EXPECT_FALSE(ExportOverUnderRows("abc_20050101.kup", "B6", {Row("8")}));
    EXPECT_FALSE(ExportOverUnderRows(kCoupon, "B7", {Row("8")}));
    EXPECT_FALSE(ExportOverUnderRows(kCoupon, "", {Row("8")}));
    ASSERT_EQ(messages.Texts().size(), 3);
    EXPECT_TRUE(messages.Texts()[0].contains("abc_20050101.kup"));
    EXPECT_TRUE(messages.Texts()[1].contains("Anal_va_koup7"));
    EXPECT_TRUE(messages.Texts()[2].contains("AccOver_Under"));
    EXPECT_EQ(Stored(), before);
}

TEST_F(OverUnderExportTest, PageWithoutRowsClearsTheCoupon)
{
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", {Row("7")}));
    ASSERT_TRUE(ExportOverUnderRows(kCoupon, "B6", {}));
    EXPECT_TRUE(Stored().isEmpty());
}

} // namespace

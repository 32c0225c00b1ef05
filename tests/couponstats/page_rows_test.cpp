#include "couponstats/kup_loading.h"
#include "couponstats/page_rows.h"

#include "coupons/kup_test_files.h"
#include "platform/core/errors.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

// A special page row numbered n, checked, with the given statistic cells from column 12 on.
QStringList PageRow(int n, const QStringList &statistic = {})
{
    QStringList row = BlankRow(SpecialPageColumns());
    row[0] = "1";
    row[1] = QString::number(n * 10);
    row[11] = QString::number(n);
    row[17] = "2-1";
    for (qsizetype i = 0; i < statistic.size(); ++i)
        row[12 + i] = statistic[i];
    return row;
}

TEST(PageRows, CopyCarriesCheckedRowsOfTheRangeAtAnyNumber)
{
    TPageRows source = {PageRow(1, {"3", "1", "2", "1", "x"}), PageRow(2), PageRow(300), PageRow(400)};
    source[1][0] = "0";
    const TPageRows rows =
        CopyCheckedRows(source, ChecksOf(source), 1, 300, {}, SpecialPageColumns(), SpecialPageColumns());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][11], "1");
    EXPECT_EQ(rows[0][17], "2-1");
    EXPECT_EQ(rows[0].mid(12, 5), QStringList(5));
    EXPECT_EQ(rows[1][11], "300");
    EXPECT_EQ(ChecksOf(rows), QByteArray(2, 1));
}

TEST(PageRows, BoundsDropOnlyTheirOwnSign)
{
    struct Case
    {
        QString difference, proposal;
        TDifferenceBounds bounds;
        bool dropped;
    };
    const Case cases[] = {
        {"-2", "1", {"0", "-1", "0"}, true}, {"-2", "1", {"", "-1", "0"}, false},
        {"3", "2", {"0", "-1", "0"}, true},  {"3", "2", {"0", "", "0"}, false},
        {"-1", "X", {"0", "-1", "0"}, true}, {"-1", "X", {"", "", ""}, false},
        {"", "1", {"0", "-1", "0"}, false},  {"4,0", "1", {"4,5", "", ""}, true},
    };
    for (const Case &c : cases) {
        const QStringList row = PageRow(1, {"", "", c.difference, c.proposal});
        EXPECT_EQ(BoundsDrop(row, SpecialPageColumns(), c.bounds), c.dropped) << c.difference.toStdString();
    }
    EXPECT_THROW(BoundsDrop(PageRow(1, {"", "", "1", "1"}), SpecialPageColumns(), {"a", "", ""}),
                 EConvertError);
}

TEST(PageRows, ProposalsReadDecimalsAndOverlapGoesToOne)
{
    TPageRows rows = {PageRow(1, {"2,5", "1,5", "4,0"}), PageRow(2, {"0", "0"}), PageRow(3, {"1", "9"}),
                      PageRow(4, {"", "1"})};
    ProposeRows(rows, {0, 500, -4, 0, -500, -5}, SpecialPageColumns());
    EXPECT_EQ(rows[0][15], "1");
    EXPECT_EQ(rows[1][15], "1"); // 0 lies in the 1 band and the X band
    EXPECT_EQ(rows[2][15], "2");
    EXPECT_EQ(rows[3][15], "");
    TPageRows bad = {PageRow(1, {"a", "1"})};
    EXPECT_THROW(ProposeRows(bad, kDefaultsA, SpecialPageColumns()), EConvertError);
}

TEST(PageRows, DifferenceBandsOfDecimals)
{
    EXPECT_EQ(DifferenceBandOf("-6", kDefaultsA), TDifferenceBand::Two);
    EXPECT_EQ(DifferenceBandOf("-2,0", kDefaultsA), TDifferenceBand::X);
    EXPECT_EQ(DifferenceBandOf("4,0", kDefaultsA), TDifferenceBand::Other);
    EXPECT_EQ(DifferenceBandOf("", kDefaultsA), TDifferenceBand::None);
}

TEST(PageRows, FilterCodes)
{
    struct Case
    {
        int kind;
        QString n;
        bool all, first;
        QString code;
    };
    const Case cases[] = {{0, "6", true, false, "BA"},  {1, "6", false, false, "Φ6"},
                          {2, "0", true, false, "ΠA"},  {5, "2", false, false, "EB2"},
                          {5, "2", false, true, "ΕΒ2"}, {8, "2", true, false, "SG"},
                          {11, "2", false, false, ""}};
    for (const Case &c : cases)
        EXPECT_EQ(FilterCodeFor(c.kind, c.n, c.all, c.first), c.code) << c.kind;
}

TEST(PageRows, ProposalFileOfRowsWithCodeAndProposal)
{
    TPageRows rows = {PageRow(1, {"3", "1", "2", " 1 "}), PageRow(2, {"1", "1", "0", ""})};
    const tav::coupons::TProposalFile file = ProposalFileOf("1234_x.kup", rows, SpecialPageColumns());
    EXPECT_EQ(file.couponNumber, "1234");
    ASSERT_EQ(file.lines.size(), 1);
    EXPECT_EQ(file.lines[0].sign, "1");
    EXPECT_EQ(file.lines[0].extra, QStringList({"3", "1", "2"}));
    EXPECT_EQ(ProposalFileOf("nounderscore.kup", rows, SpecialPageColumns()).couponNumber, "");
}

class KupLoading : public testing::Test
{
protected:
    QString Write(const QList<tav::coupons::TKupRow> &rows)
    {
        QByteArray bytes;
        for (const tav::coupons::TKupRow &row : rows)
            bytes += KupBytes(row, bytes.isEmpty() ? 38051 : 0, bytes.isEmpty() ? 38054 : 0,
                              bytes.isEmpty() ? 12 : 0);
        const QString path = JoinPath(ProgramFolder(), "12_20040305_20040308.kup");
        WriteBytes(path, bytes);
        return path;
    }

    static tav::coupons::TKupRow Row(const QString &code, const QDate &day, const QString &diorg,
                                     const QString &oddX = "3,00")
    {
        tav::coupons::TKupRow row = KupRow(code, day, "", diorg, "A" + code, "B" + code);
        row.Odd1 = "2,00";
        row.OddX = oddX;
        row.Odd2 = "4.00";
        row.Score = "2-1";
        row.HT = "1-0";
        return row;
    }

    const QDate day{2004, 3, 6};
};

TEST_F(KupLoading, WithdrawnOddsNeverLoadAndBlankCodesFillDown)
{
    const QString path =
        Write({Row("1", day, "ΑΓΓ"), Row("2", day, ""), Row("3", day, ""), Row("4", day, "ΙΤΑ", "1,00"),
               Row("5", day, "ΙΤΑ", "1.00"), Row("6", day, "ΙΤΑ", "1,01")});
    const TKupLoadResult loaded = LoadKupRows(path, nullptr, TFirstPageKind::Special);
    EXPECT_FALSE(loaded.failed);
    ASSERT_EQ(loaded.rows.size(), 4);
    EXPECT_EQ(loaded.rows[1][2], "ΑΓΓ");
    EXPECT_EQ(loaded.rows[2][2], "ΑΓΓ");
    EXPECT_EQ(loaded.rows[3][1], "6");
    EXPECT_EQ(loaded.rows[3][11], "4");
    EXPECT_EQ(loaded.rows[0][9], "4,00");
    EXPECT_EQ(loaded.rows[0][17], "2-1");
}

TEST_F(KupLoading, FilterTakesTheLastDayAndItsRanges)
{
    const QString path = Write({Row("1", day, "ΑΓΓ"), Row("2", day.addDays(2), "ΑΓΓ"),
                                Row("3", day.addDays(3), "ΑΓΓ"), Row("4", day, "ΙΤΑ")});
    TKupLoadFilter filter{
        day, day.addDays(2), 1, 10, 1, 10, 1, 10, 1, 10, [](const QString &diorg) { return diorg == "ΑΓΓ"; }};
    const TKupLoadResult loaded = LoadKupRows(path, &filter, TFirstPageKind::Special);
    ASSERT_EQ(loaded.rows.size(), 2);
    EXPECT_EQ(loaded.rows[1][1], "2");
    filter.codeTo = 1;
    EXPECT_EQ(LoadKupRows(path, &filter, TFirstPageKind::Special).rows.size(), 1);
}

TEST_F(KupLoading, PointsPageSplitsTheScore)
{
    const TKupLoadResult loaded = LoadKupRows(Write({Row("1", day, "ΑΓΓ")}), nullptr, TFirstPageKind::Points);
    ASSERT_EQ(loaded.rows.size(), 1);
    EXPECT_EQ(loaded.rows[0][42], "2");
    EXPECT_EQ(loaded.rows[0][43], "1");
    EXPECT_EQ(loaded.rows[0][44], "1");
    EXPECT_EQ(loaded.rows[0][17], "");
}

TEST_F(KupLoading, ProposalFillsItsCodesAndChecksFollow)
{
    TKupLoadResult loaded =
        LoadKupRows(Write({Row("12", day, "ΑΓΓ"), Row("13", day, "ΑΓΓ"), Row("14", day, "ΑΓΓ")}), nullptr,
                    TFirstPageKind::Special);
    tav::coupons::TProposalFile proposal{"12", {{"12", "1", {}}, {"14", "2", {"3", "5", "-2", "x"}}}};
    LoadProposalRows(loaded.rows, proposal);
    EXPECT_EQ(loaded.rows[0][12], "1");
    EXPECT_EQ(loaded.rows[0][16], "1");
    EXPECT_EQ(loaded.rows[0][13], "");
    EXPECT_EQ(loaded.rows[2].mid(12, 5), QStringList({"2", "3", "5", "-2,x", "2"}));
    CheckProposalRows(loaded.rows, true);
    EXPECT_EQ(ChecksOf(loaded.rows), QByteArray::fromHex("010001"));
    CheckProposalRows(loaded.rows, false);
    EXPECT_EQ(ChecksOf(loaded.rows), QByteArray::fromHex("000100"));
}

} // namespace

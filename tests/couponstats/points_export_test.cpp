#include "couponstats/points_export.h"

#include "couponstats/points_columns.h"
#include "platform/core/message_recorder.h"
#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "support/qstring_printer.h"
#include "support/test_database.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "1234_20040305_20040308.kup";

// The outside database "AccAnalKoup" as its own tools make it: an SQLite file with Anal_va_koup.
class PointsExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = CurrentTestFolders().Root() + "/outside/analkoup.sqlite";
        AliasStore().Add({"AccAnalKoup", "SQLITE", AliasParamEntry("DATABASE NAME", file)});
    }

    void CreateTable()
    {
        QStringList fields{"DArKup INTEGER", "Dcode INTEGER",       "Ddior VARCHAR(10)",    "Ddate DATE",
                           "Dtime TIME",     "Domades VARCHAR(40)", "Domades1 VARCHAR(40)", "Dap1 FLOAT",
                           "Dapx FLOAT",     "Dap2 FLOAT",          "Dsim VARCHAR(2)"};
        for (const char *name :
             {"Dga",  "Dgv",  "Dgan", "Dgai", "Dgah", "Dg1e", "Dgxe", "Dg2e", "Dfv",   "Dfah",
              "Dfai", "Dfan", "Df1e", "Dfxe", "Df2e", "Ddv",  "Dt1",  "Dtx",  "Dt2",   "Ds1",
              "Dsx",  "Ds2",  "Dd1",  "Ddx",  "Dd2",  "Ds1x", "Dsx2", "Dtim", "Dendf", "Dendg"})
            fields.append(QString(name) + " INTEGER");
        database.SetAliasName("AccAnalKoup");
        database.Connection().Execute("CREATE TABLE IF NOT EXISTS Anal_va_koup (" + fields.join(", ") + ")");
    }

    // Two page rows: one computed, unchecked; one whose match was never found, unplayed.
    static TPageRows Page(const QString &firstDate = "05/03/2004")
    {
        QStringList computed(PtColumnCount);
        const QStringList head{"0",    "7",    "GR1",  firstDate, "17:30", "Άρης",
                               "Δόξα", "1,85", "3,10", "4,00",    "1",     "1"};
        for (int c = 0; c < head.size(); ++c)
            computed[c] = head[c];
        for (int c = 12; c <= 43; ++c)
            computed[c] = QString::number(c);
        computed[PtProposal] = "1";
        computed[PtFree] = "x";
        QStringList bare(PtColumnCount);
        const QStringList bareHead{"1",      "8", "ΑΓΓ", "06/03/2004", "20:00", "Λιντς",
                                   "Φούλαμ", "2", "3",   "3",          "",      "2"};
        for (int c = 0; c < bareHead.size(); ++c)
            bare[c] = bareHead[c];
        return {computed, bare};
    }

    QList<QVariantList> Stored()
    {
        return Rows(database,
                    "SELECT DArKup, Dcode, Ddior, Ddate, Dtime, Domades, Domades1, Dap1, Dap2, Dsim, "
                    "Dga, Dg1e, Ddv, Dt1, Ds1, Dtim, Dendf, Dendg FROM Anal_va_koup ORDER BY Dcode");
    }

    MessageRecorder messages;
    QString file;
    TDatabase database;
};

TEST_F(PointsExportTest, ExportTwiceLeavesOneRowPerGridLineWithEmptyCellsNull)
{
    CreateTable();
    database.Connection().Execute("INSERT INTO Anal_va_koup (DArKup, Dcode) VALUES (99, 1)");

    ASSERT_TRUE(ExportPointsRows(kCoupon, Page("01/03/2004")));
    ASSERT_TRUE(ExportPointsRows(kCoupon, Page()));

    EXPECT_EQ(messages.Count(), 0);
    const QList<QVariantList> rows = Stored();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].value(0), 99);
    EXPECT_EQ(rows[1], (QVariantList{1234, 7, "GR1", "2004-03-05", "17:30:00", "Άρης", "Δόξα", 1.85, 4.0, 1,
                                     12, 17, 27, 29, 33, 41, 42, 43}));
    EXPECT_EQ(rows[2], (QVariantList{1234,
                                     8,
                                     "ΑΓΓ",
                                     "2004-03-06",
                                     "20:00:00",
                                     "Λιντς",
                                     "Φούλαμ",
                                     2.0,
                                     3.0,
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     {}}));
}

TEST_F(PointsExportTest, AFailedExportLeavesTheEarlierRows)
{
    CreateTable();
    ASSERT_TRUE(ExportPointsRows(kCoupon, Page()));
    const QList<QVariantList> before = Stored();

    TPageRows badDate = Page();
    badDate[1][3] = "32/03/2004";
    EXPECT_FALSE(ExportPointsRows(kCoupon, badDate));

    EXPECT_EQ(Stored(), before);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.contains("32/03/2004")) << messages.Last().text.toStdString();
}

TEST_F(PointsExportTest, RefusalsNameWhatIsMissing)
{
    struct Case
    {
        const char *coupon;
        bool alias;
        bool file;
        bool table;
        const char *said;
    };
    const Case cases[] = {
        {"1234_x.kup", false, false, false, "AccAnalKoup"},
        {"1234_x.kup", true, false, false, "analkoup.sqlite"},
        {"1234_x.kup", true, true, false, "Anal_va_koup"},
        {"coupon.kup", true, true, true, "coupon.kup"},
    };
    for (const Case &c : cases) {
        messages.Clear();
        if (!c.alias)
            AliasStore().Delete("AccAnalKoup");
        else
            AliasStore().Add({"AccAnalKoup", "SQLITE", AliasParamEntry("DATABASE NAME", file)});
        if (c.table) {
            CreateTable();
            database.Connection().Execute("INSERT INTO Anal_va_koup (DArKup, Dcode) VALUES (1234, 1)");
        } else if (c.file) {
            database.SetAliasName("AccAnalKoup");
            database.Open();
        }

        EXPECT_FALSE(ExportPointsRows(c.coupon, Page())) << c.coupon;

        ASSERT_EQ(messages.Count(), 1) << c.coupon;
        EXPECT_TRUE(messages.Last().text.contains(QString::fromUtf8(c.said)))
            << messages.Last().text.toStdString();
        EXPECT_EQ(QFileInfo::exists(file), c.file) << c.coupon;
        if (c.table) {
            EXPECT_EQ(Stored().size(), 1);
        }
    }
}

} // namespace

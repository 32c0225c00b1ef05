#include "coupons/analysis_export.h"

#include "analysis_grid_rows.h"
#include "platform/core/message_recorder.h"
#include "platform/db/alias_store.h"
#include "support/qstring_printer.h"
#include "support/test_database.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const QString kCaption = "1234_20040305_20040308.kup";

// The outside database "AccAnalKoup" as its own tools make it: an SQLite file with AnalKoup.
class AnalysisExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = CurrentTestFolders().Root() + "/outside/analkoup.sqlite";
        AliasStore().Add({"AccAnalKoup", "SQLITE", AliasParamEntry("DATABASE NAME", file)});
    }

    void CreateTable()
    {
        database.SetAliasName("AccAnalKoup");
        database.Connection().Execute(
            "CREATE TABLE IF NOT EXISTS AnalKoup (DArKup VARCHAR(10), Ddate DATE, Dtime TIME, Ddior "
            "VARCHAR(10), "
            "Domades VARCHAR(60), DGGIP INTEGER, DGFIL INTEGER, Dan1 INTEGER, Danx INTEGER, Dan2 INTEGER, "
            "Dpr1 INTEGER, Dprx INTEGER, Dpr2 INTEGER, Dpl1 INTEGER, Dplx INTEGER, Dpl2 INTEGER, "
            "D1 INTEGER, Dx INTEGER, D2 INTEGER, Dsim VARCHAR(2), Dcode INTEGER, Dp1 INTEGER, Dpx INTEGER, "
            "Dp2 INTEGER, Dap1 FLOAT, Dapx FLOAT, Dap2 FLOAT)");
    }

    // Two matches: one played with every triple, one unplayed without head-to-head or neighbours.
    static QList<QStringList> Grid(const QString &firstDate = "05/03/2004")
    {
        QList<QStringList> grid = AnalysisGrid(true, 2);
        grid[1] =
            QStringList{firstDate, "17:30", "ΓΕ1",  "Άρης-Δόξα", "2",  "1",  "50", "30", "20", "40", "40",
                        "20",      "45",    "35",   "20",        "45", "35", "20", "1",  "5",  "48", "29",
                        "23",      "1,85",  "3,10", "4,00",      "1",  "1",  "X",  "2",  "1"};
        grid[2] = QStringList{
            "06/03/2004", "20:00", "ΑΓΓ", "Λιντς-Φούλαμ", "",  "",  "40", "20", "40", "", "", "", "",  "",
            "",           "40",    "20",  "40",           "?", "7", "",   "",   "",   "", "", "", "2", "",
            "",           "",      "X"};
        return grid;
    }

    QList<QVariantList> Stored()
    {
        return Rows(database,
                    "SELECT DArKup, Ddate, Dtime, Ddior, Domades, DGGIP, Dan1, Dpr1, Dpr2, Dpl2, D1, "
                    "Dsim, Dcode, Dp1, Dap1, Dap2 FROM AnalKoup ORDER BY Dcode");
    }

    MessageRecorder messages;
    QString file;
    TDatabase database;
};

TEST_F(AnalysisExportTest, ExportTwiceLeavesOneSetWithEmptyTriplesNull)
{
    CreateTable();
    database.Connection().Execute("INSERT INTO AnalKoup (DArKup, Dcode) VALUES ('99', 1)");

    ASSERT_TRUE(ExportAnalysisGrid(kCaption, Grid("01/03/2004")));
    ASSERT_TRUE(ExportAnalysisGrid(kCaption, Grid()));

    EXPECT_EQ(messages.Count(), 0);
    const QList<QVariantList> rows = Stored();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QVariantList{"99", {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 1, {}, {}, {}}));
    EXPECT_EQ(rows[1], (QVariantList{"1234", "2004-03-05", "17:30:00", "ΓΕ1", "Άρης-Δόξα", 2, 50, 40, 20, 20,
                                     45, "1", 5, 48, 1.85, 4.0}));
    EXPECT_EQ(rows[2], (QVariantList{"1234",
                                     "2004-03-06",
                                     "20:00:00",
                                     "ΑΓΓ",
                                     "Λιντς-Φούλαμ",
                                     {},
                                     40,
                                     {},
                                     {},
                                     {},
                                     40,
                                     "?",
                                     7,
                                     {},
                                     {},
                                     {}}));
}

TEST_F(AnalysisExportTest, ABadDateCellLeavesTheEarlierSet)
{
    CreateTable();
    ASSERT_TRUE(ExportAnalysisGrid(kCaption, Grid()));
    const QList<QVariantList> before = Stored();

    EXPECT_FALSE(ExportAnalysisGrid(kCaption, Grid("")));
    QList<QStringList> badDate = Grid();
    badDate[2][AnDate] = "32/03/2004";
    EXPECT_FALSE(ExportAnalysisGrid(kCaption, badDate));

    EXPECT_EQ(Stored(), before);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_TRUE(messages.Calls()[1].text.contains("32/03/2004")) << messages.Calls()[1].text.toStdString();
}

TEST_F(AnalysisExportTest, AKeyIsBoundAsAValue)
{
    CreateTable();
    ASSERT_TRUE(ExportAnalysisGrid(kCaption, Grid()));
    ASSERT_TRUE(ExportAnalysisGrid("1 OR 1=1_x.kup", Grid()));
    EXPECT_EQ(Rows(database, "SELECT count(*) FROM AnalKoup").value(0).value(0), 4);
}

TEST_F(AnalysisExportTest, RefusalsNameWhatIsMissing)
{
    struct Case
    {
        const char *caption;
        bool file;
        bool table;
        const char *said;
    };
    const Case cases[] = {
        {"1234_x.kup", false, false, "analkoup.sqlite"},
        {"1234_x.kup", true, false, "AnalKoup"},
        {"coupon.kup", true, true, "coupon.kup"},
        {"", true, true, "κουπόνι"},
    };
    for (const Case &c : cases) {
        messages.Clear();
        if (c.table) {
            CreateTable();
        } else if (c.file) {
            database.SetAliasName("AccAnalKoup");
            database.Open();
        }

        EXPECT_FALSE(ExportAnalysisGrid(c.caption, Grid())) << c.caption;

        ASSERT_EQ(messages.Count(), 1) << c.caption;
        EXPECT_TRUE(messages.Last().text.contains(QString::fromUtf8(c.said)))
            << messages.Last().text.toStdString();
        EXPECT_EQ(QFileInfo::exists(file), c.file) << c.caption;
        if (c.table) {
            EXPECT_TRUE(Stored().isEmpty());
        }
    }
}

TEST_F(AnalysisExportTest, AMissingAliasIsNamed)
{
    AliasStore().Delete("AccAnalKoup");
    EXPECT_FALSE(ExportAnalysisGrid(kCaption, Grid()));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.contains("AccAnalKoup")) << messages.Last().text.toStdString();
}

} // namespace

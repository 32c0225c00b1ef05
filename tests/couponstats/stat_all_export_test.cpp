#include "couponstats/stat_all_export.h"

#include "couponstats/stat_all.h"
#include "platform/core/message_recorder.h"
#include "platform/db/alias_store.h"
#include "support/qstring_printer.h"
#include "support/test_database.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const QString kCoupon = "1234_20040305_20040308.kup";

// A summary row: code, competition, date, time, teams, odds, sign, score and the page values.
QStringList Row(const QString &code, const QString &sign, const QStringList &values,
                const QStringList &odds = {"1,85", "3,10", "4,00"})
{
    QStringList row(kStatAllFirstPageColumn);
    row[1] = code;
    row[2] = "ΑΓΓ";
    row[3] = "06/03/2004";
    row[4] = "17:30";
    row[5] = "Λιντς";
    row[6] = "Φούλαμ";
    row[7] = odds.value(0);
    row[8] = odds.value(1);
    row[9] = odds.value(2);
    row[10] = sign;
    row[14] = sign.isEmpty() ? "" : "1-1";
    return row + values;
}

// The two outside databases as their own tools make them: SQLite files with their tables.
class StatAllExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString folder = CurrentTestFolders().Root() + "/outside/";
        AliasStore().Add({"ODBC1", "SQLITE", AliasParamEntry("DATABASE NAME", folder + "acs.sqlite")});
        AliasStore().Add({"Tavrolin_EA", "SQLITE", AliasParamEntry("DATABASE NAME", folder + "ea.sqlite")});
        acs.SetAliasName("ODBC1");
        sql.SetAliasName("Tavrolin_EA");
    }

    void CreateAcs()
    {
        acs.Connection().Execute(
            "CREATE TABLE TLBFILTR (id INTEGER PRIMARY KEY AUTOINCREMENT, arkup INTEGER, code INTEGER, "
            "dior VARCHAR(10), dete DATETIME, vra DATETIME, gip VARCHAR(40), fil VARCHAR(40), ap1 FLOAT, "
            "apx FLOAT, ap2 FLOAT, sim INTEGER, scor VARCHAR(10));"
            "CREATE TABLE TLBFILTERDITALE (id INTEGER, param VARCHAR(10), value INTEGER)");
    }

    void CreateSql()
    {
        sql.Connection().Execute(
            "CREATE TABLE TlbKup (KupId INTEGER PRIMARY KEY AUTOINCREMENT, ArKup VARCHAR(10));"
            "CREATE TABLE TlbParamid (PRMID INTEGER, PRMNAME VARCHAR(10));"
            "CREATE TABLE TlbAgones (AGID INTEGER PRIMARY KEY AUTOINCREMENT, kupId INTEGER, agcode INTEGER, "
            "agdior VARCHAR(10), agdate DATETIME, agtime DATETIME, aggip VARCHAR(40), agfil VARCHAR(40), "
            "AGAPO1 FLOAT, AGAPOX FLOAT, AGAPO2 FLOAT, agsim VARCHAR(2), agscor VARCHAR(10));"
            "CREATE TABLE TlbParam (AGID INTEGER, PRMNAMEID INTEGER, PRMVALUE INTEGER);"
            "INSERT INTO TlbParamid VALUES (4, 'B2'), (7, 'ΦA')");
    }

    MessageRecorder messages;
    TDatabase acs;
    TDatabase sql;
};

TEST_F(StatAllExportTest, AcsTwiceLeavesOneRowPerMatchAndPageValue)
{
    CreateAcs();
    const QStringList titles = {"B2", "ΠA"};
    ASSERT_TRUE(ExportStatAllAcs(kCoupon, titles, {Row("1", "1", {"3", "4"}), Row("2", "X", {"1", "2"})}));
    TPageRows second = {Row("1", "X", {"5", ""}, {"", "3,10", ""}), Row("2", "", {"-1", "-2"})};
    second[1][2] = "";
    ASSERT_TRUE(ExportStatAllAcs(kCoupon, titles, second));

    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(
        Rows(acs, "SELECT id, arkup, code, dior, dete, vra, gip, ap1, apx, ap2, sim, scor FROM TLBFILTR "
                  "ORDER BY id"),
        (QList<QVariantList>{{1, 1234, 1, "ΑΓΓ", "2004-03-06", "17:30:00", "Λιντς", 1.0, 3.1, 1.0, 0, "1-1"},
                             {2, 1234, 2, "ΑΓΓ", "2004-03-06", "17:30:00", "Λιντς", 1.85, 3.1, 4.0, 0, "1-1"},
                             {3, 1234, 2, {}, "2004-03-06", "17:30:00", "Λιντς", 1.85, 3.1, 4.0, {}, {}}}));
    EXPECT_EQ(Rows(acs, "SELECT id, param, value FROM TLBFILTERDITALE ORDER BY id, param"),
              (QList<QVariantList>{
                  {1, "B2", 5}, {1, "ΠA", 4}, {2, "B2", 1}, {2, "ΠA", 2}, {3, "B2", -1}, {3, "ΠA", -2}}));
}

TEST_F(StatAllExportTest, SqlTwiceLeavesOneRowPerMatchAndNumbersNewTitles)
{
    CreateSql();
    const QStringList titles = {"ΦA", "DT3"};
    ASSERT_TRUE(ExportStatAllSql(kCoupon, titles,
                                 {Row("1", "X", {"3", "4"}, {"", "", ""}), Row("2", "", {"1", "2"})}));
    ASSERT_TRUE(
        ExportStatAllSql(kCoupon, titles + QStringList{"sg2"},
                         {Row("1", "X", {"", "6", "8"}, {"", "", ""}), Row("2", "2", {"1", "2", ""})}));

    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Rows(sql, "SELECT KupId, ArKup FROM TlbKup"), (QList<QVariantList>{{1, "1234"}}));
    EXPECT_EQ(Rows(sql, "SELECT PRMID, PRMNAME FROM TlbParamid ORDER BY PRMID"),
              (QList<QVariantList>{{4, "B2"}, {7, "ΦA"}, {8, "DT3"}, {9, "sg2"}}));
    EXPECT_EQ(Rows(sql, "SELECT AGID, kupId, agcode, agdior, agdate, agtime, AGAPO1, AGAPOX, agsim, agscor "
                        "FROM TlbAgones ORDER BY AGID"),
              (QList<QVariantList>{{1, 1, 1, "ΑΓΓ", "2004-03-06", "17:30:00", 1.0, 1.0, "X", "1-1"},
                                   {2, 1, 2, "ΑΓΓ", "2004-03-06", "17:30:00", 1.85, 3.1, "2", "1-1"}}));
    EXPECT_EQ(Rows(sql, "SELECT AGID, PRMNAMEID, PRMVALUE FROM TlbParam ORDER BY AGID, PRMNAMEID"),
              (QList<QVariantList>{{1, 7, {}}, {1, 8, 6}, {1, 9, 8}, {2, 7, 1}, {2, 8, 2}, {2, 9, {}}}));
}

TEST_F(StatAllExportTest, AFailureStoresNothingAndNamesWhatIsMissing)
{
    struct Case
    {
        bool acs;
        const char *coupon;
        bool create;
        QString badCell;
        const char *said;
    };
    const Case cases[] = {
        {true, "1234_x.kup", false, "", "acs.sqlite"}, {false, "1234_x.kup", false, "", "ea.sqlite"},
        {true, "coupon.kup", true, "", "coupon.kup"},  {false, "", true, "", "Tavrolin_EA"},
        {true, "1234_x.kup", true, "2,5", "2,5"},      {false, "1234_x.kup", true, "a", "a"},
    };
    for (const Case &c : cases) {
        messages.Clear();
        if (c.create && c.acs && !acs.TableExists("TLBFILTR"))
            CreateAcs();
        if (c.create && !c.acs && !sql.TableExists("TlbKup"))
            CreateSql();
        const TPageRows rows = {Row("1", "1", {"3"}), Row("2", "1", {c.badCell})};
        const bool stored =
            c.acs ? ExportStatAllAcs(c.coupon, {"B2"}, rows) : ExportStatAllSql(c.coupon, {"B2"}, rows);

        EXPECT_FALSE(stored) << c.said;
        ASSERT_EQ(messages.Count(), 1) << c.said;
        EXPECT_TRUE(messages.Last().text.contains(QString::fromUtf8(c.said)))
            << messages.Last().text.toStdString();
        if (!c.create) {
            EXPECT_FALSE(QFileInfo::exists(CurrentTestFolders().Root() + "/outside/" +
                                           (c.acs ? "acs" : "ea") + ".sqlite"));
        } else {
            EXPECT_TRUE(c.acs ? Rows(acs, "SELECT * FROM TLBFILTR").isEmpty()
                              : Rows(sql, "SELECT * FROM TlbKup").isEmpty());
        }
    }
}

TEST_F(StatAllExportTest, AMissingTableOrAliasIsNamed)
{
    sql.Connection().Execute("CREATE TABLE TlbKup (KupId INTEGER PRIMARY KEY, ArKup VARCHAR(10))");
    EXPECT_FALSE(ExportStatAllSql(kCoupon, {}, {Row("1", "1", {})}));
    AliasStore().Delete("ODBC1");
    EXPECT_FALSE(ExportStatAllAcs(kCoupon, {}, {Row("1", "1", {})}));
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_TRUE(messages.Calls()[0].text.contains("TlbParamid")) << messages.Calls()[0].text.toStdString();
    EXPECT_TRUE(messages.Calls()[1].text.contains("ODBC1")) << messages.Calls()[1].text.toStdString();
}

TEST_F(StatAllExportTest, TitlesAndKeysAreBoundAsValues)
{
    CreateAcs();
    CreateSql();
    const QStringList titles = {"x' OR '1'='1"};
    ASSERT_TRUE(ExportStatAllAcs(kCoupon, titles, {Row("1", "1", {"3"})}));
    ASSERT_TRUE(ExportStatAllSql("12 OR 1=1_x.kup", titles, {Row("1", "1", {"3"})}));
    EXPECT_EQ(Rows(acs, "SELECT param FROM TLBFILTERDITALE"), (QList<QVariantList>{{"x' OR '1'='1"}}));
    EXPECT_EQ(Rows(sql, "SELECT ArKup FROM TlbKup"), (QList<QVariantList>{{"12 OR 1=1"}}));
}

} // namespace

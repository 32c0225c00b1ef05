#include "platform/db/sql_text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

TEST(SqlText, RewritesTableSuffixesAndParametersOnly)
{
    const struct
    {
        QString sql;
        QString expected;
        QStringList paramNames;
    } cases[] = {
        {"Select * From Agvnes Where (DiorgNo=:PDNo) AND (Filojenoymenh=:PFil OR Ghpedoyxos=:PGhp)",
         "Select * From Agvnes Where (DiorgNo=?) AND (Filojenoymenh=? OR Ghpedoyxos=?)",
         {"PDNo", "PFil", "PGhp"}},
        {"select Agvnes.DB.\"date\", count(diorgno) c  from Agvnes.DB where (diorgno = :Diorgno) and "
         "(agvnistikh = :agvn) group by Agvnes.DB.\"date\" order by c asc",
         "select \"Agvnes\".\"date\", count(diorgno) c  from Agvnes where (diorgno = ?) and (agvnistikh = ?) "
         "group by \"Agvnes\".\"date\" order by c asc",
         {"Diorgno", "agvn"}},
        {"SELECT * FROM \"Agvnes.db\" WHERE DiorgNo = :No OR Ghpedoyxos = :no",
         "SELECT * FROM \"Agvnes\" WHERE DiorgNo = ? OR Ghpedoyxos = ?",
         {"No", "no"}},
        {"SELECT a.GameNo FROM Agvnes.DB a, [PerOmades.Db] p",
         "SELECT a.GameNo FROM Agvnes a, [PerOmades] p",
         {}},
        {"Select * from PerOmades.DB where DiorNo = 5 order by ENName",
         "Select * from PerOmades where DiorNo = 5 order by ENName",
         {}},
        {"(Agvnes.\"Date\" >=:startDate) and (Agvnes.\"Date\" <=:EndDate)",
         "(Agvnes.\"Date\" >=?) and (Agvnes.\"Date\" <=?)",
         {"startDate", "EndDate"}},
        {"select * from deltia where (Game = :GameNo) and (deltia.\"date\" <= :NowDate) order by "
         "deltia.\"date\" desc",
         "select * from deltia where (Game = ?) and (deltia.\"date\" <= ?) order by deltia.\"date\" desc",
         {"GameNo", "NowDate"}},
        {"Select Periodos from Periodos order by Periodos.Periodos desc",
         "Select Periodos from Periodos order by Periodos.Periodos desc",
         {}},
        {"WHERE Time = '12:30' AND Name = 'It''s :Name.DB' AND \"odd:col.DBX\" = 1 -- :Skipped x.DB\n"
         "AND /* :Block Agvnes.DB */ Team = :Team",
         "WHERE Time = '12:30' AND Name = 'It''s :Name.DB' AND \"odd:col.DBX\" = 1 -- :Skipped x.DB\n"
         "AND /* :Block Agvnes.DB */ Team = ?",
         {"Team"}},
        {"SELECT Agvnes.DBX, Agvnes.Db2 FROM T WHERE X = :Περίοδος_2",
         "SELECT Agvnes.DBX, Agvnes.Db2 FROM T WHERE X = ?",
         {"Περίοδος_2"}},
        {"SELECT 'unterminated :x", "SELECT 'unterminated :x", {}},
        {"", "", {}},
    };
    for (const auto &c : cases) {
        const PreparedSqlText prepared = PrepareSqlText(c.sql);
        EXPECT_EQ(prepared.sql, c.expected) << c.sql.toStdString();
        EXPECT_EQ(prepared.paramNames, c.paramNames) << c.sql.toStdString();
    }
}

TEST(SqlText, StripsSuffixAndQuotesFromTableNames)
{
    const struct
    {
        QString name;
        QString expected;
    } cases[] = {
        {"Agvnes.DB", "Agvnes"},           {"Omades.db", "Omades"},
        {"\"PerOmades.DB\"", "PerOmades"}, {"[Krath.db]", "Krath"},
        {" Periodos.Db ", "Periodos"},     {"TeamStat", "TeamStat"},
        {"Agvnes.DBF", "Agvnes.DBF"},      {".db", ".db"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StripTableSuffix(c.name), c.expected) << c.name.toStdString();
}

TEST(SqlText, RewrittenTextRunsOnSqliteWithPositionalValues)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(
            db,
            "CREATE TABLE Agvnes(DiorgNo INTEGER, Agvnistikh INTEGER, \"Date\" TEXT, \"Time\" TEXT);"
            "INSERT INTO Agvnes VALUES (5, 1, '2005-03-12', '12:30:00'), (5, 1, '2005-03-12', '17:00:00'),"
            "(5, 1, '2005-03-12', '14:00:00'), (5, 1, '2005-03-13', '12:30:00'),"
            "(5, 2, '2005-03-19', '12:30:00')",
            nullptr, nullptr, nullptr),
        SQLITE_OK);
    const PreparedSqlText prepared = PrepareSqlText(
        "select Agvnes.DB.\"date\", count(diorgno) c  from \"Agvnes.DB\" where (diorgno = :Diorgno) "
        "and (agvnistikh = :agvn) and (Agvnes.DB.\"Time\" <> '17:00:00') group by Agvnes.DB.\"date\" "
        "order by c asc");
    ASSERT_EQ(prepared.paramNames, QStringList({"Diorgno", "agvn"}));
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, prepared.sql.toUtf8().constData(), -1, &statement, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_bind_int(statement, 1, 5);
    sqlite3_bind_int(statement, 2, 1);
    QStringList rows;
    while (sqlite3_step(statement) == SQLITE_ROW)
        rows.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))) +
                    '/' + QString::number(sqlite3_column_int(statement, 1)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    EXPECT_EQ(rows, QStringList({"2005-03-13/1", "2005-03-12/2"}));
}

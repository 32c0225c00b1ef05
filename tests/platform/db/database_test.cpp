#include "db_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/query.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace {

QString PragmaText(sqlite3 *db, const char *sql)
{
    SqliteStatement statement(db, QString::fromUtf8(sql));
    return statement.Step() ? statement.Value(0).toString() : QString();
}

} // namespace

TEST_F(DbTest, LocalAliasKeepsItsTablesInOneFileOfThePathFolder)
{
    EXPECT_TRUE(Db().Connected());
    EXPECT_EQ(QFileInfo(Db().FileName()).absoluteFilePath(),
              QFileInfo(DataFolder() + "/tavrolin.sqlite").absoluteFilePath());
    EXPECT_TRUE(QFileInfo::exists(DataFolder() + "/tavrolin.sqlite"));
}

TEST_F(DbTest, ConnectionSettingsSuitThePrograms)
{
    sqlite3 *db = Db().Handle();
    // A write-ahead log synced at checkpoints: consistent after a crash, one wait per checkpoint.
    EXPECT_EQ(PragmaText(db, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(PragmaText(db, "PRAGMA synchronous"), "1");
    EXPECT_EQ(PragmaText(db, "PRAGMA foreign_keys"), "0");
    // Double quotes name columns only; a double-quoted word is never a string literal.
    EXPECT_THROW(SqliteStatement(db, "SELECT \"not a column\""), EDBEngineError);
}

TEST_F(DbTest, BoundDatesAreStoredInTheIsoForm)
{
    const std::pair<QDate, const char *> cases[] = {{QDate(2005, 3, 7), "2005-03-07"},
                                                    {QDate(1, 1, 1), "0001-01-01"},
                                                    {QDate(9999, 12, 31), "9999-12-31"},
                                                    {QDate(10000, 1, 1), ""},
                                                    {QDate(), ""}};
    SqliteStatement echo(Db().Handle(), "SELECT ?1");
    for (const auto &[date, text] : cases) {
        echo.Reset();
        echo.BindAll({date});
        ASSERT_TRUE(echo.Step());
        EXPECT_EQ(echo.Value(0).toString(), QString::fromLatin1(text)) << text;
        EXPECT_EQ(echo.Value(0).toString(), date.toString(Qt::ISODate));
    }
}

TEST_F(DbTest, ReadTransactionEndsWithItsScopeAndLeavesAnOpenOneAlone)
{
    sqlite3 *db = Db().Handle();
    {
        const ReadTransaction reading(Db().Connection());
        EXPECT_EQ(sqlite3_get_autocommit(db), 0);
    }
    EXPECT_NE(sqlite3_get_autocommit(db), 0);
    ExecSql(db, "BEGIN");
    {
        const ReadTransaction reading(Db().Connection());
    }
    EXPECT_EQ(sqlite3_get_autocommit(db), 0);
    ExecSql(db, "ROLLBACK");
}

TEST_F(DbTest, UnknownAliasAndUnsupportedDriverAreClearErrors)
{
    TDatabase unknown;
    unknown.SetAliasName("Nowhere");
    try {
        unknown.Open();
        FAIL() << "opened an unknown alias";
    } catch (const EDatabaseError &error) {
        EXPECT_TRUE(error.Message().contains("Nowhere"));
    }
    AliasStore().Add({"Access", "MSACCESS", "DATABASE NAME:\"/tmp/x.mdb\""});
    TDatabase access;
    access.SetAliasName("access");
    EXPECT_THROW(access.Open(), EDatabaseError);
    EXPECT_FALSE(access.Connected());
}

TEST_F(DbTest, SqliteDriverOpensTheNamedFile)
{
    const QString file = CurrentTestFolders().Root() + "/exports/coupons.sqlite";
    AliasStore().Add({"Coupons", "SQLITE", "DATABASE NAME:\"" + file + "\""});
    TDatabase coupons;
    coupons.SetAliasName("COUPONS");
    coupons.Open();
    EXPECT_EQ(QFileInfo(coupons.FileName()).absoluteFilePath(), QFileInfo(file).absoluteFilePath());
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(DbTest, AnAliasWhoseParametersReadMoreThanOneWayOpensNoFolder)
{
    const QString root = CurrentTestFolders().Root();
    const QString folder = root + "/My \"Data\"";
    // What an older set-up wrote for this folder: read up to the second quote it named "My ".
    AliasStore().Add({"Quoted", "PARADOX", "PATH:\"" + folder + "\";DEFAULT DRIVER:\"PARADOX\""});
    TDatabase quoted;
    quoted.SetAliasName("quoted");
    try {
        quoted.Open();
        FAIL() << "opened a folder the alias may not name";
    } catch (const EDatabaseError &error) {
        EXPECT_TRUE(error.Message().contains(QString::fromUtf8("Οι παράμετροι του ψευδωνύμου Quoted")))
            << error.Message().toStdString();
    }
    EXPECT_FALSE(quoted.Connected());
    EXPECT_FALSE(QFileInfo::exists(root + "/My "));
    EXPECT_FALSE(QFileInfo::exists(folder));

    // Registered with its quotes doubled, the folder itself opens.
    ASSERT_TRUE(AliasStore().Delete("Quoted"));
    ASSERT_TRUE(AliasStore().Add({"Quoted", "PARADOX", AliasParamEntry("PATH", folder)}));
    quoted.Open();
    EXPECT_EQ(QFileInfo(quoted.FileName()).absoluteFilePath(),
              QFileInfo(folder + "/tavrolin.sqlite").absoluteFilePath());
}

TEST_F(DbTest, SessionsShareOneConnectionPerDatabase)
{
    TSession second("Session1_2");
    second.AddPassword("vorpel");
    TDatabase &temporary = second.OpenDatabase("tavrolin");
    EXPECT_EQ(temporary.Handle(), Db().Handle());
    EXPECT_EQ(TSession::FindSession("session1_2"), &second);
    EXPECT_EQ(TSession::FindSession(""), &TSession::DefaultSession());
    EXPECT_EQ(TSession::FindSession("missing"), nullptr);

    // A dataset naming the database object's DatabaseName in its session finds that object.
    TSession main("Session1_1");
    TDatabase named;
    named.SetAliasName("Tavrolin");
    named.SetDatabaseName("TavrolinDb");
    named.SetSessionName("Session1_1");
    CreatePeriodos();
    TTable periodos;
    periodos.SetSessionName("Session1_1");
    periodos.SetDatabaseName("tavrolindb");
    periodos.SetTableName("Periodos.db");
    periodos.Open();
    EXPECT_TRUE(named.Connected());
    EXPECT_EQ(&periodos.Database(), &named);
}

TEST_F(DbTest, BeforeConnectNamesTheDatabase)
{
    TDatabase database;
    database.BeforeConnect = [](TDatabase &db) {
        db.SetDatabaseName("Tavrolin");
        db.SetSessionName("Session1_1");
    };
    database.Open();
    EXPECT_EQ(database.SessionName(), "Session1_1");
    EXPECT_EQ(database.Handle(), Db().Handle());
}

TEST_F(DbTest, TransactionsCommitOrRollBack)
{
    CreatePeriodos();
    auto periodos = OpenTable("Periodos");
    Db().StartTransaction();
    EXPECT_TRUE(Db().InTransaction());
    AppendRecord(*periodos, {{"Periodos", "2004-05"}});
    Db().Rollback();
    periodos->Refresh();
    EXPECT_TRUE(periodos->IsEmpty());

    Db().StartTransaction();
    AppendRecord(*periodos, {{"Periodos", "2005-06"}});
    Db().Commit();
    EXPECT_FALSE(Db().InTransaction());
    periodos->Refresh();
    EXPECT_EQ(periodos->RecordCount(), 1);
}

TEST_F(DbTest, TransactionGuardRollsBackUnlessCommitted)
{
    CreatePeriodos();
    sqlite3 *db = Db().Handle();
    {
        TransactionGuard guard(db);
        ExecSql(db, "INSERT INTO Periodos VALUES ('2001')");
    }
    {
        TransactionGuard guard(db);
        ExecSql(db, "INSERT INTO Periodos VALUES ('2002')");
        guard.Commit();
    }
    EXPECT_EQ(PragmaText(db, "SELECT group_concat(Periodos) FROM Periodos"), "2002");
}

TEST_F(DbTest, SessionAsksForThePasswordOnceBeforeItsFirstDatasetOpens)
{
    CreatePeriodos();
    TSession session("Session1_3");
    int asked = 0;
    bool grant = false;
    session.OnPassword = [&](TSession &sender, bool &proceed) {
        ++asked;
        EXPECT_EQ(&sender, &session);
        sender.AddPassword("vorpel");
        proceed = grant;
    };
    TDatabase database;
    database.SetAliasName("Tavrolin");
    database.SetSessionName("Session1_3");
    TTable periodos;
    periodos.SetDatabase(&database);
    periodos.SetTableName("Periodos");
    // A handler that does not let the opening go on stops it, and is asked again next time.
    EXPECT_THROW(periodos.Open(), EDatabaseError);
    EXPECT_FALSE(periodos.Active());
    grant = true;
    periodos.Open();
    EXPECT_EQ(asked, 2);

    TQuery query;
    query.SetSessionName("session1_3");
    query.SetDatabaseName("Tavrolin");
    query.SQL().Add("Select * From Periodos");
    query.Open();
    periodos.Close();
    periodos.Open();
    EXPECT_EQ(asked, 2);

    // Datasets of other sessions never ask this session's handler.
    auto other = OpenTable("Periodos");
    EXPECT_EQ(asked, 2);
}

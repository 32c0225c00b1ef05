#include "db_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/query.h"
#include "platform/db/sqlite_statement.h"

#include <QFile>
#include <QLoggingCategory>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <functional>

namespace {

const QString Locked = "Η βάση δεδομένων είναι κλειδωμένη: τη χρησιμοποιεί αυτή τη στιγμή άλλο πρόγραμμα.\n"
                       "Κλείστε το άλλο πρόγραμμα και δοκιμάστε ξανά.";
const QString ReadOnly =
    "Δεν γίνεται εγγραφή στη βάση δεδομένων: το αρχείο της ή ο φάκελός του είναι μόνο για "
    "ανάγνωση.\n"
    "Ελέγξτε τα δικαιώματα του αρχείου και του φακέλου και δοκιμάστε ξανά.";
const QString Full = "Οι αλλαγές δεν χωρούν στη βάση δεδομένων: ο δίσκος είναι γεμάτος.\n"
                     "Ελευθερώστε χώρο στον δίσκο και δοκιμάστε ξανά.";
const QString Damaged =
    "Το αρχείο της βάσης δεδομένων είναι κατεστραμμένο ή δεν είναι αρχείο βάσης δεδομένων.\n"
    "Επαναφέρετε τα δεδομένα από αντίγραφο ασφαλείας (Βοηθητικά, Επαναφορά (Restore) "
    "Αρχείων).";
const QString CannotOpen = "Δεν ανοίγει ο φάκελος ή το αρχείο της βάσης δεδομένων.\n"
                           "Ελέγξτε ότι ο φάκελος δεδομένων υπάρχει και έχετε πρόσβαση σε αυτόν, και ότι η "
                           "συντόμευση της βάσης δεδομένων (πρόγραμμα ormandel) δείχνει σε αυτόν.";
const QString InputOutput = "Η ανάγνωση ή η εγγραφή του αρχείου της βάσης δεδομένων απέτυχε.\n"
                            "Ελέγξτε τον δίσκο ή τη σύνδεση με τον φάκελο δεδομένων και δοκιμάστε ξανά.";
const QString Permission = "Το σύστημα δεν επιτρέπει την πρόσβαση στη βάση δεδομένων.\n"
                           "Ελέγξτε τα δικαιώματα του αρχείου και του φακέλου του.";

// The engine's log lines, caught while the test runs.
QStringList &LoggedLines()
{
    static QStringList lines;
    return lines;
}

void CatchEngineLog(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (QLatin1String(context.category) == QLatin1String("tavrolin.db"))
        LoggedLines().append(text);
}

// Permission bits bind the superuser too while this lives: file access runs under the user and
// group ids of "nobody", as an ordinary user's would (the folders on the way are opened to
// others).
class WithoutFileOverride
{
public:
    explicit WithoutFileOverride(const QString &root)
    {
        if (geteuid() != 0)
            return;
        QFile::setPermissions(root, QFile::permissions(root) | QFile::ReadOther | QFile::ExeOther);
        setfsgid(65534);
        setfsuid(65534);
        active_ = true;
    }
    ~WithoutFileOverride()
    {
        if (!active_)
            return;
        setfsuid(0);
        setfsgid(0);
    }
    WithoutFileOverride(const WithoutFileOverride &) = delete;
    WithoutFileOverride &operator=(const WithoutFileOverride &) = delete;

private:
    bool active_ = false;
};

class EngineErrorTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoggedLines().clear();
        previousHandler_ = qInstallMessageHandler(CatchEngineLog);
        ExecSql(Db().Handle(), "CREATE TABLE Teams(No INTEGER, Name TEXT)");
        ExecSql(Db().Handle(), "INSERT INTO Teams VALUES (1, 'ΑΕΚ'), (2, 'Άρης')");
        file_ = Db().FileName();
    }
    void TearDown() override
    {
        qInstallMessageHandler(previousHandler_);
        DbTest::TearDown();
    }

    // Runs SQL through a query of the database, as the program's windows do.
    void Run(const QString &sql, TDatabase *database = nullptr)
    {
        TQuery query;
        query.SetDatabase(database ? database : &Db());
        query.SQL().Add(sql);
        if (sql.startsWith("SELECT"))
            query.Open();
        else
            query.ExecSQL();
    }

    // The error that action raises; checks that it tells the user `text` about the file and
    // keeps SQLite's own words (`sqliteText`) and the SQL out of the message, in its detail
    // and in the log.
    void ExpectEngineError(const std::function<void()> &action, int primaryCode, const QString &text,
                           const QString &sqliteText)
    {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const EDBEngineError &error) {
            EXPECT_EQ(error.ErrorCode() & 0xff, primaryCode) << error.Detail().toStdString();
            EXPECT_EQ(error.Message(), text + "\nΑρχείο της βάσης δεδομένων: " + file_)
                << error.Message().toStdString();
            EXPECT_TRUE(error.Detail().contains(sqliteText)) << error.Detail().toStdString();
            EXPECT_FALSE(error.Message().contains(sqliteText));
            ASSERT_FALSE(LoggedLines().isEmpty());
            EXPECT_TRUE(LoggedLines().last().contains(error.Detail())) << LoggedLines().last().toStdString();
        }
    }

    QString file_;

private:
    QtMessageHandler previousHandler_ = nullptr;
};

} // namespace

TEST_F(EngineErrorTest, ADatabaseLockedByAnotherProgram)
{
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file_.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The engine waits for a lock before it gives up; here it gives up at once.
    sqlite3_busy_timeout(Db().Handle(), 0);
    ExpectEngineError([&] { Run("INSERT INTO Teams VALUES (3, 'ΟΦΗ')"); }, SQLITE_BUSY, Locked,
                      "database is locked");
    EXPECT_TRUE(LoggedLines().last().contains("INSERT INTO Teams VALUES (3, 'ΟΦΗ')"));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    Run("INSERT INTO Teams VALUES (3, 'ΟΦΗ')");
}

TEST_F(EngineErrorTest, AReadOnlyDatabaseFileAndFolder)
{
    Db().Close();
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions fileWas = QFile::permissions(file_);
    const QFile::Permissions folderWas = QFile::permissions(DataFolder());
    ASSERT_TRUE(QFile::setPermissions(file_, readable));
    ASSERT_TRUE(
        QFile::setPermissions(DataFolder(), readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    {
        const WithoutFileOverride unprivileged(CurrentTestFolders().Root());
        // The data folder stands for the alias (the alias store is its owner's only).
        TDatabase byFolder;
        byFolder.SetAliasName(DataFolder());
        Run("SELECT * FROM Teams", &byFolder);
        ExpectEngineError([&] { Run("INSERT INTO Teams VALUES (3, 'ΟΦΗ')", &byFolder); }, SQLITE_READONLY,
                          ReadOnly, "readonly database");
    }
    QFile::setPermissions(DataFolder(), folderWas);
    QFile::setPermissions(file_, fileWas);
}

TEST_F(EngineErrorTest, AFullDatabase)
{
    // The file may grow no further than it is now, as on a full disk.
    ExecSql(Db().Handle(), "PRAGMA max_page_count = 1");
    ExpectEngineError(
        [&] {
            Run("INSERT INTO Teams WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < "
                "1000) SELECT v, hex(zeroblob(500)) FROM n");
        },
        SQLITE_FULL, Full, "database or disk is full");
}

TEST_F(EngineErrorTest, AFileThatIsNoDatabase)
{
    Db().Close();
    QFile garbage(file_);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray("Αυτό δεν είναι βάση δεδομένων.\r\n").repeated(200));
    garbage.close();
    ExpectEngineError([&] { Db().Open(); }, SQLITE_NOTADB, Damaged, "file is not a database");
}

TEST_F(EngineErrorTest, ADamagedDatabase)
{
    // The page of the table's rows loses its page type, as after a failing disk.
    qint64 offset = 0;
    {
        SqliteStatement page(Db().Handle(), "SELECT (SELECT page_size FROM pragma_page_size), rootpage "
                                            "FROM sqlite_schema WHERE name = 'Teams'");
        ASSERT_TRUE(page.Step());
        offset = page.Int64(0) * (page.Int64(1) - 1);
    }
    Db().Close();
    QFile damaged(file_);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    ASSERT_TRUE(damaged.seek(offset));
    damaged.write(QByteArray(16, '\xEE'));
    damaged.close();
    ExpectEngineError([&] { Run("SELECT * FROM Teams"); }, SQLITE_CORRUPT, Damaged, "malformed");
}

TEST_F(EngineErrorTest, AFolderThatCannotBeOpened)
{
    // The alias names a file in a folder that cannot exist: its parent is a plain file.
    QFile plain(CurrentTestFolders().Root() + "/plain");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    file_ = plain.fileName() + "/Exports/coupons.sqlite";
    AliasStore().Add({"Coupons", "SQLITE", "DATABASE NAME:\"" + file_ + "\""});
    TDatabase coupons;
    coupons.SetAliasName("Coupons");
    ExpectEngineError([&] { coupons.Open(); }, SQLITE_CANTOPEN, CannotOpen, "unable to open database file");
}

TEST(EngineErrorText, EachCommonFailureSaysWhatHappenedAndWhatToDo)
{
    const struct
    {
        int code;
        QString text;
    } cases[] = {
        {SQLITE_BUSY, Locked},
        {SQLITE_LOCKED_SHAREDCACHE, Locked},
        {SQLITE_READONLY_DIRECTORY, ReadOnly},
        {SQLITE_FULL, Full},
        {SQLITE_CORRUPT_INDEX, Damaged},
        {SQLITE_NOTADB, Damaged},
        {SQLITE_CANTOPEN_ISDIR, CannotOpen},
        {SQLITE_IOERR_READ, InputOutput},
        {SQLITE_IOERR_SHORT_READ, InputOutput},
        {SQLITE_PERM, Permission},
        {SQLITE_INTERRUPT,
         "Η βάση δεδομένων δεν εκτέλεσε την εργασία (σφάλμα 9).\n"
         "Δοκιμάστε ξανά· αν το σφάλμα επαναληφθεί, κλείστε και ανοίξτε ξανά το πρόγραμμα."},
    };
    for (const auto &c : cases) {
        const EDBEngineError error =
            SqliteError(nullptr, c.code, "UPDATE Teams SET No = 1", "/data/t.sqlite");
        EXPECT_EQ(error.Message(), c.text + "\nΑρχείο της βάσης δεδομένων: /data/t.sqlite") << c.code;
        EXPECT_EQ(error.ErrorCode(), c.code);
        EXPECT_EQ(error.Detail(), QString::fromUtf8(sqlite3_errstr(c.code)) + "\nUPDATE Teams SET No = 1");
    }
}

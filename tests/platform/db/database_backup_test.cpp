#include "db_fixture.h"

#include "platform/core/errors.h"
#include "platform/db/database_backup.h"
#include "platform/db/sqlite_statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDatabase = QStringLiteral("tavrolin.sqlite");

QStringList EntriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void WriteBytes(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString &path, qint64 offset, qint64 count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    return file.read(count);
}

qint64 Number(sqlite3 *db, const QString &sql)
{
    SqliteStatement statement(db, sql);
    return statement.Step() ? statement.Int64(0) : -1;
}

// A table spread over many pages, so that the copy and the check have something to read, with a
// case-insensitive index as the program's tables have.
void FillNumbers(sqlite3 *db, int rows)
{
    ExecSql(db, QStringLiteral("CREATE TABLE Numbers (Id INTEGER PRIMARY KEY, Pad TEXT);"
                               "CREATE INDEX NumbersPad ON Numbers (Pad COLLATE GREEK_CI);"
                               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                               "INSERT INTO Numbers SELECT i, hex(randomblob(100)) FROM n")
                    .arg(rows));
}

// The rows of Numbers in another file, read through a connection of its own.
qint64 RowsIn(const QString &file)
{
    const std::shared_ptr<DbConnection> connection = DbConnection::Acquire(file);
    return Number(connection->Handle(), QStringLiteral("SELECT count(*) FROM Numbers"));
}

class DatabaseBackupTest : public DbTest
{
protected:
    QString Live() const { return DataFolder() + '/' + kDatabase; }
    QString Folder(const QString &name) const
    {
        const QString folder = CurrentTestFolders().Root() + '/' + name;
        QDir().mkpath(folder);
        return folder;
    }
};

} // namespace

TEST_F(DatabaseBackupTest, TheLastConnectionToCloseLeavesOneSelfContainedFile)
{
    FillNumbers(Db().Handle(), 200);
    EXPECT_TRUE(QFileInfo::exists(Live() + "-wal")) << "commits go to the write-ahead log while it is open";

    // A table of a window that is never destroyed keeps the connection until the program ends.
    std::unique_ptr<TTable> numbers = OpenTable("Numbers");
    Db().Close();
    ASSERT_TRUE(QFileInfo::exists(Live() + "-wal"));
    DbConnection::CloseAll();

    EXPECT_EQ(EntriesOf(DataFolder()), QStringList{kDatabase});
    EXPECT_EQ(CheckDatabaseFile(Live()), TDatabaseFileState::Sound);
    EXPECT_EQ(RowsIn(Live()), 200);
}

TEST_F(DatabaseBackupTest, BackupIsOneCommittedStateInAFileThatStandsAlone)
{
    FillNumbers(Db().Handle(), 2000);
    const QString copy = Folder("backup") + '/' + kDatabase;
    {
        // Rows written but not committed by the program itself are no part of the copy.
        TransactionGuard uncommitted(Db().Handle());
        ExecSql(Db().Handle(), QStringLiteral("DELETE FROM Numbers WHERE Id > 1000"));
        BackupDatabase(Live(), copy);
    }
    EXPECT_EQ(EntriesOf(QFileInfo(copy).path()), QStringList{kDatabase});
    EXPECT_EQ(CheckDatabaseFile(copy), TDatabaseFileState::Sound);
    // Bytes 18 and 19 of the header: 1 for a rollback journal, 2 for a write-ahead log.
    EXPECT_EQ(ReadBytes(copy, 18, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(RowsIn(copy), 2000);
}

TEST_F(DatabaseBackupTest, BackupReplacesAnEarlierCopyAndWhatAPlainFileCopyLeftBesideIt)
{
    FillNumbers(Db().Handle(), 500);
    const QString folder = Folder("backup");
    const QString copy = folder + '/' + kDatabase;
    struct Case
    {
        const char *name;
        QByteArray earlier;
    };
    for (const Case &c :
         {Case{"no database", QByteArray("an earlier copy that is no database").repeated(200)},
          Case{"empty", QByteArray()}, Case{"an older database", QByteArray()}}) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) == "an older database")
            BackupDatabase(Live(), copy);
        else
            WriteBytes(copy, 0, c.earlier);
        for (const char *suffix : {"-journal", "-wal", "-shm"})
            WriteBytes(copy + suffix, 0, QByteArray(4096, '\x5a'));
        ExecSql(Db().Handle(), QStringLiteral("INSERT INTO Numbers (Pad) VALUES ('one more')"));

        BackupDatabase(Live(), copy);
        EXPECT_EQ(EntriesOf(folder), QStringList{kDatabase});
        EXPECT_EQ(CheckDatabaseFile(copy), TDatabaseFileState::Sound);
        EXPECT_EQ(RowsIn(copy), Number(Db().Handle(), QStringLiteral("SELECT count(*) FROM Numbers")));
        QFile::remove(copy);
    }
}

TEST_F(DatabaseBackupTest, BackupOverTheLiveFileItselfIsRefused)
{
    FillNumbers(Db().Handle(), 100);
    try {
        BackupDatabase(Live(), DataFolder() + "/../Data/" + kDatabase);
        FAIL() << "the live file was taken as its own backup";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains(QDir::toNativeSeparators(Live())))
            << error.Message().toStdString();
    }
    EXPECT_EQ(Number(Db().Handle(), QStringLiteral("SELECT count(*) FROM Numbers")), 100);
}

TEST_F(DatabaseBackupTest, CheckTellsASoundDatabaseFromADamagedOneAndFromOtherFiles)
{
    FillNumbers(Db().Handle(), 2000);
    const QString folder = Folder("files");
    const QString sound = folder + "/sound.sqlite";
    BackupDatabase(Live(), sound);
    const QString damaged = folder + "/damaged.sqlite";
    BackupDatabase(Live(), damaged);
    // The root page of Numbers overwritten, as a failing disk or a copy torn by a writer leaves it;
    // the schema on the first page still reads.
    const qint64 pageSize = Number(Db().Handle(), QStringLiteral("PRAGMA page_size"));
    const qint64 root =
        Number(Db().Handle(), QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Numbers'"));
    ASSERT_GT(root, 1);
    WriteBytes(damaged, (root - 1) * pageSize, QByteArray(int(pageSize), '\xa5'));
    const QString foreign = folder + "/foreign.sqlite";
    WriteBytes(foreign, 0, QByteArray("plain text, no database").repeated(300));

    const struct
    {
        QString file;
        TDatabaseFileState state;
        bool readsAsDatabase;
    } cases[] = {
        {sound, TDatabaseFileState::Sound, true},
        {damaged, TDatabaseFileState::Damaged, true},
        {foreign, TDatabaseFileState::NotADatabase, false},
        {folder + "/missing.sqlite", TDatabaseFileState::NotADatabase, false},
        {folder, TDatabaseFileState::NotADatabase, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(CheckDatabaseFile(c.file), c.state);
        EXPECT_EQ(ReadsAsDatabase(c.file), c.readsAsDatabase);
    }
    EXPECT_FALSE(QFileInfo::exists(folder + "/missing.sqlite")) << "checking creates nothing";
}

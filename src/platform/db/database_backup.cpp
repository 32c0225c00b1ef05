#include "platform/db/database_backup.h"

#include "platform/core/errors.h"
#include "platform/db/database.h"
#include "platform/db/greek_collation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

const char *const kJournalSuffixes[] = {"-journal", "-wal", "-shm"};

const char *const kCopyFailed = "Δεν είναι δυνατή η δημιουργία του αντιγράφου %1 της βάσης: %2";
const char *const kCopyOverItself = "Το αντίγραφο της βάσης δεν μπορεί να γραφτεί πάνω στην ίδια τη βάση %1.";
const char *const kCopyDamaged = "το αντίγραφο δεν πέρασε τον έλεγχο ακεραιότητας";
const char *const kReplaceFailed = "Δεν είναι δυνατή η αντικατάσταση του αρχείου %1: %2";

// A connection of its own on one file, closed on every way out.
class SqliteFile
{
public:
    SqliteFile(const QString &fileName, int flags)
    {
        rc_ = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &db_, flags, nullptr);
        if (rc_ != SQLITE_OK)
            return;
        sqlite3_busy_timeout(db_, 5000);
        try {
            // The program's case-insensitive indexes are ordered by it: the integrity check
            // compares every index with its table in that order.
            RegisterGreekCollation(db_);
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    ~SqliteFile() { sqlite3_close_v2(db_); }
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    bool Opened() const { return rc_ == SQLITE_OK; }
    sqlite3 *Handle() const { return db_; }
    QString Error() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc_));
    }

private:
    sqlite3 *db_ = nullptr;
    int rc_ = SQLITE_OK;
};

// SQLite opens any file lazily: only a read tells a database from other bytes. Returns SQLite's
// primary result code.
int ReadSchema(const SqliteFile &file)
{
    if (!file.Opened())
        return SQLITE_CANTOPEN;
    return sqlite3_exec(file.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) &
           0xff;
}

bool PassesIntegrityCheck(const SqliteFile &file)
{
    sqlite3_stmt *statement = nullptr;
    // One fault is enough to refuse the file; SQLite stops looking after it.
    if (sqlite3_prepare_v2(file.Handle(), "PRAGMA integrity_check(1)", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    const bool sound = sqlite3_step(statement) == SQLITE_ROW &&
                       qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)), "ok") == 0;
    sqlite3_finalize(statement);
    return sound;
}

// Copies every page of one database into another in one step, which reads the source inside a
// single read transaction. Returns SQLite's result code, SQLITE_OK when done.
int CopyPages(const SqliteFile &from, const SqliteFile &to)
{
    sqlite3_backup *backup = sqlite3_backup_init(to.Handle(), "main", from.Handle(), "main");
    if (!backup)
        return sqlite3_errcode(to.Handle());
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    return stepped == SQLITE_DONE ? finished : stepped;
}

QString CopyFailed(const QString &target, const QString &reason)
{
    return QString::fromUtf8(kCopyFailed).arg(QDir::toNativeSeparators(target), reason);
}

QString ReplaceFailed(const QString &target, const QString &reason)
{
    return QString::fromUtf8(kReplaceFailed).arg(QDir::toNativeSeparators(target), reason);
}

bool SameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// Writes the source's bytes over the target's, keeping the target file itself, so that a
// connection already open on it reads the restored data and not a file that was renamed away.
void OverwriteInPlace(const QString &source, const QString &target)
{
    // A journal or log left beside a damaged file would be played back over the restored data.
    RemoveJournalFiles(target);
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly))
        throw EInOutError(ReplaceFailed(target, in.errorString()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInOutError(ReplaceFailed(target, out.errorString()));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if ((chunk.isEmpty() && in.error() != QFileDevice::NoError) || out.write(chunk) != chunk.size())
            throw EInOutError(ReplaceFailed(target, out.errorString()));
    }
    if (!out.flush())
        throw EInOutError(ReplaceFailed(target, out.errorString()));
}

bool IsBeyondReading(const QString &fileName)
{
    const SqliteFile file(fileName, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    const int rc = ReadSchema(file);
    return file.Opened() && (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT);
}

} // namespace

TDatabaseFileState CheckDatabaseFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return TDatabaseFileState::NotADatabase;
    const SqliteFile file(fileName, SQLITE_OPEN_READONLY);
    const int rc = ReadSchema(file);
    if (rc == SQLITE_CORRUPT)
        return TDatabaseFileState::Damaged;
    if (rc != SQLITE_OK)
        return TDatabaseFileState::NotADatabase;
    return PassesIntegrityCheck(file) ? TDatabaseFileState::Sound : TDatabaseFileState::Damaged;
}

bool ReadsAsDatabase(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    return ReadSchema(SqliteFile(fileName, SQLITE_OPEN_READONLY)) == SQLITE_OK;
}

bool IsJournalOf(const QString &fileName, const QString &databaseFileName)
{
    for (const char *suffix : kJournalSuffixes)
        if (fileName.compare(databaseFileName + QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void RemoveJournalFiles(const QString &databaseFile)
{
    for (const char *suffix : kJournalSuffixes)
        QFile::remove(databaseFile + QLatin1String(suffix));
}

void BackupDatabase(const QString &liveFile, const QString &target)
{
    if (SameFile(liveFile, target))
        throw EInOutError(QString::fromUtf8(kCopyOverItself).arg(QDir::toNativeSeparators(liveFile)));
    // Opened for writing although it only reads: as the last connection of the file, it may have
    // to play back what a crashed program left in the journal before the pages can be read.
    const SqliteFile source(liveFile, SQLITE_OPEN_READWRITE);
    if (ReadSchema(source) != SQLITE_OK)
        throw EInOutError(CopyFailed(target, source.Error()));
    RemoveJournalFiles(target);
    // An earlier copy SQLite cannot read cannot take the new pages either; it is worth nothing.
    if (QFileInfo::exists(target) && !ReadsAsDatabase(target))
        QFile::remove(target);
    const SqliteFile copy(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!copy.Opened())
        throw EInOutError(CopyFailed(target, copy.Error()));
    if (const int rc = CopyPages(source, copy); rc != SQLITE_OK)
        throw EInOutError(CopyFailed(target, QString::fromUtf8(sqlite3_errstr(rc))));
    // Reading the copy also makes its connection take up the live file's write-ahead log mode,
    // which the pages carry; the copy then goes back to a rollback journal, so that it stands
    // alone wherever it is read, read-only media included.
    if (!PassesIntegrityCheck(copy))
        throw EInOutError(CopyFailed(target, QString::fromUtf8(kCopyDamaged)));
    if (sqlite3_exec(copy.Handle(), "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EInOutError(CopyFailed(target, copy.Error()));
}

void RestoreDatabase(const QString &source, const QString &liveFile)
{
    const SqliteFile from(source, SQLITE_OPEN_READWRITE);
    if (ReadSchema(from) != SQLITE_OK)
        throw EInOutError(ReplaceFailed(liveFile, from.Error()));
    if (IsBeyondReading(liveFile)) {
        // There is no data left in the current file to protect (the very case a restore is for),
        // and SQLite's backup cannot write into it.
        DbConnection::ReplaceFile(liveFile, [&] { OverwriteInPlace(source, liveFile); });
        return;
    }
    const SqliteFile to(liveFile, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!to.Opened())
        throw EInOutError(ReplaceFailed(liveFile, to.Error()));
    if (const int rc = CopyPages(from, to); rc != SQLITE_OK)
        throw EInOutError(ReplaceFailed(liveFile, QString::fromUtf8(sqlite3_errstr(rc))));
}

#include "app/backup_restore.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/paths.h"
#include "platform/db/database.h"
#include "platform/ui/copy_progress.h"
#include "platform/ui/message_service.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char *const kChooserTitle = "Επιλέξτε κατάλογο";
const char *const kOddDayFolder = "Backup\\Mones";
const char *const kEvenDayFolder = "Backup\\Zuges";
const char *const kRestoreQuestion = "Να γίνει η επαναφορά των αρχείων της βάσης;";
const char *const kBackupFailed = "Η αντιγραφή των αρχείων της βάσης στον φάκελο %1 δεν ολοκληρώθηκε:";
const char *const kCopyCancelled = "Η αντιγραφή διακόπηκε πριν ολοκληρωθεί.";
const char *const kNoDatabase = "Ο φάκελος %1 δεν περιέχει αρχεία της βάσης.\nΗ επαναφορά δεν έγινε.";
const char *const kRestoreFailed =
    "Η επαναφορά των αρχείων της βάσης από τον φάκελο %1 δεν έγινε.\nΤα τρέχοντα αρχεία δεν άλλαξαν.";
const char *const kReplaceFailed = "Δεν είναι δυνατή η αντικατάσταση του αρχείου %1: %2";

TFolderChooser &InstalledChooser()
{
    static TFolderChooser chooser;
    return chooser;
}

bool ChooseWithDialog(QWidget *owner, const QString &startFolder, QString &chosen)
{
    // Qt's own dialog: it has a path line and a button for a new folder on every desktop.
    const QString folder =
        QFileDialog::getExistingDirectory(owner, QString::fromUtf8(kChooserTitle), startFolder,
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return false;
    chosen = folder;
    return true;
}

QString FailureLines(const FileCopyResult &result)
{
    QStringList lines;
    for (const FileCopyFailure &failure : result.failures)
        lines.append(failure.file + QStringLiteral(": ") + failure.reason);
    if (result.cancelled)
        lines.append(QString::fromUtf8(kCopyCancelled));
    return lines.join('\n');
}

// The data module's database file, through the alias its connection names.
QString DatabaseFile()
{
    return QFileInfo(TDatabase::FileNameOfAlias(TavrolinDM().TavrolinDb.AliasName())).absoluteFilePath();
}

// An SQLite handle that is closed on every way out.
class SqliteFile
{
public:
    SqliteFile(const QString &fileName, int flags)
    {
        rc_ = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &db_, flags, nullptr);
        if (rc_ == SQLITE_OK)
            sqlite3_busy_timeout(db_, 5000);
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

// Reads the schema: SQLite opens any file lazily, so only a read tells a database from other
// bytes. Returns SQLite's result code.
int ReadSchema(const SqliteFile &file)
{
    return sqlite3_exec(file.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

bool ReadsAsDatabase(const SqliteFile &file)
{
    return file.Opened() && ReadSchema(file) == SQLITE_OK;
}

bool IsDamaged(int resultCode)
{
    return resultCode == SQLITE_NOTADB || resultCode == SQLITE_CORRUPT;
}

bool IsJournalOf(const QString &fileName, const QString &databaseFileName)
{
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        if (fileName.compare(databaseFileName + QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void ReplaceByRename(const QString &from, const QString &to)
{
    // rename() replaces the target in one step; QFile::rename would refuse an existing target.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw EInOutError(
            QString::fromUtf8(kReplaceFailed).arg(to, QString::fromLocal8Bit(std::strerror(errno))));
}

// Writes the staged file over the target's bytes, keeping the target file itself, so that a
// connection already open on it reads the restored data and not a file that was renamed away.
void OverwriteInPlace(const QString &staged, const QString &target)
{
    // A journal left beside a damaged file would be rolled back over the restored data.
    QFile::remove(target + QStringLiteral("-journal"));
    QFile in(staged);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly))
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, in.errorString()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, out.errorString()));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if ((chunk.isEmpty() && in.error() != QFileDevice::NoError) || out.write(chunk) != chunk.size())
            throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, out.errorString()));
    }
    if (!out.flush())
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, out.errorString()));
}

bool TargetIsDamaged(const QString &target)
{
    const SqliteFile file(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    return file.Opened() && IsDamaged(ReadSchema(file));
}

// Copies the staged database over the live one inside one write transaction of the target, so
// the target is either wholly replaced or unchanged, and connections open on it see the change.
void InstallDatabase(const QString &staged, const QString &target)
{
    SqliteFile source(staged, SQLITE_OPEN_READWRITE);
    if (!ReadsAsDatabase(source))
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, source.Error()));
    if (TargetIsDamaged(target)) {
        // The current file is beyond SQLite's reading (the very case a restore is for): there is
        // no data left in it to protect, and SQLite's backup cannot write into it.
        OverwriteInPlace(staged, target);
        return;
    }
    SqliteFile destination(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!destination.Opened())
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, destination.Error()));
    sqlite3_backup *backup = sqlite3_backup_init(destination.Handle(), "main", source.Handle(), "main");
    if (!backup)
        throw EInOutError(QString::fromUtf8(kReplaceFailed).arg(target, destination.Error()));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw EInOutError(
            QString::fromUtf8(kReplaceFailed).arg(target, QString::fromUtf8(sqlite3_errstr(rc))));
}

} // namespace

TFolderChooser SetFolderChooser(TFolderChooser chooser)
{
    TFolderChooser previous = std::move(InstalledChooser());
    InstalledChooser() = std::move(chooser);
    return previous;
}

bool ChooseFolder(QWidget *owner, const QString &startFolder, QString &chosen)
{
    if (const TFolderChooser &chooser = InstalledChooser())
        return chooser(owner, startFolder, chosen);
    return ChooseWithDialog(owner, startFolder, chosen);
}

QString ProposedBackupFolder(const QDate &today)
{
    return ProgramSubfolder(QString::fromUtf8(today.day() % 2 == 1 ? kOddDayFolder : kEvenDayFolder));
}

QString DataFolder()
{
    return QFileInfo(DatabaseFile()).absolutePath();
}

void CloseSharedDatasets()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TDataSet *dataSet :
         {static_cast<TDataSet *>(&dm.Agvnes), static_cast<TDataSet *>(&dm.Omades),
          static_cast<TDataSet *>(&dm.POmades), static_cast<TDataSet *>(&dm.Diorganvseis),
          static_cast<TDataSet *>(&dm.TeamStat), static_cast<TDataSet *>(&dm.Kathgories),
          static_cast<TDataSet *>(&dm.Krath), static_cast<TDataSet *>(&dm.Periodos),
          static_cast<TDataSet *>(&dm.LookUpTable), static_cast<TDataSet *>(&dm.TeamNames),
          static_cast<TDataSet *>(&dm.CheckAgvnes), static_cast<TDataSet *>(&dm.TyposKathg),
          static_cast<TDataSet *>(&dm.Deltia)})
        dataSet->Close();
    dm.TavrolinDb.Close();
}

bool BackupDataFolder(QWidget *owner)
{
    CloseSharedDatasets();
    const QString proposed = ProposedBackupFolder(QDate::currentDate());
    EnsureFolder(proposed);
    QString chosen;
    if (!ChooseFolder(owner, proposed, chosen))
        return false;
    QString dataFolder;
    try {
        dataFolder = DataFolder();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return false;
    }
    const FileCopyResult result =
        CopyFilesWithProgress(owner, JoinPath(dataFolder, QStringLiteral("*.*")), chosen);
    if (result.Succeeded())
        return true;
    MessageDlg(QString::fromUtf8(kBackupFailed).arg(QDir::toNativeSeparators(chosen)) + '\n' +
                   FailureLines(result),
               mtError, {mbOK});
    return false;
}

bool RestoreDataFolder(QWidget *owner)
{
    CloseSharedDatasets();
    if (MessageDlg(QString::fromUtf8(kRestoreQuestion), mtConfirmation, {mbYes, mbNo}) != mrYes)
        return false;
    QString chosen;
    if (!ChooseFolder(owner, ProgramFolder(), chosen))
        return false;
    QString databaseFile;
    try {
        databaseFile = DatabaseFile();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return false;
    }
    const QString dataFolder = QFileInfo(databaseFile).absolutePath();
    const QString databaseName = QFileInfo(databaseFile).fileName();
    if (!FolderHoldsDatabase(chosen, databaseName)) {
        MessageDlg(QString::fromUtf8(kNoDatabase).arg(QDir::toNativeSeparators(chosen)), mtWarning, {mbOK});
        return false;
    }
    const QString failed = QString::fromUtf8(kRestoreFailed).arg(QDir::toNativeSeparators(chosen));
    // The backup is read whole into a folder beside the data first; only a complete copy replaces
    // anything, and the staging folder goes away on every way out.
    QTemporaryDir staging(JoinPath(dataFolder, QStringLiteral(".restore-XXXXXX")));
    if (!staging.isValid()) {
        MessageDlg(failed + '\n' + staging.errorString(), mtError, {mbOK});
        return false;
    }
    const FileCopyResult copy =
        CopyFilesWithProgress(owner, JoinPath(chosen, QStringLiteral("*.*")), staging.path());
    if (!copy.Succeeded()) {
        MessageDlg(failed + '\n' + FailureLines(copy), mtError, {mbOK});
        return false;
    }
    try {
        InstallRestoredFiles(staging.path(), dataFolder, databaseName);
    } catch (const Exception &error) {
        MessageDlg(failed + '\n' + error.Message(), mtError, {mbOK});
        return false;
    }
    return true;
}

bool FolderHoldsDatabase(const QString &folder, const QString &databaseFileName)
{
    const QString file = JoinPath(folder, databaseFileName);
    if (!QFileInfo(file).isFile())
        return false;
    const SqliteFile database(file, SQLITE_OPEN_READONLY);
    return ReadsAsDatabase(database);
}

void InstallRestoredFiles(const QString &stagingFolder, const QString &dataFolder,
                          const QString &databaseFileName)
{
    InstallDatabase(JoinPath(stagingFolder, databaseFileName), JoinPath(dataFolder, databaseFileName));
    const QFileInfoList files =
        QDir(stagingFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        if (file.fileName() == databaseFileName || IsJournalOf(file.fileName(), databaseFileName))
            continue;
        ReplaceByRename(file.absoluteFilePath(), JoinPath(dataFolder, file.fileName()));
    }
}

#include "app/backup_restore.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/db/database.h"
#include "platform/db/database_backup.h"
#include "platform/ui/copy_progress.h"
#include "platform/ui/wait_cursor.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tav::app {

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
const char *const kFolderNotMade = "Δεν είναι δυνατή η δημιουργία του φακέλου %1.";
const char *const kFileNotMade = "Δεν είναι δυνατή η δημιουργία του αρχείου %1.";
const char *const kDamagedBackup =
    "Το αρχείο της βάσης στον φάκελο %1 είναι κατεστραμμένο: δεν περνά τον έλεγχο ακεραιότητας.\n"
    "Η επαναφορά δεν έγινε και τα τρέχοντα αρχεία δεν άλλαξαν. Επιλέξτε άλλο αντίγραφο ασφαλείας.";
const char *const kStagingPrefix = ".restore-";

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

// What a restore stages besides the data (and what a backup therefore leaves out): the folder the
// backup is read into, and the lock file that tells a running restore from an interrupted one.
bool IsRestoreStaging(const QString &fileName)
{
    return fileName.startsWith(QLatin1String(kStagingPrefix));
}

// True when this program now holds the lock of a restore's staging folder.
bool LockStaging(QLockFile &lock)
{
    // Only a running restore keeps its staging folder: no age makes its lock stale, only the end
    // of the program that holds it.
    lock.setStaleLockTime(0);
    return lock.tryLock(0);
}

void ReplaceByRename(const QString &from, const QString &to)
{
    // rename() replaces the target in one step; QFile::rename would refuse an existing target.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw EInOutError(
            QString::fromUtf8(kReplaceFailed).arg(to, QString::fromLocal8Bit(std::strerror(errno))));
}

void ReportFailure(const QString &failed, const QString &detail)
{
    MessageDlg(failed + '\n' + detail, mtError, {mbOK});
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
    QString databaseFile;
    try {
        databaseFile = DatabaseFile();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return false;
    }
    const QString dataFolder = QFileInfo(databaseFile).absolutePath();
    const QString databaseName = QFileInfo(databaseFile).fileName();
    RemoveInterruptedRestores(dataFolder);
    const QString failed = QString::fromUtf8(kBackupFailed).arg(QDir::toNativeSeparators(chosen));
    if (!EnsureFolder(chosen)) {
        ReportFailure(failed, QString::fromUtf8(kFolderNotMade).arg(QDir::toNativeSeparators(chosen)));
        return false;
    }
    try {
        TWaitCursor wait;
        BackupDatabase(databaseFile, JoinPath(chosen, databaseName));
    } catch (const Exception &error) {
        ReportFailure(failed, error.Message());
        return false;
    }
    // The database went over through SQLite; its journals and a running restore's staging are no
    // part of the data.
    const FileCopyResult result = CopyFilesWithProgress(
        owner, JoinPath(dataFolder, QStringLiteral("*.*")), chosen, [&databaseName](const QString &name) {
            return name.compare(databaseName, Qt::CaseInsensitive) == 0 || IsJournalOf(name, databaseName) ||
                   IsRestoreStaging(name);
        });
    if (result.Succeeded())
        return true;
    ReportFailure(failed, FailureLines(result));
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
    RemoveInterruptedRestores(dataFolder);
    if (!FolderHoldsDatabase(chosen, databaseName)) {
        MessageDlg(QString::fromUtf8(kNoDatabase).arg(QDir::toNativeSeparators(chosen)), mtWarning, {mbOK});
        return false;
    }
    const QString failed = QString::fromUtf8(kRestoreFailed).arg(QDir::toNativeSeparators(chosen));
    // The backup is read whole into a folder beside the data first; only a complete, sound copy
    // replaces anything, and the staging folder goes away on every way out.
    QTemporaryDir staging(JoinPath(dataFolder, QString::fromUtf8(kStagingPrefix) + QStringLiteral("XXXXXX")));
    if (!staging.isValid()) {
        ReportFailure(failed, staging.errorString());
        return false;
    }
    QLockFile lock(staging.path() + QStringLiteral(".lock"));
    if (!LockStaging(lock)) {
        ReportFailure(failed, QString::fromUtf8(kFileNotMade).arg(QDir::toNativeSeparators(lock.fileName())));
        return false;
    }
    const FileCopyResult copy =
        CopyFilesWithProgress(owner, JoinPath(chosen, QStringLiteral("*.*")), staging.path());
    if (!copy.Succeeded()) {
        ReportFailure(failed, FailureLines(copy));
        return false;
    }
    const QString staged = JoinPath(staging.path(), databaseName);
    // A journal that came with the backup belongs to whatever wrote it then, not to the copy:
    // the copy is judged, and installed, alone.
    RemoveJournalFiles(staged);
    TWaitCursor wait;
    if (CheckDatabaseFile(staged) != TDatabaseFileState::Sound) {
        wait.Restore();
        MessageDlg(QString::fromUtf8(kDamagedBackup).arg(QDir::toNativeSeparators(chosen)), mtError, {mbOK});
        return false;
    }
    try {
        InstallRestoredFiles(staging.path(), dataFolder, databaseName);
    } catch (const Exception &error) {
        wait.Restore();
        ReportFailure(failed, error.Message());
        return false;
    }
    return true;
}

bool FolderHoldsDatabase(const QString &folder, const QString &databaseFileName)
{
    return ReadsAsDatabase(JoinPath(folder, databaseFileName));
}

void InstallRestoredFiles(const QString &stagingFolder, const QString &dataFolder,
                          const QString &databaseFileName)
{
    RestoreDatabase(JoinPath(stagingFolder, databaseFileName), JoinPath(dataFolder, databaseFileName));
    const QFileInfoList files =
        QDir(stagingFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        if (file.fileName() == databaseFileName || IsJournalOf(file.fileName(), databaseFileName))
            continue;
        ReplaceByRename(file.absoluteFilePath(), JoinPath(dataFolder, file.fileName()));
    }
}

void RemoveInterruptedRestores(const QString &dataFolder)
{
    // A staging folder and its lock file name the same restore; either may be left without the
    // other.
    QSet<QString> restores;
    const QFileInfoList entries =
        QDir(dataFolder)
            .entryInfoList({QString::fromUtf8(kStagingPrefix) + '*'},
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        QString path = entry.absoluteFilePath();
        if (entry.isDir() || path.endsWith(QLatin1String(".lock")))
            restores.insert(entry.isDir() ? path : path.chopped(5));
    }
    for (const QString &restore : restores) {
        QLockFile lock(restore + QStringLiteral(".lock"));
        if (LockStaging(lock))
            QDir(restore).removeRecursively();
    }
}

void RemoveInterruptedRestores()
{
    try {
        RemoveInterruptedRestores(DataFolder());
    } catch (const Exception &) {
        // Without the alias there is no data folder to tidy; the data module reports the alias.
    }
}

} // namespace tav::app

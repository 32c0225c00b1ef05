#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QWidget;

namespace tav::app {

// Backup and restore of the data folder: the whole folder is copied to one of two backup folders
// that alternate by the day of the month, and a backup folder is copied back over the data.

// The folder picker of both commands: starts at startFolder, offers a path line and lets the
// user create a new folder; true with the folder when the user confirms.
using TFolderChooser = std::function<bool(QWidget *owner, const QString &startFolder, QString &chosen)>;

// Replaces the picker (tests answer without a window); an empty chooser puts the dialog back.
// Returns the chooser it replaces (empty for the dialog).
TFolderChooser SetFolderChooser(TFolderChooser chooser);
bool ChooseFolder(QWidget *owner, const QString &startFolder, QString &chosen);

// "Backup\Mones" under the program folder on odd days of the month, "Backup\Zuges" on even days.
QString ProposedBackupFolder(const QDate &today);

// The data folder: where the data module's database file lies (program folder + "Data" with the
// alias the set-up program registers). EDatabaseError when the alias is unknown.
QString DataFolder();

// Closes the thirteen shared datasets of the data module in their fixed order, then its database
// connection, so that no database file is in use while it is copied. Nothing reopens them here.
void CloseSharedDatasets();

// The backup without a question: closes the datasets, proposes and creates the folder of the day,
// lets the user choose, writes a snapshot of the database there through SQLite (one committed
// state, whatever another running copy of the program writes meanwhile, checked before it counts)
// and copies the data folder's other files with a progress window; reports a failed or cancelled
// copy. True when everything was copied.
bool BackupDataFolder(QWidget *owner);

// The restore: closes the datasets, asks, lets the user choose a backup folder, refuses a folder
// that holds no database, reads the backup's files into a staging folder beside the data, refuses
// a database there that fails SQLite's integrity check, and puts the files in place of the data
// folder's. The current data is replaced only by a complete and sound copy, so any failure leaves
// it as it was. True when the data was replaced.
bool RestoreDataFolder(QWidget *owner);

// Whether the folder holds a database file of the given name that SQLite can read.
bool FolderHoldsDatabase(const QString &folder, const QString &databaseFileName);

// Puts the files of a fully copied backup (stagingFolder, inside the data folder) in place of the
// data folder's: the database file through SQLite's backup, which replaces it in one transaction
// and reaches every connection open on it (a current file SQLite cannot read at all is overwritten
// in place instead); the other files by renaming over their targets. The backup's journal files
// are left out, so none of them can roll back over the restored database. EInOutError when the
// database cannot be replaced (a readable one is then unchanged).
void InstallRestoredFiles(const QString &stagingFolder, const QString &dataFolder,
                          const QString &databaseFileName);

// Removes the staging folders (".restore-XXXXXX", as large as a whole backup) that restores which
// never finished left in the data folder, keeping one a running restore of another copy of the
// program still holds. The backup and the restore do it first, and so does the start; the
// argument-less form does it in the data module's data folder, and nothing when its alias is
// unknown (the data module reports that).
void RemoveInterruptedRestores(const QString &dataFolder);
void RemoveInterruptedRestores();

} // namespace tav::app

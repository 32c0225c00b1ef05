#pragma once

#include <QString>

// Whole database files copied through SQLite, so that a copy holds one committed state of the
// database whatever other connections of this or another process write meanwhile, and a copy is
// checked before anything relies on it.

enum class TDatabaseFileState
{
    NotADatabase, // missing, unreadable, or bytes SQLite does not take for a database
    Damaged,      // SQLite reads it, but PRAGMA integrity_check finds faults
    Sound,
};

// Reads the whole file (PRAGMA integrity_check) without changing it.
TDatabaseFileState CheckDatabaseFile(const QString &fileName);

// Whether SQLite reads the file's schema: a quick test that does not read every page.
bool ReadsAsDatabase(const QString &fileName);

// Whether fileName is the rollback journal, write-ahead log or log index of databaseFileName.
bool IsJournalOf(const QString &fileName, const QString &databaseFileName);

// Writes a snapshot of the live database into target through SQLite's online backup: every page
// is read inside one read transaction, so the copy is one committed state even while other
// programs write, and it is written to target in one transaction of its own, so a failed copy
// leaves an earlier target as it was. The copy is a self-contained file (rollback journal, no log
// beside it) that passed the integrity check. Journals an earlier plain file copy left beside the
// target are removed first: SQLite would roll them back into the new copy. EInOutError when the
// copy cannot be made, or target is the live file itself.
void BackupDatabase(const QString &liveFile, const QString &target);

// Puts the contents of the database file source in place of the live database's, in one write
// transaction of the live file, so that it is wholly replaced or unchanged and every connection
// open on it sees the restored data. A live file that SQLite cannot read at all is overwritten in
// place instead, its journal and log removed. EInOutError when it cannot be replaced (a readable
// live database is then unchanged).
void RestoreDatabase(const QString &source, const QString &liveFile);

// Removes the journal, write-ahead log and log index beside a database file no connection uses.
void RemoveJournalFiles(const QString &databaseFile);

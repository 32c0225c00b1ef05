#pragma once

#include <QString>

// Where the program keeps its files. The program folder stands in for the folder of the
// executable: data, exports, coupons, backups and text files live below it.

// $TAVROLIN_HOME, else $XDG_DATA_HOME/Tavrolin, else ~/.local/share/Tavrolin; created on first use.
QString ProgramFolder();

// $XDG_CONFIG_HOME/Tavrolin, else ~/.config/Tavrolin; created on first use.
QString ConfigFolder();

// A folder below the program folder, given as the program names it ("GR\txt", "txtdata\all",
// "Backup\Mones"). Backslashes become slashes and each component takes the one spelling the
// program uses, so that names that differed only in case on a case-blind file system meet in
// one folder. The folder is not created.
QString ProgramSubfolder(const QString &designName);

// The canonical spelling of a relative folder name (see ProgramSubfolder).
QString CanonicalFolderName(const QString &designName);

// Creates the folder with its missing parents; returns false when that fails.
bool EnsureFolder(const QString &path);

// Joins a folder and a name with exactly one slash between them.
QString JoinPath(const QString &folder, const QString &name);

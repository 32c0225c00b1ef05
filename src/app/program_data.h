#pragma once

namespace tav::app {

// The program's data as the main window needs it: opened at start, and again when a command needs
// it after it could not be opened. While the data cannot be opened the program keeps running with
// its menu (the restore of a backup among it); only the windows that read the data stay closed.

// Opens the database and the tables the main window works on: the categories, the competition
// teams, the seasons (standing on the last one), the matches and the competitions. When they
// cannot be opened, closes what did open, remembers the data as unavailable and shows one
// message: what is wrong and what the user can do. A database that can only be read opens with
// one warning. True when the data is open.
bool OpenProgramData();

// Whether the last attempt to open the data failed.
bool ProgramDataUnavailable();

// For a command whose window reads the data: true when the data is usable (it never failed to
// open, or it opens now). Otherwise tells the user why the window does not open; false.
bool EnsureProgramData();

} // namespace tav::app

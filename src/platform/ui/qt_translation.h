#pragma once

// Qt's own dialogs and menus (file, print, font and colour dialogs, the edit boxes' context menu,
// the standard buttons) speak Greek like the rest of the program. Debian ships no Greek
// translation of Qt's strings, so the program carries its own. Returns false when it could not
// be installed (the dialogs then stay in English).
bool InstallQtTranslation();

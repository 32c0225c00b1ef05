#pragma once

#include "report/export_language.h"

#include <QString>

// The folders below the program folder that exports write into, one function per folder. Each
// returns the folder's path in the one spelling the program uses and creates it, with its missing
// parents, when it is not there; a folder that cannot be created raises EInOutError.

namespace tav::report {

// Which matchdays a result file of a category holds.
enum class TResultSpan
{
    AllMatchdays,
    LastMatchday,
};

// The path of a file in one of the folders below.
QString InFolder(const QString &folder, const QString &name);

// "GR/txt", "EN/txt", "IT/txt": the text files of a language.
QString TextFolder(TExportLanguage language);

// "GR/dos": the DOS copies of the Greek text files.
QString DosFolder();

// "GR/QXpress", "EN/QXpress", "IT/QXpress": the desktop-publishing texts of a language.
QString QXpressFolder(TExportLanguage language);

// "htm": the web pages of every language, named after their competition.
QString PageFolder();

// "htm1": the web pages of the bulk export when it numbers them 1, 2, 3.
QString NumberedPageFolder();

// "GR/htm", "EN/htm", "IT/htm": the odds pages saved under a name the user typed.
QString OddsPageFolder(TExportLanguage language);

// "LISTES": the saved competition lists of the bulk export.
QString ListsFolder();

// "txtData/All", "txtData/Lat": the text result files of the categories.
QString ResultTextFolder(TResultSpan span);

// "HtmlData/ALL", "HtmlData/Lat": the raw result pages the text result files are made from.
QString RawPageFolder(TResultSpan span);

} // namespace tav::report

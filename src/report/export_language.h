#pragma once

#include <QString>

namespace tav::report {

// The languages an export writes, in the order every export writes them.
enum class TExportLanguage
{
    Greek,
    English,
    Italian,
};

inline constexpr TExportLanguage ExportLanguages[] = {TExportLanguage::Greek, TExportLanguage::English,
                                                      TExportLanguage::Italian};

// The folder of the language's text, desktop-publishing and odds files: "GR", "EN", "IT".
QString FolderTag(TExportLanguage language);

// The start of the language's web page names: "gr", "en", "it".
QString PagePrefix(TExportLanguage language);

} // namespace tav::report

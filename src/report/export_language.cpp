#include "report/export_language.h"

namespace tav::report {

QString FolderTag(TExportLanguage language)
{
    return PagePrefix(language).toUpper();
}

QString PagePrefix(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::English:
        return QStringLiteral("en");
    case TExportLanguage::Italian:
        return QStringLiteral("it");
    case TExportLanguage::Greek:
        break;
    }
    return QStringLiteral("gr");
}

} // namespace tav::report

#include "report/export_folders.h"

#include "platform/core/errors.h"
#include "platform/core/paths.h"

#include <QDir>

namespace tav::report {

namespace {

const char *const kCannotCreate = "Δεν είναι δυνατή η δημιουργία του φακέλου %1";

// The folder below the program folder, created when missing.
QString Folder(const QString &name)
{
    const QString path = ProgramSubfolder(name);
    if (!EnsureFolder(path))
        throw EInOutError(QString::fromUtf8(kCannotCreate).arg(QDir::toNativeSeparators(path)));
    return path;
}

QString InLanguage(TExportLanguage language, const char *folder)
{
    return Folder(FolderTag(language) + '/' + QLatin1String(folder));
}

QString SpanFolder(const char *parent, TResultSpan span)
{
    return Folder(QLatin1String(parent) + '/' +
                  QLatin1String(span == TResultSpan::AllMatchdays ? "All" : "Lat"));
}

} // namespace

QString TextFolder(TExportLanguage language)
{
    return InLanguage(language, "txt");
}

QString DosFolder()
{
    return InLanguage(TExportLanguage::Greek, "dos");
}

QString QXpressFolder(TExportLanguage language)
{
    return InLanguage(language, "QXpress");
}

QString PageFolder()
{
    return Folder(QStringLiteral("htm"));
}

QString NumberedPageFolder()
{
    return Folder(QStringLiteral("htm1"));
}

QString OddsPageFolder(TExportLanguage language)
{
    return InLanguage(language, "htm");
}

QString InFolder(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

QString ListsFolder()
{
    return Folder(QStringLiteral("LISTES"));
}

QString ResultTextFolder(TResultSpan span)
{
    return SpanFolder("txtData", span);
}

QString RawPageFolder(TResultSpan span)
{
    return SpanFolder("HtmlData", span);
}

} // namespace tav::report

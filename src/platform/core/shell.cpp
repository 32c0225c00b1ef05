#include "platform/core/shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <utility>

namespace {

// The desktop opener is taken from fixed system folders only, never through PATH.
QString DesktopOpener()
{
    for (const char *folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
        const QFileInfo opener(QString::fromLatin1(folder) + QStringLiteral("/xdg-open"));
        if (opener.isFile() && opener.isExecutable())
            return opener.absoluteFilePath();
    }
    return {};
}

// A one-letter scheme would be a drive letter of the original program's paths, not an address.
bool IsAddress(const QUrl &url)
{
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

DocumentOpener &ReplacedOpener()
{
    static DocumentOpener opener;
    return opener;
}

} // namespace

DocumentOpener SetDocumentOpener(DocumentOpener opener)
{
    return std::exchange(ReplacedOpener(), std::move(opener));
}

bool OpenDocument(const QString &pathOrUrl)
{
    if (pathOrUrl.trimmed().isEmpty())
        return false;
    const QUrl url(pathOrUrl, QUrl::StrictMode);
    QString target = pathOrUrl;
    if (!IsAddress(url)) {
        // An absolute path also keeps a name starting with "-" from being taken as an option.
        const QFileInfo local(url.isLocalFile() ? url.toLocalFile() : pathOrUrl);
        if (!local.exists())
            return false;
        target = local.absoluteFilePath();
    }
    if (ReplacedOpener())
        return ReplacedOpener()(target);
    const QString opener = DesktopOpener();
    return !opener.isEmpty() && QProcess::startDetached(opener, {target});
}

bool StartProgram(const QString &absolutePath, const QStringList &args)
{
    const QFileInfo program(absolutePath);
    if (absolutePath.isEmpty() || !program.isAbsolute() || !program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), args);
}

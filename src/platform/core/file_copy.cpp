#include "platform/core/file_copy.h"

#include "platform/core/paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const char *const kSourceMissing = "Το αρχείο ή ο φάκελος προέλευσης δεν βρέθηκε";
const char *const kTargetNotCreated = "Δεν είναι δυνατή η δημιουργία του φακέλου προορισμού";
const char *const kCannotRead = "Δεν είναι δυνατή η ανάγνωση του αρχείου";
const char *const kCannotWrite = "Δεν είναι δυνατή η εγγραφή του αρχείου στον φάκελο προορισμού";

constexpr qint64 kChunkSize = 1 << 20;

struct SourceFiles
{
    bool found = false;
    QFileInfoList files;
};

bool HasWildcard(const QString &name)
{
    return name.contains('*') || name.contains('?');
}

QFileInfoList FilesOf(const QString &folder, const QString &pattern)
{
    QDir dir(folder);
    // "*.*" stood for every file on the original file system, names without a dot included.
    const QString filter = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    const QRegularExpression matcher(QRegularExpression::wildcardToRegularExpression(filter),
                                     QRegularExpression::CaseInsensitiveOption);
    QFileInfoList files;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (matcher.match(info.fileName()).hasMatch())
            files.append(info);
    }
    return files;
}

SourceFiles ListSource(const QString &source)
{
    const QFileInfo info(source);
    if (info.isFile())
        return {true, {info}};
    if (info.isDir())
        return {true, FilesOf(source, QStringLiteral("*"))};
    const QString name = info.fileName();
    if (HasWildcard(name) && info.dir().exists())
        return {true, FilesOf(info.path(), name)};
    return {};
}

// Copies through a save file: the data goes to a temporary file next to the target, which is
// renamed over the target only when every byte has been written.
QString CopyOne(const QFileInfo &from, const QString &targetFolder)
{
    QFile in(from.absoluteFilePath());
    if (!in.open(QIODevice::ReadOnly))
        return QString::fromUtf8(kCannotRead);
    QSaveFile out(JoinPath(targetFolder, from.fileName()));
    if (!out.open(QIODevice::WriteOnly))
        return QString::fromUtf8(kCannotWrite);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return QString::fromUtf8(kCannotRead);
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return QString::fromUtf8(kCannotWrite);
        }
    }
    // Keep the source's time stamp, as a copy by the file manager does.
    if (out.flush())
        out.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    if (!out.commit())
        return QString::fromUtf8(kCannotWrite);
    return {};
}

} // namespace

FileCopyResult CopyFiles(const QString &source, const QString &targetFolder,
                         const std::function<bool(const FileCopyProgress &)> &onProgress,
                         const FileNameTest &leaveOut)
{
    FileCopyResult result;
    SourceFiles sources = ListSource(source);
    if (leaveOut)
        sources.files.removeIf([&leaveOut](const QFileInfo &file) { return leaveOut(file.fileName()); });
    if (!sources.found) {
        result.failures.append({source, QString::fromUtf8(kSourceMissing)});
        return result;
    }
    if (!EnsureFolder(targetFolder)) {
        result.failures.append({targetFolder, QString::fromUtf8(kTargetNotCreated)});
        return result;
    }
    const int total = sources.files.size();
    for (int i = 0; i < total; ++i) {
        const QFileInfo &file = sources.files.at(i);
        if (onProgress && !onProgress({i, total, file.fileName()})) {
            result.cancelled = true;
            return result;
        }
        const QString reason = CopyOne(file, targetFolder);
        if (reason.isEmpty())
            ++result.copied;
        else
            result.failures.append({file.absoluteFilePath(), reason});
    }
    if (onProgress)
        onProgress({total, total, QString()});
    return result;
}

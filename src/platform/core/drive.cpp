#include "platform/core/drive.h"

#include "platform/core/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cstdio>

namespace {

void BellToStandardError()
{
    std::fputc('\a', stderr);
    std::fflush(stderr);
}

void (*beepFunction)() = BellToStandardError;

bool HoldsMedium(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return false;
    if (QDir(storage.rootPath()) == QDir(info.canonicalFilePath()))
        return true;
    const QDir dir(folder);
    return info.isReadable() &&
           !dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

QString DriveFolder(QChar driveLetter)
{
    return TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
        .ReadString(QStringLiteral("Drives"), QString(driveLetter.toUpper()), QString());
}

bool DiskInDrive(QChar driveLetter)
{
    if (HoldsMedium(DriveFolder(driveLetter)))
        return true;
    Beep();
    return false;
}

void SetBeepFunction(void (*beep)())
{
    beepFunction = beep ? beep : BellToStandardError;
}

void Beep()
{
    beepFunction();
}

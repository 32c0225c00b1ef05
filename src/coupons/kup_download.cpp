#include "coupons/kup_download.h"

#include "platform/core/drive.h"
#include "platform/core/errors.h"
#include "platform/core/file_copy.h"
#include "platform/core/registry.h"
#include "platform/net/network_state.h"

#include <QDir>

namespace tav::coupons {

namespace {

const char *const kDefaultServer = "http://www.tavrolin.gr";
// A coupon is a few kilobytes; a minute covers a slow line without hanging forever.
constexpr int kFileTimeoutMs = 60000;

QString SisterFolder(const char *name)
{
    return TRegIniFile(QStringLiteral("Software\\TAVROLIN\\Directories"))
        .ReadString(QStringLiteral("Options"), QString::fromLatin1(name), QString())
        .trimmed();
}

void CopyToSister(const QString &coupon, const QString &sisterFolder)
{
    // Failures here are not the user's concern: the coupon is in our own folder.
    if (!sisterFolder.isEmpty())
        CopyFiles(coupon, QDir(sisterFolder).filePath(QStringLiteral("Kouponia")));
}

} // namespace

QUrl CouponServer()
{
    return QUrl(
        TRegIniFile(QStringLiteral("Software\\Tavrolin\\General"))
            .ReadString(QString(), QStringLiteral("CouponServer"), QString::fromLatin1(kDefaultServer)));
}

QUrl CouponServerAddress(const QString &path)
{
    QUrl address = CouponServer();
    address.setPath(path);
    return address;
}

QStringList ExtractKupLinks(QString text)
{
    const QString marker = QStringLiteral("href=");
    QStringList links;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker)) {
        text.remove(0, at + 2);
        const qsizetype end = text.indexOf(QLatin1Char('>'));
        const QString quoted = end < 0 ? text : text.left(end);
        const QString link = quoted.mid(4, quoted.size() - 5);
        text.remove(0, link.size());
        links.append(link);
    }
    return links;
}

bool IsPlainKupFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QStringLiteral("..")) && name != QStringLiteral(".");
}

bool IsDialUpConnected()
{
    return NetworkSaysConnected();
}

void DownloadKupFiles(const TKupDownloadObserver &observer)
{
    const QString velmistor = SisterFolder("Velmistor");
    const QString drumlane = SisterFolder("Drumlane");
    const QString kouponia = KouponiaFolder();
    if (!QDir().mkpath(kouponia))
        throw Exception(QString::fromUtf8("Δεν είναι δυνατή η δημιουργία του φακέλου %1").arg(kouponia));

    const THttpPage index =
        HttpGet(CouponServerAddress(QStringLiteral("/Coupon/Kouponia.html")), kFileTimeoutMs);
    QStringList names = ExtractKupLinks(QString::fromLatin1(index.Body));
    if (!names.isEmpty())
        names.removeLast();
    for (const QString &name : names) {
        if (!IsPlainKupFileName(name))
            throw Exception(QString::fromUtf8("Το όνομα κουπονιού \"%1\" δεν είναι αποδεκτό").arg(name));
        if (observer.FileStarted)
            observer.FileStarted(name);
        const QString target = QDir(kouponia).filePath(name);
        HttpGetToFile(CouponServerAddress(QStringLiteral("/Coupon/") + name), target, kFileTimeoutMs,
                      observer.Progress);
        CopyToSister(target, velmistor);
        CopyToSister(target, drumlane);
    }
}

bool CopyKupFromDisk(const std::function<void(const TDiskCopyProgress &)> &progress)
{
    const QString pattern = QDir(DriveFolder(QLatin1Char('A'))).filePath(QStringLiteral("*.kup"));
    const FileCopyResult result = CopyFiles(pattern, KouponiaFolder(), [&](const FileCopyProgress &step) {
        if (progress)
            progress({step.done, step.total, step.currentFile});
        return true;
    });
    return result.failures.isEmpty();
}

} // namespace tav::coupons

#pragma once

#include "coupons/kup_file.h"
#include "platform/net/http_get.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tav::coupons {

// Bringing coupon files into the program's coupon folder: from the coupon server over HTTP and
// from the diskette drive. Files are copied byte for byte; nothing here opens them.

// The coupon server's scheme and host, a setting of "Software\Tavrolin\General" ("CouponServer").
QUrl CouponServer();
// The address of a path on the coupon server ("/Coupon/Kouponia.html").
QUrl CouponServerAddress(const QString &path);
// The link names of the coupon index page, in page order. A link is written exactly as
// href="name"> ; what lies between the quotes is taken as it stands.
QStringList ExtractKupLinks(QString text);

// Whether a link may name a file of the coupon folder: a plain file name, no folder part.
bool IsPlainKupFileName(const QString &name);

// True unless the system says that the machine is offline.
bool IsDialUpConnected();

struct TKupDownloadObserver
{
    std::function<void(const QString &name)> FileStarted; // before each coupon file
    HttpProgress Progress;                                // bytes of the current file
};

// Fetches the index page and every coupon it links but the last link, each into KouponiaFolder()
// (created when missing) and then into the "Kouponia" folders of the sister programs whose folders
// are set. A coupon reaches the folder only complete. Raises Exception with the cause; the coupons
// fetched before the failure stay.
void DownloadKupFiles(const TKupDownloadObserver &observer = {});

struct TDiskCopyProgress
{
    int done = 0;
    int total = 0;
    QString file; // the coupon being copied; empty at the end
};

// Copies every ".kup" file of the folder that drive A is mapped to into KouponiaFolder(). Returns
// false when a coupon could not be copied (the others are copied all the same).
bool CopyKupFromDisk(const std::function<void(const TDiskCopyProgress &)> &progress = {});

} // namespace tav::coupons

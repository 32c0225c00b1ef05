#pragma once

#include <QList>
#include <QString>

namespace tav::coupons {

// One coupon file of a folder as the pickers list it.
struct TCouponListEntry
{
    QString fileName;  // the real name, so that 12_... and 112_... of the same days stay apart
    qint64 number = 0; // the whole number before the first "_"
    QString line;      // number, two blanks, "<first day> έως <last day>"
};

// How the number is written at the head of a line: as in the file name ("007") or as a whole
// number ("7").
enum class TCouponNumberText
{
    AsNamed,
    AsNumber,
};

// The "*.kup" files of the folder (created with its parents when missing), newest first: ordered
// by the name after the first "_" (the first day, then the last), descending, and by number on
// equal days. A name without a whole number before its first "_", or without two yyyymmdd days
// after it, is left out.
QList<TCouponListEntry> ListCouponFiles(const QString &folder, TCouponNumberText numberText);

} // namespace tav::coupons

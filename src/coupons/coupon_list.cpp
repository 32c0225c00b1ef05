#include "coupons/coupon_list.h"

#include "platform/core/errors.h"
#include "platform/core/paths.h"
#include "platform/core/season_dates.h"

#include <QDir>

#include <algorithm>

namespace tav::coupons {

namespace {

const char *const kUntil = " έως ";
constexpr int kDayDigits = 8;

struct TParsedName
{
    QString fileName;
    QString numberText;
    qint64 number = 0;
    QString rest; // after the first "_"
    QString line;
};

bool Parse(const QString &fileName, TCouponNumberText numberText, TParsedName &parsed)
{
    const qsizetype first = fileName.indexOf('_');
    if (first <= 0)
        return false;
    bool isNumber = false;
    parsed.fileName = fileName;
    parsed.numberText = fileName.left(first);
    parsed.number = parsed.numberText.toLongLong(&isNumber);
    if (!isNumber)
        return false;
    parsed.rest = fileName.mid(first + 1);
    const qsizetype second = fileName.indexOf('_', first + 1);
    if (second < 0)
        return false;
    bool firstOk = false;
    bool lastOk = false;
    const double firstDay = fileName.mid(first + 1, kDayDigits).toDouble(&firstOk);
    const double lastDay = fileName.mid(second + 1, kDayDigits).toDouble(&lastOk);
    if (!firstOk || !lastOk)
        return false;
    try {
        const QString head =
            numberText == TCouponNumberText::AsNamed ? parsed.numberText : QString::number(parsed.number);
        parsed.line = head + QStringLiteral("  ") + YmdToDateText(firstDay) + QString::fromUtf8(kUntil) +
                      YmdToDateText(lastDay);
    } catch (const EConvertError &) {
        return false;
    }
    return true;
}

} // namespace

QList<TCouponListEntry> ListCouponFiles(const QString &folder, TCouponNumberText numberText)
{
    EnsureFolder(folder);
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.kup")}, QDir::Files | QDir::Hidden,
                                                     QDir::Name | QDir::IgnoreCase);
    QList<TParsedName> parsed;
    for (const QString &name : names) {
        TParsedName one;
        if (Parse(name, numberText, one))
            parsed.append(one);
    }
    std::stable_sort(parsed.begin(), parsed.end(), [](const TParsedName &a, const TParsedName &b) {
        if (a.rest != b.rest)
            return a.rest > b.rest;
        return a.number > b.number;
    });
    QList<TCouponListEntry> entries;
    for (const TParsedName &one : parsed)
        entries.append({one.fileName, one.number, one.line});
    return entries;
}

} // namespace tav::coupons

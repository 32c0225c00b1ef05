#include "platform/core/season_dates.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <cmath>
#include <cstdint>

namespace {

bool IsTwoDigits(const QString &text)
{
    return text.size() == 2 && text[0].unicode() >= '0' && text[0].unicode() <= '9' &&
           text[1].unicode() >= '0' && text[1].unicode() <= '9';
}

// Years of a season text; false when the text is no season.
bool SeasonYears(const QString &season, int &firstYear, int &lastYear)
{
    const qsizetype dash = season.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        if (!TryStrToInt(season, firstYear))
            return false;
        lastYear = firstYear;
        return true;
    }
    const QString second = season.mid(dash + 1).trimmed();
    int secondYear = 0;
    if (!TryStrToInt(season.left(dash), firstYear) || !TryStrToInt(second, secondYear))
        return false;
    if (second.size() != 2) {
        lastYear = secondYear;
        return true;
    }
    // Two digits complete the first year's century, or the next one when they are below the
    // first year's own last digits (1999-00 ends in 2000, not in 1900).
    if (!IsTwoDigits(second))
        return false;
    lastYear = firstYear / 100 * 100 + secondYear;
    if (secondYear < firstYear % 100)
        lastYear += 100;
    return true;
}

} // namespace

QString YmdToDateText(double ymd)
{
    // Built from the number itself, never from locale text: 20030105 is year 2003, month 1, day 5.
    QDate date;
    if (std::isfinite(ymd) && ymd == std::floor(ymd) && ymd > 0 && ymd <= 99991231) {
        const auto value = static_cast<std::int64_t>(ymd);
        date = QDate(static_cast<int>(value / 10000), static_cast<int>(value / 100 % 100),
                     static_cast<int>(value % 100));
    }
    if (!date.isValid())
        throw EConvertError(QLatin1Char('\'') + FloatToStr(ymd) +
                            QString::fromUtf8("' δεν είναι έγκυρη ημερομηνία"));
    return FormatDateTime(QStringLiteral("dddd dd/mm/yyyy"), date);
}

double AddFloat(double a, double b)
{
    return a + b;
}

void PeriodToDates(const QString &season, QDate &first, QDate &last)
{
    int firstYear = 0;
    int lastYear = 0;
    if (SeasonYears(season, firstYear, lastYear)) {
        first = QDate(firstYear, 1, 1);
        last = QDate(lastYear, 12, 31);
        if (firstYear >= 1 && lastYear <= 9999 && first.isValid() && last.isValid())
            return;
    }
    // Years outside 1..9999 are no season either.
    first = QDate(1910, 1, 1);
    last = QDate(2100, 12, 31);
}

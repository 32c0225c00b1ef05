#include "platform/core/rounding.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <cmath>

std::int64_t Round(double value)
{
    // -2^63 is the lowest 64-bit value; 2^63 is already one above the highest.
    constexpr double limit = 9223372036854775808.0;
    if (!(value >= -limit && value < limit))
        throw EConvertError(QLatin1Char('\'') + FloatToStr(value) +
                            QString::fromUtf8("' δεν είναι έγκυρος ακέραιος"));
    // Below 2^52 the fraction is exact; above it every double is already whole.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return static_cast<std::int64_t>(whole);
}

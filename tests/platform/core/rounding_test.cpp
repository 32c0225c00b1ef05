#include "platform/core/errors.h"
#include "platform/core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Round, HalvesGoToTheEvenNeighbour)
{
    struct Case
    {
        double value;
        std::int64_t expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {12.5, 12},
        {37.5, 38},
        {0.0, 0},
        {2.4999, 2},
        {2.5000001, 3},
        {-3.7, -4},
        {-3.2, -3},
        {7.0, 7},
        {0.49999999999999994, 0},
        {4503599627370497.0, 4503599627370497},
        {1e18, 1000000000000000000},
        {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Round(c.value), c.expected) << c.value;
}

TEST(Round, WorksOnTheBinaryValueNotOnItsDecimalText)
{
    // 0.575 * 100 is 57.49999999999999 and 0.545 * 100 is 54.50000000000001: no halves at all,
    // so they go down and up where the decimal reading would give the even 58 and 54.
    EXPECT_EQ(Round(0.575 * 100), 57);
    EXPECT_EQ(Round(0.545 * 100), 55);
    // The double nearest 2.675 lies slightly below it, yet the product rounds to exactly 267.5.
    EXPECT_EQ(Round(2.675 * 100), 268);
    EXPECT_EQ(Round(1.115 * 100), 112);
    // Percentages of 8 matches: 100 * 1 / 8 is exactly 12.5.
    EXPECT_EQ(Round(100.0 * 1 / 8), 12);
    EXPECT_EQ(Round(100.0 * 3 / 8), 38);
    // Odds: 1000000 / (45 * 111) = 200.2002...
    EXPECT_EQ(Round(1000000.0 / (45 * 111)), 200);
}

TEST(Round, ValuesOutsideTheIntegerRangeRaiseConvertError)
{
    for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), 9223372036854775808.0, -1e19}) {
        EXPECT_THROW(Round(value), EConvertError) << value;
    }
}

#include "platform/core/errors.h"
#include "platform/core/season_dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(YmdToDateText, WeekdayAndShortDate)
{
    struct Case
    {
        double ymd;
        const char *expected;
    };
    const Case cases[] = {
        {20030105, "Κυριακή 05/01/2003"},   {20000229, "Τρίτη 29/02/2000"},
        {19991231, "Παρασκευή 31/12/1999"}, {20240101, "Δευτέρα 01/01/2024"},
        {20030111, "Σάββατο 11/01/2003"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(YmdToDateText(c.ymd), U(c.expected)) << c.ymd;
}

TEST(YmdToDateText, ValueThatIsNoDateRaisesConvertError)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double ymd :
         {20030231.0, 20031301.0, 20030100.0, 20030005.0, 2003010.5, -20030105.0, 0.0, 1e12, nan}) {
        try {
            YmdToDateText(ymd);
            ADD_FAILURE() << "no error for " << ymd;
        } catch (const EConvertError &error) {
            EXPECT_TRUE(error.Message().endsWith(U("' δεν είναι έγκυρη ημερομηνία"))) << error.what();
        }
    }
    try {
        YmdToDateText(20030231);
    } catch (const EConvertError &error) {
        EXPECT_EQ(error.Message(), U("'20030231' δεν είναι έγκυρη ημερομηνία"));
    }
}

TEST(AddFloat, Sums)
{
    EXPECT_EQ(AddFloat(20030105, 1), 20030106);
    EXPECT_EQ(AddFloat(0.1, 0.2), 0.1 + 0.2);
    EXPECT_EQ(AddFloat(-2.5, 2.5), 0.0);
}

TEST(PeriodToDates, SeasonTexts)
{
    struct Case
    {
        const char *season;
        QDate first;
        QDate last;
    };
    const QDate anyFirst(1910, 1, 1);
    const QDate anyLast(2100, 12, 31);
    const Case cases[] = {
        {"2003", QDate(2003, 1, 1), QDate(2003, 12, 31)},
        {"2002-03", QDate(2002, 1, 1), QDate(2003, 12, 31)},
        {"2002-2003", QDate(2002, 1, 1), QDate(2003, 12, 31)},
        {"2004-05", QDate(2004, 1, 1), QDate(2005, 12, 31)},
        // A two-digit second year below the first year's last digits lies in the next century.
        {"1999-00", QDate(1999, 1, 1), QDate(2000, 12, 31)},
        {"2099-00", QDate(2099, 1, 1), QDate(2100, 12, 31)},
        {"1998-99", QDate(1998, 1, 1), QDate(1999, 12, 31)},
        {"2002-02", QDate(2002, 1, 1), QDate(2002, 12, 31)},
        {" 2002 - 03 ", QDate(2002, 1, 1), QDate(2003, 12, 31)},
        {"abc", anyFirst, anyLast},
        {"", anyFirst, anyLast},
        {"2002-", anyFirst, anyLast},
        {"-2003", anyFirst, anyLast},
        {"2002-ab", anyFirst, anyLast},
        {"2002-$A", anyFirst, anyLast},
        {"2002-03-04", anyFirst, anyLast},
        {"0", anyFirst, anyLast},
        {"20000", anyFirst, anyLast},
    };
    for (const Case &c : cases) {
        QDate first(1, 2, 3);
        QDate last(1, 2, 3);
        PeriodToDates(U(c.season), first, last);
        EXPECT_EQ(first, c.first) << c.season;
        EXPECT_EQ(last, c.last) << c.season;
    }
}

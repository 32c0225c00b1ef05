#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The message of the EConvertError that `call` raises, or "(none)".
QString ConvertErrorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const EConvertError &error) {
        return error.Message();
    }
    return QStringLiteral("(none)");
}

} // namespace

TEST(FormatSettings, AreGreekWhateverTheMachineLocale)
{
    const FormatSettings &s = GreekFormatSettings();
    EXPECT_EQ(s.DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(s.ThousandSeparator, QLatin1Char('.'));
    EXPECT_EQ(s.DateSeparator, QLatin1Char('/'));
    EXPECT_EQ(s.TimeSeparator, QLatin1Char(':'));
    EXPECT_EQ(s.ShortDateFormat, U("dd/mm/yyyy"));
    EXPECT_EQ(s.LongDayNames[0], U("Κυριακή"));
    EXPECT_EQ(s.LongDayNames[6], U("Σάββατο"));
    EXPECT_EQ(s.ShortDayNames[3], U("Τετ"));
    EXPECT_EQ(s.LongMonthNames[0], U("Ιανουάριος"));
    EXPECT_EQ(s.ShortMonthNames[11], U("Δεκ"));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Format(U("%.2f"), {1234.5}), U("1234,50"));
    EXPECT_EQ(FormatFloat(U("#,##0.00"), 1234.5), U("1.234,50"));
    EXPECT_EQ(DateToStr(QDate(2003, 1, 5)), U("05/01/2003"));
    QLocale::setDefault(QLocale::c());
}

TEST(Format, FixedColumnResultLinePadsAndNeverCuts)
{
    const QString line = U("%-10s %-20s-%-20s %2s-%2s");
    EXPECT_EQ(Format(line, {U("05/01/2003"), U("ΟΛΥΜΠΙΑΚΟΣ"), U("ΠΑΝΑΘΗΝΑΪΚΟΣ"), U("2"), U("1")}),
              U("05/01/2003 ΟΛΥΜΠΙΑΚΟΣ          -ΠΑΝΑΘΗΝΑΪΚΟΣ          2- 1"));
    // A name longer than its column pushes the rest of the line to the right.
    EXPECT_EQ(Format(line, {U("05/01/2003"), U("ΑΣΤΕΡΑΣ ΤΡΙΠΟΛΗΣ ΑΡΚΑΔΙΑΣ"), U("ΑΕΚ"), U("10"), U("")}),
              U("05/01/2003 ΑΣΤΕΡΑΣ ΤΡΙΠΟΛΗΣ ΑΡΚΑΔΙΑΣ-ΑΕΚ                  10-  "));
}

TEST(Format, Directives)
{
    struct Case
    {
        const char *format;
        std::initializer_list<FormatArg> args;
        const char *expected;
    };
    const Case cases[] = {
        {"%s", {"abc"}, "abc"},
        {"%-3s|", {"abcdef"}, "abcdef|"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%5.2s|", {"abcdef"}, "   ab|"},
        {"%5s|", {"ab"}, "   ab|"},
        {"%-5s|", {U("Αβγ")}, "Αβγ  |"},
        {"%-20S|", {U("ΑΕΚ")}, "ΑΕΚ                 |"},
        {"%s%s", {QChar(0x03A9), 'x'}, "Ωx"},
        {"%d", {42}, "42"},
        {"%2d-%2d", {2, 1}, " 2- 1"},
        {"%3d", {5}, "  5"},
        {"%-3d|", {5}, "5  |"},
        {"%.3d", {5}, "005"},
        {"%.3d", {-5}, "-005"},
        {"%6.3d", {5}, "   005"},
        {"%2d", {123}, "123"},
        {"%D", {7}, "7"},
        {"%d", {std::numeric_limits<long long>::min()}, "-9223372036854775808"},
        {"%d", {18446744073709551615ull}, "18446744073709551615"},
        {"%u", {7u}, "7"},
        {"%u", {-1}, "4294967295"},
        {"%u", {-1LL}, "18446744073709551615"},
        {"%x", {255}, "FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%.4x", {10}, "000A"},
        {"%d.%d.%d.%d", {1, 0, 2, 37}, "1.0.2.37"},
        {"%f", {3.14159}, "3,14"},
        {"%.1f", {2.25}, "2,3"},
        {"%.2f", {2.675}, "2,68"},
        {"%.0f", {2.5}, "3"},
        {"%.0f", {-2.5}, "-3"},
        {"%.2f", {-0.001}, "0,00"},
        {"%8.2f|", {-3.14159}, "   -3,14|"},
        {"%-8.1f|", {3.14159}, "3,1     |"},
        {"%.3f", {1e-10}, "0,000"},
        {"%.1f", {1e16}, "10000000000000000,0"},
        {"%f", {std::numeric_limits<double>::quiet_NaN()}, "NAN"},
        {"%f", {-std::numeric_limits<double>::infinity()}, "-INF"},
        {"%n", {1234567.891}, "1.234.567,89"},
        {"%.0n", {999.5}, "1.000"},
        {"%n", {-123.0}, "-123,00"},
        {"%e", {1234.5}, "1,23450000000000E+003"},
        {"%.3e", {1234.5}, "1,23E+003"},
        {"%.2e", {-0.000123}, "-1,2E-004"},
        {"%.3e", {0.0}, "0,00E+000"},
        {"%g", {0.5}, "0,5"},
        {"%g", {20030105.0}, "20030105"},
        {"%g", {1e20}, "1E20"},
        {"%.3g", {1234.5}, "1,23E3"},
        {"%.3g", {123.45}, "123"},
        {"%%", {}, "%"},
        {"100%% %s", {"x"}, "100% x"},
        {"%d", {1, 2}, "1"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Format(U(c.format), c.args), U(c.expected)) << c.format;
}

TEST(Format, WrongArgumentOrBadDirectiveRaisesConvertErrorNamingTheFormat)
{
    struct Case
    {
        const char *format;
        std::initializer_list<FormatArg> args;
    };
    const Case cases[] = {
        {"%d", {"12"}},     {"%s", {5}}, {"%f", {5}},    {"%d", {2.5}},  {"%x", {1.0}},
        {"%s %s", {"one"}}, {"%d", {}},  {"abc %", {1}}, {"%q", {1}},    {"%0:s", {"a"}},
        {"%*d", {3, 1}},    {"%5", {1}}, {"%-", {1}},    {"%.2", {1.0}}, {"%99999999999d", {1}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ConvertErrorOf([&] { Format(U(c.format), c.args); }),
                  U("Μη έγκυρη μορφή ή ασύμβατο όρισμα: ") + U(c.format))
            << c.format;
    }
}

TEST(FormatFloat, Pictures)
{
    struct Case
    {
        const char *format;
        double value;
        const char *expected;
    };
    const Case cases[] = {
        {"0.00", 3.14159, "3,14"},
        {"#,##0.00", 1234.5, "1.234,50"},
        {"#,##0.00", -1234.5, "-1.234,50"},
        {"#,##0.00", 5, "5,00"},
        {"#,##0", 1234567, "1.234.567"},
        {"#,##0.00", 1234567.891, "1.234.567,89"},
        // Halves go away from zero, on the value as written in decimal.
        {"0", 2.5, "3"},
        {"0", 3.5, "4"},
        {"0", -2.5, "-3"},
        {"0", 0.5, "1"},
        {"0.00", 2.675, "2,68"},
        {"0.00", 1.005, "1,01"},
        {"0.00", 0.125, "0,13"},
        {"0.0", 9.96, "10,0"},
        {"0.##", 5, "5"},
        {"0.##", 5.1, "5,1"},
        {"0.0#", 5, "5,0"},
        {"0.0#", 5.126, "5,13"},
        {"#.##", 0.5, ",5"},
        {"#", 0, ""},
        {"000", 7, "007"},
        {"00-00", 1234, "12-34"},
        {"0", 123456, "123456"},
        {".00", 12.5, "12,50"},
        {"0%", 45, "45%"},
        {"0.00.0", 1.5, "1,500"},
        {"\"Σύνολο: \"0.00", 5, "Σύνολο: 5,00"},
        {"\"Σύνολο: \"0.00", -5, "Σύνολο: -5,00"},
        {"'#'0", 5, "#5"},
        {"0\"\"", 5, "5"},
        {"0 'ευρώ", 5, "5 ευρώ"},
        {"0.00;(0.00)", 5, "5,00"},
        {"0.00;(0.00)", -5, "(5,00)"},
        {"0.00;(0.00);\"μηδέν\"", 0, "μηδέν"},
        {"0.00;(0.00);\"μηδέν\"", -0.001, "μηδέν"},
        {"0.00;(0.00);\"μηδέν\"", 0.004, "μηδέν"},
        {"0.00;;\"μηδέν\"", -5, "-5,00"},
        {"0.00", -0.001, "0,00"},
        {"0.00E+00", 1234.5, "1,23E+03"},
        {"0.00E-00", 1234.5, "1,23E03"},
        {"0.00E+00", 0.000123, "1,23E-04"},
        {"0.00E+00", -1234.5, "-1,23E+03"},
        {"00.0e+0", 1234.5, "12,3e+2"},
        {"0E+0", 0, "0E+0"},
        {"0.00E+00 \"x\"", 1234.5, "1,23E+03 x"},
        {"", 1234.5, "1234,5"},
        {";0", 3, "3"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatFloat(U(c.format), c.value), U(c.expected)) << c.format << " " << c.value;
    EXPECT_EQ(FormatFloat(U("0.00"), std::numeric_limits<double>::quiet_NaN()), U("NAN"));
    EXPECT_EQ(FormatFloat(U("0.00"), std::numeric_limits<double>::infinity()), U("INF"));
}

TEST(FormatDateTime, Tokens)
{
    const QDateTime evening(QDate(2003, 1, 5), QTime(21, 5, 3));
    struct Case
    {
        const char *format;
        const char *expected;
    };
    const Case cases[] = {
        {"dddd dd/mm/yyyy", "Κυριακή 05/01/2003"},
        {"hh:nn", "21:05"},
        {"hh:mm", "21:05"},
        {"h:mm:ss", "21:05:03"},
        {"hh 'h' mm", "21 h 05"},
        {"hh:nn dd/mm", "21:05 05/01"},
        {"d/m/yy", "5/1/03"},
        {"n:s", "5:3"},
        {"ddd d mmm yyyy", "Κυρ 5 Ιαν 2003"},
        {"dddd, d mmmm yyyy", "Κυριακή, 5 Ιανουάριος 2003"},
        {"ddddd", "05/01/2003"},
        {"yyyy-mm-dd", "2003-01-05"},
        {"yyy", "2003"},
        {"DD/MM/YYYY HH:NN", "05/01/2003 21:05"},
        {"\"Ώρα:\" hh", "Ώρα: 21"},
        {"'dd' dd", "dd 05"},
        {"\"ανοιχτό", "ανοιχτό"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatDateTime(U(c.format), evening), U(c.expected)) << c.format;
    EXPECT_EQ(FormatDateTime(U("dd/mm/yyyy hh:nn"), QDate(2003, 1, 5)), U("05/01/2003 00:00"));
    EXPECT_EQ(FormatDateTime(U("dd/mm/yyyy"), QDate()), QString());
    EXPECT_EQ(FormatDateTime(U("dd/mm/yyyy"), QDateTime()), QString());
}

TEST(FormatDateTime, AmPmTurnsTheHoursToATwelveHourClock)
{
    const struct
    {
        QTime time;
        const char *format;
        const char *expected;
    } cases[] = {
        {QTime(21, 5), "h:nn am/pm", "9:05 pm"},   {QTime(0, 30), "h:nn am/pm", "12:30 am"},
        {QTime(12, 0), "hh:nn AM/PM", "12:00 PM"}, {QTime(9, 7), "h:mm am/pm", "9:07 am"},
        {QTime(21, 5), "hh:nn", "21:05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateTime(U(c.format), QDateTime(QDate(2003, 1, 5), c.time)), U(c.expected))
            << c.format;
}

TEST(FormatDateTime, AllDayAndMonthNames)
{
    const FormatSettings &s = GreekFormatSettings();
    const QDate sunday(2003, 1, 5);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(FormatDateTime(U("dddd"), sunday.addDays(i)), s.LongDayNames[i]);
        EXPECT_EQ(FormatDateTime(U("ddd"), sunday.addDays(i)), s.ShortDayNames[i]);
    }
    EXPECT_EQ(FormatDateTime(U("dddd"), QDate(2003, 1, 11)), U("Σάββατο"));
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(FormatDateTime(U("mmmm"), QDate(2003, m, 1)), s.LongMonthNames[m - 1]);
        EXPECT_EQ(FormatDateTime(U("mmm"), QDate(2003, m, 1)), s.ShortMonthNames[m - 1]);
    }
    EXPECT_EQ(FormatDateTime(U("mmmm"), QDate(2003, 8, 1)), U("Αύγουστος"));
}

TEST(StrToDate, ReadsDayMonthYear)
{
    struct Case
    {
        const char *text;
        QDate expected;
    };
    const Case cases[] = {
        {"05/01/2003", QDate(2003, 1, 5)},   {"5/1/2003", QDate(2003, 1, 5)},
        {"5.1.2003", QDate(2003, 1, 5)},     {"5-1-2003", QDate(2003, 1, 5)},
        {" 05/01/2003 ", QDate(2003, 1, 5)}, {"5/1/03", QDate(2003, 1, 5)},
        {"5/1/49", QDate(2049, 1, 5)},       {"5/1/50", QDate(1950, 1, 5)},
        {"31/12/99", QDate(1999, 12, 31)},   {"1/1/0", QDate(2000, 1, 1)},
        {"29/02/2004", QDate(2004, 2, 29)},  {"1/1/1910", QDate(1910, 1, 1)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StrToDate(U(c.text)), c.expected) << c.text;
    EXPECT_EQ(StrToDate(DateToStr(QDate(1999, 12, 31))), QDate(1999, 12, 31));
    EXPECT_EQ(DateToStr(QDate(2003, 1, 5)), U("05/01/2003"));
    EXPECT_EQ(DateToStr(QDate()), QString());
    EXPECT_EQ(TimeToStr(QTime()), QString());
}

TEST(StrToDate, InvalidTextRaisesConvertError)
{
    for (const char *text : {"31/02/2003",  "29/02/2003", "32/01/2003", "05/13/2003", "0/1/2003",
                             "abc",         "",           "5/1",        "5/1-2003",   "5/1/2003 10:00",
                             "05/01/20031", "٥/١/٢٠٠٣",   "123/1/2003", "5/001/2003", "5/1/",
                             "/1/2003",     "5//2003",    "5/1/2003/",  "5 /1/2003",  "+5/1/2003"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToDate(U(text)); }),
                  U("'") + U(text) + U("' δεν είναι έγκυρη ημερομηνία"))
            << text;
    }
}

TEST(StrToTime, ReadsAndWritesTimes)
{
    EXPECT_EQ(StrToTime(U("21:05")), QTime(21, 5));
    EXPECT_EQ(StrToTime(U(" 9:05:30 ")), QTime(9, 5, 30));
    EXPECT_EQ(TimeToStr(QTime(9, 5, 3)), U("09:05:03"));
    for (const char *text : {"24:00", "12:60", "12", "", "12:00:00:00", "ab:cd"})
        EXPECT_EQ(ConvertErrorOf([&] { StrToTime(U(text)); }), U("'") + U(text) + U("' δεν είναι έγκυρη ώρα"))
            << text;
}

TEST(StrToInt, ReadsDecimalAndHexadecimal)
{
    struct Case
    {
        const char *text;
        int expected;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"+7", 7},
        {"-7", -7},
        {"007", 7},
        {"$FF", 255},
        {"$ff", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0", 0},
        {"-0", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StrToInt(U(c.text)), c.expected) << c.text;
    for (const char *text : {"", " ", "12a", "1.5", "1,5", "2147483648", "-2147483649", "$", "$G",
                             "$100000000", "--1", "1 2", "+", "0x10", "١٢"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToInt(U(text)); }),
                  U("'") + U(text) + U("' δεν είναι έγκυρος ακέραιος"))
            << text;
    }
    EXPECT_EQ(StrToIntDef(U("x"), 9), 9);
    EXPECT_EQ(StrToIntDef(U("8"), 9), 8);
    int value = 3;
    EXPECT_FALSE(TryStrToInt(U("x"), value));
    EXPECT_EQ(value, 3);
    EXPECT_EQ(IntToStr(-5), U("-5"));
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::max()), U("9223372036854775807"));
}

TEST(StrToFloat, AcceptsCommaOrPoint)
{
    struct Case
    {
        const char *text;
        double expected;
    };
    const Case cases[] = {
        {"3,14", 3.14}, {"3.14", 3.14}, {" -2,5 ", -2.5}, {"1e3", 1000}, {"1,5E-2", 0.015},
        {",5", 0.5},    {"5,", 5},      {"+1", 1},        {"0", 0},      {"20030105", 20030105},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StrToFloat(U(c.text)), c.expected) << c.text;
    for (const char *text :
         {"", "abc", "1,2,3", "1.000,50", "1e", "e5", ",", "-", "inf", "nan", "1e400", "1 5", "0x10"}) {
        EXPECT_EQ(ConvertErrorOf([&] { StrToFloat(U(text)); }),
                  U("'") + U(text) + U("' δεν είναι έγκυρος αριθμός"))
            << text;
    }
    EXPECT_EQ(StrToFloatDef(U("x"), 1.5), 1.5);
    EXPECT_EQ(StrToFloatDef(U("2,5"), 1.5), 2.5);
}

TEST(FloatToStr, ShortestGeneralFormWithDecimalComma)
{
    struct Case
    {
        double value;
        const char *expected;
    };
    const Case cases[] = {
        {20030105.0, "20030105"},
        {0.5, "0,5"},
        {-2.25, "-2,25"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {1e20, "1E20"},
        {1e-7, "1E-7"},
        {-1.5e-10, "-1,5E-10"},
        {0.0001, "0,0001"},
        {0.00001, "0,00001"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FloatToStr(c.value), U(c.expected)) << c.value;
    EXPECT_EQ(StrToFloat(FloatToStr(2.675)), 2.675);
}

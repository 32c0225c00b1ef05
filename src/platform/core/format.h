#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <cstdint>
#include <initializer_list>

// Number and date conventions of the program: Greek, whatever the machine's locale says, so
// that files and screens look the same on every machine.
struct FormatSettings
{
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    // Date and time formats in the tokens of FormatDateTime ("mm" is the month, "nn" the minute).
    QString ShortDateFormat;
    QString LongTimeFormat;
    // Indexed from Sunday (0) to Saturday (6), that is by QDate::dayOfWeek() % 7.
    std::array<QString, 7> LongDayNames;
    std::array<QString, 7> ShortDayNames;
    // Indexed from January (0) to December (11).
    std::array<QString, 12> LongMonthNames;
    std::array<QString, 12> ShortMonthNames;
};

// The one settings object every routine below uses.
const FormatSettings &GreekFormatSettings();

// One argument of Format: an integer, a floating-point value or a text. The kinds are kept
// apart on purpose: a text given to "%d" or an integer given to "%f" is an error, not a guess.
class FormatArg
{
public:
    enum class Kind
    {
        Integer,
        Unsigned,
        Float,
        Text,
    };

    FormatArg(int value) : kind_(Kind::Integer), int_(value), bits_(32) {}
    FormatArg(long value) : kind_(Kind::Integer), int_(value), bits_(64) {}
    FormatArg(long long value) : kind_(Kind::Integer), int_(value), bits_(64) {}
    FormatArg(unsigned value) : kind_(Kind::Unsigned), uint_(value), bits_(32) {}
    FormatArg(unsigned long value) : kind_(Kind::Unsigned), uint_(value), bits_(64) {}
    FormatArg(unsigned long long value) : kind_(Kind::Unsigned), uint_(value), bits_(64) {}
    FormatArg(double value) : kind_(Kind::Float), float_(value) {}
    FormatArg(const QString &value) : kind_(Kind::Text), text_(value) {}
    FormatArg(const char *utf8) : kind_(Kind::Text), text_(QString::fromUtf8(utf8)) {}
    FormatArg(QChar value) : kind_(Kind::Text), text_(value) {}
    FormatArg(char value) : kind_(Kind::Text), text_(QChar::fromLatin1(value)) {}
    // A flag printed as a number is almost always a slip.
    FormatArg(bool) = delete;

    Kind kind() const { return kind_; }
    std::int64_t integer() const { return int_; }
    std::uint64_t unsignedInteger() const { return uint_; }
    double floating() const { return float_; }
    const QString &text() const { return text_; }
    // 32 for int-sized values, 64 for the rest: "%x" and "%u" show a negative value as the
    // two's complement of its own width.
    int bits() const { return bits_; }

private:
    Kind kind_;
    std::int64_t int_ = 0;
    std::uint64_t uint_ = 0;
    double float_ = 0;
    QString text_;
    int bits_ = 64;
};

// printf-like formatting with the directives %s %d %u %x %f %n %e %g and %%, each with an
// optional "-" (left-justify), width and ".precision"; upper-case letters mean the same.
// Widths pad with blanks and never cut; the precision of %s cuts the text, that of %d/%u/%x
// pads with zeros, that of %f/%n is the number of decimals (default 2) and that of %e/%g the
// number of significant digits (default 15). Numbers use the decimal comma; %n groups
// thousands with '.'. Raises EConvertError for a bad directive, a missing argument or an
// argument of the wrong kind.
QString Format(const QString &format, std::initializer_list<FormatArg> args);

// Number formatting by a picture: '0' and '#' digit places, '.' decimal point, ',' anywhere
// for thousands grouping, "E+00"/"E-00" exponent, literal text in quotes, and up to three
// sections "positive;negative;zero". The value is rounded half away from zero on its shortest
// decimal form (so 2.675 with two decimals is 2,68, as the user typed it). An empty format
// gives FloatToStr.
QString FormatFloat(const QString &format, double value);

// Date formatting with the tokens d dd ddd dddd ddddd, m mm mmm mmmm, yy yyyy, h hh, n nn,
// s ss (case does not matter); "m"/"mm" after an hour token means minutes. "/" and ":" become
// the date and time separators; text in double or single quotes is copied. An empty (invalid)
// value gives empty text, as an empty date field shows nothing.
QString FormatDateTime(const QString &format, const QDateTime &value);
QString FormatDateTime(const QString &format, const QDate &value);

// Short date text (day/month/year in any of '/', '.', '-'; two-digit years 00-49 are 20xx,
// 50-99 are 19xx). Raises EConvertError "'<text>' δεν είναι έγκυρη ημερομηνία".
QDate StrToDate(const QString &text);
QString DateToStr(const QDate &date);
// "h:n" or "h:n:s". Raises EConvertError "'<text>' δεν είναι έγκυρη ώρα".
QTime StrToTime(const QString &text);
QString TimeToStr(const QTime &time);

// Decimal integer with optional blanks around, sign, and '$' for hexadecimal. Raises
// EConvertError "'<text>' δεν είναι έγκυρος ακέραιος".
int StrToInt(const QString &text);
// The same reading without an exception: false when the text is no integer.
bool TryStrToInt(const QString &text, int &value);
int StrToIntDef(const QString &text, int defaultValue);
QString IntToStr(std::int64_t value);

// Decimal number with ',' or '.' as decimal point and an optional exponent. Raises
// EConvertError "'<text>' δεν είναι έγκυρος αριθμός".
double StrToFloat(const QString &text);
double StrToFloatDef(const QString &text, double defaultValue);
// Shortest general form with up to 15 significant digits: 20030105 gives "20030105", 0.5
// gives "0,5", 1e20 gives "1E20".
QString FloatToStr(double value);

#include "platform/core/format.h"

#include "platform/core/errors.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char *const kBadFormat = "Μη έγκυρη μορφή ή ασύμβατο όρισμα: ";
const char *const kBadDate = "' δεν είναι έγκυρη ημερομηνία";
const char *const kBadTime = "' δεν είναι έγκυρη ώρα";
const char *const kBadInteger = "' δεν είναι έγκυρος ακέραιος";
const char *const kBadNumber = "' δεν είναι έγκυρος αριθμός";

// Widths and precisions above this are taken for a broken format rather than honoured.
constexpr int kMaxWidth = 100000;
// Significant digits of FloatToStr and of "%e"/"%g" without a precision.
constexpr int kGeneralDigits = 15;

bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool IsQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The text inside the quote that starts at i; `next` gets the index after the closing quote
// (the end of the text when the quote is never closed).
QStringView QuotedAt(QStringView text, int i, int &next)
{
    const auto close = static_cast<int>(text.indexOf(text[i], i + 1));
    const int stop = close < 0 ? static_cast<int>(text.size()) : close;
    next = close < 0 ? stop : stop + 1;
    return text.mid(i + 1, stop - i - 1);
}

[[noreturn]] void ThrowConvert(const QString &text, const char *suffix)
{
    throw EConvertError(QLatin1Char('\'') + text + QString::fromUtf8(suffix));
}

// ---------------------------------------------------------------------------------------------
// Decimal digits of a double. The shortest text that reads back as the same double is taken as
// the value: rounding then works on the number the user typed or the program printed, not on
// its binary neighbour (2.675 rounds to 2.68 with two decimals).

struct Decimal
{
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int exponent = 0;   // value = 0.digits × 10^exponent

    bool isZero() const { return digits.empty(); }
    char digitAt(int index) const
    {
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    }
};

Decimal ToDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string_view text(buffer, result.ptr - buffer); // "d.ddde+XX"
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.')
            d.digits += c;
    }
    std::size_t expStart = e + 1;
    if (text[expStart] == '+')
        ++expStart;
    int exp10 = 0;
    std::from_chars(text.data() + expStart, text.data() + text.size(), exp10);
    d.exponent = exp10 + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundDigits(Decimal &d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
}

void RoundToDecimals(Decimal &d, int decimals)
{
    RoundDigits(d, d.exponent + decimals);
}

// The digits before the decimal point, without leading zeros (empty below 1).
QString IntegerDigits(const Decimal &d)
{
    QString s(std::max(d.exponent, 0), Qt::Uninitialized);
    QChar *out = s.data();
    for (int i = 0; i < d.exponent; ++i)
        out[i] = QLatin1Char(d.digitAt(i));
    return s;
}

QString FractionDigits(const Decimal &d, int count)
{
    QString s(std::max(count, 0), Qt::Uninitialized);
    QChar *out = s.data();
    for (int k = 0; k < count; ++k)
        out[k] = QLatin1Char(d.digitAt(d.exponent + k));
    return s;
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Written into one string of the right size: grids and pages format several numbers per row.
QString FixedText(double value, int decimals, bool grouped)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    Decimal d = ToDecimal(value);
    RoundToDecimals(d, decimals);
    const FormatSettings &settings = GreekFormatSettings();
    const int integerDigits = std::max(d.exponent, 1);
    QString s;
    s.reserve(integerDigits + integerDigits / 3 + std::max(decimals, 0) + 2);
    if (d.negative && !d.isZero())
        s += QLatin1Char('-');
    for (int i = 0; i < integerDigits; ++i) {
        if (grouped && i > 0 && (integerDigits - i) % 3 == 0)
            s += settings.ThousandSeparator;
        s += QLatin1Char(d.exponent > 0 ? d.digitAt(i) : '0');
    }
    if (decimals > 0) {
        s += settings.DecimalSeparator;
        for (int k = 0; k < decimals; ++k)
            s += QLatin1Char(d.digitAt(d.exponent + k));
    }
    return s;
}

// "-d,ddd…E+ddd" with `digits` significant digits and at least three exponent digits.
QString ScientificText(double value, int digits)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    Decimal d = ToDecimal(value);
    RoundDigits(d, digits);
    QString s;
    if (d.negative && !d.isZero())
        s += QLatin1Char('-');
    s += QLatin1Char(d.digitAt(0));
    if (digits > 1) {
        s += GreekFormatSettings().DecimalSeparator;
        for (int i = 1; i < digits; ++i)
            s += QLatin1Char(d.digitAt(i));
    }
    const int exp10 = d.isZero() ? 0 : d.exponent - 1;
    s += exp10 < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    s += QString::number(std::abs(exp10)).rightJustified(3, QLatin1Char('0'));
    return s;
}

// Shortest of fixed and scientific form with at most `digits` significant digits: fixed while
// the integer part fits in those digits and the value is at least 0.00001.
QString GeneralText(double value, int digits)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    Decimal d = ToDecimal(value);
    RoundDigits(d, digits);
    if (d.isZero())
        return QStringLiteral("0");
    const QChar point = GreekFormatSettings().DecimalSeparator;
    QString s = d.negative ? QStringLiteral("-") : QString();
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= -4 && d.exponent <= digits) {
        if (d.exponent <= 0) {
            s += QLatin1Char('0');
            s += point;
            s += QString(-d.exponent, QLatin1Char('0'));
            s += QString::fromLatin1(d.digits.data(), count);
        } else {
            s += IntegerDigits(d);
            if (count > d.exponent)
                s += point + QString::fromLatin1(d.digits.data() + d.exponent, count - d.exponent);
        }
        return s;
    }
    s += QLatin1Char(d.digits[0]);
    if (count > 1)
        s += point + QString::fromLatin1(d.digits.data() + 1, count - 1);
    s += QLatin1Char('E') + QString::number(d.exponent - 1);
    return s;
}

// ---------------------------------------------------------------------------------------------
// Format

[[noreturn]] void ThrowBadFormat(const QString &format)
{
    throw EConvertError(QString::fromUtf8(kBadFormat) + format);
}

// The two's complement of a negative integer in the argument's own width ("%x" of -1 given as
// int is FFFFFFFF).
std::uint64_t UnsignedValue(const FormatArg &arg)
{
    if (arg.kind() == FormatArg::Kind::Unsigned)
        return arg.unsignedInteger();
    const auto bits = static_cast<std::uint64_t>(arg.integer());
    return arg.bits() == 32 ? bits & 0xFFFFFFFFu : bits;
}

QString IntegerText(QChar conversion, int precision, const FormatArg &arg, const QString &format)
{
    if (arg.kind() != FormatArg::Kind::Integer && arg.kind() != FormatArg::Kind::Unsigned)
        ThrowBadFormat(format);
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (conversion == QLatin1Char('d') && arg.kind() == FormatArg::Kind::Integer) {
        negative = arg.integer() < 0;
        magnitude = negative ? 0 - static_cast<std::uint64_t>(arg.integer())
                             : static_cast<std::uint64_t>(arg.integer());
    } else {
        magnitude = UnsignedValue(arg);
    }
    QString digits = conversion == QLatin1Char('x') ? QString::number(magnitude, 16).toUpper()
                                                    : QString::number(magnitude);
    if (precision > digits.size())
        digits = digits.rightJustified(precision, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString Convert(QChar conversion, int precision, const FormatArg &arg, const QString &format)
{
    switch (conversion.unicode()) {
    case 's':
        if (arg.kind() != FormatArg::Kind::Text)
            ThrowBadFormat(format);
        return precision >= 0 ? arg.text().left(precision) : arg.text();
    case 'd':
    case 'u':
    case 'x':
        return IntegerText(conversion, precision, arg, format);
    case 'f':
    case 'n':
    case 'e':
    case 'g':
        break;
    default:
        ThrowBadFormat(format);
    }
    if (arg.kind() != FormatArg::Kind::Float)
        ThrowBadFormat(format);
    const double value = arg.floating();
    switch (conversion.unicode()) {
    case 'f':
        return FixedText(value, precision >= 0 ? precision : 2, false);
    case 'n':
        return FixedText(value, precision >= 0 ? precision : 2, true);
    case 'e':
        return ScientificText(value, precision > 0 ? precision : kGeneralDigits);
    default:
        return GeneralText(value, precision > 0 ? precision : kGeneralDigits);
    }
}

// Reads a run of decimal digits; -1 when there is none.
int ReadNumber(const QChar *&p, const QChar *end, const QString &format)
{
    if (p == end || !IsAsciiDigit(*p))
        return -1;
    int number = 0;
    while (p < end && IsAsciiDigit(*p)) {
        number = number * 10 + (p->unicode() - '0');
        if (number > kMaxWidth)
            ThrowBadFormat(format);
        ++p;
    }
    return number;
}

// ---------------------------------------------------------------------------------------------
// FormatFloat

// What one section of a number picture asks for.
struct Picture
{
    int integerPlaces = 0;    // '0' and '#' before the decimal point
    int minIntegerDigits = 0; // integer places from the first '0' on
    int decimalPlaces = 0;    // '0' and '#' after the decimal point
    int minDecimals = 0;      // decimal places up to the last '0'
    bool grouped = false;     // a ',' anywhere
    bool scientific = false;  // "E+"/"E-"
};

bool IsExponentAt(QStringView section, int i)
{
    return (section[i] == QLatin1Char('E') || section[i] == QLatin1Char('e')) && i + 1 < section.size() &&
           (section[i + 1] == QLatin1Char('+') || section[i + 1] == QLatin1Char('-'));
}

std::vector<QStringView> SplitSections(QStringView format)
{
    std::vector<QStringView> sections;
    int start = 0;
    for (int i = 0; i < format.size();) {
        if (IsQuote(format[i])) {
            QuotedAt(format, i, i);
        } else if (format[i] == QLatin1Char(';')) {
            sections.push_back(format.mid(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    sections.push_back(format.mid(start));
    if (sections.size() > 3)
        sections.resize(3);
    return sections;
}

Picture AnalysePicture(QStringView section)
{
    Picture picture;
    bool afterPoint = false;
    int firstZero = -1;
    for (int i = 0; i < section.size();) {
        const QChar c = section[i];
        if (IsQuote(c)) {
            QuotedAt(section, i, i);
            continue;
        }
        if (IsExponentAt(section, i)) {
            picture.scientific = true;
            break; // digit places after the exponent are its own digits or plain text
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                ++picture.decimalPlaces;
                if (c == QLatin1Char('0'))
                    picture.minDecimals = picture.decimalPlaces;
            } else {
                if (c == QLatin1Char('0') && firstZero < 0)
                    firstZero = picture.integerPlaces;
                ++picture.integerPlaces;
            }
        } else if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            picture.grouped = true;
        }
        ++i;
    }
    if (firstZero >= 0)
        picture.minIntegerDigits = picture.integerPlaces - firstZero;
    return picture;
}

// The digits a picture shows for a non-negative value.
struct PictureNumber
{
    QString integer;  // at least minIntegerDigits long
    QString fraction; // between minDecimals and decimalPlaces long
    int exponent = 0; // scientific pictures only
    bool zero = true;
};

PictureNumber Digitize(const Picture &picture, double value)
{
    PictureNumber number;
    Decimal d = ToDecimal(std::fabs(value));
    if (picture.scientific) {
        const int integerDigits = std::max(picture.integerPlaces, 1);
        RoundDigits(d, integerDigits + picture.decimalPlaces);
        number.zero = d.isZero();
        number.exponent = number.zero ? 0 : d.exponent - integerDigits;
        for (int i = 0; i < integerDigits && !number.zero; ++i)
            number.integer += QLatin1Char(d.digitAt(i));
        for (int i = 0; i < picture.decimalPlaces; ++i)
            number.fraction += QLatin1Char(d.digitAt(integerDigits + i));
        if (number.zero)
            number.integer = QStringLiteral("0");
    } else {
        RoundToDecimals(d, picture.decimalPlaces);
        number.zero = d.isZero();
        number.integer = IntegerDigits(d);
        number.fraction = FractionDigits(d, picture.decimalPlaces);
    }
    if (number.integer.size() < picture.minIntegerDigits)
        number.integer = number.integer.rightJustified(picture.minIntegerDigits, QLatin1Char('0'));
    while (number.fraction.size() > picture.minDecimals && number.fraction.endsWith(QLatin1Char('0')))
        number.fraction.chop(1);
    return number;
}

// Writes the section left to right: each digit place takes its digit (the first integer place
// also takes the digits that have no place of their own), literal text is copied, and the
// minus sign goes just before the first character of the number.
QString RenderPicture(QStringView section, const Picture &picture, const PictureNumber &number, bool minus)
{
    const FormatSettings &settings = GreekFormatSettings();
    const int length = static_cast<int>(number.integer.size());
    QString out;
    bool signPending = minus;
    bool afterPoint = false;
    bool afterExponent = false;
    bool integerDone = false;
    int integerPlace = 0;
    int decimalPlace = 0;

    const auto writeSign = [&] {
        if (signPending)
            out += QLatin1Char('-');
        signPending = false;
    };
    const auto writeIntegerDigits = [&](int from, int to) {
        for (int k = std::max(from, 0); k < to; ++k) {
            writeSign();
            out += number.integer[k];
            const int remaining = length - 1 - k;
            if (picture.grouped && remaining > 0 && remaining % 3 == 0)
                out += settings.ThousandSeparator;
        }
    };
    // A picture without integer places still shows the integer digits, where its point stands.
    const auto finishInteger = [&] {
        if (!integerDone && picture.integerPlaces == 0)
            writeIntegerDigits(0, length);
        integerDone = true;
    };

    for (int i = 0; i < section.size();) {
        const QChar c = section[i];
        if (IsQuote(c)) {
            out += QuotedAt(section, i, i);
            continue;
        }
        if (afterExponent) {
            // Digit places after the exponent are plain text.
            out += c;
            ++i;
            continue;
        }
        if (picture.scientific && IsExponentAt(section, i)) {
            afterExponent = true;
            finishInteger();
            const bool alwaysSign = section[i + 1] == QLatin1Char('+');
            out += c;
            if (number.exponent < 0)
                out += QLatin1Char('-');
            else if (alwaysSign)
                out += QLatin1Char('+');
            i += 2;
            int width = 0;
            while (i < section.size() && section[i] == QLatin1Char('0') && width < 4) {
                ++width;
                ++i;
            }
            out += QString::number(std::abs(number.exponent)).rightJustified(width, QLatin1Char('0'));
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                if (decimalPlace < number.fraction.size())
                    out += number.fraction[decimalPlace];
                ++decimalPlace;
            } else {
                const int end = length - (picture.integerPlaces - 1 - integerPlace);
                writeIntegerDigits(integerPlace == 0 ? 0 : end - 1, end);
                ++integerPlace;
            }
        } else if (c == QLatin1Char('.')) {
            if (!afterPoint) {
                finishInteger();
                afterPoint = true;
                if (!number.fraction.isEmpty()) {
                    writeSign();
                    out += settings.DecimalSeparator;
                }
            }
        } else if (c != QLatin1Char(',')) {
            out += c;
        }
        ++i;
    }
    finishInteger();
    return out;
}

// ---------------------------------------------------------------------------------------------
// FormatDateTime

QString TwoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

const QLatin1StringView kAmPm("am/pm");

void AppendDateTime(QString &out, QStringView format, const QDate &date, const QTime &time)
{
    const FormatSettings &settings = GreekFormatSettings();
    // With the am/pm token the hours run on a 12-hour clock.
    const bool twelveHour = format.contains(kAmPm, Qt::CaseInsensitive);
    bool afterHour = false;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (IsQuote(c)) {
            out += QuotedAt(format, i, i);
            continue;
        }
        if (format.mid(i, kAmPm.size()).compare(kAmPm, Qt::CaseInsensitive) == 0) {
            if (time.isValid()) {
                const QString half = time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
                out += c.isUpper() ? half.toUpper() : half;
            }
            afterHour = false;
            i += int(kAmPm.size());
            continue;
        }
        const char16_t letter = c.toLower().unicode();
        int count = 1;
        while (i + count < format.size() && format[i + count].toLower() == c.toLower())
            ++count;
        const bool hasDate = date.isValid();
        const bool hasTime = time.isValid();
        switch (letter) {
        case u'd':
            if (count >= 5)
                AppendDateTime(out, settings.ShortDateFormat, date, time);
            else if (!hasDate)
                break;
            else if (count <= 2)
                out += count == 1 ? QString::number(date.day()) : TwoDigits(date.day());
            else
                out += (count == 3 ? settings.ShortDayNames : settings.LongDayNames)[date.dayOfWeek() % 7];
            break;
        case u'm':
            if (afterHour && count <= 2) {
                if (hasTime)
                    out += count == 1 ? QString::number(time.minute()) : TwoDigits(time.minute());
            } else if (hasDate) {
                if (count <= 2)
                    out += count == 1 ? QString::number(date.month()) : TwoDigits(date.month());
                else
                    out +=
                        (count == 3 ? settings.ShortMonthNames : settings.LongMonthNames)[date.month() - 1];
            }
            break;
        case u'y':
            if (hasDate) {
                out += count <= 2 ? TwoDigits(date.year() % 100)
                                  : QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
            }
            break;
        case u'h':
        case u'n':
        case u's':
            if (hasTime) {
                const int hour = twelveHour ? (time.hour() + 11) % 12 + 1 : time.hour();
                const int value = letter == u'h' ? hour : letter == u'n' ? time.minute() : time.second();
                out += count == 1 ? QString::number(value) : TwoDigits(value);
            }
            break;
        case u'/':
            out += QString(count, settings.DateSeparator);
            break;
        case u':':
            out += QString(count, settings.TimeSeparator);
            break;
        default:
            out += format.mid(i, count);
            i += count;
            continue;
        }
        afterHour = letter == u'h' || (afterHour && (letter == u'/' || letter == u':'));
        i += count;
    }
}

// ---------------------------------------------------------------------------------------------
// Reading numbers

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// [+-] digits [(,|.) digits] [(e|E) [+-] digits], with digits on at least one side of the point.
bool ParseFloat(const QString &text, double &value)
{
    const QStringView t = QStringView(text).trimmed();
    std::string ascii;
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    const auto readDigits = [&] {
        int count = 0;
        for (; i < t.size() && IsAsciiDigit(t[i]); ++i, ++count)
            ascii += static_cast<char>(t[i].unicode());
        return count;
    };
    mantissaDigits += readDigits();
    if (i < t.size() && (t[i] == QLatin1Char(',') || t[i] == QLatin1Char('.'))) {
        ascii += '.';
        ++i;
        mantissaDigits += readDigits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ascii += static_cast<char>(t[i++].unicode());
        if (readDigits() == 0)
            return false;
    }
    if (i != t.size())
        return false;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return result.ec == std::errc() && result.ptr == ascii.data() + ascii.size();
}

} // namespace

const FormatSettings &GreekFormatSettings()
{
    static const FormatSettings settings = [] {
        FormatSettings s;
        s.DecimalSeparator = QLatin1Char(',');
        s.ThousandSeparator = QLatin1Char('.');
        s.DateSeparator = QLatin1Char('/');
        s.TimeSeparator = QLatin1Char(':');
        s.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
        s.LongTimeFormat = QStringLiteral("hh:nn:ss");
        const char *longDays[] = {"Κυριακή", "Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο"};
        const char *shortDays[] = {"Κυρ", "Δευ", "Τρι", "Τετ", "Πεμ", "Παρ", "Σαβ"};
        const char *longMonths[] = {"Ιανουάριος",  "Φεβρουάριος", "Μάρτιος",   "Απρίλιος",
                                    "Μάιος",       "Ιούνιος",     "Ιούλιος",   "Αύγουστος",
                                    "Σεπτέμβριος", "Οκτώβριος",   "Νοέμβριος", "Δεκέμβριος"};
        const char *shortMonths[] = {"Ιαν",  "Φεβ", "Μαρ", "Απρ", "Μαΐ", "Ιουν",
                                     "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"};
        for (int i = 0; i < 7; ++i) {
            s.LongDayNames[i] = QString::fromUtf8(longDays[i]);
            s.ShortDayNames[i] = QString::fromUtf8(shortDays[i]);
        }
        for (int i = 0; i < 12; ++i) {
            s.LongMonthNames[i] = QString::fromUtf8(longMonths[i]);
            s.ShortMonthNames[i] = QString::fromUtf8(shortMonths[i]);
        }
        return s;
    }();
    return settings;
}

QString Format(const QString &format, std::initializer_list<FormatArg> args)
{
    QString out;
    out.reserve(format.size() + 16 * static_cast<int>(args.size()));
    auto next = args.begin();
    const QChar *p = format.constData();
    const QChar *const end = p + format.size();
    while (p < end) {
        if (*p != QLatin1Char('%')) {
            const QChar *start = p;
            while (p < end && *p != QLatin1Char('%'))
                ++p;
            out.append(start, p - start);
            continue;
        }
        if (++p == end)
            ThrowBadFormat(format);
        if (*p == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++p;
            continue;
        }
        const bool left = *p == QLatin1Char('-');
        if (left)
            ++p;
        const int width = ReadNumber(p, end, format);
        int precision = -1;
        if (p < end && *p == QLatin1Char('.')) {
            ++p;
            precision = std::max(ReadNumber(p, end, format), 0);
        }
        if (p == end || next == args.end())
            ThrowBadFormat(format);
        const QString text = Convert(p->toLower(), precision, *next++, format);
        ++p;
        const qsizetype padding = std::max<qsizetype>(width - text.size(), 0);
        if (!left)
            out.resize(out.size() + padding, QLatin1Char(' '));
        out += text;
        if (left)
            out.resize(out.size() + padding, QLatin1Char(' '));
    }
    return out;
}

QString FormatFloat(const QString &format, double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const std::vector<QStringView> sections = SplitSections(format);
    if (sections[0].isEmpty())
        return FloatToStr(value);
    const auto usable = [&](std::size_t index) {
        return sections.size() > index && !sections[index].isEmpty();
    };
    // A negative section brings its own sign; the first section gets a minus sign.
    const bool negativeSection = value < 0 && usable(1);
    QStringView section = negativeSection ? sections[1] : sections[0];
    Picture picture = AnalysePicture(section);
    const PictureNumber number = Digitize(picture, value);
    if (!number.zero)
        return RenderPicture(section, picture, number, value < 0 && !negativeSection);
    // A value that shows as zero is zero: no "-0,00", and the zero section when there is one.
    section = usable(2) ? sections[2] : sections[0];
    picture = AnalysePicture(section);
    return RenderPicture(section, picture, Digitize(picture, 0.0), false);
}

QString FormatDateTime(const QString &format, const QDateTime &value)
{
    QString out;
    if (!value.date().isValid() && !value.time().isValid())
        return out;
    AppendDateTime(out, format, value.date(), value.time());
    return out;
}

QString FormatDateTime(const QString &format, const QDate &value)
{
    QString out;
    if (!value.isValid())
        return out;
    AppendDateTime(out, format, value, QTime(0, 0));
    return out;
}

namespace {

// Reads 1 to `most` ASCII digits at `i`; -1 when there is none or too many follow.
int ReadDigits(QStringView text, qsizetype &i, int most, int &length)
{
    int value = 0;
    length = 0;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        if (++length > most)
            return -1;
        value = value * 10 + (text[i].unicode() - '0');
        ++i;
    }
    return length == 0 ? -1 : value;
}

} // namespace

// "d/m/yyyy" with '/', '.' or '-' between the parts, one and the same in both places; a year of
// one or two digits is 19xx from 50 on, 20xx below. Read by hand: grids and coupon rows convert a
// date per row, and a pattern match costs several times the conversion itself.
QDate StrToDate(const QString &text)
{
    const QStringView view = QStringView(text).trimmed();
    qsizetype i = 0;
    int length = 0;
    const int day = ReadDigits(view, i, 2, length);
    const QChar separator = i < view.size() ? view[i] : QChar();
    if (day < 0 ||
        (separator != QLatin1Char('/') && separator != QLatin1Char('.') && separator != QLatin1Char('-')))
        ThrowConvert(text, kBadDate);
    ++i;
    const int month = ReadDigits(view, i, 2, length);
    if (month < 0 || i >= view.size() || view[i] != separator)
        ThrowConvert(text, kBadDate);
    ++i;
    int year = ReadDigits(view, i, 4, length);
    if (year < 0 || i != view.size())
        ThrowConvert(text, kBadDate);
    if (length <= 2)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        ThrowConvert(text, kBadDate);
    return date;
}

QString DateToStr(const QDate &date)
{
    return FormatDateTime(GreekFormatSettings().ShortDateFormat, date);
}

QTime StrToTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        ThrowConvert(text, kBadTime);
    const QTime time(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
                     match.capturedLength(3) > 0 ? match.capturedView(3).toInt() : 0);
    if (!time.isValid())
        ThrowConvert(text, kBadTime);
    return time;
}

QString TimeToStr(const QTime &time)
{
    QString out;
    if (!time.isValid())
        return out;
    AppendDateTime(out, GreekFormatSettings().LongTimeFormat, QDate(), time);
    return out;
}

bool TryStrToInt(const QString &text, int &value)
{
    const QStringView t = QStringView(text).trimmed();
    int i = 0;
    const bool negative = i < t.size() && t[i] == QLatin1Char('-');
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    const bool hex = i < t.size() && t[i] == QLatin1Char('$');
    if (hex)
        ++i;
    if (i == t.size())
        return false;
    // Hexadecimal takes all 32 bits ("$FFFFFFFF" is -1); decimal must fit the signed range.
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (; i < t.size(); ++i) {
        const int digit = hex ? HexValue(t[i]) : (IsAsciiDigit(t[i]) ? t[i].unicode() - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > limit)
            return false;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    value = static_cast<int>(bits);
    return true;
}

int StrToInt(const QString &text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        ThrowConvert(text, kBadInteger);
    return value;
}

int StrToIntDef(const QString &text, int defaultValue)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

QString IntToStr(std::int64_t value)
{
    return QString::number(value);
}

double StrToFloat(const QString &text)
{
    double value = 0;
    if (!ParseFloat(text, value))
        ThrowConvert(text, kBadNumber);
    return value;
}

double StrToFloatDef(const QString &text, double defaultValue)
{
    double value = 0;
    return ParseFloat(text, value) ? value : defaultValue;
}

QString FloatToStr(double value)
{
    return GeneralText(value, kGeneralDigits);
}

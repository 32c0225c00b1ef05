#include "platform/db/greek_collation.h"

#include "platform/db/db_errors.h"

#include <QList>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A code point that folding removes (a combining accent). U+0000 shares the value, so a NUL
// inside a text is ignored by the folded comparison and only decides ties.
constexpr char16_t Dropped = 0;
constexpr char32_t EndOfText = 0xFFFFFFFF;
constexpr char32_t ReplacementCharacter = 0xFFFD;

char32_t BaseLetter(char32_t c)
{
    // Canonical decomposition puts the base letter first and the accents after it; some
    // letters decompose in steps (ΐ -> ϊ + tonos -> ι + dialytika + tonos). Decompositions
    // into further letters (Hangul syllables) are no accents and stay whole.
    while (QChar::decompositionTag(c) == QChar::Canonical) {
        const QList<uint> parts = QChar::decomposition(c).toUcs4();
        const bool accentsOnly = std::all_of(parts.begin() + 1, parts.end(), [](uint part) {
            return QChar::category(char32_t(part)) == QChar::Mark_NonSpacing;
        });
        if (parts.front() == c || !accentsOnly)
            break;
        c = parts.front();
    }
    return c;
}

char16_t FoldCodeUnit(char16_t unit)
{
    if (unit >= 0xD800 && unit <= 0xDFFF)
        return unit;
    if (QChar::category(char32_t(unit)) == QChar::Mark_NonSpacing)
        return Dropped;
    char32_t c = BaseLetter(unit);
    c = BaseLetter(QChar::toCaseFolded(c));
    if (c == U'ς')
        c = U'σ';
    return c > 0xFFFF ? unit : char16_t(c);
}

// Folding works letter by letter on the basic plane, so one table answers every lookup of a
// sort or an index build without allocating.
const std::array<char16_t, 0x10000> &FoldTable()
{
    static const std::array<char16_t, 0x10000> table = [] {
        std::array<char16_t, 0x10000> result{};
        for (char32_t unit = 0; unit < 0x10000; ++unit)
            result[unit] = FoldCodeUnit(char16_t(unit));
        return result;
    }();
    return table;
}

// Folded value of one code point, or Dropped. Code points above the basic plane stay as they are.
char32_t FoldCodePoint(const std::array<char16_t, 0x10000> &table, char32_t c)
{
    return c < 0x10000 ? char32_t(table[c]) : c;
}

class Utf16Reader
{
public:
    explicit Utf16Reader(const QString &text)
        : next_(reinterpret_cast<const char16_t *>(text.constData())), end_(next_ + text.size())
    {
    }
    char32_t Next()
    {
        if (next_ == end_)
            return EndOfText;
        const char16_t unit = *next_++;
        if (QChar::isHighSurrogate(unit) && next_ != end_ && QChar::isLowSurrogate(*next_))
            return QChar::surrogateToUcs4(unit, *next_++);
        return unit;
    }

private:
    const char16_t *next_;
    const char16_t *end_;
};

class Utf8Reader
{
public:
    Utf8Reader(const void *text, int length)
        : next_(static_cast<const unsigned char *>(text)), end_(next_ + length)
    {
    }
    char32_t Next()
    {
        if (next_ == end_)
            return EndOfText;
        const unsigned char lead = *next_++;
        if (lead < 0x80)
            return lead;
        int following = 0;
        char32_t c = 0;
        if ((lead & 0xE0) == 0xC0) {
            following = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            following = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            following = 3;
            c = lead & 0x07;
        } else {
            return ReplacementCharacter;
        }
        if (end_ - next_ < following)
            return ReplacementCharacter;
        for (int i = 0; i < following; ++i) {
            if ((next_[i] & 0xC0) != 0x80)
                return ReplacementCharacter;
            c = (c << 6) | (next_[i] & 0x3F);
        }
        next_ += following;
        return c;
    }

private:
    const unsigned char *next_;
    const unsigned char *end_;
};

template <typename Reader> char32_t NextFolded(const std::array<char16_t, 0x10000> &table, Reader &reader)
{
    for (;;) {
        const char32_t c = reader.Next();
        if (c == EndOfText)
            return EndOfText;
        const char32_t folded = FoldCodePoint(table, c);
        if (folded != Dropped)
            return folded;
    }
}

template <typename Reader> int CompareFolded(Reader a, Reader b)
{
    const auto &table = FoldTable();
    for (;;) {
        const char32_t x = NextFolded(table, a);
        const char32_t y = NextFolded(table, b);
        if (x != y) {
            if (x == EndOfText)
                return -1;
            if (y == EndOfText)
                return 1;
            return x < y ? -1 : 1;
        }
        if (x == EndOfText)
            return 0;
    }
}

int CompareCodePoints(Utf16Reader a, Utf16Reader b)
{
    for (;;) {
        const char32_t x = a.Next();
        const char32_t y = b.Next();
        if (x != y) {
            if (x == EndOfText)
                return -1;
            if (y == EndOfText)
                return 1;
            return x < y ? -1 : 1;
        }
        if (x == EndOfText)
            return 0;
    }
}

void AppendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

int GreekCollationCompare(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const int folded = CompareFolded(Utf8Reader(a, lengthA), Utf8Reader(b, lengthB));
    if (folded != 0)
        return folded;
    // Byte order of UTF-8 is code point order, the same tie-break as CompareCaseInsensitive.
    const int common = std::memcmp(a, b, size_t(std::min(lengthA, lengthB)));
    if (common != 0)
        return common < 0 ? -1 : 1;
    return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
}

void GreekFoldFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    sqlite3_value *value = arguments[0];
    if (sqlite3_value_type(value) != SQLITE_TEXT) {
        sqlite3_result_value(context, value);
        return;
    }
    const unsigned char *text = sqlite3_value_text(value);
    const int length = sqlite3_value_bytes(value);
    const auto &table = FoldTable();
    QByteArray folded;
    folded.reserve(length);
    Utf8Reader reader(text, length);
    for (char32_t c = NextFolded(table, reader); c != EndOfText; c = NextFolded(table, reader))
        AppendUtf8(folded, c);
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

QString FoldForCompare(const QString &text)
{
    const auto &table = FoldTable();
    QString folded;
    folded.reserve(text.size());
    for (const QChar unit : text) {
        const char16_t c = table[unit.unicode()];
        if (c != Dropped)
            folded.append(QChar(c));
    }
    return folded;
}

int CompareCaseInsensitive(const QString &a, const QString &b)
{
    const int folded = CompareFolded(Utf16Reader(a), Utf16Reader(b));
    if (folded != 0)
        return folded;
    return CompareCodePoints(Utf16Reader(a), Utf16Reader(b));
}

void RegisterGreekCollation(sqlite3 *db)
{
    int rc = sqlite3_create_collation_v2(db, GreekCollationName, SQLITE_UTF8, nullptr, GreekCollationCompare,
                                         nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "greek_fold", 1,
                                        SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                        GreekFoldFunction, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw EDBEngineError(
            QString("Δεν ήταν δυνατή η καταχώριση της ταξινόμησης %1: %2")
                .arg(QString::fromLatin1(GreekCollationName), QString::fromUtf8(sqlite3_errmsg(db))),
            rc);
}

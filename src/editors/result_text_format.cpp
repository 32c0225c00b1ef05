#include "editors/result_text_format.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/text_file.h"

#include <QFileInfo>

#include <array>

namespace tav::editors {

namespace {

const std::array<const char *, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<const char *, 12> kItalianMonths = {"gennaio",   "febbraio", "marzo",    "aprile",
                                                     "maggio",    "junio",    "julio",    "agosto",
                                                     "settembre", "ottobre",  "novembre", "dicembre"};
const std::array<const char *, 12> kFullMonths = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                                  "MAY",       "JUNE",     "JULY",     "AUGUST",
                                                  "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
const char kNoRealDay[] = "Η ημερομηνία '%1' δεν είναι πραγματική ημέρα";
const char kSeparator[] = "--------------------------------";
const char kMatchdayWord[] = "η ΑΓΩΝΙΣΤΙΚΗ";

// Blanks and control characters, as a text piece is trimmed.
QString Trim(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= ' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

// The month (1-12) whose name equals the word, compared with case; none when no name does.
template <size_t N> std::optional<int> MonthOf(const std::array<const char *, N> &names, const QString &word)
{
    for (size_t i = 0; i < names.size(); ++i)
        if (word == QLatin1String(names[i]))
            return int(i) + 1;
    return std::nullopt;
}

std::optional<QDate> DateOf(const QString &piece, std::optional<int> year, std::optional<int> month,
                            std::optional<int> day)
{
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        throw EConvertError(QString::fromUtf8(kNoRealDay).arg(piece));
    return date;
}

QString PadRight(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

QString PadLeft(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '));
}

} // namespace

QString ResultLine(const QString &date, const QString &home, const QString &away, const QString &homeGoals,
                   const QString &awayGoals)
{
    return Format(QStringLiteral("%-10s %-20s-%-20s %2s-%2s"), {date, home, away, homeGoals, awayGoals});
}

TResultLayout TResultLayout::WriterLine(bool lineDivision)
{
    TResultLayout layout;
    layout.DateStart = QStringLiteral("1");
    layout.DateLen = QStringLiteral("10");
    layout.GhpStart = QStringLiteral("12");
    layout.GhpLen = QStringLiteral("20");
    layout.FilStart = QStringLiteral("33");
    layout.FilLen = QStringLiteral("20");
    layout.ScoreStart = QStringLiteral("54");
    layout.ScoreLen = QStringLiteral("5");
    layout.DateType = int(TResultDateType::DayMonthYear);
    layout.ScoreType = int(TResultScoreType::Digits);
    layout.LineDivision = lineDivision;
    return layout;
}

QStringList LayoutFileLines(const TResultLayout &layout)
{
    return {layout.DateStart,
            layout.DateLen,
            layout.GhpStart,
            layout.GhpLen,
            layout.FilStart,
            layout.FilLen,
            layout.ScoreStart,
            layout.ScoreLen,
            QString::number(layout.DateType),
            QString::number(layout.ScoreType),
            layout.DateDivision ? QStringLiteral("1") : QStringLiteral("0"),
            layout.LineDivision ? QStringLiteral("1") : QStringLiteral("0")};
}

void ReadLayoutFileLines(const QStringList &lines, TResultLayout &layout)
{
    QString *boxes[] = {&layout.DateStart, &layout.DateLen, &layout.GhpStart,   &layout.GhpLen,
                        &layout.FilStart,  &layout.FilLen,  &layout.ScoreStart, &layout.ScoreLen};
    for (int i = 0; i < 8; ++i)
        *boxes[i] = lines.value(i);
    layout.DateType = LayoutInteger(lines.value(8));
    layout.ScoreType = LayoutInteger(lines.value(9));
    layout.DateDivision = lines.value(10) == QLatin1String("1");
    layout.LineDivision = lines.value(11) == QLatin1String("1");
}

QString CutPiece(const QString &line, int start, int length)
{
    const qsizetype from = qMax(start, 1) - 1;
    if (from >= line.size() || length <= 0)
        return QString();
    return Trim(line.mid(from, length));
}

std::optional<int> ParseLayoutInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const QString rest = text.mid(i);
    qsizetype digitsFrom = (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) ? 1 : 0;
    if (rest.size() <= digitsFrom || rest.size() - digitsFrom > 9)
        return std::nullopt;
    for (qsizetype j = digitsFrom; j < rest.size(); ++j)
        if (!rest.at(j).isDigit() || rest.at(j).unicode() > '9')
            return std::nullopt;
    return rest.toInt();
}

int LayoutInteger(const QString &text)
{
    if (const std::optional<int> value = ParseLayoutInteger(text))
        return *value;
    return StrToInt(text);
}

std::optional<QDate> ParseDateDmy(const QString &piece)
{
    const qsizetype first = piece.indexOf(QLatin1Char('/'));
    const QString day = first < 0 ? piece : piece.left(first);
    const QString afterDay = first < 0 ? QString() : piece.mid(first + 1);
    const qsizetype second = afterDay.indexOf(QLatin1Char('/'));
    const QString month = second < 0 ? afterDay : afterDay.left(second);
    const QString year = second < 0 ? QString() : afterDay.mid(second + 1);
    return DateOf(piece, ParseLayoutInteger(year), ParseLayoutInteger(month), ParseLayoutInteger(day));
}

std::optional<QDate> ParseDateMdyFixed(const QString &piece)
{
    return DateOf(piece, ParseLayoutInteger(piece.mid(6, 4)), ParseLayoutInteger(piece.mid(0, 2)),
                  ParseLayoutInteger(piece.mid(3, 2)));
}

// A month name that is none of the twelve is no date, rather than the last month of the year.
std::optional<QDate> ParseDateMonDdYyyy(const QString &piece)
{
    return DateOf(piece, ParseLayoutInteger(Trim(piece.mid(7, 5))), MonthOf(kShortMonths, piece.left(3)),
                  ParseLayoutInteger(Trim(piece.mid(3, 3))));
}

std::optional<QDate> ParseDateItalian(const QString &piece)
{
    const qsizetype firstBlank = piece.indexOf(QLatin1Char(' '));
    if (firstBlank < 0)
        return std::nullopt;
    const QString day = Trim(piece.left(firstBlank));
    const QString rest = Trim(piece.mid(firstBlank + 1));
    const qsizetype monthEnd = rest.indexOf(QLatin1Char(' '));
    const QString monthWord = monthEnd < 0 ? rest : rest.left(monthEnd);
    const QString year = monthEnd < 0 ? QString() : Trim(rest.mid(monthEnd + 1));
    return DateOf(piece, ParseLayoutInteger(year), MonthOf(kItalianMonths, monthWord),
                  ParseLayoutInteger(day));
}

std::optional<QDate> ParseDateWeekdayDayMonth(const QString &piece, int currentYear)
{
    const qsizetype firstBlank = piece.indexOf(QLatin1Char(' '));
    if (firstBlank < 0)
        return std::nullopt;
    const qsizetype secondBlank = piece.indexOf(QLatin1Char(' '), firstBlank + 1);
    if (secondBlank < 0)
        return std::nullopt;
    const QString day = piece.mid(firstBlank + 1, secondBlank - firstBlank - 1);
    const QString month = Trim(piece.mid(secondBlank + 1)).toUpper();
    return DateOf(piece, currentYear, MonthOf(kFullMonths, month), ParseLayoutInteger(day));
}

std::optional<QDate> ParseResultDate(int dateType, const QString &piece, int currentYear)
{
    switch (TResultDateType(dateType)) {
    case TResultDateType::DayMonthYear:
        return ParseDateDmy(piece);
    case TResultDateType::MonthDayYearFixed:
        return ParseDateMdyFixed(piece);
    case TResultDateType::MonDayYear:
        return ParseDateMonDdYyyy(piece);
    case TResultDateType::DayItalianMonthYear:
        return ParseDateItalian(piece);
    case TResultDateType::WeekdayDayMonth:
        return ParseDateWeekdayDayMonth(piece, currentYear);
    default:
        return std::nullopt;
    }
}

QString KeptScore(int scoreType, const QString &piece)
{
    switch (TResultScoreType(scoreType)) {
    case TResultScoreType::Digits:
    case TResultScoreType::Single:
        return piece;
    case TResultScoreType::Bracketed:
        // A piece too short for its away digit keeps a blank there: the away goals are then absent.
        return piece.mid(1, 1) + QStringLiteral(" - ") +
               (piece.size() >= 8 ? piece.mid(7, 1) : QStringLiteral(" "));
    default:
        return QString();
    }
}

TSplitScore SplitScore(const QString &score)
{
    const qsizetype dash = score.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return {};
    return {ParseLayoutInteger(Trim(score.left(dash))), ParseLayoutInteger(Trim(score.mid(dash + 1, 3)))};
}

QString ConvertSemicolonLines(const QStringList &lines)
{
    QString output;
    const QString matchdayWord = QString::fromUtf8(kMatchdayWord);
    for (const QString &read : lines) {
        const QString line = Trim(read);
        const qsizetype word = line.indexOf(matchdayWord);
        if (word >= 0) {
            output += QLatin1String(kSeparator) + line.left(word) + QLatin1Char('\r');
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() < 6)
            continue;
        output += PadRight(fields[5], 10) + QLatin1Char(' ') + PadRight(fields[0], 20) + QLatin1Char('-') +
                  PadRight(fields[4], 18) + QStringLiteral("  ") + PadLeft(fields[1], 2) + fields[2] +
                  PadLeft(fields[3], 2) + QLatin1Char('\r');
    }
    return output;
}

QString ResultFileName(const QString &categoryName)
{
    QString name = categoryName;
    name.remove(QLatin1Char('\''));
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name + QStringLiteral(".txt");
}

QString SemicolonSourceFile(const QString &target)
{
    const QFileInfo file(target);
    return file.absolutePath() + QStringLiteral("/temp/") + file.fileName();
}

void ConvertSemicolonFile(const QString &target)
{
    const QString output = ConvertSemicolonLines(ReadTextLines(SemicolonSourceFile(target)));
    TextFileWriter writer(target);
    writer.Write(output);
    writer.Close();
}

} // namespace tav::editors

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The text result file: one match per line in fixed columns, read back through a column layout
// that the user describes, because files made by other tools keep other columns.

namespace tav::editors {

// The line every result writer produces: date, home team, away team, home and away goals
// ("%-10s %-20s-%-20s %2s-%2s"). Padding never cuts a value.
QString ResultLine(const QString &date, const QString &home, const QString &away, const QString &homeGoals,
                   const QString &awayGoals);

// The date formats of the layout, in the order of its choice.
enum class TResultDateType
{
    None = -1,
    DayMonthYear = 0,
    MonthDayYearFixed = 1,
    MonDayYear = 2,
    DayItalianMonthYear = 3,
    WeekdayDayMonth = 4,
};

// The score formats of the layout, in the order of its choice.
enum class TResultScoreType
{
    None = -1,
    Digits = 0,
    Bracketed = 1,
    Single = 2,
};

// The column layout as the user typed it: starts and lengths stay texts and are read as integers
// each time they are used, so a box holding no number stops the command that reads it.
struct TResultLayout
{
    QString DateStart, DateLen, GhpStart, GhpLen, FilStart, FilLen, ScoreStart, ScoreLen;
    int DateType = -1;
    int ScoreType = -1;
    bool DateDivision = false;
    bool LineDivision = false;

    // The layout of the writers' own line.
    static TResultLayout WriterLine(bool lineDivision);
};

// The twelve lines of a layout file: the eight boxes, the two format indexes ("-1" for none) and
// the two ticks ("1"/"0").
QStringList LayoutFileLines(const TResultLayout &layout);
// Reads the lines back; missing lines read as empty. An index line that is no integer raises
// EConvertError; the fields read before it keep their new values.
void ReadLayoutFileLines(const QStringList &lines, TResultLayout &layout);

// The piece of the line from column start (1 = first character) of the given length, trimmed of
// blanks and control characters. A start below 1 counts as 1; a piece past the end is cut there.
QString CutPiece(const QString &line, int start, int length);

// The date of a trimmed date piece in one of the formats; none when the piece does not have the
// format's parts. Parts that name no real day raise EConvertError. Format 4 takes the year of today.
std::optional<QDate> ParseDateDmy(const QString &piece);
std::optional<QDate> ParseDateMdyFixed(const QString &piece);
std::optional<QDate> ParseDateMonDdYyyy(const QString &piece);
std::optional<QDate> ParseDateItalian(const QString &piece);
std::optional<QDate> ParseDateWeekdayDayMonth(const QString &piece, int currentYear);
// By the layout's format index; none for no format.
std::optional<QDate> ParseResultDate(int dateType, const QString &piece, int currentYear);

// The score text a format keeps of a score piece; empty when no format is chosen.
QString KeptScore(int scoreType, const QString &piece);

struct TSplitScore
{
    std::optional<int> Home;
    std::optional<int> Away;
};
// "2- 1" gives 2 and 1; a lone "-" gives neither.
TSplitScore SplitScore(const QString &score);

// An integer of the design's reading: optional blanks before, an optional sign, decimal digits.
std::optional<int> ParseLayoutInteger(const QString &text);
// The same, raising EConvertError for a text that is no integer.
int LayoutInteger(const QString &text);

// A semicolon-separated file's lines in the column format (lines end with a carriage return
// alone in the file): a matchday heading line gives a separator of dashes, a line of at least six
// fields (home, home goals, between, away goals, away, date) a match line; other lines nothing.
QString ConvertSemicolonLines(const QStringList &lines);

// A file name made of a category name: apostrophes dropped, path separators replaced, ".txt" added.
QString ResultFileName(const QString &categoryName);

} // namespace tav::editors

namespace tav::editors {

// The semicolon file a converted file is made from: the file of the same name in the folder
// "temp" beside it.
QString SemicolonSourceFile(const QString &target);
// Converts that file over the target. A missing source raises EInOutError; the target then stays.
void ConvertSemicolonFile(const QString &target);

} // namespace tav::editors

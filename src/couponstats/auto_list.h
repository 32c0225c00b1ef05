#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tav::couponstats {

// One step of the AUTO list: the statistic kind of the next page and its number of recent
// matches (0: all matches).
struct TAutoStep
{
    int kind = 0;
    int n = 0;

    bool operator==(const TAutoStep &) const = default;
};

// The list has room for this many steps; a file that gives more keeps the first ones.
inline constexpr int kMaxAutoSteps = 500;

// The file of the AUTO list.
inline constexpr const char *kAutoListFileName = "KUP_STAT_PARAM.txt";

// The steps of the file's lines, at most kMaxAutoSteps, and how many the lines gave.
struct TAutoListText
{
    QList<TAutoStep> steps;
    int given = 0;

    bool Overflowed() const { return given > steps.size(); }
};

// The text without blanks at both ends as a whole integer; any other text gives 0.
int StrToIntTrim(const QString &text);

// Each line "<kind>;<N>,<N>,..." gives one step per N: the kind is the text before the first ";"
// from its first digit on, the N list the text after it, split at every ","; empty pieces are
// skipped, lines without ";" ignored, and a kind or N that is no number counts as 0.
TAutoListText ParseAutoList(const QStringList &lines);

// The AUTO list file in the current folder, else in the program folder; empty when neither holds it.
QString FindAutoListFile();

// The steps of the file that FindAutoListFile finds; no file gives no steps. A file that cannot be
// read (a folder of that name, say) raises EInOutError.
TAutoListText ReadAutoList();

} // namespace tav::couponstats

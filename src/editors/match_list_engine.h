#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

class TDataSet;
class TField;
class TTable;

namespace tav::editors {

// The computations of the match list: which dates a season's matches lie between, how far the
// matchday up-down goes, the colours of the sign column, the defaults of a new match and the
// command that sets the date and time of a whole matchday. No widgets here.

// Competition types of Diorganvseis.Typos that the match list knows.
inline constexpr int LeagueTypos = 0;
inline constexpr int CupTypos = 1;

struct TSeasonRange
{
    QDate StartDate;
    QDate EndDate;
};

// The dates between which the matches of a season are listed. The year before the first "-" (or
// the whole text without one) starts the range on 1 January; the range ends on 31 December of
// the following year, so "2003-04" and "2003" both give 1/1/2003 to 31/12/2004. An empty season
// or category gives 1/1/1900 to 1/1/2100. A year part that is no number raises EConvertError.
TSeasonRange MatchdaySeasonRange(const QString &season, const QString &category);

// The highest matchday the up-down offers: (teams - 1) x rounds for an even number of teams,
// teams x rounds for an odd one (each team then rests once a round), kept to 16 bits.
int MatchdayUpperBound(int teams, int rounds);

// What a cell of the sign column shows by its background: a home win "1", an away win "2", or a
// draw or a match without result.
enum class TPointRole
{
    HomeWin,
    AwayWin,
    Other
};
TPointRole PointRole(const QString &point);

// The kick-off time typed in the header: none when nothing was typed (the mask leaves "  :  ");
// EConvertError for a text that is no time.
std::optional<QTime> HeaderTime(const QString &timeText);
// The date typed in the header: none when empty; EConvertError for a text that is no date.
std::optional<QDate> HeaderDate(const QString &dateText);

// Gives a match that has just been inserted its competition and matchday, and for a cup its
// group too. Returns false, changing nothing, for a competition of another type.
bool ApplyNewMatchKeys(TDataSet &match, int typos, const QVariant &dNo, int matchday, int group);
// Writes the header's time and date into the match being inserted or edited, where given.
void ApplyMatchDateTime(TDataSet &match, const std::optional<QTime> &time, const std::optional<QDate> &date);

// Sets the kick-off time and/or the date of every stored match of the competition's matchday
// (all groups) in one statement on the matches table's database; what is not given stays.
// Returns the number of matches changed (0 when neither is given).
int ApplyDateTimeToMatchday(TTable &matches, const QVariant &dNo, int matchday,
                            const std::optional<QTime> &time, const std::optional<QDate> &date);

} // namespace tav::editors

#include "coupons/neighbour_estimate.h"

#include "coupons/analysis_grid.h"
#include "coupons/analysis_math.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"

#include <algorithm>
#include <utility>

namespace tav::coupons {

namespace {

// How many counted meetings each direction around a side may give.
constexpr int kNeighbours = 3;
// More results than this make an estimate.
constexpr int kLeastResults = 3;

enum TMeeting
{
    Unplayed = 0,
    HomeWin,
    Draw,
    AwayWin,
};

TMeeting MeetingOf(const analysis::TStandingsMatch &match)
{
    if (!match.TelGGoals)
        return Unplayed;
    const int home = *match.TelGGoals;
    const int away = match.TelFGoals.value_or(0);
    return home > away ? HomeWin : home == away ? Draw : AwayWin;
}

// The place (from 0) of the entry in the table; -1 when it is not there.
int PlaceOf(const analysis::TStandingsTable &table, int entry)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const analysis::TStandingsEntry &e) { return e.TeamKey == entry; });
    return found == table.end() ? -1 : int(found - table.begin());
}

// A cell of a percentage triple as a byte; percentages lie within it.
std::uint8_t CellByte(const QStringList &row, int column)
{
    return std::uint8_t(std::clamp(StrToInt(row.value(column)), 0, 255));
}

// The sign of the triple from column; none when its first cell is blank.
QString RowTripleSign(const QStringList &row, int column)
{
    if (row.value(column).trimmed().isEmpty())
        return QString();
    return TripleSign(CellByte(row, column), CellByte(row, column + 1), CellByte(row, column + 2));
}

} // namespace

TNeighbourCompetition::TNeighbourCompetition(analysis::TStandingsInputs inputs)
{
    fits_ = inputs.Teams.size() <= std::size_t(analysis::MaxStandingsTeams);
    if (!fits_)
        return;
    // The first meeting in the order of the table's key: matchday, then group.
    std::stable_sort(inputs.Matches.begin(), inputs.Matches.end(),
                     [](const analysis::TStandingsMatch &a, const analysis::TStandingsMatch &b) {
                         return std::pair(a.Agvnistikh, a.Omilos) < std::pair(b.Agvnistikh, b.Omilos);
                     });
    for (const analysis::TStandingsMatch &match : inputs.Matches) {
        const QPair<int, int> pair(match.Ghpedoyxos, match.Filojenoymenh);
        if (!firstMeeting_.contains(pair))
            firstMeeting_.insert(pair, MeetingOf(match));
    }
    engine_.SetCompetition(inputs.Competition);
    engine_.SetTeams(std::move(inputs.Teams));
    engine_.SetMatches(std::move(inputs.Matches));
    engine_.SetStartMatchday(1);
}

void TNeighbourCompetition::CountMeeting(int home, int away, TNeighbourCounts &counts, int &counted) const
{
    switch (firstMeeting_.value(QPair<int, int>(home, away), Unplayed)) {
    case HomeWin:
        ++counts.c1;
        break;
    case Draw:
        ++counts.cX;
        break;
    case AwayWin:
        ++counts.c2;
        break;
    default:
        return;
    }
    ++counted;
}

void TNeighbourCompetition::CountAround(const analysis::TStandingsTable &table, int entry, bool entryAtHome,
                                        int other, TNeighbourCounts &counts) const
{
    const int place = PlaceOf(table, entry);
    if (place < 0)
        return;
    const int size = int(table.size());
    for (const int step : {-1, 1}) {
        int counted = 0;
        for (int k = place + step; k >= 0 && k < size && counted < kNeighbours; k += step) {
            const int neighbour = table[k].TeamKey;
            // The side's opponent meets the neighbour where the side would have met it.
            if (entryAtHome)
                CountMeeting(neighbour, other, counts, counted);
            else
                CountMeeting(other, neighbour, counts, counted);
        }
    }
}

TNeighbourCounts TNeighbourCompetition::Count(int MatchdayLimit, int HomeEntry, int AwayEntry)
{
    TNeighbourCounts counts;
    if (!fits_)
        return counts;
    engine_.ComputeStandings(MatchdayLimit);
    CountAround(engine_.HomeStandingsTable(), HomeEntry, true, AwayEntry, counts);
    CountAround(engine_.AwayStandingsTable(), AwayEntry, false, HomeEntry, counts);
    return counts;
}

void NeighbourEstimate(TNeighbourCompetition &competition, int MatchdayLimit, int HomeEntry, int AwayEntry,
                       QStringList &row)
{
    const TNeighbourCounts counts = competition.Count(MatchdayLimit, HomeEntry, AwayEntry);
    const int all = counts.Total();
    if (all <= kLeastResults)
        return;
    row[AnNear1] = QString::number(Round(100.0 * counts.c1 / all));
    row[AnNear1 + 1] = QString::number(Round(100.0 * counts.cX / all));
    row[AnNear1 + 2] = QString::number(Round(100.0 * counts.c2 / all));
}

QString TripleSign(int p, int q, int r)
{
    const std::uint8_t m = MaxByte(MaxByte(std::uint8_t(p), std::uint8_t(q)), std::uint8_t(r));
    if (m <= 33)
        return QString();
    if (m == p)
        return QStringLiteral("1");
    return m == q ? QStringLiteral("X") : QStringLiteral("2");
}

int PickSignByMax(const QStringList &row)
{
    const QString form = RowTripleSign(row, AnForm1);
    const QString meetings = RowTripleSign(row, AnMeet1);
    const QString neighbours = RowTripleSign(row, AnNear1);
    if (form != meetings || neighbours != meetings || form.isEmpty())
        return 0;
    return AnAvg1 + int(QStringList({"1", "X", "2"}).indexOf(form));
}

} // namespace tav::coupons

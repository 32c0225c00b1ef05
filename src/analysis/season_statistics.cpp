#include "analysis/season_statistics.h"

#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/sqlite_statement.h"

#include <map>

namespace tav::analysis {

namespace {

const char GoalsSql[] = "SELECT HmGGoals, HmFGoals, TelGGoals, TelFGoals FROM Agvnes WHERE DiorgNo = ?1";
const char CompetitionSql[] =
    "SELECT DNo FROM Diorganvseis WHERE KatNo = (SELECT KatNo FROM Kathgories "
    "WHERE GrName = ?1 ORDER BY KatNo LIMIT 1) AND Periodos = ?2 ORDER BY DNo LIMIT 1";
const char SummaryFormat[] = "1: %d(%d)    X: %d(%d)    2: %d(%d)";

const std::array<const char *, 6> Headings = {" 1", " Φ", " Χ", " Φ", " 2", " Φ"};

// The labels of the label columns 0, 2 and 4, from row 1 down.
const std::array<std::array<const char *, 3>, 3> HalfFullLabels = {{
    {"1-1", "1-X", "1-2"},
    {"X-1", "X-X", "X-2"},
    {"2-1", "2-X", "2-2"},
}};
const std::array<std::array<const char *, 3>, 10> ScoreLabels = {{
    {"1-0", "0-0", "0-1"},
    {"2-0", "1-1", "0-2"},
    {"2-1", "2-2", "1-2"},
    {"3-0", "3-3", "0-3"},
    {"3-1", "4+-4+", "1-3"},
    {"3-2", "", "2-3"},
    {"4+-0", "", "0-4+"},
    {"4+-1", "", "1-4+"},
    {"4+-2", "", "2-4+"},
    {"4+-3", "", "3-4+"},
}};

// The sign of a pair of goals: "1", "X" or "2"; none when the home goals are not entered and the
// away side has not more.
std::optional<QChar> Sign(const std::optional<int> &home, const std::optional<int> &away)
{
    const int h = home.value_or(0);
    const int a = away.value_or(0);
    if (h > a)
        return QLatin1Char('1');
    if (!home)
        return std::nullopt;
    return h == a ? QLatin1Char('X') : QLatin1Char('2');
}

QString Goals(const std::optional<int> &goals)
{
    if (!goals)
        return QString();
    return *goals >= 4 ? QStringLiteral("4+") : QString::number(*goals);
}

int SignIndex(QChar sign)
{
    return sign == QLatin1Char('1') ? 0 : sign == QLatin1Char('X') ? 1 : 2;
}

QString Summary(const std::array<int, 3> &counts)
{
    const int total = counts[0] + counts[1] + counts[2];
    if (total == 0)
        return QString();
    const auto percent = [total](int count) { return Round(100.0 * count / total); };
    return Format(QString::fromUtf8(SummaryFormat), {counts[0], percent(counts[0]), counts[1],
                                                     percent(counts[1]), counts[2], percent(counts[2])});
}

template <std::size_t Rows>
void FillGrid(TStatisticsGrid<Rows + 1> &grid, const std::array<std::array<const char *, 3>, Rows> &labels,
              const std::map<QString, int> &counts)
{
    for (std::size_t col = 0; col < Headings.size(); ++col)
        grid[0][col] = QString::fromUtf8(Headings[col]);
    for (std::size_t row = 0; row < Rows; ++row) {
        for (std::size_t side = 0; side < 3; ++side) {
            const QString label = QString::fromUtf8(labels[row][side]);
            const auto count = label.isEmpty() ? counts.end() : counts.find(label);
            grid[row + 1][2 * side] = label;
            grid[row + 1][2 * side + 1] = QString::number(count == counts.end() ? 0 : count->second);
        }
    }
}

std::optional<int> OptionalInt(const SqliteStatement &statement, int column)
{
    if (statement.IsNull(column))
        return std::nullopt;
    return static_cast<int>(statement.Int64(column));
}

} // namespace

TSeasonStatistics CountSeason(const std::vector<TMatchGoals> &matches)
{
    std::array<int, 3> halfTime{};
    std::array<int, 3> fullTime{};
    std::map<QString, int> signPairs;
    std::map<QString, int> scores;
    for (const TMatchGoals &match : matches) {
        const std::optional<QChar> half = Sign(match.HmGGoals, match.HmFGoals);
        const std::optional<QChar> full = Sign(match.TelGGoals, match.TelFGoals);
        if (half)
            ++halfTime[SignIndex(*half)];
        if (full)
            ++fullTime[SignIndex(*full)];
        if (half && full)
            ++signPairs[QString(*half) + QLatin1Char('-') + *full];
        ++scores[Goals(match.TelGGoals) + QLatin1Char('-') + Goals(match.TelFGoals)];
    }
    TSeasonStatistics statistics;
    statistics.Played = fullTime[0] + fullTime[1] + fullTime[2];
    statistics.FullTimeSummary = Summary(fullTime);
    statistics.HalfTimeSummary = Summary(halfTime);
    FillGrid(statistics.HalfFullTable, HalfFullLabels, signPairs);
    FillGrid(statistics.ScoreTable, ScoreLabels, scores);
    return statistics;
}

std::vector<TMatchGoals> ReadSeasonGoals(TTavrolinDM &dm, int DNo)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(GoalsSql));
    statement->Bind(1, DNo);
    std::vector<TMatchGoals> goals;
    while (statement->Step())
        goals.push_back({OptionalInt(*statement, 0), OptionalInt(*statement, 1), OptionalInt(*statement, 2),
                         OptionalInt(*statement, 3)});
    return goals;
}

std::optional<int> CompetitionOf(TTavrolinDM &dm, const QString &category, const QString &season)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(CompetitionSql));
    statement->BindAll({category, season});
    if (!statement->Step())
        return std::nullopt;
    return static_cast<int>(statement->Int64(0));
}

TCompetitionStatistics ShowStatistics(TTavrolinDM &dm, const QString &category, const QString &season,
                                      const QStringList &seasonsNewestFirst)
{
    TCompetitionStatistics result;
    if (const std::optional<int> DNo = CompetitionOf(dm, category, season))
        result.Chosen = TSeasonHalf{season, CountSeason(ReadSeasonGoals(dm, *DNo))};
    const qsizetype chosen = seasonsNewestFirst.indexOf(season);
    if (chosen < 0)
        return result;
    for (qsizetype i = chosen + 1; i < seasonsNewestFirst.size(); ++i) {
        const std::optional<int> DNo = CompetitionOf(dm, category, seasonsNewestFirst[i]);
        if (!DNo)
            continue;
        TSeasonStatistics statistics = CountSeason(ReadSeasonGoals(dm, *DNo));
        if (statistics.Played > 0) {
            result.Older = TSeasonHalf{seasonsNewestFirst[i], std::move(statistics)};
            break;
        }
    }
    return result;
}

} // namespace tav::analysis

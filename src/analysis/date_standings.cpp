#include "analysis/date_standings.h"

#include "analysis/standings_rows.h"
#include "analysis/standings_store.h"
#include "platform/core/errors.h"

namespace tav::analysis {

namespace {

const char TooManyTeamsMessage[] =
    "Οι αγώνες του διαστήματος έχουν περισσότερες από %1 ομάδες· η βαθμολογία δεν υπολογίζεται.";

// The place of the team in the table, appending it when it is not there yet.
std::size_t EntryOf(TStandingsTable &table, std::unordered_map<int, std::size_t> &places, int team)
{
    const auto [found, added] = places.emplace(team, table.size());
    if (added) {
        if (table.size() >= static_cast<std::size_t>(MaxStandingsTeams))
            throw Exception(QString::fromUtf8(TooManyTeamsMessage).arg(MaxStandingsTeams));
        TStandingsEntry entry;
        entry.TeamKey = team;
        table.push_back(entry);
    }
    return found->second;
}

} // namespace

TStandingsTable ComputeDateStandingsTable(const std::vector<TStandingsMatch> &matches,
                                          const TPointsRule &rule)
{
    TStandingsTable table;
    std::unordered_map<int, std::size_t> places;
    for (const TStandingsMatch &match : matches) {
        const std::size_t home = EntryOf(table, places, match.Ghpedoyxos);
        const std::size_t away = EntryOf(table, places, match.Filojenoymenh);
        // Away goals not entered beside entered home goals count as none.
        if (match.TelGGoals)
            CountMatch(table[home], table[away], *match.TelGGoals, match.TelFGoals.value_or(0));
    }
    for (TStandingsEntry &entry : table)
        ComputeTotals(entry, rule);
    SortByPoints(table);
    return table;
}

void TDateStandingsEngine::ComputeStandings(TTavrolinDM &dm, int DNo, const QDate &first, const QDate &last)
{
    const TStandingsCompetition competition = ReadStandingsCompetition(dm, DNo);
    ComputeStandings(competition, ReadStandingsTeams(dm, DNo), ReadMatchesBetween(dm, DNo, first, last));
}

void TDateStandingsEngine::ComputeStandings(const TStandingsCompetition &competition,
                                            std::vector<TStandingsTeam> teams,
                                            const std::vector<TStandingsMatch> &matches)
{
    TStandingsTable table =
        ComputeDateStandingsTable(matches, TPointsRule{competition.Nikh, competition.Isop, competition.Htta});
    competition_ = competition;
    teams_.clear();
    for (TStandingsTeam &team : teams)
        teams_.emplace(team.RecNo, std::move(team));
    table_ = std::move(table);
}

void TDateStandingsEngine::Clear()
{
    table_.clear();
}

std::optional<QString> TDateStandingsEngine::ApplySpecialOrdering(int section)
{
    return analysis::ApplySpecialOrdering(table_, section);
}

TPlaceMark TDateStandingsEngine::RowMark(int row) const
{
    return PlaceMark(competition_, row + 1);
}

QStringList TDateStandingsEngine::RowTexts(int row, bool latin) const
{
    const TStandingsEntry &entry = table_.at(static_cast<std::size_t>(row));
    const auto team = teams_.find(entry.TeamKey);
    QString name;
    if (team != teams_.end())
        name = latin ? team->second.EnName : team->second.GrName;
    return StandingsRowTexts(entry, row + 1, name);
}

} // namespace tav::analysis

#include "analysis/standings_engine.h"

#include "platform/core/errors.h"

#include <algorithm>

namespace tav::analysis {

namespace {

const char TooManyTeamsMessage[] =
    "Η διοργάνωση έχει %1 ομάδες. Η βαθμολογία υπολογίζεται για %2 ομάδες το πολύ.";
const char OtherCompetitionMessage[] =
    "Η βαθμολογία ζητήθηκε για τη διοργάνωση %1, ενώ έχουν φορτωθεί τα στοιχεία της διοργάνωσης %2.";

// Place (from 1) of every team key in a sorted table; the first place wins for a repeated key.
std::unordered_map<int, int> PlacesByKey(const TStandingsTable &table)
{
    std::unordered_map<int, int> places;
    for (std::size_t i = 0; i < table.size(); ++i)
        places.emplace(table[i].TeamKey, static_cast<int>(i) + 1);
    return places;
}

} // namespace

int HighestMatchday(int omades, int rounds)
{
    const int perRound = omades % 2 == 0 ? omades - 1 : omades;
    return std::max(1, perRound * rounds);
}

TPlaceMark PlaceMark(const TStandingsCompetition &competition, int place)
{
    TPlaceMark mark = TPlaceMark::None;
    if (place <= competition.Champions + competition.OmadesUp)
        mark = TPlaceMark::Promoted;
    if (place <= competition.Champions)
        mark = TPlaceMark::Champion;
    if (place > competition.Omades - competition.OmadesDn)
        mark = TPlaceMark::Relegated;
    return mark;
}

void TStandingsEngine::SetCompetition(const TStandingsCompetition &competition)
{
    competition_ = competition;
}

void TStandingsEngine::SetTeams(std::vector<TStandingsTeam> teams)
{
    if (teams.size() > static_cast<std::size_t>(MaxStandingsTeams))
        throw Exception(QString::fromUtf8(TooManyTeamsMessage).arg(teams.size()).arg(MaxStandingsTeams));
    // The clubs in the order they were entered for the competition: level teams keep it.
    std::stable_sort(teams.begin(), teams.end(),
                     [](const TStandingsTeam &a, const TStandingsTeam &b) { return a.RecNo < b.RecNo; });
    teams_ = std::move(teams);
    teamIndex_.clear();
    for (std::size_t i = 0; i < teams_.size(); ++i)
        teamIndex_.emplace(teams_[i].RecNo, i);
}

void TStandingsEngine::SetMatches(std::vector<TStandingsMatch> matches)
{
    matches_ = std::move(matches);
}

const TStandingsTeam *TStandingsEngine::FindTeam(int recNo) const
{
    const auto found = teamIndex_.find(recNo);
    return found == teamIndex_.end() ? nullptr : &teams_[found->second];
}

int TStandingsEngine::HighestMatchday() const
{
    return analysis::HighestMatchday(competition_.Omades, competition_.Rounds);
}

bool TStandingsEngine::HasMatchday(int matchday) const
{
    if (matchday < startMatchday_)
        return false;
    return std::any_of(matches_.begin(), matches_.end(), [&](const TStandingsMatch &match) {
        return match.DiorgNo == competition_.DNo && match.Agvnistikh == matchday;
    });
}

TShowRoundResult TStandingsEngine::ShowRound(int DNo, int matchday)
{
    if (DNo != competition_.DNo)
        throw Exception(QString::fromUtf8(OtherCompetitionMessage).arg(DNo).arg(competition_.DNo));
    TShowRoundResult result;
    result.Matchday = std::min(matchday, HighestMatchday());
    if (competition_.Typos == 1)
        return result;
    ComputeStandings(result.Matchday);
    result.Computed = true;
    return result;
}

bool TStandingsEngine::Counts(const TStandingsMatch &match, int matchday) const
{
    return match.DiorgNo == competition_.DNo && match.Agvnistikh >= startMatchday_ &&
           match.Agvnistikh <= matchday && match.TelGGoals.has_value();
}

void TStandingsEngine::ComputeStandings(int matchday)
{
    matchday_ = matchday;
    skippedMatches_.clear();

    TStandingsTable entries(teams_.size());
    for (std::size_t i = 0; i < teams_.size(); ++i) {
        entries[i].TeamKey = teams_[i].RecNo;
        entries[i].Points = teams_[i].Timvria;
    }

    for (const TStandingsMatch &match : matches_) {
        if (!Counts(match, matchday))
            continue;
        const auto home = teamIndex_.find(match.Ghpedoyxos);
        const auto away = teamIndex_.find(match.Filojenoymenh);
        if (home == teamIndex_.end() || away == teamIndex_.end()) {
            skippedMatches_.push_back(match);
            continue;
        }
        // Away goals not entered beside entered home goals count as none.
        CountMatch(entries[home->second], entries[away->second], *match.TelGGoals,
                   match.TelFGoals.value_or(0));
    }

    const TPointsRule rule{competition_.Nikh, competition_.Isop, competition_.Htta};
    for (TStandingsEntry &entry : entries)
        ComputeTotals(entry, rule);

    SortByPoints(entries);
    standingsTable_ = std::move(entries);
    // Home and away tables both start from the overall order: it decides their ties.
    homeStandingsTable_ = standingsTable_;
    SortByHomePoints(homeStandingsTable_);
    awayStandingsTable_ = standingsTable_;
    SortByAwayPoints(awayStandingsTable_);

    BuildTeamStatRows();
}

void TStandingsEngine::BuildTeamStatRows()
{
    const std::unordered_map<int, int> homePlaces = PlacesByKey(homeStandingsTable_);
    const std::unordered_map<int, int> awayPlaces = PlacesByKey(awayStandingsTable_);
    teamStatRows_.clear();
    teamStatRows_.reserve(standingsTable_.size());
    for (std::size_t i = 0; i < standingsTable_.size(); ++i) {
        const TStandingsEntry &entry = standingsTable_[i];
        TTeamStatRow row;
        row.TeamNo = entry.TeamKey;
        row.Agvnistikh = matchday_;
        row.NikesIn = entry.HomeWins;
        row.IsopIn = entry.HomeDraws;
        row.HttesIn = entry.HomeLosses;
        row.NikesOut = entry.AwayWins;
        row.IsopOut = entry.AwayDraws;
        row.HttesOut = entry.AwayLosses;
        row.GoalYpIn = entry.HomeGoalsFor;
        row.GoalKaIn = entry.HomeGoalsAgainst;
        row.GoalYpOut = entry.AwayGoalsFor;
        row.GoalKaOut = entry.AwayGoalsAgainst;
        row.Position = static_cast<int>(i) + 1;
        row.PositionEntos = homePlaces.at(entry.TeamKey);
        row.PositionEktos = awayPlaces.at(entry.TeamKey);
        teamStatRows_.push_back(row);
    }
}

std::optional<QString> TStandingsEngine::ApplySpecialOrdering(int section)
{
    return analysis::ApplySpecialOrdering(standingsTable_, section);
}

} // namespace tav::analysis

#include "analysis/prediction_runs.h"

#include "analysis/prediction_store.h"

#include "platform/db/db_errors.h"

#include <functional>

namespace tav::analysis {

namespace {

const char *const kNoMatch = "Δεν βρέθηκε ο αγώνας με αριθμό %1.";

// Which matchday's places a method reads for a past match: its own, or the one before it.
enum class TPlaces
{
    OfThatMatchday,
    BeforeThatMatchday,
};

void StorePercent(TAnalysisRow &row, const TPercentages &percent)
{
    row.Percent = {std::uint8_t(percent.PX), std::uint8_t(percent.P1), std::uint8_t(percent.P2)};
}

std::optional<int> PositionOf(TTavrolinDM &dm, int team, int matchday)
{
    const std::optional<TTeamStatRow> row = ReadTeamStat(dm, team, matchday);
    return row ? std::optional<int>(row->Position) : std::nullopt;
}

// A side's earlier matches from its own point of view, with the places the method reads; the
// opponent's strength only when asked.
std::vector<TWeighedResult> WeighedHistory(TTavrolinDM &dm, const std::vector<TPastMatch> &past, bool home,
                                           TPlaces places, bool strengths)
{
    std::vector<TWeighedResult> results;
    for (const TPastMatch &match : past) {
        const int own = home ? match.Ghpedoyxos : match.Filojenoymenh;
        const int opponent = home ? match.Filojenoymenh : match.Ghpedoyxos;
        const int matchday = places == TPlaces::OfThatMatchday ? match.Agvnistikh : match.Agvnistikh - 1;
        TWeighedResult result;
        result.Sign = PlayedSign(match.TelGGoals, match.TelFGoals);
        result.OwnPosition = PositionOf(dm, own, matchday);
        result.OpponentPosition = PositionOf(dm, opponent, matchday);
        if (strengths)
            result.OpponentStrength = ReadTeamStrength(dm, opponent);
        results.push_back(result);
    }
    return results;
}

std::vector<TPastMatch> History(TTavrolinDM &dm, const TListedMatch &match, bool home, int recent)
{
    return ReadPastMatches(dm, home ? match.GTeamNo : match.FTeamNo, home, match.Date, recent);
}

void ForEachMatch(TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                  const std::function<TPercentages(const TListedMatch &)> &compute)
{
    FillListedMatches(table, matches);
    for (int k = 1; k <= table.AnalysisCount; ++k)
        StorePercent(table.AnalysisRows[k], compute(matches[k - 1]));
}

} // namespace

void RunRecentResults(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                      int recent, bool combine)
{
    if (matches.empty()) {
        table.Clear();
        return;
    }
    std::vector<int> homeClubs, awayClubs;
    for (const TListedMatch &match : matches) {
        homeClubs.push_back(match.GTeamNo);
        awayClubs.push_back(match.FTeamNo);
    }
    // Every history is cut at the date of the first listed match.
    const QDate before = matches.front().Date;
    PredictFromRecentResults(table, matches, ReadRecentResults(dm, homeClubs, true, before),
                             ReadRecentResults(dm, awayClubs, false, before), recent, combine);
    WriteTeamStatPercentages(dm, TeamStatPercentages(table, matches.front().Agvnistikh));
}

void RunRankGap(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches, int recent)
{
    ForEachMatch(table, matches, [&](const TListedMatch &match) {
        const int teams = ReadPredictionCompetition(dm, match.DiorgNo).Omades;
        return PredictByRankGap(
            teams,
            WeighedHistory(dm, History(dm, match, true, recent), true, TPlaces::BeforeThatMatchday, false),
            WeighedHistory(dm, History(dm, match, false, recent), false, TPlaces::BeforeThatMatchday, false));
    });
}

void RunOpponentRank(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches,
                     int recent)
{
    ForEachMatch(table, matches, [&](const TListedMatch &match) {
        const int teams = ReadPredictionCompetition(dm, match.DiorgNo).Omades;
        return PredictByOpponentRank(
            teams, WeighedHistory(dm, History(dm, match, true, recent), true, TPlaces::OfThatMatchday, false),
            WeighedHistory(dm, History(dm, match, false, recent), false, TPlaces::OfThatMatchday, false));
    });
}

int RunStrength(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches, int recent)
{
    int skipped = 0;
    ForEachMatch(table, matches, [&](const TListedMatch &match) {
        const TPredictionCompetition competition = ReadPredictionCompetition(dm, match.DiorgNo);
        TStrengthSide sides[2];
        for (int side = 0; side < 2; ++side) {
            const bool home = side == 0;
            const std::vector<TPastMatch> past = History(dm, match, home, recent);
            sides[side].TeamStrength = ReadTeamStrength(dm, home ? match.Ghpedoyxos : match.Filojenoymenh);
            if (!past.empty())
                sides[side].CompetitionStrength = ReadPredictionCompetition(dm, past.front().DiorgNo).Isxys;
            sides[side].Results = WeighedHistory(dm, past, home, TPlaces::BeforeThatMatchday, true);
        }
        const TStrengthResult result = PredictByStrength(competition, sides[0], sides[1]);
        skipped += result.Skipped;
        return result.Percent;
    });
    return skipped;
}

void RunPointsRate(TTavrolinDM &dm, TAnalysisTable &table, const std::vector<TListedMatch> &matches)
{
    ForEachMatch(table, matches, [&](const TListedMatch &match) {
        const TPredictionCompetition competition = ReadPredictionCompetition(dm, match.DiorgNo);
        const int before = match.Agvnistikh - 1;
        return PredictByPointsRate(
            competition.Omades,
            StandingFigures(ReadTeamStat(dm, match.Ghpedoyxos, before), true, competition),
            StandingFigures(ReadTeamStat(dm, match.Filojenoymenh, before), false, competition));
    });
}

QString StandingLine(TTavrolinDM &dm, int gameNo, bool home, const QString &sideWord)
{
    const std::optional<TListedMatch> match = ReadMatch(dm, gameNo);
    if (!match)
        throw EDatabaseError(QString::fromUtf8(kNoMatch).arg(gameNo));
    const TPredictionCompetition competition = ReadPredictionCompetition(dm, match->DiorgNo);
    const int team = home ? match->Ghpedoyxos : match->Filojenoymenh;
    const TStandingFigures figures =
        StandingFigures(ReadTeamStat(dm, team, match->Agvnistikh - 1), home, competition);
    return StandingLineText(competition.Omades, figures, sideWord);
}

} // namespace tav::analysis

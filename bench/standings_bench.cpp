// The league table of every matchday of a 30-season history of an 18-team league (two rounds,
// 34 matchdays, 9,180 matches), as the automatic standings update and the window's matchday
// changes compute them: per season the engine is loaded once and computes each matchday.
#include "analysis/standings_engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int SeasonCount = 30;
constexpr int TeamCount = 18;
constexpr int Rounds = 2;

struct TSeason
{
    TStandingsCompetition competition;
    std::vector<TStandingsTeam> teams;
    std::vector<TStandingsMatch> matches;
};

// A small deterministic generator, so every run scores the same matches.
class TScores
{
public:
    int Next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % 5);
    }

private:
    std::uint64_t state_ = 2024;
};

std::vector<TSeason> History()
{
    TScores scores;
    std::vector<TSeason> seasons(SeasonCount);
    for (int s = 0; s < SeasonCount; ++s) {
        TSeason &season = seasons[s];
        season.competition.DNo = s + 1;
        season.competition.Omades = TeamCount;
        season.competition.Rounds = Rounds;
        std::vector<int> circle;
        for (int i = 0; i < TeamCount; ++i) {
            TStandingsTeam team;
            team.RecNo = s * 100 + i + 1;
            team.TeamNo = i + 1;
            season.teams.push_back(team);
            circle.push_back(team.RecNo);
        }
        // Circle method: every pairing once per round, home and away alternating.
        for (int round = 0; round < Rounds; ++round) {
            for (int day = 0; day < TeamCount - 1; ++day) {
                for (int k = 0; k < TeamCount / 2; ++k) {
                    TStandingsMatch match;
                    match.DiorgNo = s + 1;
                    match.Agvnistikh = round * (TeamCount - 1) + day + 1;
                    match.Ghpedoyxos = circle[k];
                    match.Filojenoymenh = circle[TeamCount - 1 - k];
                    if ((round + day) % 2 == 1)
                        std::swap(match.Ghpedoyxos, match.Filojenoymenh);
                    match.TelGGoals = scores.Next();
                    match.TelFGoals = scores.Next() % 3;
                    season.matches.push_back(match);
                }
                std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
            }
        }
    }
    return seasons;
}

void BM_StandingsEveryMatchdayOfThirtySeasons(benchmark::State &state)
{
    const std::vector<TSeason> seasons = History();
    const int matchdays = HighestMatchday(TeamCount, Rounds);
    TStandingsEngine engine;
    for (auto _ : state) {
        for (const TSeason &season : seasons) {
            engine.SetCompetition(season.competition);
            engine.SetTeams(season.teams);
            engine.SetMatches(season.matches);
            for (int matchday = 1; matchday <= matchdays; ++matchday) {
                engine.ShowRound(season.competition.DNo, matchday);
                benchmark::DoNotOptimize(engine.TeamStatRows().data());
            }
        }
    }
    const auto perItem = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["per_table"] = benchmark::Counter(double(SeasonCount) * matchdays, perItem);
    state.counters["per_season"] = benchmark::Counter(SeasonCount, perItem);
    state.counters["matches"] = double(SeasonCount) * matchdays * (TeamCount / 2);
}

} // namespace

BENCHMARK(BM_StandingsEveryMatchdayOfThirtySeasons)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// The score prediction of a page of 60 checked coupon rows, one match of each of 60 leagues, on
// the large database of the coupon statistics benchmarks, home against away and over all matches,
// over the latest 6 and over all of them, each beside the simplest direct way of filling the same
// cells (the match look-up and one aggregate statement per team through the SQLite C API) in the
// same run. Cells that differ end the program.
#include "coupon_page.h"
#include "couponstats/score_analysis.h"
#include "couponstats/score_columns.h"
#include "platform/core/format.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tav::couponstats;
using namespace coupon_page;

namespace {

const TPageLayout kPage{
    .columns = kScoreColumns, .number = ScNumber, .code = ScCode, .diorg = ScDiorg, .date = ScDate};

void BM_Engine(benchmark::State &state, TScoreMode mode, int n, const std::string &name)
{
    const TGoalRecordSource records = StoredGoalRecords(Bench());
    RunAnalysis(state, name, kPage, [&](TTavrolinDM &dm, TPageGrid grid) {
        RunScoreAnalysis(
            dm, grid, mode, n, [] { return true; }, records);
    });
}

// One team's matches walked, goals scored and conceded, and those of 3 or more, over its latest N
// matches (all when N is -1); the matches are the team's home ones, away ones or all of them.
std::string TeamSql(const char *matches)
{
    return std::string("SELECT COUNT(*), SUM(o), SUM(x), SUM(CASE WHEN o >= 3 THEN o ELSE 0 END), "
                       "SUM(CASE WHEN x >= 3 THEN x ELSE 0 END) FROM (SELECT "
                       "CASE WHEN Ghpedoyxos = ?2 THEN TelGGoals ELSE TelFGoals END o, "
                       "CASE WHEN Ghpedoyxos = ?2 THEN TelFGoals ELSE TelGGoals END x "
                       "FROM Agvnes WHERE DiorgNo = ?1 AND ") +
           matches + " AND TelGGoals >= 0 AND \"Date\" < ?3 ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?4)";
}

struct TTeam
{
    qint64 matches = 0;
    qint64 scored = 0;
    qint64 conceded = 0;
    qint64 scored3 = 0;
    qint64 conceded3 = 0;
};

// A team short of N matches counts none.
TTeam TeamOf(const std::vector<std::optional<qint64>> &row, int n)
{
    if (n > 0 && row[0].value_or(0) < n)
        return {};
    return {row[0].value_or(0), row[1].value_or(0), row[2].value_or(0), row[3].value_or(0),
            row[4].value_or(0)};
}

void Write(QStringList &row, const TTeam &h, const TTeam &a)
{
    const auto set = [&](int col, qint64 value) { row[col] = IntToStr(value); };
    const qint64 d = (h.scored - h.conceded) - (a.scored - a.conceded);
    const qint64 homeGoals = h.scored + a.conceded;
    const qint64 awayGoals = h.conceded + a.scored;
    set(ScHomeMatches, h.matches);
    set(ScHomeScored, h.scored);
    set(ScHomeConceded, h.conceded);
    set(ScHomeDifference, h.scored - h.conceded);
    set(ScAwayScored, a.scored);
    set(ScAwayConceded, a.conceded);
    set(ScAwayDifference, a.scored - a.conceded);
    set(ScDifference, d);
    set(ScHomeGoals, homeGoals);
    set(ScAwayGoals, awayGoals);
    set(ScGoalsDifference, homeGoals - awayGoals);
    set(ScHomeGoalPoints, homeGoals + h.scored3 + a.conceded3);
    set(ScAwayGoalPoints, awayGoals + h.conceded3 + a.scored3);
    row[ScProposal] = ProposalFor(double(d), kDefaultsA);
}

void BM_Direct(benchmark::State &state, TScoreMode mode, int n, const std::string &name)
{
    sqlite3 *db = Bench().TavrolinDb.Handle();
    const bool all = mode == TScoreMode::AllMatches;
    const char *both = "(Ghpedoyxos = ?2 OR Filojenoymenh = ?2)";
    Statement home(db, TeamSql(all ? both : "Ghpedoyxos = ?2").c_str());
    Statement away(db, TeamSql(all ? both : "Filojenoymenh = ?2").c_str());
    RunDirect(state, name, kPage, [&](const auto &m, const QString &date, QStringList &row) {
        const auto h = home.Row({*m[0], *m[1], date, n > 0 ? n : -1});
        const auto a = away.Row({*m[0], *m[2], date, n > 0 ? n : -1});
        Write(row, TeamOf(*h, n), TeamOf(*a, n));
    });
}

BENCHMARK_CAPTURE(BM_Direct, m0n6, TScoreMode::HomeAway, 6, "SQL mode 0 N=6")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, m0n6, TScoreMode::HomeAway, 6, "score mode 0 N=6")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Direct, m0n0, TScoreMode::HomeAway, 0, "SQL mode 0 N=0")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, m0n0, TScoreMode::HomeAway, 0, "score mode 0 N=0")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Direct, m1n6, TScoreMode::AllMatches, 6, "SQL mode 1 N=6")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, m1n6, TScoreMode::AllMatches, 6, "score mode 1 N=6")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Direct, m1n0, TScoreMode::AllMatches, 0, "SQL mode 1 N=0")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Engine, m1n0, TScoreMode::AllMatches, 0, "score mode 1 N=0")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void PrintComparison()
{
    CheckThenPrintBesideSql({{"score mode 0 N=6", "SQL mode 0 N=6"},
                             {"score mode 0 N=0", "SQL mode 0 N=0"},
                             {"score mode 1 N=6", "SQL mode 1 N=6"},
                             {"score mode 1 N=0", "SQL mode 1 N=0"}},
                            ScHomeMatches);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}

// Writing 100,000 fixed-column result lines ("%-10s %-20s-%-20s %2s-%2s", the line of every text
// result file) through Format, compared with padding the same fields by hand with QString.
#include "platform/core/format.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Match
{
    QString date;
    QString home;
    QString away;
    QString homeGoals;
    QString awayGoals;
};

std::vector<Match> SampleMatches(int count)
{
    std::vector<Match> matches;
    matches.reserve(count);
    for (int i = 0; i < count; ++i) {
        matches.push_back({QStringLiteral("05/01/2003"), QString::fromUtf8("ΟΛΥΜΠΙΑΚΟΣ %1").arg(i % 97),
                           QString::fromUtf8("ΠΑΝΑΘΗΝΑΪΚΟΣ"), QString::number(i % 5),
                           QString::number(i % 3)});
    }
    return matches;
}

void BM_FormatResultLines(benchmark::State &state)
{
    const std::vector<Match> matches = SampleMatches(static_cast<int>(state.range(0)));
    const QString line = QStringLiteral("%-10s %-20s-%-20s %2s-%2s");
    for (auto _ : state) {
        qsizetype total = 0;
        for (const Match &m : matches)
            total += Format(line, {m.date, m.home, m.away, m.homeGoals, m.awayGoals}).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_HandPaddedResultLines(benchmark::State &state)
{
    const std::vector<Match> matches = SampleMatches(static_cast<int>(state.range(0)));
    const QChar blank = QLatin1Char(' ');
    for (auto _ : state) {
        qsizetype total = 0;
        for (const Match &m : matches) {
            QString text;
            text.reserve(60);
            text += m.date.leftJustified(10, blank);
            text += blank;
            text += m.home.leftJustified(20, blank);
            text += QLatin1Char('-');
            text += m.away.leftJustified(20, blank);
            text += blank;
            text += m.homeGoals.rightJustified(2, blank);
            text += QLatin1Char('-');
            text += m.awayGoals.rightJustified(2, blank);
            total += text.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_FormatResultLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandPaddedResultLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

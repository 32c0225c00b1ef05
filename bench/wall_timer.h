#pragma once

// Wall-clock time of each benchmark, kept for the comparison a benchmark program prints at its end
// (the engine against the direct way of doing the same work, in the same run).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Nanoseconds per iteration, by the name each benchmark timed itself under.
inline std::map<std::string, double> &WallTimes()
{
    static std::map<std::string, double> times;
    return times;
}

// Times the benchmark's whole loop: created before it, destroyed after it.
class WallTimer
{
public:
    WallTimer(benchmark::State &state, std::string name)
        : state_(state), name_(std::move(name)), start_(std::chrono::steady_clock::now())
    {
    }
    ~WallTimer()
    {
        const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start_;
        if (state_.iterations() > 0)
            WallTimes()[name_] = elapsed.count() / double(state_.iterations());
    }
    WallTimer(const WallTimer &) = delete;
    WallTimer &operator=(const WallTimer &) = delete;

private:
    benchmark::State &state_;
    std::string name_;
    std::chrono::steady_clock::time_point start_;
};

// Prints the runs (every other timed run when none are named) beside the direct SQL run, in
// milliseconds and as a multiple of it; nothing when the SQL run was not timed.
inline void PrintBesideSql(const char *title, const std::string &sql, std::vector<std::string> runs = {})
{
    const auto direct = WallTimes().find(sql);
    if (direct == WallTimes().end())
        return;
    if (runs.empty())
        for (const auto &[name, time] : WallTimes())
            if (name != sql)
                runs.push_back(name);
    std::printf("\n%-22s %12s %10s\n", title, "ms", "vs SQL");
    for (const std::string &run : runs) {
        const auto timed = WallTimes().find(run);
        if (timed != WallTimes().end())
            std::printf("%-22s %12.3f %9.2fx\n", run.c_str(), timed->second / 1e6,
                        timed->second / direct->second);
    }
    std::printf("%-22s %12.3f\n", sql.c_str(), direct->second / 1e6);
}

// Prints each engine run beside its direct SQL run, in milliseconds, and their ratio, which is to
// stay within 3x; the pairs not both timed are left out, and the title with them when none was.
inline void PrintEngineBesideSql(const char *title,
                                 const std::vector<std::pair<std::string, std::string>> &pairs)
{
    bool titled = false;
    for (const auto &[engine, sql] : pairs) {
        const auto e = WallTimes().find(engine);
        const auto s = WallTimes().find(sql);
        if (e == WallTimes().end() || s == WallTimes().end())
            continue;
        if (!titled)
            std::printf("\n%-24s %12s %12s %9s\n", title, "engine ms", "SQL ms", "ratio");
        titled = true;
        std::printf("%-24s %12.3f %12.3f %8.2fx (at most 3x)\n", engine.c_str(), e->second / 1e6,
                    s->second / 1e6, e->second / s->second);
    }
}

// A benchmark program's main: runs the benchmarks asked for, then prints the program's summary.
inline int RunBenchmarksThenSummary(int &argc, char **argv, void (*printSummary)())
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}

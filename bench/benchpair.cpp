#include "benchpair.h"

#include "pairresult.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace bench
{
namespace
{
constexpr int FewestRounds = 3;

// The heap in use: small blocks and mapped large ones.
double HeapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks) + static_cast<double>(info.hblkhd);
}

// Linear interpolation between the closest ranks of sorted values.
double Quantile(const std::vector<double> &sorted, double fraction)
{
    if (sorted.empty())
        return 0;
    const double position = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

std::vector<double> Sorted(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

int RoundCap(int rounds)
{
    bool ok = false;
    const int cap = qEnvironmentVariableIntValue("QORV_BENCH_ROUNDS", &ok);
    return ok && cap > 0 ? std::min(cap, rounds) : rounds;
}

double CaseSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("QORV_BENCH_CASE_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 20.0;
}

// The first round of a side, with the heap it leaves filled.
double MeasuredRound(const Round &round, double &bytes)
{
    const double before = HeapInUse();
    const double seconds = round();
    bytes = HeapInUse() - before;
    return seconds;
}

void RunPair(benchmark::State &state, const std::string &name, const Side &project, const Side &bare,
             PairOptions options)
{
    try {
        for (auto _ : state) {
            const Round projectRound = project();
            const Round bareRound = bare();
            const int rounds = RoundCap(options.rounds);
            const double budget = CaseSeconds();
            const auto start = std::chrono::steady_clock::now();
            std::vector<double> projectTimes;
            std::vector<double> bareTimes;
            std::vector<double> ratios;
            double projectBytes = 0;
            double bareBytes = 0;
            for (int index = 0; index < rounds; ++index) {
                double projectSeconds = 0;
                double bareSeconds = 0;
                if (index == 0) {
                    projectSeconds = MeasuredRound(projectRound, projectBytes);
                    bareSeconds = MeasuredRound(bareRound, bareBytes);
                } else if (index % 2 == 0) {
                    projectSeconds = projectRound();
                    bareSeconds = bareRound();
                } else {
                    bareSeconds = bareRound();
                    projectSeconds = projectRound();
                }
                projectTimes.push_back(projectSeconds);
                bareTimes.push_back(bareSeconds);
                ratios.push_back(bareSeconds > 0 ? projectSeconds / bareSeconds : 0);
                if (index + 1 >= FewestRounds && SecondsSince(start) > budget)
                    break;
            }
            PairResult result;
            result.name = name;
            result.rounds = static_cast<int>(ratios.size());
            result.projectMedian = Quantile(Sorted(projectTimes), 0.5);
            result.bareMedian = Quantile(Sorted(bareTimes), 0.5);
            const std::vector<double> sortedRatios = Sorted(ratios);
            result.ratioMedian = Quantile(sortedRatios, 0.5);
            result.ratioLowerQuartile = Quantile(sortedRatios, 0.25);
            result.ratioUpperQuartile = Quantile(sortedRatios, 0.75);
            result.ratioMin = sortedRatios.front();
            result.ratioMax = sortedRatios.back();
            if (options.records > 0) {
                result.projectBytesPerRecord = projectBytes / options.records;
                result.bareBytesPerRecord = bareBytes / options.records;
            }
            PairResults().push_back(result);
            state.SetIterationTime(result.projectMedian);
            state.counters["bare_ms"] = result.bareMedian * 1e3;
            state.counters["ratio"] = result.ratioMedian;
            state.counters["rounds"] = result.rounds;
        }
    } catch (const Failure &failure) {
        state.SkipWithError(failure.what());
    }
}
}

std::vector<PairResult> &PairResults()
{
    static std::vector<PairResult> results;
    return results;
}

void RegisterPair(const std::string &name, Side project, Side bare, PairOptions options)
{
    benchmark::RegisterBenchmark(name.c_str(),
                                 [name, project = std::move(project), bare = std::move(bare),
                                  options](benchmark::State &state) { RunPair(state, name, project, bare, options); })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

double SecondsSince(const std::chrono::steady_clock::time_point &start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Round Repeated(int calls, std::function<void()> call)
{
    return [calls, call = std::move(call)] {
        const auto start = std::chrono::steady_clock::now();
        for (int index = 0; index < calls; ++index)
            call();
        return SecondsSince(start) / calls;
    };
}
}

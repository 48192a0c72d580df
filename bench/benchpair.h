#ifndef BENCHPAIR_H
#define BENCHPAIR_H

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace bench
{
// The suffixes that pair a case with its bare reference in the ratio table.
inline const std::string ProjectSuffix = "/project";
inline const std::string BareSuffix = "/bare";

using Body = std::function<void(benchmark::State &)>;

// Registers name/project (the project's own code) and name/bare (the least
// the same work can cost) to run one after the other. The returned pointers
// take the usual options (Iterations, UseManualTime, ...), the same for both.
struct Pair
{
    benchmark::internal::Benchmark *project;
    benchmark::internal::Benchmark *bare;
};
Pair RegisterPair(const std::string &name, Body project, Body bare);
}

#endif // BENCHPAIR_H

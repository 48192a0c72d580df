#ifndef BENCHPAIR_H
#define BENCHPAIR_H

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

namespace bench
{
// Thrown by a side that cannot get ready, or whose round went wrong; the case
// is then reported as failed with this text.
struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// One round of one side: its seconds.
using Round = std::function<double()>;
// Gets one side ready once (windows shown, replies built, peers listening)
// and returns its round, which keeps what it needs alive.
using Side = std::function<Round()>;

struct PairOptions
{
    // Rounds of each side; QORV_BENCH_ROUNDS caps them and a case stops early
    // once it has run three rounds and QORV_BENCH_CASE_SECONDS (default 20).
    int rounds = 20;
    // Records a round fills, for the memory per record; 0 when none.
    int records = 0;
};

// Registers a case that gets the project's side and its bare reference ready,
// then runs their rounds interleaved (project first in even rounds, bare first
// in odd ones), so that a load that comes and goes weighs on both alike. The
// closing table shows the median of the per-round ratios with its spread.
void RegisterPair(const std::string &name, Side project, Side bare, PairOptions options = {});

// Seconds since a steady-clock start.
double SecondsSince(const std::chrono::steady_clock::time_point &start);

// A round of work that lasts microseconds: calls it `calls` times and gives
// the seconds of one call.
Round Repeated(int calls, std::function<void()> call);
}

#endif // BENCHPAIR_H

#ifndef RATIOREPORTER_H
#define RATIOREPORTER_H

#include <benchmark/benchmark.h>

namespace bench
{
// The console output as usual, then one line per pair: the medians of the
// project's and the bare reference's rounds, the median of their per-round
// ratios (project / bare) with its interquartile range and its extremes, and
// the heap a filled round keeps per record; then, for the lists, how their
// time grows from 10,000 to 100,000 records.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void Finalize() override;
};
}

#endif // RATIOREPORTER_H

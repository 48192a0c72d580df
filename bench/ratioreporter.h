#ifndef RATIOREPORTER_H
#define RATIOREPORTER_H

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace bench
{
// The console output as usual, then one line per pair: the project's time,
// the bare reference's time and their ratio (project / bare), so a reader
// never has to divide figures from two runs.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    struct Times
    {
        double project = 0; // nanoseconds per iteration
        double bare = 0;
    };
    std::map<std::string, Times> m_pairs;
};
}

#endif // RATIOREPORTER_H

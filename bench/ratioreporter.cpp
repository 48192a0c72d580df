#include "ratioreporter.h"

#include "benchpair.h"

#include <cstdio>

namespace bench
{
namespace
{
bool EndsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

double Nanoseconds(const benchmark::BenchmarkReporter::Run &run)
{
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
}

void PrintTime(double nanoseconds)
{
    if (nanoseconds >= 1e6)
        std::printf("%12.3f ms", nanoseconds / 1e6);
    else if (nanoseconds >= 1e3)
        std::printf("%12.3f us", nanoseconds / 1e3);
    else
        std::printf("%12.1f ns", nanoseconds);
}
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        // Aggregates (mean, median...) repeat the pair; the plain runs suffice.
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        // The registered name, without the options the library appends.
        const std::string name = run.run_name.function_name;
        if (EndsWith(name, ProjectSuffix))
            m_pairs[name.substr(0, name.size() - ProjectSuffix.size())].project = Nanoseconds(run);
        else if (EndsWith(name, BareSuffix))
            m_pairs[name.substr(0, name.size() - BareSuffix.size())].bare = Nanoseconds(run);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    if (m_pairs.empty())
        return;
    std::printf("\n%-36s %15s %15s %8s\n", "case", "project", "bare", "ratio");
    for (const auto &[name, times] : m_pairs) {
        std::printf("%-36s ", name.c_str());
        PrintTime(times.project);
        std::printf(" ");
        PrintTime(times.bare);
        if (times.project > 0 && times.bare > 0)
            std::printf(" %7.2fx\n", times.project / times.bare);
        else
            std::printf(" %8s\n", "-");
    }
    std::fflush(stdout);
}
}

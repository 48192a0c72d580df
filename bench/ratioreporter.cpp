#include "ratioreporter.h"

#include "pairresult.h"

#include <cstdio>
#include <map>
#include <string>

namespace bench
{
namespace
{
const std::string TenThousand = "/10000 ";
const std::string HundredThousand = "/100000 ";

void PrintTime(double seconds)
{
    if (seconds >= 1e-3)
        std::printf(" %10.3f ms", seconds * 1e3);
    else
        std::printf(" %10.3f us", seconds * 1e6);
}

void PrintRange(double low, double high)
{
    char range[32];
    std::snprintf(range, sizeof range, "%.2f-%.2fx", low, high);
    std::printf(" %15s", range);
}

void PrintBytes(double bytes)
{
    if (bytes < 0)
        std::printf(" %9s", "-");
    else
        std::printf(" %9.0f", bytes);
}

// The list cases' names without their size, with the 10,000- and
// 100,000-record results.
void PrintGrowth(const std::vector<PairResult> &results)
{
    std::map<std::string, std::pair<const PairResult *, const PairResult *>> lists;
    for (const PairResult &result : results) {
        if (const auto at = result.name.find(HundredThousand); at != std::string::npos)
            lists[result.name.substr(0, at)].second = &result;
        else if (const auto at10 = result.name.find(TenThousand); at10 != std::string::npos)
            lists[result.name.substr(0, at10)].first = &result;
    }
    bool header = false;
    for (const auto &[name, pair] : lists) {
        if (!pair.first || !pair.second)
            continue;
        if (!header) {
            std::printf("\n%-44s %12s %12s\n", "growth 10,000 -> 100,000 records", "project", "bare");
            header = true;
        }
        std::printf("%-44s %11.1fx %11.1fx\n", name.c_str(), pair.second->projectMedian / pair.first->projectMedian,
                    pair.second->bareMedian / pair.first->bareMedian);
    }
}
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    const std::vector<PairResult> &results = PairResults();
    if (results.empty())
        return;
    std::printf("\n%-44s %6s %13s %13s %7s %15s %15s %9s %9s\n", "case (medians of interleaved rounds)", "rounds",
                "project", "bare", "ratio", "ratio IQR", "ratio min-max", "B/rec", "bare B/rec");
    for (const PairResult &result : results) {
        std::printf("%-44s %6d", result.name.c_str(), result.rounds);
        PrintTime(result.projectMedian);
        PrintTime(result.bareMedian);
        std::printf(" %6.2fx", result.ratioMedian);
        PrintRange(result.ratioLowerQuartile, result.ratioUpperQuartile);
        PrintRange(result.ratioMin, result.ratioMax);
        PrintBytes(result.projectBytesPerRecord);
        PrintBytes(result.bareBytesPerRecord);
        std::printf("\n");
    }
    PrintGrowth(results);
    std::fflush(stdout);
}
}

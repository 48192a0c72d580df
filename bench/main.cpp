#include "ratioreporter.h"

#include "retainframememory.h"

#include <benchmark/benchmark.h>

#include <csignal>

int main(int argc, char **argv)
{
    // The exchange cases talk to peers that may close first.
    std::signal(SIGPIPE, SIG_IGN);
    // As the program does at start-up.
    network::RetainFrameMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

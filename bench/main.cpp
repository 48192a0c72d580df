#include "ratioreporter.h"

#include "retainframememory.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <csignal>

int main(int argc, char **argv)
{
    // The exchange cases talk to peers that may close first.
    std::signal(SIGPIPE, SIG_IGN);
    // As the program does at start-up.
    network::RetainFrameMemory();
    // The cases that fill windows need the application object, for the whole
    // run; the offscreen platform unless the environment names another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

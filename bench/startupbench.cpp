// Start-up of the real program (time zones, translation, resources,
// dictionaries and the whole bus, as its entry point builds them) to its
// console painted on the offscreen platform, against a program that only
// shows an empty main window. Both run as child processes, timed from spawn to
// first paint.
#include "benchpair.h"
#include "childstartup.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace
{
void StartUp(benchmark::State &state, const char *program)
{
    char pattern[] = "/tmp/qorv-bench-home-XXXXXX";
    const char *home = ::mkdtemp(pattern);
    if (!home) {
        state.SkipWithError("no home folder for the child");
        return;
    }
    for (auto _ : state) {
        const double seconds = bench::SecondsToFirstPaint(program, home);
        if (seconds < 0) {
            state.SkipWithError("the program painted no window");
            break;
        }
        state.SetIterationTime(seconds);
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
}

const bool Registered = [] {
    const bench::Pair pair = bench::RegisterPair(
        "start-up to first paint", [](benchmark::State &state) { StartUp(state, QORV_CLIENT_EXECUTABLE); },
        [](benchmark::State &state) { StartUp(state, QORV_BARE_WINDOW_EXECUTABLE); });
    for (benchmark::internal::Benchmark *case_ : {pair.project, pair.bare})
        case_->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
    return true;
}();
}

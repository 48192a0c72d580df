// Start-up of the real program (time zones, translation, resources,
// dictionaries and the whole bus, as its entry point builds them) to its
// console mapped and painted on a virtual X server, against a program that
// shows a main window with a menu bar, a tool bar and a label, and so loads
// the fonts any window with text must load. Both run as child processes,
// timed from spawn to first paint, on the same X server.
#include "benchpair.h"
#include "childstartup.h"
#include "xvfbdisplay.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace
{
// The one X server of the pair, started by whichever side gets ready first.
class SharedDisplay
{
public:
    std::shared_ptr<bench::XvfbDisplay> get()
    {
        std::shared_ptr<bench::XvfbDisplay> display = m_display.lock();
        if (!display) {
            display = std::make_shared<bench::XvfbDisplay>();
            if (display->name().empty())
                throw bench::Failure("no virtual X server (Xvfb) started");
            m_display = display;
        }
        return display;
    }

private:
    std::weak_ptr<bench::XvfbDisplay> m_display;
};

bench::Round StartUp(SharedDisplay &shared, const std::string &program)
{
    std::shared_ptr<bench::XvfbDisplay> display = shared.get();
    // A home folder of the child's own, gone with the last round.
    auto home = std::make_shared<QTemporaryDir>(QStringLiteral("/tmp/qorv-bench-home-XXXXXX"));
    if (!home->isValid())
        throw bench::Failure("no home folder for the child");
    return [display, home, homePath = home->path().toStdString(), program] {
        const double seconds = bench::SecondsToFirstPaint(program, homePath, display->name());
        if (seconds < 0)
            throw bench::Failure("the program painted no window");
        return seconds;
    };
}

const bool Registered = [] {
    auto display = std::make_shared<SharedDisplay>();
    bench::RegisterPair(
        "start-up to console mapped", [display] { return StartUp(*display, QORV_CLIENT_EXECUTABLE); },
        [display] { return StartUp(*display, QORV_BARE_WINDOW_EXECUTABLE); });
    return true;
}();
}

#include "listfillbench.h"

#include "dispatchtotestserver.h"
#include "testserver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>

#include <chrono>

namespace bench
{
void RegisterFillPairs(const std::string &name, const std::string &records, SizedBody project, SizedBody bare)
{
    for (const int count : {1000, 10000, 100000}) {
        const Pair pair = RegisterPair(name + "/" + std::to_string(count) + " " + records,
                                       [project, count](benchmark::State &state) { project(state, count); },
                                       [bare, count](benchmark::State &state) { bare(state, count); });
        // The largest fills take seconds: a few rounds tell enough.
        const int iterations = count >= 100000 ? 3 : count >= 10000 ? 5 : 10;
        for (benchmark::internal::Benchmark *case_ : {pair.project, pair.bare})
            case_->UseManualTime()->Iterations(iterations)->Unit(benchmark::kMillisecond);
    }
}

bool WaitUntilActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::activeWindow() != window && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return QApplication::activeWindow() == window;
}

void LayOutAndPaint(QAbstractItemView *view)
{
    QCoreApplication::processEvents();
    view->viewport()->repaint();
}

std::unique_ptr<testsupport::TestServer> StartServer()
{
    auto server = std::make_unique<testsupport::TestServer>();
    if (!testsupport::StartAndDispatchTo(*server))
        return nullptr;
    return server;
}

double SecondsSince(const std::chrono::steady_clock::time_point &start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}

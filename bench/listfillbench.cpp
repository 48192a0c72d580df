#include "listfillbench.h"

#include "dispatchtotestserver.h"
#include "testserver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>

#include <chrono>

namespace bench
{
void RegisterFillPairs(const std::string &name, const std::string &records, SizedSide project, SizedSide bare)
{
    bool limited = false;
    const int most = qEnvironmentVariableIntValue("QORV_BENCH_MAX_RECORDS", &limited);
    for (const int count : {1000, 10000, 100000}) {
        if (limited && count > most)
            continue;
        PairOptions options;
        // The largest fills take seconds: fewer rounds tell enough.
        options.rounds = count >= 100000 ? 5 : count >= 10000 ? 11 : 21;
        options.records = count;
        RegisterPair(
            name + "/" + std::to_string(count) + " " + records, [project, count] { return project(count); },
            [bare, count] { return bare(count); }, options);
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

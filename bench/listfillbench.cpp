#include "listfillbench.h"

#include "dispatchtotestserver.h"
#include "registry.h"
#include "testserver.h"

#include "user3.pb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>

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

void WaitUntilActive(QWidget *window, const std::string &what)
{
    window->show();
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::activeWindow() != window && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (QApplication::activeWindow() != window)
        throw Failure(what + " did not become the active window");
}

void LayOutAndPaint(QWidget *widget)
{
    QCoreApplication::processEvents();
    if (auto *view = qobject_cast<QAbstractItemView *>(widget))
        view->viewport()->repaint();
    else
        widget->repaint();
}

std::unique_ptr<testsupport::TestServer> StartServer()
{
    auto server = std::make_unique<testsupport::TestServer>();
    if (!testsupport::StartAndDispatchTo(*server))
        throw Failure("the test server did not start");
    return server;
}

void LogOn(int userId, const std::function<void(qorv::data::User &)> &more)
{
    qorv::data::User user;
    user.set_user_id(userId);
    if (more)
        more(user);
    RegistrySingleton::instance()->setUser(user);
}
}

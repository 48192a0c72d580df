#ifndef LISTFILLBENCH_H
#define LISTFILLBENCH_H

#include "benchpair.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace qorv::data
{
class User;
}

namespace testsupport
{
class TestServer;
}

// What the list cases share: each fills one list from one reply of n
// records, for n = 1,000, 10,000 and 100,000, beside a bare Qt widget of the
// same kind given the same visible rows.
namespace bench
{
// Gets one side ready for n records.
using SizedSide = std::function<Round(int records)>;

// Registers "name/<n> <records>" for each size up to QORV_BENCH_MAX_RECORDS
// (all of them when it is not set).
void RegisterFillPairs(const std::string &name, const std::string &records, SizedSide project, SizedSide bare);

// Shows the widget and waits until it is the active window; throws Failure
// ("<what> did not become the active window") when it does not.
void WaitUntilActive(QWidget *window, const std::string &what);

// The delayed layout and the paint that follow a fill: an item view's
// viewport is repainted, any other widget as a whole.
void LayOutAndPaint(QWidget *widget);

// A test server on 127.0.0.1 that the client's exchanges go to; every
// request it has no script for gets an empty reply with the codes (0, 0).
// Throws Failure when it does not start.
std::unique_ptr<testsupport::TestServer> StartServer();

// Makes the user with this id the one logged on; `more` fills in whatever
// else the case needs of that user (folders, audit mask).
void LogOn(int userId, const std::function<void(qorv::data::User &)> &more = nullptr);
}

#endif // LISTFILLBENCH_H

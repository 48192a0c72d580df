#ifndef LISTFILLBENCH_H
#define LISTFILLBENCH_H

#include "benchpair.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class QAbstractItemView;
class QWidget;

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

// Shows the widget and waits until it is the active window.
bool WaitUntilActive(QWidget *window);

// The delayed layout and the paint that follow a fill.
void LayOutAndPaint(QAbstractItemView *view);

// A test server on 127.0.0.1 that the client's exchanges go to; every
// request it has no script for gets an empty reply with the codes (0, 0).
std::unique_ptr<testsupport::TestServer> StartServer();

// Seconds since a steady-clock start.
double SecondsSince(const std::chrono::steady_clock::time_point &start);
}

#endif // LISTFILLBENCH_H

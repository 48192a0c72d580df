#ifndef DISPATCHTOTESTSERVER_H
#define DISPATCHTOTESTSERVER_H

namespace testsupport
{
class TestServer;

// Starts the server and points the client's exchanges (MessageDispatcher) at
// it on 127.0.0.1; false when it cannot listen.
bool StartAndDispatchTo(TestServer &server);

// Points the client's exchanges at the running server again, for a test that
// may have sent them elsewhere.
void DispatchTo(const TestServer &server);
}

#endif // DISPATCHTOTESTSERVER_H

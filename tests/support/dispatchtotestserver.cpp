#include "dispatchtotestserver.h"

#include "messagedispatcher.h"
#include "testserver.h"

namespace testsupport
{
bool StartAndDispatchTo(TestServer &server)
{
    if (!server.start())
        return false;
    DispatchTo(server);
    return true;
}

void DispatchTo(const TestServer &server)
{
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(server.port());
}
}

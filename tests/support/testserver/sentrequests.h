#ifndef SENTREQUESTS_H
#define SENTREQUESTS_H

#include "testrequest.h"
#include "testserver.h"

#include <QList>

namespace testsupport
{
// The requests of one major opcode that reached the server, parsed, in order;
// one that does not parse stands as an empty message.
template <class Request>
QList<Request> Sent(const TestServer &server, int major)
{
    QList<Request> sent;
    for (const TestRequest &request : server.requests()) {
        if (request.majorOpcode == major) {
            Request parsed;
            parsed.ParseFromString(request.payload);
            sent.append(parsed);
        }
    }
    return sent;
}
}

#endif // SENTREQUESTS_H

#ifndef SENTREQUESTS_H
#define SENTREQUESTS_H

#include "testrequest.h"
#include "testserver.h"

#include <QList>

#include <vector>

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

// The given requests parsed as one kind, in order; one that does not parse is
// left out.
template <class Request>
std::vector<Request> Parsed(const std::vector<TestRequest> &requests)
{
    std::vector<Request> parsed;
    for (const TestRequest &request : requests) {
        Request one;
        if (one.ParseFromString(request.payload))
            parsed.push_back(one);
    }
    return parsed;
}
}

#endif // SENTREQUESTS_H

#ifndef TESTREPLY_H
#define TESTREPLY_H

#include "testsessionkey.h"

#include <cstdint>
#include <optional>
#include <string>

namespace testsupport
{
// What the test server answers to one request.
struct TestReply
{
    std::string payload; // sealed into the code segment when not empty
    std::int32_t majorErcode = 0;
    std::int32_t minorErcode = 0;
    // The session id of the reply header; when unset, the server's reply
    // session id, or else the request's own.
    std::optional<std::int32_t> sessionId;
    // A key the server switches to once this reply is out (a log-on hands
    // out the session key in a reply still sealed under the old one).
    std::optional<TestSessionKey> nextSessionKey;
};
}

#endif // TESTREPLY_H

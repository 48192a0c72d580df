#ifndef TESTREQUEST_H
#define TESTREQUEST_H

#include <cstdint>
#include <string>

namespace testsupport
{
// One request frame as the test server received and decoded it, with its
// own reading of the header, independent of the client's.
struct TestRequest
{
    std::string rawHeader; // the 80 header bytes exactly as they arrived

    std::uint32_t byteOrder = 0;
    std::int32_t sessionId = 0;
    std::int32_t messageId = 0;
    std::int32_t majorProtocol = 0;
    std::int32_t minorProtocol = 0;
    std::int32_t majorOpcode = 0;
    std::int32_t minorOpcode = 0;
    std::int32_t majorErcode = 0;
    std::int32_t minorErcode = 0;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::uint32_t hmacLength = 0;
    std::uint32_t ivecLength = 0;
    std::uint32_t atagLength = 0;
    std::uint32_t codeLength = 0;
    std::uint32_t bodyLength = 0;

    std::string hmac;
    std::string ivec;
    std::string atag;
    std::string code;
    std::string body; // a clear body; the client never sends one

    // The payload opened with the server's session key (empty when the code
    // segment is empty).
    std::string payload;
    // False when the segments did not follow the protocol or the tag did not
    // verify under the server's session key; such a request gets no answer.
    bool authentic = false;
};
}

#endif // TESTREQUEST_H

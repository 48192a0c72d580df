#ifndef TESTFAULT_H
#define TESTFAULT_H

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace testsupport
{
// A way for the test server to misbehave on one reply.
struct TestFault
{
    enum class Kind
    {
        CloseAfterBytes, // send only the first `bytes` bytes of the reply frame
        NoAnswer,        // read the request, then close without a reply
        WrongTag,        // the reply's GCM tag does not verify
        BigEndianHeader, // every header word written big-endian (valid, but unusual)
        SegmentLength,   // announce `length` for `segment`, send the segments as they are
        ClearBody,       // carry `text` as a clear body segment (outside the protocol)
        StallAfterBytes, // send only the first `bytes` bytes, then hold the connection open in silence
        Hmac,            // carry `text` as the HMAC segment
        Trickle,         // send the whole reply `bytes` bytes at a time with `pause` between writes
        WrongOpcode,     // the reply header names (`majorOpcode`, `minorOpcode`) instead of the request's
    };
    enum class Segment
    {
        Hmac,
        Ivec,
        Atag,
        Code,
        Body,
    };

    Kind kind = Kind::NoAnswer;
    std::size_t bytes = 0;
    Segment segment = Segment::Code;
    std::uint32_t length = 0;
    std::string text;
    std::chrono::milliseconds pause{0};
    std::int32_t majorOpcode = 0;
    std::int32_t minorOpcode = 0;

    static TestFault closeAfterBytes(std::size_t bytes);
    static TestFault noAnswer();
    static TestFault wrongTag();
    static TestFault bigEndianHeader();
    static TestFault segmentLength(Segment segment, std::uint32_t length);
    static TestFault clearBody(const std::string &text);
    // A server that stops answering half-way (or, with 0, never answers) but
    // keeps the connection until the client gives up on it.
    static TestFault stallAfterBytes(std::size_t bytes);
    // A reply that carries an HMAC segment, which the client does not use.
    static TestFault hmac(const std::string &text);
    // A slow but sound server: every byte of the reply arrives, only late.
    static TestFault trickle(std::size_t bytesPerWrite, std::chrono::milliseconds pause);
    // A sound reply, sealed as usual, whose header claims to answer another
    // request.
    static TestFault wrongOpcode(std::int32_t majorOpcode, std::int32_t minorOpcode);
};
}

#endif // TESTFAULT_H

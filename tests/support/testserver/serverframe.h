#ifndef SERVERFRAME_H
#define SERVERFRAME_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace testsupport
{
// The test server's own reading and writing of the 80-byte frame header,
// written apart from the client's so that each checks the other.
class ServerFrame
{
public:
    static constexpr std::size_t HeaderLength = 80;
    static constexpr std::size_t WordCount = 20;
    static constexpr std::size_t SegmentKeySize = 16; // IV and tag

    // Word positions on the wire.
    enum Word : std::size_t
    {
        ByteOrder,
        SessionId,
        MessageId,
        MajorProtocol,
        MinorProtocol,
        MajorOpcode,
        MinorOpcode,
        MajorErcode,
        MinorErcode,
        Year,
        Month,
        Day,
        Hour,
        Minute,
        Second,
        HmacLength,
        IvecLength,
        AtagLength,
        CodeLength,
        BodyLength,
    };

    using Words = std::array<std::uint32_t, WordCount>;

    // Little-endian words; the other nineteen big-endian when the first does
    // not read as 1.
    static Words read(const std::string &header);
    static std::string write(const Words &words, bool bigEndian);
};
}

#endif // SERVERFRAME_H

#include "hostileschedule.h"

#include "serverframe.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace testsupport
{
namespace
{
constexpr std::int32_t LogOnOpcode = 3;
// Beyond any frame the client accepts (128 MiB) and close to the 32-bit end,
// where a careless sum of lengths wraps around.
constexpr std::uint32_t HugeLengths[] = {0xFFFFFFF0u, 0xFFFFFFFFu, 128u * 1024u * 1024u + 1u, 0x80000000u};
constexpr TestFault::Segment Segments[] = {TestFault::Segment::Hmac, TestFault::Segment::Ivec, TestFault::Segment::Atag,
                                           TestFault::Segment::Code, TestFault::Segment::Body};
// A trickle takes at most this many pauses, so even a large reply arrives in
// well under a second, far inside the client's inactivity time-out.
constexpr std::size_t MaxTricklePauses = 48;
constexpr int MaxTricklePauseMs = 8;
constexpr std::int32_t HighestOpcode = 75;

const char *SegmentName(TestFault::Segment segment)
{
    switch (segment) {
    case TestFault::Segment::Hmac:
        return "hmac";
    case TestFault::Segment::Ivec:
        return "iv";
    case TestFault::Segment::Atag:
        return "tag";
    case TestFault::Segment::Code:
        return "code";
    case TestFault::Segment::Body:
        return "body";
    }
    return "?";
}
}

HostileSchedule::HostileSchedule(std::uint32_t seed, const Options &options)
    : m_random(seed)
    , m_options(options)
{
}

const char *HostileSchedule::name(Kind kind)
{
    switch (kind) {
    case Kind::None:
        return "none";
    case Kind::Truncate:
        return "truncate";
    case Kind::WrongTag:
        return "wrong-tag";
    case Kind::HugeLength:
        return "huge-length";
    case Kind::LengthBeyondFrame:
        return "length-beyond-frame";
    case Kind::Trickle:
        return "trickle";
    case Kind::NoAnswer:
        return "no-answer";
    case Kind::WrongOpcode:
        return "wrong-opcode";
    case Kind::Stall:
        return "stall";
    }
    return "?";
}

std::size_t HostileSchedule::below(std::size_t bound)
{
    return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
}

std::vector<HostileSchedule::Kind> HostileSchedule::kinds() const
{
    std::vector<Kind> all = {Kind::Truncate, Kind::WrongTag, Kind::HugeLength, Kind::LengthBeyondFrame,
                             Kind::Trickle,  Kind::NoAnswer, Kind::WrongOpcode};
    if (m_options.stalls)
        all.push_back(Kind::Stall);
    return all;
}

HostileSchedule::Decision HostileSchedule::next(std::int32_t majorOpcode, std::int32_t minorOpcode,
                                                std::size_t frameLength)
{
    Decision decision;
    const std::string opcodes = "(" + std::to_string(majorOpcode) + ", " + std::to_string(minorOpcode) + ")";
    decision.description = opcodes + " sound";
    if (majorOpcode == LogOnOpcode && m_options.spareLogOn)
        return decision;
    if (std::uniform_real_distribution<double>(0.0, 1.0)(m_random) >= m_options.rate)
        return decision;

    const std::vector<Kind> available = kinds();
    decision.kind = available[below(available.size())];
    std::string detail;
    switch (decision.kind) {
    case Kind::Truncate: {
        const std::size_t bytes = below(frameLength);
        decision.faults.push_back(TestFault::closeAfterBytes(bytes));
        detail = "after " + std::to_string(bytes) + " of " + std::to_string(frameLength) + " bytes";
        break;
    }
    case Kind::WrongTag:
        decision.faults.push_back(TestFault::wrongTag());
        break;
    case Kind::HugeLength: {
        const TestFault::Segment segment = Segments[below(std::size(Segments))];
        const std::uint32_t length = HugeLengths[below(std::size(HugeLengths))];
        decision.faults.push_back(TestFault::segmentLength(segment, length));
        detail = std::string(SegmentName(segment)) + " length " + std::to_string(length);
        break;
    }
    case Kind::LengthBeyondFrame: {
        // The code and body segments: the ones whose length a frame may vary.
        const TestFault::Segment segment = below(2) == 0 ? TestFault::Segment::Code : TestFault::Segment::Body;
        constexpr std::size_t fixedPart = ServerFrame::HeaderLength + 2 * ServerFrame::SegmentKeySize;
        const std::size_t sent =
            segment == TestFault::Segment::Code && frameLength > fixedPart ? frameLength - fixedPart : 0;
        const std::uint32_t length = static_cast<std::uint32_t>(sent + 1 + below(4096));
        decision.faults.push_back(TestFault::segmentLength(segment, length));
        detail = std::string(SegmentName(segment)) + " length " + std::to_string(length) + ", " + std::to_string(sent)
                 + " sent";
        break;
    }
    case Kind::Trickle: {
        const std::size_t bytes = std::max<std::size_t>(1 + below(16), frameLength / MaxTricklePauses + 1);
        const std::chrono::milliseconds pause(1 + static_cast<int>(below(MaxTricklePauseMs)));
        decision.faults.push_back(TestFault::trickle(bytes, pause));
        detail = std::to_string(bytes) + " bytes every " + std::to_string(pause.count()) + " ms";
        break;
    }
    case Kind::NoAnswer:
        decision.faults.push_back(TestFault::noAnswer());
        break;
    case Kind::WrongOpcode: {
        // Any other server opcode; the minor one kept or changed as well.
        std::int32_t major = 1 + static_cast<std::int32_t>(below(HighestOpcode - 1));
        if (major >= majorOpcode)
            ++major;
        const std::int32_t minor = below(2) == 0 ? minorOpcode : minorOpcode + 1;
        decision.faults.push_back(TestFault::wrongOpcode(major, minor));
        detail = "as (" + std::to_string(major) + ", " + std::to_string(minor) + ")";
        break;
    }
    case Kind::Stall: {
        const std::size_t bytes = below(frameLength);
        decision.faults.push_back(TestFault::stallAfterBytes(bytes));
        detail = "after " + std::to_string(bytes) + " of " + std::to_string(frameLength) + " bytes";
        break;
    }
    case Kind::None:
        break;
    }
    decision.description = opcodes + " " + name(decision.kind) + (detail.empty() ? "" : " " + detail);
    return decision;
}
}

#include "testfault.h"

namespace testsupport
{
TestFault TestFault::closeAfterBytes(std::size_t bytes)
{
    TestFault fault;
    fault.kind = Kind::CloseAfterBytes;
    fault.bytes = bytes;
    return fault;
}

TestFault TestFault::noAnswer()
{
    TestFault fault;
    fault.kind = Kind::NoAnswer;
    return fault;
}

TestFault TestFault::wrongTag()
{
    TestFault fault;
    fault.kind = Kind::WrongTag;
    return fault;
}

TestFault TestFault::bigEndianHeader()
{
    TestFault fault;
    fault.kind = Kind::BigEndianHeader;
    return fault;
}

TestFault TestFault::segmentLength(Segment segment, std::uint32_t length)
{
    TestFault fault;
    fault.kind = Kind::SegmentLength;
    fault.segment = segment;
    fault.length = length;
    return fault;
}

TestFault TestFault::clearBody(const std::string &text)
{
    TestFault fault;
    fault.kind = Kind::ClearBody;
    fault.text = text;
    return fault;
}

TestFault TestFault::stallAfterBytes(std::size_t bytes)
{
    TestFault fault;
    fault.kind = Kind::StallAfterBytes;
    fault.bytes = bytes;
    return fault;
}

TestFault TestFault::hmac(const std::string &text)
{
    TestFault fault;
    fault.kind = Kind::Hmac;
    fault.text = text;
    return fault;
}

TestFault TestFault::trickle(std::size_t bytesPerWrite, std::chrono::milliseconds pause)
{
    TestFault fault;
    fault.kind = Kind::Trickle;
    fault.bytes = bytesPerWrite;
    fault.pause = pause;
    return fault;
}

TestFault TestFault::wrongOpcode(std::int32_t majorOpcode, std::int32_t minorOpcode)
{
    TestFault fault;
    fault.kind = Kind::WrongOpcode;
    fault.majorOpcode = majorOpcode;
    fault.minorOpcode = minorOpcode;
    return fault;
}
}

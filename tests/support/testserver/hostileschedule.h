#ifndef HOSTILESCHEDULE_H
#define HOSTILESCHEDULE_H

#include "testfault.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace testsupport
{
// Decides, reply by reply, whether and how a hostile server misbehaves. The
// choices follow from the seed alone (and the order of the replies), so a run
// that broke the client can be repeated exactly.
//
//     HostileSchedule schedule(1234, {0.5});
//     server.setFaultPicker([&](const TestRequest &request, std::size_t length) {
//         return schedule.next(request.majorOpcode, request.minorOpcode, length).faults;
//     });
class HostileSchedule
{
public:
    enum class Kind
    {
        None,
        Truncate,          // close after a random number of the frame's bytes
        WrongTag,          // a tag that does not verify
        HugeLength,        // a segment announced far beyond the client's frame limit
        LengthBeyondFrame, // a segment announced longer than the bytes that follow
        Trickle,           // the sound reply, a few bytes at a time
        NoAnswer,          // close without a reply
        WrongOpcode,       // the sound reply under another request's opcodes
        Stall,             // part of the reply, then silence with the connection open
    };

    struct Options
    {
        // The share of replies that misbehave, 0 to 1.
        double rate = 0.5;
        // Answers the log-on (3) soundly, so a person can still log on.
        bool spareLogOn = false;
        // Includes Stall, which costs the client its whole inactivity time-out.
        bool stalls = false;
    };

    struct Decision
    {
        Kind kind = Kind::None;
        std::vector<TestFault> faults;
        // One line for a person watching: the opcodes and what was done.
        std::string description;
    };

    HostileSchedule(std::uint32_t seed, const Options &options);

    // What to do with the reply to (majorOpcode, minorOpcode) whose sound
    // frame has frameLength bytes.
    Decision next(std::int32_t majorOpcode, std::int32_t minorOpcode, std::size_t frameLength);

    static const char *name(Kind kind);

private:
    std::size_t below(std::size_t bound);
    std::vector<Kind> kinds() const;

    std::mt19937 m_random;
    Options m_options;
};
}

#endif // HOSTILESCHEDULE_H

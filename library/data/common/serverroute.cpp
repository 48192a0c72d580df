#include "common/serverroute.h"

namespace common
{
namespace
{
struct OpcodeRange
{
    Opcode first;
    Opcode last;
};

// 3 and 65 have handlers of their own in the server component (log-on, and
// the message's modification stamp); the rest go through its default handler.
constexpr OpcodeRange kServed[] = {
    {3, 3}, {65, 65}, {4, 10}, {13, 18}, {20, 25}, {28, 33}, {39, 41}, {43, 46}, {49, 60}, {64, 64}, {66, 68},
};
}

bool IsServedByServer(Opcode major)
{
    for (const OpcodeRange &range : kServed) {
        if (major >= range.first && major <= range.last)
            return true;
    }
    return false;
}
}

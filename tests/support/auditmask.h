#ifndef AUDITMASK_H
#define AUDITMASK_H

#include <cstdint>

namespace testsupport
{
// Bits of the audit mask: the line of severity n, and its details.
constexpr std::uint32_t LineBit(int severity)
{
    return 1u << severity;
}
constexpr std::uint32_t DetailsBit(int severity)
{
    return 1u << (severity + 10);
}
constexpr std::uint32_t EveryLineWithDetails = 0x001FFFFEu;

// Logs on a user whose descriptor carries this audit mask.
void SetAuditMask(std::uint32_t mask);
// Logs the user off: no mask at all.
void ClearUser();
}

#endif // AUDITMASK_H

#include "sqlc.h"

namespace common
{
std::int32_t PackSqlState(std::string_view sqlState)
{
    std::uint32_t packed = 0;
    int shift = 0;
    for (const char c : sqlState) {
        if (shift > 24)
            break; // an SQLSTATE has five characters; the rest would overflow
        packed |= (static_cast<std::uint32_t>(static_cast<unsigned char>(c) - '0') & 63u) << shift;
        shift += 6;
    }
    return static_cast<std::int32_t>(packed);
}
}

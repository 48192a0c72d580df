#ifndef COMMON_SQLC_H
#define COMMON_SQLC_H

#include <cstdint>
#include <string_view>

namespace common
{
// Packs an SQLSTATE the way the server fills SQLDiagRec.sqlc: six bits per
// character, first character in the lowest bits, each character stored as its
// distance from '0' masked to six bits.
std::int32_t PackSqlState(std::string_view sqlState);

inline constexpr std::int32_t SqlcSuccess = 0;                    // "00000"
inline constexpr std::int32_t SqlcUniqueViolation = 83906754;     // "23505"
inline constexpr std::int32_t SqlcForeignKeyViolation = 50352322; // "23503"
}

#endif // COMMON_SQLC_H

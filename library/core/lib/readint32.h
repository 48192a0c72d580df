#ifndef READINT32_H
#define READINT32_H

#include <cstdint>
#include <optional>
#include <string>

namespace utils
{
// Reads a decimal number the way the standard string-to-int conversion does
// (leading white space, an optional sign, digits; whatever follows the digits
// is ignored), but reports a text that holds no such number, or one outside
// the signed 32-bit range, as no value instead of throwing: the texts come
// from the server, and a bad one must end as a status, not as an exception.
[[nodiscard]] std::optional<std::int32_t> ReadInt32(const std::string &text);
}

#endif // READINT32_H

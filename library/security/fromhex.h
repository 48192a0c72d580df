#ifndef FROMHEX_H
#define FROMHEX_H

#include <optional>
#include <string>
#include <string_view>

namespace crypto
{
// The bytes that hexadecimal text stands for, two digits (upper or lower
// case) per byte, high nibble first. A text of odd length or with any other
// character gives no value: the texts come from the server, and a bad one
// must end as a status, not as an exception.
[[nodiscard]] std::optional<std::string> FromHex(std::string_view hex);
}

#endif // FROMHEX_H

#include "fromhex.h"

#include "secrettext.h"

namespace crypto
{
namespace
{
int Nibble(char digit)
{
    if ('0' <= digit && digit <= '9')
        return digit - '0';
    if ('A' <= digit && digit <= 'F')
        return digit - 'A' + 10;
    if ('a' <= digit && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}
}

std::optional<std::string> FromHex(std::string_view hex)
{
    if (0 != hex.size() % 2)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = Nibble(hex[i]);
        const int low = Nibble(hex[i + 1]);
        if (high < 0 || low < 0) {
            // What was decoded so far may be part of a key.
            SecretText::Wipe(bytes);
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>((high << 4) | low));
    }
    return bytes;
}
}

#include "readint32.h"

#include <cctype>
#include <charconv>

namespace utils
{
std::optional<std::int32_t> ReadInt32(const std::string &text)
{
    const char *position = text.data();
    const char *const end = text.data() + text.size();
    while (position != end && std::isspace(static_cast<unsigned char>(*position)))
        ++position;
    // from_chars takes a minus but no plus; after either sign a digit must
    // follow at once.
    const char *digits = position;
    if (position != end && '+' == *position)
        digits = ++position;
    else if (position != end && '-' == *position)
        digits = position + 1;
    if (digits == end || !std::isdigit(static_cast<unsigned char>(*digits)))
        return std::nullopt;

    std::int32_t value = 0;
    const std::from_chars_result result = std::from_chars(position, end, value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}
}

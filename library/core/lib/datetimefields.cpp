#include "datetimefields.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace
{
// Four characters keep the library's digit loop within range, whatever they
// are; numbers of the dates and times it reads never need more.
constexpr std::size_t MaxShortFieldLength = 4;

// The library's own split: any separator ends a field, and empty fields do
// not count. At most the first `count` fields are returned.
std::vector<std::string_view> Fields(std::string_view text, const char *separators, std::size_t count)
{
    std::vector<std::string_view> fields;
    std::size_t begin = 0;
    while (begin < text.size() && fields.size() < count) {
        const std::size_t end = std::min(text.find_first_of(separators, begin), text.size());
        if (end > begin)
            fields.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return fields;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
}

namespace utils
{
bool TimeOfDayFieldsFit(const std::string &time)
{
    // Hours, minutes, seconds: the hours are read as a full integer.
    const std::vector<std::string_view> fields = Fields(time, "-:,.", 3);
    for (std::size_t index = 1; index < fields.size(); ++index) {
        if (fields[index].size() > MaxShortFieldLength)
            return false;
    }
    return true;
}

bool DateFieldsFit(const std::string &date)
{
    // Year, month, day; whatever follows (a time of day) is not read.
    const std::vector<std::string_view> fields = Fields(date, ",-. /", 3);
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const bool monthName = index == 1 && !IsDigit(fields[index].front());
        if (!monthName && fields[index].size() > MaxShortFieldLength)
            return false;
    }
    return true;
}
}

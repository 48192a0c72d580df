#include "timeofdayfields.h"

#include <algorithm>
#include <cstddef>

namespace utils
{
bool TimeOfDayFieldsFit(const std::string &time)
{
    // The reader's own split: any of these characters ends a field, and empty
    // fields do not count. The hours come first, then the minutes and the
    // seconds, whose length is what matters.
    constexpr char Separators[] = "-:,.";
    constexpr std::size_t MaxDigits = 4;
    std::size_t field = 0;
    std::size_t begin = 0;
    while (begin < time.size()) {
        const std::size_t end = std::min(time.find_first_of(Separators, begin), time.size());
        if (end > begin) {
            if ((field == 1 || field == 2) && end - begin > MaxDigits)
                return false;
            ++field;
        }
        begin = end + 1;
    }
    return true;
}
}

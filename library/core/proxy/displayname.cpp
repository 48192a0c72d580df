#include "displayname.h"

namespace records
{
std::string ReadingOrderName(const std::string &first, const std::string &middle, const std::string &last,
                             bool withMiddle)
{
    return withMiddle ? first + ' ' + middle + ' ' + last : first + ' ' + last;
}

std::string SortingOrderName(const std::string &first, const std::string &middle, const std::string &last,
                             bool withMiddle)
{
    return withMiddle ? last + ", " + first + ' ' + middle : last + ", " + first;
}

std::string DisplayName(const std::string &first, const std::string &middle, const std::string &last)
{
    if (first.empty() || last.empty())
        return std::string();
    return ReadingOrderName(first, middle, last, !middle.empty());
}

std::string DisplayNameAlphabetical(const std::string &first, const std::string &middle, const std::string &last)
{
    if (first.empty() || last.empty())
        return std::string();
    return SortingOrderName(first, middle, last, !middle.empty());
}
}

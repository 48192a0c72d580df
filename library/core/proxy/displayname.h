#ifndef DISPLAYNAME_H
#define DISPLAYNAME_H

#include <string>

namespace records
{
// A person's name as people read it ("Ann B. Lee") and as lists sort it
// ("Lee, Ann B."). The names go in as they are, untrimmed; the middle name
// is left out when withMiddle is false.
std::string ReadingOrderName(const std::string &first, const std::string &middle, const std::string &last,
                             bool withMiddle);
std::string SortingOrderName(const std::string &first, const std::string &middle, const std::string &last,
                             bool withMiddle);

// The rule of keys, group keys and messages, which look at the names'
// content: no name at all unless both first and last name are there, and the
// middle name only when it is not empty.
std::string DisplayName(const std::string &first, const std::string &middle, const std::string &last);
std::string DisplayNameAlphabetical(const std::string &first, const std::string &middle, const std::string &last);
}

#endif // DISPLAYNAME_H

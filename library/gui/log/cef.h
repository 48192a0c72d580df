#ifndef CEF_H
#define CEF_H

#include <cstdint>
#include <string>

// The vocabulary of the common event format (version 0) in which every audit
// line is written.
namespace cef
{
// An event's severity, 1 (lowest) to 10 in a written line; 0 means unset.
enum Severity : std::int32_t
{
    NullSeverity = 0
};

// The event class id of an event that has not said which class it is.
inline constexpr std::int32_t NullClassId = 0;

// What the line's "outcome" key says; None leaves the key out.
enum class Outcome : std::int32_t
{
    Failure = 0,
    Success = 1,
    None = 2
};

// A value as it may stand in the line's extension: backslashes are doubled
// and equals signs get a backslash, so that the pairs can be split again.
// Carriage returns and line feeds become the two characters \r and \n, so
// that no value (a name another user chose, for instance) can break the line
// and forge a line of its own in the system log. A NUL byte, which a record's
// text may hold, becomes \0: the system log takes the line as a C string and
// would lose everything after it, the outcome and the user included.
std::string extension(const std::string &value);
}

#endif // CEF_H

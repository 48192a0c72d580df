#ifndef TIMEOFDAYFIELDS_H
#define TIMEOFDAYFIELDS_H

#include <string>

namespace utils
{
// Whether the date library may be given this time-of-day text
// ("hh:mm:ss[.fff]", optionally signed) to read. Its reader takes the minutes
// and seconds as 16-bit numbers and overflows inside while reading one of five
// digits or more, so such a text, which is no time of day anyway, must be
// refused before it gets there. Any other text is left to the library.
bool TimeOfDayFieldsFit(const std::string &time);
}

#endif // TIMEOFDAYFIELDS_H

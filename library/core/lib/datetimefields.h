#ifndef DATETIMEFIELDS_H
#define DATETIMEFIELDS_H

#include <string>

// Whether the date library may be given a text from the server to read. Its
// readers split a text at separators and convert some of the fields to 16-bit
// numbers with a digit loop whose intermediate product overflows a signed
// integer inside the library on a field of six characters or more (a
// non-digit such as ')' far enough from the end does it), which is undefined
// behaviour, not a failure it reports. Such a text is no date or time anyway
// and must be refused before it gets there; any other text is left to the
// library, which reports its own failures.
namespace utils
{
// A time of day ("hh:mm:ss[.fff]", optionally signed), as the duration
// reader takes it: the minutes and the seconds are the 16-bit fields.
bool TimeOfDayFieldsFit(const std::string &time);

// A date in year-month-day order, as the delimited date reader takes it: the
// year, a month given as a number, and the day are the 16-bit fields; a month
// given by name is looked up instead.
bool DateFieldsFit(const std::string &date);
}

#endif // DATETIMEFIELDS_H

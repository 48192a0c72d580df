#ifndef FORMATTEDTIME_H
#define FORMATTEDTIME_H

#include <string>

// A stored time of day ("17:00:00", optionally with a fraction) on the 12-hour
// clock, "05:00 PM". A text that is not a time of day gives the empty text.
std::string GetFormattedTime(const std::string &time);

#endif // FORMATTEDTIME_H

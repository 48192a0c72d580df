#ifndef KEYDISPLAYTEXT_H
#define KEYDISPLAYTEXT_H

#include <string>

namespace records
{
// "1 hour", "2 hours", else whole minutes ("90 minutes", "1 minute",
// "0 minutes"); the empty text for no session limit (0 or less).
std::string SessionDurationDisplay(int seconds);

// "08:00 AM - 05:00 PM", the bounds as stored and never reordered; the empty
// text when a bound is missing or both are the same (no daily hours).
std::string ActiveHoursDisplay(const std::string &from, const std::string &to);

// A record date in the machine's local time, in the display form (with the
// fraction of a second when there is one) or the RFC form (without it). The
// empty text when there is no date or it cannot be read or shown.
std::string LocalDisplayDate(const std::string &date);
std::string LocalRfcDate(const std::string &date);
}

#endif // KEYDISPLAYTEXT_H

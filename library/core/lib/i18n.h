#ifndef I18N_H
#define I18N_H

#include <string>

namespace i18n
{
// The locale of every time text of the record model: "C", so "%p" is AM or PM.
std::string GetLocale();

// The abbreviation in force today in the default region (CET or CEST).
std::string GetTimeZoneAbbrev();
}

#endif // I18N_H

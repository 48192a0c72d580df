#include "i18n.h"

#include "timezone.h"

namespace i18n
{
std::string GetLocale()
{
    return "C";
}

std::string GetTimeZoneAbbrev()
{
    return TimeZone(TimeZone::DefaultRegion).getTimeZoneAbbrev();
}
}

#include "keydisplaytext.h"

#include "dbtimestamp.h"
#include "formattedtime.h"

namespace records
{
namespace
{
constexpr int SecondsPerHour = 3600;
constexpr int SecondsPerMinute = 60;
}

std::string SessionDurationDisplay(int seconds)
{
    if (seconds <= 0)
        return std::string();
    if (seconds % SecondsPerHour == 0) {
        const int hours = seconds / SecondsPerHour;
        return std::to_string(hours) + (hours == 1 ? " hour" : " hours");
    }
    const int minutes = seconds / SecondsPerMinute;
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

std::string ActiveHoursDisplay(const std::string &from, const std::string &to)
{
    if (from.empty() || to.empty() || from == to)
        return std::string();
    return GetFormattedTime(from) + " - " + GetFormattedTime(to);
}

std::string LocalDisplayDate(const std::string &date)
{
    if (date.empty())
        return std::string();
    return DbTimestamp(date).toLocalDisplayString(DbTimestamp::TimeZonePtr());
}

std::string LocalRfcDate(const std::string &date)
{
    if (date.empty())
        return std::string();
    return DbTimestamp(date).toLocalRfcString(DbTimestamp::TimeZonePtr());
}
}

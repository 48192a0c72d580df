#include "formattedtime.h"

#include "datetimefields.h"

#include <QtGlobal>

#include <boost/date_time/posix_time/posix_time.hpp>

#include <exception>
#include <locale>
#include <sstream>

std::string GetFormattedTime(const std::string &time)
{
    // Any date will do: only the time of day is written.
    boost::posix_time::ptime dateTime(boost::posix_time::not_a_date_time);
    try {
        // Left as not-a-date-time when the library must not read the text.
        if (utils::TimeOfDayFieldsFit(time)) {
            const boost::posix_time::ptime read = boost::posix_time::time_from_string("2001-01-01 " + time);
            // Thousands of hours, or a negative count, still read as a
            // duration but move the date out of the calendar (years 1400 to
            // 9999); naming that date, which writing the time does, throws.
            // Such a text is as unreadable as any other.
            if (!read.is_special())
                read.date().year_month_day();
            dateTime = read;
        }
    } catch (const std::exception &) {
        // Unreadable: left as not-a-date-time for the check below.
    }
    // The times of day come from the server's keys: a bad one is its fault,
    // not ours.
    if (dateTime.is_special()) {
        qWarning("GetFormattedTime: unreadable time of day!");
        return std::string();
    }

    std::ostringstream stream;
    stream.imbue(std::locale(std::locale::classic(), new boost::posix_time::time_facet("%I:%M %p")));
    stream << dateTime;
    return stream.str();
}

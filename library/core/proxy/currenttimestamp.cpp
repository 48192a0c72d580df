#include "currenttimestamp.h"

#include "clock.h"
#include "dbtimestamp.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <chrono>

namespace records
{
DbTimestamp CurrentTimestamp()
{
    const auto sinceEpoch = Clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count();
    const boost::posix_time::ptime epoch(boost::gregorian::date(1970, 1, 1));
    return DbTimestamp(epoch + boost::posix_time::microseconds(micros));
}
}

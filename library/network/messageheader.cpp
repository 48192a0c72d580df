#include "messageheader.h"

#include "clock.h"

#include <limits>

MessageHeader::MessageHeader()
    : m_sessionId(std::numeric_limits<std::int32_t>::min())
{
    const std::tm now = Clock::nowUtc();
    m_year = now.tm_year + 1900;
    m_month = now.tm_mon + 1;
    m_day = now.tm_mday;
    m_hour = now.tm_hour;
    m_minute = now.tm_min;
    // A leap second reads as 60 in struct tm; the frame only knows 0 to 59.
    m_second = now.tm_sec > 59 ? 59 : now.tm_sec;
}

MessageHeader::~MessageHeader() = default;

void MessageHeader::setOpcode(std::int32_t opcode)
{
    m_majorOpcode = opcode;
    m_minorOpcode = 1;
}

void MessageHeader::setErcode(std::int32_t ercode)
{
    m_majorErcode = ercode;
    m_minorErcode = 0;
}

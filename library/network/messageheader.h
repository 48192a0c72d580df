#ifndef MESSAGEHEADER_H
#define MESSAGEHEADER_H

#include <cstddef>
#include <cstdint>

// The fixed part of a wire frame: twenty 32-bit words, of which fifteen live
// here and the five segment lengths live with their segments. A new header is
// stamped with the current UTC time and carries the request's (1, 1) error
// words until a reply overwrites them.
class MessageHeader
{
public:
    static constexpr std::size_t m_HeaderLength = 80;

    MessageHeader();
    virtual ~MessageHeader();

    std::int32_t getByteOrder() const { return m_byteOrder; }
    void setByteOrder(std::int32_t value) { m_byteOrder = value; }
    std::int32_t getMessageId() const { return m_messageId; }
    void setMessageId(std::int32_t value) { m_messageId = value; }
    std::int32_t getMajorProtocol() const { return m_majorProtocol; }
    void setMajorProtocol(std::int32_t value) { m_majorProtocol = value; }
    std::int32_t getMinorProtocol() const { return m_minorProtocol; }
    void setMinorProtocol(std::int32_t value) { m_minorProtocol = value; }
    std::int32_t getMajorOpcode() const { return m_majorOpcode; }
    void setMajorOpcode(std::int32_t value) { m_majorOpcode = value; }
    std::int32_t getMinorOpcode() const { return m_minorOpcode; }
    void setMinorOpcode(std::int32_t value) { m_minorOpcode = value; }
    std::int32_t getMajorErcode() const { return m_majorErcode; }
    void setMajorErcode(std::int32_t value) { m_majorErcode = value; }
    std::int32_t getMinorErcode() const { return m_minorErcode; }
    void setMinorErcode(std::int32_t value) { m_minorErcode = value; }
    std::int32_t getYear() const { return m_year; }
    void setYear(std::int32_t value) { m_year = value; }
    std::int32_t getMonth() const { return m_month; }
    void setMonth(std::int32_t value) { m_month = value; }
    std::int32_t getDay() const { return m_day; }
    void setDay(std::int32_t value) { m_day = value; }
    std::int32_t getHour() const { return m_hour; }
    void setHour(std::int32_t value) { m_hour = value; }
    std::int32_t getMinute() const { return m_minute; }
    void setMinute(std::int32_t value) { m_minute = value; }
    std::int32_t getSecond() const { return m_second; }
    void setSecond(std::int32_t value) { m_second = value; }
    std::int32_t getSessionId() const { return m_sessionId; }
    void setSessionId(std::int32_t value) { m_sessionId = value; }

    // Shorthands for a plain request (minor opcode 1) and a plain error
    // (minor error code 0).
    void setOpcode(std::int32_t opcode);
    void setErcode(std::int32_t ercode);
    std::int32_t getOpcode() const { return m_majorOpcode; }
    std::int32_t getErcode() const { return m_majorErcode; }

private:
    std::int32_t m_byteOrder = 1;
    std::int32_t m_messageId = 0;
    std::int32_t m_majorProtocol = 1;
    std::int32_t m_minorProtocol = 0;
    std::int32_t m_majorOpcode = 2;
    std::int32_t m_minorOpcode = 2;
    std::int32_t m_majorErcode = 1;
    std::int32_t m_minorErcode = 1;
    std::int32_t m_year = 0;
    std::int32_t m_month = 0;
    std::int32_t m_day = 0;
    std::int32_t m_hour = 0;
    std::int32_t m_minute = 0;
    std::int32_t m_second = 0;
    std::int32_t m_sessionId;
};

#endif // MESSAGEHEADER_H

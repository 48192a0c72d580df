#include "requestlogevent.h"

RequestLogEvent::RequestLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent)
    : ClientLogEvent(parent)
    , m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
{
}

RequestLogEvent::~RequestLogEvent() = default;

std::string RequestLogEvent::operator()()
{
    if (!auditEvent())
        return std::string();
    if (!handleEvent())
        return std::string();
    return logEvent(cef::Outcome::None);
}

bool RequestLogEvent::addActionKeys(const AuditedRecord &record, NameRule nameRule, int size, Direction direction)
{
    if (!addRecordKeys(record, nameRule))
        return false;
    if (addEventDetails()) {
        const bool out = direction == Direction::Out;
        addKeyValuePair("deviceDirection", out ? 1 : 0);
        addKeyValuePair(out ? "out" : "in", size);
    }
    return true;
}

#include "replylogevent.h"

#include "common/errorkey.h"

ReplyLogEvent::ReplyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                             int minorErcode, const std::string &reply, QObject *parent)
    : ClientLogEvent(parent)
    , m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
    , m_majorErcode(majorErcode)
    , m_minorErcode(minorErcode)
    , m_reply(reply)
{
}

ReplyLogEvent::~ReplyLogEvent() = default;

std::string ReplyLogEvent::operator()()
{
    // An unselected event does not even look at its payloads.
    if (!auditEvent())
        return std::string();
    if (!handleEvent())
        return std::string();
    // The minor error code never decides: (0, n) is a success.
    if (m_majorErcode == 0)
        return handleSuccess();
    addKeyValuePair("reason", m_majorErcode);
    if (addEventDetails())
        addKeyValuePair("msg", tr(common::AuditDetailKey(m_majorErcode)).toStdString());
    return handleFailure();
}

std::string ReplyLogEvent::handleSuccess()
{
    return logEvent(cef::Outcome::Success);
}

std::string ReplyLogEvent::handleFailure()
{
    return logEvent(cef::Outcome::Failure);
}

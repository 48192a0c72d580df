#include "terminateusersessionlogevent.h"

unsigned int TerminateUserSessionLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int TerminateUserSessionLogEvent::m_FailureOutcomeCnt = 0;

TerminateUserSessionLogEvent::TerminateUserSessionLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                           int majorErcode, int minorErcode, const std::string &reply,
                                                           QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 54;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

TerminateUserSessionLogEvent::~TerminateUserSessionLogEvent() = default;

bool TerminateUserSessionLogEvent::handleEvent()
{
    return true;
}

unsigned int TerminateUserSessionLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int TerminateUserSessionLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

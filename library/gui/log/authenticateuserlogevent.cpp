#include "authenticateuserlogevent.h"

unsigned int AuthenticateUserLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int AuthenticateUserLogEvent::m_FailureOutcomeCnt = 0;

AuthenticateUserLogEvent::AuthenticateUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                   int majorErcode, int minorErcode, const std::string &reply,
                                                   QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 1;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

AuthenticateUserLogEvent::~AuthenticateUserLogEvent() = default;

bool AuthenticateUserLogEvent::handleEvent()
{
    // The line says only that a log-on was answered, and how.
    return true;
}

unsigned int AuthenticateUserLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int AuthenticateUserLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

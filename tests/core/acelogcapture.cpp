#include "acelogcapture.h"

#include <ace/Log_Msg.h>
#include <ace/Log_Record.h>

namespace testsupport
{
AceLogCapture::AceLogCapture()
    : m_previousBackend(ACE_Log_Msg::msg_backend(this))
    , m_customWasOn(ACE_LOG_MSG->flags() & ACE_Log_Msg::CUSTOM)
{
    ACE_LOG_MSG->set_flags(ACE_Log_Msg::CUSTOM);
}

AceLogCapture::~AceLogCapture()
{
    if (!m_customWasOn)
        ACE_LOG_MSG->clr_flags(ACE_Log_Msg::CUSTOM);
    ACE_Log_Msg::msg_backend(m_previousBackend);
}

int AceLogCapture::open(const ACE_TCHAR *)
{
    return 0;
}

int AceLogCapture::reset()
{
    return 0;
}

int AceLogCapture::close()
{
    return 0;
}

ssize_t AceLogCapture::log(ACE_Log_Record &record)
{
    m_messages << QString::fromLocal8Bit(record.msg_data());
    return 0;
}

int AceLogCapture::count(const QString &text) const
{
    int found = 0;
    for (const QString &message : m_messages)
        found += message.contains(text) ? 1 : 0;
    return found;
}
}

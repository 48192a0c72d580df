#include "auditlogcapture.h"

#include <ace/Log_Msg.h>
#include <ace/Log_Record.h>

namespace logtest
{
AuditLogCapture::AuditLogCapture()
    : m_previousBackend(ACE_Log_Msg::msg_backend(this))
    , m_previousFlags(ACE_Log_Msg::instance()->flags())
{
    ACE_Log_Msg *log = ACE_Log_Msg::instance();
    log->clr_flags(ACE_Log_Msg::STDERR | ACE_Log_Msg::OSTREAM | ACE_Log_Msg::SYSLOG);
    log->set_flags(ACE_Log_Msg::CUSTOM);
}

AuditLogCapture::~AuditLogCapture()
{
    ACE_Log_Msg *log = ACE_Log_Msg::instance();
    log->clr_flags(log->flags());
    log->set_flags(m_previousFlags);
    ACE_Log_Msg::msg_backend(m_previousBackend);
}

ssize_t AuditLogCapture::log(ACE_Log_Record &record)
{
    m_lines.push_back({static_cast<ACE_Log_Priority>(record.type()), record.msg_data()});
    return static_cast<ssize_t>(record.msg_data_len());
}
}

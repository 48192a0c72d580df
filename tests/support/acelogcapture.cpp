#include "acelogcapture.h"

#include <ace/Log_Msg.h>
#include <ace/Log_Record.h>

namespace testsupport
{
AceLogCapture::AceLogCapture()
    : m_previousBackend(ACE_Log_Msg::msg_backend(this))
    , m_previousFlags(ACE_Log_Msg::instance()->flags())
{
    ACE_Log_Msg *log = ACE_Log_Msg::instance();
    log->clr_flags(ACE_Log_Msg::STDERR | ACE_Log_Msg::OSTREAM | ACE_Log_Msg::SYSLOG);
    log->set_flags(ACE_Log_Msg::CUSTOM);
}

AceLogCapture::~AceLogCapture()
{
    ACE_Log_Msg *log = ACE_Log_Msg::instance();
    log->clr_flags(log->flags());
    log->set_flags(m_previousFlags);
    ACE_Log_Msg::msg_backend(m_previousBackend);
}

std::vector<AceLogCapture::Line> AceLogCapture::lines() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

QStringList AceLogCapture::messages() const
{
    QStringList result;
    for (const Line &line : lines())
        result << QString::fromLocal8Bit(line.text.c_str());
    return result;
}

std::string AceLogCapture::text() const
{
    std::string result;
    for (const Line &line : lines())
        result += line.text;
    return result;
}

int AceLogCapture::count(const QString &text) const
{
    int found = 0;
    for (const QString &message : messages())
        found += message.contains(text) ? 1 : 0;
    return found;
}

void AceLogCapture::clear()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}

ssize_t AceLogCapture::log(ACE_Log_Record &record)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.push_back({static_cast<ACE_Log_Priority>(record.type()), record.msg_data()});
    return static_cast<ssize_t>(record.msg_data_len());
}
}

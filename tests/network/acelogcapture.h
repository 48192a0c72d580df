#ifndef ACELOGCAPTURE_H
#define ACELOGCAPTURE_H

#include <ace/Log_Msg.h>
#include <ace/Log_Msg_Backend.h>
#include <ace/Log_Record.h>

#include <mutex>
#include <string>

// Collects every line logged through ACE while it lives, instead of letting
// it reach standard error. It plugs in as ACE's custom back end, which
// outlives any per-message settings a logging call may reset.
class AceLogCapture : private ACE_Log_Msg_Backend
{
public:
    AceLogCapture()
        : m_previousBackend(ACE_Log_Msg::msg_backend(this))
        , m_previousFlags(ACE_Log_Msg::instance()->flags())
    {
        ACE_Log_Msg::instance()->clr_flags(ACE_Log_Msg::STDERR | ACE_Log_Msg::OSTREAM | ACE_Log_Msg::SYSLOG);
        ACE_Log_Msg::instance()->set_flags(ACE_Log_Msg::CUSTOM);
    }

    ~AceLogCapture() override
    {
        ACE_Log_Msg *log = ACE_Log_Msg::instance();
        log->clr_flags(log->flags());
        log->set_flags(m_previousFlags);
        ACE_Log_Msg::msg_backend(m_previousBackend);
    }

    AceLogCapture(const AceLogCapture &) = delete;
    AceLogCapture &operator=(const AceLogCapture &) = delete;

    std::string text() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_text;
    }

private:
    int open(const ACE_TCHAR *) override { return 0; }
    int reset() override { return 0; }
    int close() override { return 0; }

    ssize_t log(ACE_Log_Record &record) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_text += record.msg_data();
        return static_cast<ssize_t>(record.msg_data_len());
    }

    ACE_Log_Msg_Backend *m_previousBackend;
    unsigned long m_previousFlags;
    mutable std::mutex m_mutex;
    std::string m_text;
};

#endif // ACELOGCAPTURE_H

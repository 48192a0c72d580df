#ifndef AUDITLOGCAPTURE_H
#define AUDITLOGCAPTURE_H

#include <ace/Log_Msg_Backend.h>
#include <ace/Log_Priority.h>

#include <string>
#include <vector>

namespace logtest
{
// One message as the ACE log received it.
struct LoggedLine
{
    ACE_Log_Priority priority;
    std::string text;
};

// Takes the place of the system log while it lives: every message written
// through ACE on this thread is recorded with its priority instead of being
// sent on. It plugs in as ACE's custom back end, so nothing of the program's
// logging path is bypassed.
class AuditLogCapture : private ACE_Log_Msg_Backend
{
public:
    AuditLogCapture();
    ~AuditLogCapture() override;

    AuditLogCapture(const AuditLogCapture &) = delete;
    AuditLogCapture &operator=(const AuditLogCapture &) = delete;

    const std::vector<LoggedLine> &lines() const { return m_lines; }
    void clear() { m_lines.clear(); }

private:
    int open(const ACE_TCHAR *) override { return 0; }
    int reset() override { return 0; }
    int close() override { return 0; }
    ssize_t log(ACE_Log_Record &record) override;

    ACE_Log_Msg_Backend *m_previousBackend;
    unsigned long m_previousFlags;
    std::vector<LoggedLine> m_lines;
};
}

#endif // AUDITLOGCAPTURE_H

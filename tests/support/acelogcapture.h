#ifndef ACELOGCAPTURE_H
#define ACELOGCAPTURE_H

#include <ace/Log_Msg_Backend.h>
#include <ace/Log_Priority.h>

#include <QStringList>

#include <mutex>
#include <string>
#include <vector>

namespace testsupport
{
// Takes the place of the system log (and standard error) while it lives: every
// message written through ACE, on any thread, is recorded with its priority
// instead of being sent on. It plugs in as ACE's custom back end, which, unlike
// a message callback, survives the per-message set-up of file and line.
class AceLogCapture : private ACE_Log_Msg_Backend
{
public:
    struct Line
    {
        ACE_Log_Priority priority;
        std::string text;
    };

    AceLogCapture();
    ~AceLogCapture() override;
    AceLogCapture(const AceLogCapture &) = delete;
    AceLogCapture &operator=(const AceLogCapture &) = delete;

    std::vector<Line> lines() const;
    QStringList messages() const;
    // Everything logged, one message after the other.
    std::string text() const;
    // The number of messages that contain the text.
    int count(const QString &text) const;
    void clear();

private:
    int open(const ACE_TCHAR *) override { return 0; }
    int reset() override { return 0; }
    int close() override { return 0; }
    ssize_t log(ACE_Log_Record &record) override;

    ACE_Log_Msg_Backend *m_previousBackend;
    unsigned long m_previousFlags;
    mutable std::mutex m_mutex; // the test server logs from its own thread
    std::vector<Line> m_lines;
};
}

#endif // ACELOGCAPTURE_H

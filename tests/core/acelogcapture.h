#ifndef ACELOGCAPTURE_H
#define ACELOGCAPTURE_H

#include <ace/Log_Msg_Backend.h>

#include <QStringList>

namespace testsupport
{
// Collects what the process writes to the ACE log (assertion reports,
// warnings) while the object lives, so that a test can check that a message
// was or was not written. It plugs in as the log's custom back end, which,
// unlike a message callback, survives the per-message set-up of file and line.
class AceLogCapture : public ACE_Log_Msg_Backend
{
public:
    AceLogCapture();
    ~AceLogCapture() override;
    AceLogCapture(const AceLogCapture &) = delete;
    AceLogCapture &operator=(const AceLogCapture &) = delete;

    int open(const ACE_TCHAR *loggerKey) override;
    int reset() override;
    int close() override;
    ssize_t log(ACE_Log_Record &record) override;

    const QStringList &messages() const { return m_messages; }
    // The number of messages that contain the text.
    int count(const QString &text) const;

private:
    ACE_Log_Msg_Backend *m_previousBackend;
    bool m_customWasOn;
    QStringList m_messages;
};
}

#endif // ACELOGCAPTURE_H

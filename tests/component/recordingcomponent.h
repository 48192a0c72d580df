#ifndef RECORDINGCOMPONENT_H
#define RECORDINGCOMPONENT_H

#include "component.h"

#include <QStringList>

namespace testsupport
{
// A bus member that writes every tuple it receives into a log shared by all
// recorders of a test, as "name: event -32 -37 line", "name: reply 41 -38 0 0"
// or "name: request 41 -38", so a test can read the delivery order at once.
class RecordingComponent : public Component
{
    Q_OBJECT

public:
    RecordingComponent(const QString &name, QStringList *log, QObject *parent = nullptr);

    // What the last reply carried, for tests that look at the payloads.
    std::string lastRequest() const { return m_lastRequest; }
    std::string lastReply() const { return m_lastReply; }

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    QString m_name;
    QStringList *m_log;
    std::string m_lastRequest;
    std::string m_lastReply;
};
}

#endif // RECORDINGCOMPONENT_H

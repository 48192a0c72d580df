#include "recordingcomponent.h"

namespace testsupport
{
RecordingComponent::RecordingComponent(const QString &name, QStringList *log, QObject *parent)
    : Component(parent)
    , m_name(name)
    , m_log(log)
{
}

void RecordingComponent::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event)
{
    m_log->append(QStringLiteral("%1: event %2 %3 %4")
                      .arg(m_name)
                      .arg(majorEvcode)
                      .arg(minorEvcode)
                      .arg(QString::fromStdString(event))
                      .trimmed());
}

void RecordingComponent::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, common::Ercode majorErcode,
                                      common::Ercode minorErcode, const std::string &reply)
{
    m_lastRequest = request;
    m_lastReply = reply;
    m_log->append(QStringLiteral("%1: reply %2 %3 %4 %5")
                      .arg(m_name)
                      .arg(majorOpcode)
                      .arg(minorOpcode)
                      .arg(majorErcode)
                      .arg(minorErcode));
}

void RecordingComponent::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &)
{
    m_log->append(QStringLiteral("%1: request %2 %3").arg(m_name).arg(majorOpcode).arg(minorOpcode));
}
}

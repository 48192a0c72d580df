#ifndef CONNECTOR_H
#define CONNECTOR_H

#include "icomponent.h"

#include <QObject>

// The fan-out point of a bus layer: whatever it receives it emits again,
// unchanged, to everything linked to it, in the order the links were made.
class Connector : public QObject, public IComponent
{
    Q_OBJECT

public:
    explicit Connector(QObject *parent = nullptr);

signals:
    void deliverEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string());
    void deliverReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string());
    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string());

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
};

#endif // CONNECTOR_H

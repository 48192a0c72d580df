#ifndef COMPONENT_H
#define COMPONENT_H

#include "icomponent.h"

#include <QObject>

// A bus member. It hands tuples to the bus by emitting the deliver signals and
// gets them through the receive slots, which ignore everything here: a member
// overrides only the slots it cares about.
//
// Connections to these signals and slots are direct, so an emit returns only
// after every receiver, and every receiver of what they emit in turn, has run.
// Parameter types must be spelled common::Evcode, common::Opcode,
// common::Ercode and std::string wherever a class re-declares them: connections
// made by signature name compare those names.
class Component : public QObject, public IComponent
{
    Q_OBJECT

public:
    explicit Component(QObject *parent = nullptr);

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

#endif // COMPONENT_H

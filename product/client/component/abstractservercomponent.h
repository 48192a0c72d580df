#ifndef ABSTRACTSERVERCOMPONENT_H
#define ABSTRACTSERVERCOMPONENT_H

#include "component.h"

// The bus member that exchanges requests with the server. This base forwards
// every request it gets; a subclass picks which ones reach it.
class AbstractServerComponent : public Component
{
    Q_OBJECT

public:
    explicit AbstractServerComponent(QObject *parent = nullptr);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

public:
    // One blocking exchange under the wait cursor, answered on the bus with the
    // server's reply, or with (-1, 1) and no payload when no valid reply came.
    // When the reply header came but the rest did not, nothing is delivered.
    virtual void defaultRequestHandler(int majorOpcode, int minorOpcode, const std::string &request);
};

#endif // ABSTRACTSERVERCOMPONENT_H

#ifndef ICOMPONENT_H
#define ICOMPONENT_H

#include "common/opcode.h"

#include <string>

// What every member of the bus can be handed: an event, a reply or a request.
// Windows implement it beside their widget base, everything else through
// Component or Connector; either way the three operations are Qt slots there.
class IComponent
{
public:
    virtual void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event) = 0;
    virtual void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                              common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) = 0;
    virtual void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request) = 0;
    virtual ~IComponent() = default;
};

#endif // ICOMPONENT_H

#ifndef LOGEVENTFACTORY_H
#define LOGEVENTFACTORY_H

#include "common/opcode.h"

#include <memory>
#include <string>

class ReplyLogEvent;
class RequestLogEvent;

// The audit event of a reply of one of the audited server operations, built
// from the reply as the bus carries it, without a parent; null for a reply
// that is not audited.
std::unique_ptr<ReplyLogEvent> MakeReplyLogEvent(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                 const std::string &request, common::Ercode majorErcode,
                                                 common::Ercode minorErcode, const std::string &reply);

// The audit event of one of the local requests -21 to -12 (copy, paste,
// print, export), without a parent; null for any other request.
std::unique_ptr<RequestLogEvent> MakeRequestLogEvent(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                     const std::string &request);

#endif // LOGEVENTFACTORY_H

#ifndef REPLYLOGEVENT_H
#define REPLYLOGEVENT_H

#include "clientlogevent.h"

#include "common/opcode.h"

// The audit event of a server reply, built with the reply exactly as the bus
// carries it. The derived event reads the payloads and adds its keys; this
// base decides between a success and a failure line by the major error code.
// It is also the translation context of the error texts.
class ReplyLogEvent : public ClientLogEvent
{
    Q_OBJECT

public:
    ReplyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                  const std::string &reply, QObject *parent);
    ~ReplyLogEvent() override;

    // The audit line, or empty when the mask does not select the event or the
    // derived event cannot use the payloads.
    virtual std::string operator()();
    virtual std::string handleSuccess();
    virtual std::string handleFailure();

protected:
    common::Opcode m_majorOpcode;
    common::Opcode m_minorOpcode;
    std::string m_request;
    common::Ercode m_majorErcode;
    common::Ercode m_minorErcode;
    std::string m_reply;
};

#endif // REPLYLOGEVENT_H

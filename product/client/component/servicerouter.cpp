#include "servicerouter.h"

#include "logeventfactory.h"
#include "replylogevent.h"
#include "requestlogevent.h"

#include "common/auditkind.h"
#include "common/auditroute.h"
#include "common/eventcode.h"

ServiceRouter::ServiceRouter(QObject *parent)
    : AbstractServiceRouter(parent)
{
}

void ServiceRouter::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                                 common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply)
{
    // Failed replies are audited too: the event decides what a failure writes.
    const common::Evcode kind = common::ReplyAuditKind(majorOpcode);
    if (kind != common::audit::None) {
        emit deliverEvent(common::ev::Audit, kind,
                          replyAuditLine(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply));
    }
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void ServiceRouter::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request)
{
    const common::Evcode kind = common::LocalRequestAuditKind(majorOpcode);
    if (kind != common::audit::None) {
        emit deliverEvent(common::ev::Audit, kind, requestAuditLine(majorOpcode, minorOpcode, request));
        return;
    }
    emit deliverRequest(majorOpcode, minorOpcode, request);
}

std::string ServiceRouter::replyAuditLine(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                          const std::string &request, common::Ercode majorErcode,
                                          common::Ercode minorErcode, const std::string &reply)
{
    // The event lives only while it gives its line; it is built from the reply
    // exactly as it travels, so it sees the session the reply left behind.
    const std::unique_ptr<ReplyLogEvent> event =
        MakeReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    return event ? (*event)() : std::string();
}

std::string ServiceRouter::requestAuditLine(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                            const std::string &request)
{
    const std::unique_ptr<RequestLogEvent> event = MakeRequestLogEvent(majorOpcode, minorOpcode, request);
    return event ? (*event)() : std::string();
}

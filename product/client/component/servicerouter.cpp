#include "servicerouter.h"

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

std::string ServiceRouter::replyAuditLine(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                          common::Ercode, const std::string &)
{
    // The reply's audit event, chosen by its major, is built here from all six
    // values of the reply and destroyed once it has given its line. Until the
    // audit events exist every line is empty.
    return std::string();
}

std::string ServiceRouter::requestAuditLine(common::Opcode, common::Opcode, const std::string &)
{
    // The local request's audit event, chosen by its major, is built here from
    // the request. Until the audit events exist every line is empty.
    return std::string();
}

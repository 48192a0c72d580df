#include "servercomponent.h"

#include "authenticateuserreply3.pb.h"
#include "clock.h"
#include "common/errorcode.h"
#include "common/majorcode.h"
#include "common/serverroute.h"
#include "dbtimestamp.h"
#include "logoncompletion.h"
#include "messagedispatcher.h"
#include "updatemessagerequest3.pb.h"

#include <QtGlobal>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <chrono>
#include <exception>

namespace
{
enum class LogOnOutcome
{
    Refused,   // the server said no; the reply's flags tell the console why
    Installed, // the new session is in place
    Unusable,  // the reply arrived but does not parse or cannot be installed
};

LogOnOutcome CompleteLogOn(const std::string &reply)
{
    qorv::data::AuthenticateUserReply message;
    if (!message.ParseFromString(reply))
        return LogOnOutcome::Unusable;
    if (!message.user_name_found() || !message.user_password_decoded() || !message.user_session_inserted())
        return LogOnOutcome::Refused;
    LogOnCompletion completion;
    if (!completion.complete(reply))
        return LogOnOutcome::Unusable;
    MessageDispatcher::setSessionCreationDate(completion.getSessionCreationDate());
    MessageDispatcher::setSessionId(completion.getSessionId());
    return LogOnOutcome::Installed;
}

std::string NowAsDbString()
{
    const auto sinceEpoch = Clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count();
    const boost::posix_time::ptime epoch(boost::gregorian::date(1970, 1, 1));
    return DbTimestamp(epoch + boost::posix_time::microseconds(micros)).toDbString();
}
}

ServerComponent::ServerComponent(QObject *parent)
    : AbstractServerComponent(parent)
{
}

void ServerComponent::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request)
{
    if (!common::IsServedByServer(majorOpcode))
        return;
    if (majorOpcode == common::op::AuthenticateUser)
        authenticateUserRequestHandler(majorOpcode, minorOpcode, request);
    else if (majorOpcode == common::op::UpdateMessage)
        updateMessageRequestHandler(majorOpcode, minorOpcode, request);
    else
        defaultRequestHandler(majorOpcode, minorOpcode, request);
}

void ServerComponent::authenticateUserRequestHandler(int majorOpcode, int minorOpcode, const std::string &request)
{
    // A log-on always gets an answer: the console waits for it to leave its
    // logging-on state, so nothing here may end without a reply.
    common::Ercode majorErcode = common::er::NoReply;
    common::Ercode minorErcode = common::er::NoReplyMinor;
    std::string reply;
    try {
        MessageDispatcher dispatcher(majorOpcode, minorOpcode, request);
        const bool exchanged = dispatcher.dispatch();
        majorErcode = dispatcher.getMajorErcode();
        minorErcode = dispatcher.getMinorErcode();
        if (exchanged)
            reply = dispatcher.getReply();
        // Only the major code refuses; a minor code beside a major 0 is no
        // failure, and the log-on goes ahead.
        if (exchanged && majorErcode == common::er::Success) {
            if (CompleteLogOn(reply) == LogOnOutcome::Unusable) {
                // It did arrive: the user is told that it could not be read,
                // not sent to look for a network fault.
                majorErcode = common::er::NoReply;
                minorErcode = common::er::UnusableReplyMinor;
            }
        } else if (!exchanged
                   && ((majorErcode == common::er::HeaderUnset && minorErcode == common::er::HeaderUnset)
                       || (majorErcode == common::er::Success && minorErcode == common::er::Success))) {
            // No usable reply. A header that said "success" but was followed by
            // nothing is a failed exchange too, not an empty accepted log-on.
            majorErcode = common::er::NoReply;
            minorErcode = common::er::NoReplyMinor;
        }
    } catch (const std::exception &error) {
        qWarning("std::exception: %s", error.what());
        majorErcode = common::er::NoReply;
        minorErcode = common::er::NoReplyMinor;
        reply.clear();
    }
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void ServerComponent::updateMessageRequestHandler(int majorOpcode, int minorOpcode, const std::string &request)
{
    qorv::data::UpdateMessageRequest message;
    if (!message.ParseFromString(request)) {
        qWarning("A message update that does not parse is dropped; nothing is sent.");
        return;
    }
    message.mutable_message()->set_message_modification_date(NowAsDbString());
    std::string stamped;
    if (!message.SerializeToString(&stamped)) {
        qWarning("A stamped message update could not be serialized; nothing is sent.");
        return;
    }
    AbstractServerComponent::receiveRequest(majorOpcode, minorOpcode, stamped);
}

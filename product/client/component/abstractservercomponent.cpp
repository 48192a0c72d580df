#include "abstractservercomponent.h"

#include "common/errorcode.h"
#include "messagedispatcher.h"
#include "waitcursor.h"

AbstractServerComponent::AbstractServerComponent(QObject *parent)
    : Component(parent)
{
}

void AbstractServerComponent::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                             const std::string &request)
{
    defaultRequestHandler(majorOpcode, minorOpcode, request);
}

void AbstractServerComponent::defaultRequestHandler(int majorOpcode, int minorOpcode, const std::string &request)
{
    MessageDispatcher dispatcher(majorOpcode, minorOpcode, request);
    utils::WaitCursor waitCursor(true);
    if (dispatcher.dispatch()) {
        // Reply handlers run with the normal cursor: some of them open dialogs.
        waitCursor.restore();
        emit deliverReply(majorOpcode, minorOpcode, request, dispatcher.getMajorErcode(),
                          dispatcher.getMinorErcode(), dispatcher.getReply());
        return;
    }
    if (dispatcher.getMajorErcode() == common::er::HeaderUnset
        && dispatcher.getMinorErcode() == common::er::HeaderUnset) {
        waitCursor.restore();
        emit deliverReply(majorOpcode, minorOpcode, request, common::er::NoReply, common::er::NoReplyMinor,
                          std::string());
        return;
    }
    // The header came, the rest did not: there is no reply to hand on.
    qWarning("The reply to request (%d, %d) arrived incomplete (error codes %d, %d); it is dropped.", majorOpcode,
             minorOpcode, dispatcher.getMajorErcode(), dispatcher.getMinorErcode());
}

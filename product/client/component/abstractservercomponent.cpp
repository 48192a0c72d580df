#include "abstractservercomponent.h"

#include "common/errorcode.h"
#include "messagedispatcher.h"
#include "waitcursor.h"

#include <QtGlobal>

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
        emit deliverReply(majorOpcode, minorOpcode, request, dispatcher.getMajorErcode(), dispatcher.getMinorErcode(),
                          dispatcher.getReply());
        return;
    }
    if (dispatcher.getMajorErcode() == common::er::HeaderUnset
        && dispatcher.getMinorErcode() == common::er::HeaderUnset) {
        waitCursor.restore();
        emit deliverReply(majorOpcode, minorOpcode, request, common::er::NoReply, common::er::NoReplyMinor,
                          std::string());
        return;
    }
    // The header arrived but the rest of the reply did not: there is nothing
    // to hand up, and the windows are not told.
    qWarning("Reply to request (%d, %d) dropped: incomplete after its header (%d, %d)", majorOpcode, minorOpcode,
             dispatcher.getMajorErcode(), dispatcher.getMinorErcode());
}

#include "messagereadermanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "standinmessagereaderview.h"
#include "viewwindowlookup.h"

#include "deletemessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"

namespace messagereadermanager
{
using MessageAction = ViewWindowAction;

bool MessageReaderViewExists(int messageId, MessageAction action)
{
    return ApplyToViewWindows<StandInMessageReaderView>(
        messageId, [](const StandInMessageReaderView &view) { return view.getMessage().message_id(); }, action);
}
}

using messagereadermanager::MessageAction;
using messagereadermanager::MessageReaderViewExists;

MessageReaderManager::MessageReaderManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void MessageReaderManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &request)
{
    if (majorOpcode == common::op::OpenMessageReader)
        openMessage(request);
}

void MessageReaderManager::receiveReply(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                        common::Ercode majorErcode, common::Ercode minorErcode, const std::string &)
{
    if (majorOpcode == common::op::DeleteMessage && majorErcode == 0 && minorErcode == 0)
        closeMessage(request);
}

void MessageReaderManager::openMessage(const std::string &request) const
{
    qorv::data::OpenMessageRequest openMessageRequest;
    if (!openMessageRequest.ParseFromString(request))
        return;
    const qorv::data::Message &message = openMessageRequest.message();
    if (!message.message_user_is_recipient())
        return;
    if (MessageReaderViewExists(message.message_id(), MessageAction::Raise))
        return;
    // A message window that is not on the bus would never learn of its saves
    // and deletions, so it is not shown at all.
    auto *view = new StandInMessageReaderView(message, nullptr);
    if (m_applicationComponent->connectAbstractViewWindow(view))
        view->show();
    else
        delete view;
}

void MessageReaderManager::closeMessage(const std::string &request)
{
    // The echoed request names the message the user asked to delete.
    qorv::data::DeleteMessageRequest deleteMessageRequest;
    if (deleteMessageRequest.ParseFromString(request))
        MessageReaderViewExists(deleteMessageRequest.message_id(), MessageAction::Close);
}

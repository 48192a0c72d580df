#include "messageeditormanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "standinmessageeditorview.h"
#include "viewwindowlookup.h"

#include "deletemessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"

namespace messageeditormanager
{
using MessageAction = ViewWindowAction;

bool MessageEditorViewExists(int messageId, MessageAction action)
{
    return ApplyToViewWindows<StandInMessageEditorView>(
        messageId, [](const StandInMessageEditorView &view) { return view.getMessage().message_id(); }, action);
}
}

using messageeditormanager::MessageAction;
using messageeditormanager::MessageEditorViewExists;

MessageEditorManager::MessageEditorManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void MessageEditorManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &request)
{
    if (majorOpcode == common::op::OpenMessageEditor)
        openMessage(request);
}

void MessageEditorManager::receiveReply(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                        common::Ercode majorErcode, common::Ercode minorErcode, const std::string &)
{
    if (majorOpcode == common::op::DeleteMessage && majorErcode == 0 && minorErcode == 0)
        closeMessage(request);
}

void MessageEditorManager::openMessage(const std::string &request) const
{
    qorv::data::OpenMessageRequest openMessageRequest;
    if (!openMessageRequest.ParseFromString(request))
        return;
    const qorv::data::Message &message = openMessageRequest.message();
    if (message.message_user_is_recipient())
        return;
    if (MessageEditorViewExists(message.message_id(), MessageAction::Raise))
        return;
    // A message window that is not on the bus would never learn of its saves
    // and deletions, so it is not shown at all.
    auto *view = new StandInMessageEditorView(message, nullptr);
    if (m_applicationComponent->connectAbstractViewWindow(view))
        view->show();
    else
        delete view;
}

void MessageEditorManager::closeMessage(const std::string &request)
{
    // The echoed request names the message the user asked to delete.
    qorv::data::DeleteMessageRequest deleteMessageRequest;
    if (deleteMessageRequest.ParseFromString(request))
        MessageEditorViewExists(deleteMessageRequest.message_id(), MessageAction::Close);
}

#ifndef MESSAGEWINDOWMANAGER_H
#define MESSAGEWINDOWMANAGER_H

#include "abstractviewmanager.h"
#include "common/majorcode.h"
#include "showonbus.h"
#include "viewwindowlookup.h"

#include "deletemessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"

// Keeps at most one window per message, for one side of the user's messages:
// the editor shows the user's own messages, the reader the copies received.
// The open request opens the window of the message it carries, or brings the
// open one to the front, if the message is on this side; the successful
// delete reply (15) closes the windows of the deleted message.
//
// MessageView is the window: built as MessageView(message, nullptr) and found
// again by the message_id of its getMessage().
template <class MessageView>
class MessageWindowManager : public AbstractViewManager
{
public:
    enum class Side
    {
        Own,
        Received
    };

    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;

protected:
    MessageWindowManager(const IViewWindowBus &viewWindowBus, common::Opcode openOpcode, Side side, QObject *parent);

private:
    static bool messageViewExists(int messageId, ViewWindowAction action);
    void openMessage(const std::string &request) const;
    static void closeMessage(const std::string &request);

    const IViewWindowBus &m_viewWindowBus;
    const common::Opcode m_openOpcode;
    const Side m_side;
};

template <class MessageView>
MessageWindowManager<MessageView>::MessageWindowManager(const IViewWindowBus &viewWindowBus, common::Opcode openOpcode,
                                                        Side side, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
    , m_openOpcode(openOpcode)
    , m_side(side)
{
}

template <class MessageView>
void MessageWindowManager<MessageView>::receiveRequest(common::Opcode majorOpcode, common::Opcode,
                                                       const std::string &request)
{
    if (majorOpcode == m_openOpcode)
        openMessage(request);
}

template <class MessageView>
void MessageWindowManager<MessageView>::receiveReply(common::Opcode majorOpcode, common::Opcode,
                                                     const std::string &request, common::Ercode majorErcode,
                                                     common::Ercode minorErcode, const std::string &)
{
    if (majorOpcode == common::op::DeleteMessage && majorErcode == 0 && minorErcode == 0)
        closeMessage(request);
}

template <class MessageView>
bool MessageWindowManager<MessageView>::messageViewExists(int messageId, ViewWindowAction action)
{
    return ApplyToViewWindows<MessageView>(
        messageId, [](const MessageView &view) { return view.getMessage().message_id(); }, action);
}

template <class MessageView>
void MessageWindowManager<MessageView>::openMessage(const std::string &request) const
{
    qorv::data::OpenMessageRequest openMessageRequest;
    if (!openMessageRequest.ParseFromString(request))
        return;
    const qorv::data::Message &message = openMessageRequest.message();
    const Side side = message.message_user_is_recipient() ? Side::Received : Side::Own;
    if (side != m_side || messageViewExists(message.message_id(), ViewWindowAction::Raise))
        return;
    // A message window that is not on the bus would never learn of its saves
    // and deletions, so it is not shown at all.
    ShowOnBus(m_viewWindowBus, new MessageView(message, nullptr));
}

template <class MessageView>
void MessageWindowManager<MessageView>::closeMessage(const std::string &request)
{
    // The echoed request names the message the user asked to delete.
    qorv::data::DeleteMessageRequest deleteMessageRequest;
    if (deleteMessageRequest.ParseFromString(request))
        messageViewExists(deleteMessageRequest.message_id(), ViewWindowAction::Close);
}

#endif // MESSAGEWINDOWMANAGER_H

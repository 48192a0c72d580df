#include "messagebus.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "consoleview.h"
#include "messagebrowserview.h"

#include "openmessagerequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"

namespace messagestest
{
MessageBus::MessageBus() = default;

MessageBus::~MessageBus()
{
    stop();
}

bool MessageBus::setUpLikeTheProgram()
{
    if (!groupstest::ClientBus::setUpLikeTheProgram())
        return false;
    // Ann as the message windows know her: with her root message folder.
    MessageStore::logOn();
    return true;
}

bool MessageBus::start()
{
    const bool started = m_client.start([this](testsupport::TestServer &server) {
        m_store = std::make_unique<MessageStore>(server);
        m_store->install();
    });
    return started && OpenWindows<ConsoleView>().size() == 1;
}

void MessageBus::stop()
{
    m_client.stop();
    m_store.reset();
}

MessageBrowserView *MessageBus::openBrowser()
{
    const QList<MessageBrowserView *> before = OpenWindows<MessageBrowserView>();
    const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newMessageBrowser();
    return groupstest::ClientBus::newWindow(before);
}

void MessageBus::openMessage(const qorv::data::Message &message)
{
    const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
    if (consoles.size() != 1)
        return;
    qorv::data::OpenMessageRequest request;
    *request.mutable_message() = message;
    emit consoles.first()->deliverRequest(message.message_user_is_recipient() ? common::op::OpenMessageReader
                                                                              : common::op::OpenMessageEditor,
                                          1, request.SerializeAsString());
}

void MessageBus::attach(int messageId, const QList<qorv::data::Document> &documents)
{
    qorv::data::SelectMessageDocumentReply attached;
    for (const qorv::data::Document &document : documents) {
        qorv::data::MessageDocument *row = attached.add_message_document();
        row->set_message_document_message_id(messageId);
        *row->mutable_message_document_document() = document;
    }
    server().reply(common::op::SelectMessageDocument, common::tag::Plain, attached.SerializeAsString());
}

std::vector<testsupport::TestRequest> MessageBus::requests(int majorOpcode) const
{
    const QList<testsupport::TestRequest> found = m_client.requests(majorOpcode);
    return {found.begin(), found.end()};
}
}

#include "messagebus.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "consoleview.h"
#include "messagebrowserview.h"
#include "messagedispatcher.h"

#include "openmessagerequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"

#include <QPointer>
#include <QTranslator>

namespace messagestest
{
MessageBus::MessageBus() = default;

MessageBus::~MessageBus()
{
    stop();
}

bool MessageBus::setUpLikeTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    static QTranslator translator;
    if (!translator.load(QStringLiteral(":build/client_en.qm")) || !QCoreApplication::installTranslator(&translator))
        return false;
    MessageStore::logOn();
    return true;
}

bool MessageBus::start()
{
    m_server = std::make_unique<testsupport::TestServer>();
    if (!m_server->start())
        return false;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_server->port());
    m_store = std::make_unique<MessageStore>(*m_server);
    m_store->install();
    m_bus = std::make_unique<ApplicationComponent>();
    return OpenWindows<ConsoleView>().size() == 1;
}

void MessageBus::stop()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    m_bus.reset();
    m_store.reset();
    m_server.reset();
}

MessageBrowserView *MessageBus::openBrowser()
{
    const QList<MessageBrowserView *> before = OpenWindows<MessageBrowserView>();
    const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newMessageBrowser();
    for (MessageBrowserView *window : OpenWindows<MessageBrowserView>()) {
        if (!before.contains(window))
            return window;
    }
    return nullptr;
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
    m_server->reply(48, 1, attached.SerializeAsString());
}

std::vector<testsupport::TestRequest> MessageBus::requests(int majorOpcode) const
{
    std::vector<testsupport::TestRequest> found;
    for (const testsupport::TestRequest &request : m_server->requests()) {
        if (request.majorOpcode == majorOpcode)
            found.push_back(request);
    }
    return found;
}
}

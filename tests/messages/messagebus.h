#ifndef MESSAGEBUS_H
#define MESSAGEBUS_H

#include "clientbus.h"
#include "messagestore.h"
#include "testserver.h"

#include <QList>

#include <memory>

class ApplicationComponent;
class MessageBrowserView;

namespace messagestest
{
// The client bus (groupstest::ClientBus) with a message store that answers
// the message windows. The logged-on user is Ann (MessageStore::logOn), and
// the texts are the program's English ones.
class MessageBus
{
public:
    MessageBus();
    ~MessageBus();

    // Once per test program: the names and translation of the program and the
    // logged-on user.
    static bool setUpLikeTheProgram();

    // A fresh server (with the store's handlers) and bus.
    bool start();
    // Closes every window and takes the bus down.
    void stop();

    testsupport::TestServer &server() { return m_client.server(); }
    MessageStore &store() { return *m_store; }
    ApplicationComponent &bus() { return m_client.bus(); }

    // Opens a message browser through the console's command, as the user
    // does; null when none opened.
    MessageBrowserView *openBrowser();

    // Opens the message's window through the bus, as the browser does: the
    // editor for an own message, the reader for a received copy.
    void openMessage(const qorv::data::Message &message);
    // Opens the message's window as openMessage does and returns it; null
    // when no window of that class shows the message.
    template <class Window>
    Window *openWindow(const qorv::data::Message &message);

    // The documents that the next look-up of a message's attachments returns.
    void attach(int messageId, const QList<qorv::data::Document> &documents);

    // The requests of one major opcode that the server saw, in order.
    std::vector<testsupport::TestRequest> requests(int majorOpcode) const;

private:
    groupstest::ClientBus m_client;
    std::unique_ptr<MessageStore> m_store;
};

// The shown windows of one class, in the order of the application's list.
template <class Window>
QList<Window *> OpenWindows()
{
    return groupstest::ClientBus::openWindows<Window>();
}

template <class Window>
Window *MessageBus::openWindow(const qorv::data::Message &message)
{
    openMessage(message);
    for (Window *window : OpenWindows<Window>()) {
        if (window->getMessage().message_id() == message.message_id())
            return window;
    }
    return nullptr;
}
}

#endif // MESSAGEBUS_H

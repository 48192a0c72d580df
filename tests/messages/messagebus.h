#ifndef MESSAGEBUS_H
#define MESSAGEBUS_H

#include "messagestore.h"
#include "testserver.h"

#include <QApplication>
#include <QList>
#include <QWidget>

#include <memory>

class ApplicationComponent;
class MessageBrowserView;

namespace messagestest
{
// The whole client bus against the test server, whose store answers the
// message windows. The logged-on user is Ann (MessageStore::logOn), and the
// texts are the program's English ones.
class MessageBus
{
public:
    MessageBus();
    ~MessageBus();

    // Once per test program: the translation and the logged-on user.
    static bool setUpLikeTheProgram();

    // A fresh server (with the store's handlers) and bus.
    bool start();
    // Closes every window and takes the bus down.
    void stop();

    testsupport::TestServer &server() { return *m_server; }
    MessageStore &store() { return *m_store; }
    ApplicationComponent &bus() { return *m_bus; }

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
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<MessageStore> m_store;
    std::unique_ptr<ApplicationComponent> m_bus;
};

// The shown windows of one class, in the order of the application's list.
template <class Window>
QList<Window *> OpenWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
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

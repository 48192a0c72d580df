#ifndef CLIENTBUS_H
#define CLIENTBUS_H

#include "groupdirectory.h"
#include "testserver.h"

#include <QApplication>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class ApplicationComponent;

namespace groupstest
{
// The whole client bus against a fresh test server whose directory answers
// the user pages; the buses of the window tests build on it and add their own
// handlers and ways of opening windows. The logged-on user is Ann
// (GroupDirectory::logOn), and the texts are the program's English ones.
class ClientBus
{
public:
    ClientBus();
    ~ClientBus();
    ClientBus(const ClientBus &) = delete;
    ClientBus &operator=(const ClientBus &) = delete;

    // Once per test program: the names and translation of the program and the
    // logged-on user.
    static bool setUpLikeTheProgram();

    // A fresh server with the directory's handlers, then those that
    // installMore adds, and only then the bus, so that nothing the bus asks
    // at its start goes unanswered. False when the server did not start.
    bool start(const std::function<void(testsupport::TestServer &)> &installMore = {});
    // Closes every window and takes the bus, the directory and the server down.
    void stop();
    // Closes every top-level window, the bus's own included.
    static void closeWindows();

    testsupport::TestServer &server() { return *m_server; }
    GroupDirectory &directory() { return *m_directory; }
    ApplicationComponent &bus() { return *m_bus; }

    // The requests of one major opcode that reached the server, in order.
    QList<testsupport::TestRequest> requests(int majorOpcode) const;
    // The major opcodes the server saw, in order.
    QList<int> majors() const;

    // The visible top-level windows of one class.
    template <class Window>
    static QList<Window *> openWindows()
    {
        QList<Window *> windows;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
                windows.append(window);
        }
        return windows;
    }

    // The window of that class that is open now and was not before; null when
    // none is.
    template <class Window>
    static Window *newWindow(const QList<Window *> &before)
    {
        for (Window *window : openWindows<Window>()) {
            if (!before.contains(window))
                return window;
        }
        return nullptr;
    }

private:
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;
    std::unique_ptr<ApplicationComponent> m_bus;
};
}

#endif // CLIENTBUS_H

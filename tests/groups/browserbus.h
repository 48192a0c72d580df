#ifndef BROWSERBUS_H
#define BROWSERBUS_H

#include "clientbus.h"

#include <QList>

class DocumentBrowserView;
class UserGroupBrowserView;

namespace groupstest
{
// The client bus (ClientBus) whose directory answers the user-group window,
// the document browser, their panes and the pickers, opened the way the user
// opens them, from the console.
class BrowserBus
{
public:
    BrowserBus();
    ~BrowserBus();

    // Once per test program: the translation and the logged-on user.
    static bool setUpLikeTheProgram() { return ClientBus::setUpLikeTheProgram(); }

    // A fresh server (with the directory's handlers) and bus.
    bool start();
    // Closes every window and takes the bus down.
    void stop() { m_client.stop(); }

    testsupport::TestServer &server() { return m_client.server(); }
    GroupDirectory &directory() { return m_client.directory(); }
    ApplicationComponent &bus() { return m_client.bus(); }

    // Opens a user-group window through the console's command, as the user
    // does; null when none opened.
    UserGroupBrowserView *openBrowser();
    // Opens a document browser through the console's command, as the user
    // does, and makes it the active window; null when none opened.
    DocumentBrowserView *openDocumentBrowser();

    // The major opcodes the server saw, in order.
    QList<int> majors() const { return m_client.majors(); }

private:
    ClientBus m_client;
};
}

#endif // BROWSERBUS_H

#ifndef BROWSERBUS_H
#define BROWSERBUS_H

#include "groupdirectory.h"
#include "testserver.h"

#include <QList>
#include <QTranslator>

#include <memory>

class ApplicationComponent;
class DocumentBrowserView;
class UserGroupBrowserView;

namespace groupstest
{
// The whole client bus against the test server, whose directory answers the
// user-group window, the document browser, their panes and the pickers. The logged-on user is Ann
// (GroupDirectory::logOn), and the texts are the program's English ones.
class BrowserBus
{
public:
    BrowserBus();
    ~BrowserBus();

    // Once per test program: the translation and the logged-on user.
    static bool setUpLikeTheProgram();

    // A fresh server (with the directory's handlers) and bus.
    bool start();
    // Closes every window and takes the bus down.
    void stop();

    testsupport::TestServer &server() { return *m_server; }
    GroupDirectory &directory() { return *m_directory; }
    ApplicationComponent &bus() { return *m_bus; }

    // Opens a user-group window through the console's command, as the user
    // does; null when none opened.
    UserGroupBrowserView *openBrowser();
    // Opens a document browser through the console's command, as the user
    // does, and makes it the active window; null when none opened.
    DocumentBrowserView *openDocumentBrowser();

    // The major opcodes the server saw, in order.
    QList<int> majors() const;

private:
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;
    std::unique_ptr<ApplicationComponent> m_bus;
};
}

#endif // BROWSERBUS_H

#include "browserbus.h"

#include "consoleview.h"
#include "documentbrowserview.h"
#include "usergroupbrowserview.h"

#include <QTest>

namespace groupstest
{
BrowserBus::BrowserBus() = default;

BrowserBus::~BrowserBus() = default;

bool BrowserBus::start()
{
    return m_client.start() && ClientBus::openWindows<ConsoleView>().size() == 1;
}

UserGroupBrowserView *BrowserBus::openBrowser()
{
    const QList<UserGroupBrowserView *> before = ClientBus::openWindows<UserGroupBrowserView>();
    const QList<ConsoleView *> consoles = ClientBus::openWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newUserGroupBrowser();
    return ClientBus::newWindow(before);
}

DocumentBrowserView *BrowserBus::openDocumentBrowser()
{
    const QList<DocumentBrowserView *> before = ClientBus::openWindows<DocumentBrowserView>();
    const QList<ConsoleView *> consoles = ClientBus::openWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newDocumentBrowser();
    DocumentBrowserView *window = ClientBus::newWindow(before);
    if (!window)
        return nullptr;
    // A browser fills its main pane only while it is the active window.
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}
}

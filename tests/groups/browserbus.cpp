#include "browserbus.h"

#include "applicationcomponent.h"
#include "consoleview.h"
#include "documentbrowserview.h"
#include "messagedispatcher.h"
#include "usergroupbrowserview.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace groupstest
{
namespace
{
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
}

BrowserBus::BrowserBus() = default;

BrowserBus::~BrowserBus()
{
    stop();
}

bool BrowserBus::setUpLikeTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    static QTranslator translator;
    if (!translator.load(QStringLiteral(":build/client_en.qm")) || !QCoreApplication::installTranslator(&translator))
        return false;
    GroupDirectory::logOn();
    return true;
}

bool BrowserBus::start()
{
    m_server = std::make_unique<testsupport::TestServer>();
    if (!m_server->start())
        return false;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_server->port());
    m_directory = std::make_unique<GroupDirectory>(*m_server);
    m_directory->install();
    m_bus = std::make_unique<ApplicationComponent>();
    return OpenWindows<ConsoleView>().size() == 1;
}

void BrowserBus::stop()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    m_bus.reset();
    m_directory.reset();
    m_server.reset();
}

UserGroupBrowserView *BrowserBus::openBrowser()
{
    const QList<UserGroupBrowserView *> before = OpenWindows<UserGroupBrowserView>();
    const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newUserGroupBrowser();
    for (UserGroupBrowserView *window : OpenWindows<UserGroupBrowserView>()) {
        if (!before.contains(window))
            return window;
    }
    return nullptr;
}

DocumentBrowserView *BrowserBus::openDocumentBrowser()
{
    const QList<DocumentBrowserView *> before = OpenWindows<DocumentBrowserView>();
    const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
    if (consoles.size() != 1)
        return nullptr;
    consoles.first()->newDocumentBrowser();
    for (DocumentBrowserView *window : OpenWindows<DocumentBrowserView>()) {
        if (before.contains(window))
            continue;
        // A browser fills its main pane only while it is the active window.
        window->activateWindow();
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }
    return nullptr;
}

QList<int> BrowserBus::majors() const
{
    QList<int> majors;
    for (const testsupport::TestRequest &request : m_server->requests())
        majors.append(request.majorOpcode);
    return majors;
}
}

#include "clientbus.h"

#include "applicationcomponent.h"
#include "dispatchtotestserver.h"
#include "programsetup.h"

#include <QPointer>

namespace groupstest
{
ClientBus::ClientBus() = default;

ClientBus::~ClientBus()
{
    stop();
}

bool ClientBus::setUpLikeTheProgram()
{
    if (!testsupport::SetUpLikeTheProgram())
        return false;
    GroupDirectory::logOn();
    return true;
}

bool ClientBus::start(const std::function<void(testsupport::TestServer &)> &installMore)
{
    m_server = std::make_unique<testsupport::TestServer>();
    if (!testsupport::StartAndDispatchTo(*m_server))
        return false;
    m_directory = std::make_unique<GroupDirectory>(*m_server);
    m_directory->install();
    if (installMore)
        installMore(*m_server);
    m_bus = std::make_unique<ApplicationComponent>();
    return true;
}

void ClientBus::stop()
{
    closeWindows();
    m_bus.reset();
    m_directory.reset();
    m_server.reset();
}

void ClientBus::closeWindows()
{
    // Guarded, since closing one window may delete others it owns.
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

QList<testsupport::TestRequest> ClientBus::requests(int majorOpcode) const
{
    QList<testsupport::TestRequest> found;
    for (const testsupport::TestRequest &request : m_server->requests()) {
        if (request.majorOpcode == majorOpcode)
            found.append(request);
    }
    return found;
}

QList<int> ClientBus::majors() const
{
    QList<int> majors;
    for (const testsupport::TestRequest &request : m_server->requests())
        majors.append(request.majorOpcode);
    return majors;
}
}

#include "usergroupbrowsermanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "showonbus.h"
#include "standinusergroupbrowserview.h"

UserGroupBrowserManager::UserGroupBrowserManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void UserGroupBrowserManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenUserGroupBrowser)
        return;
    ShowOnBus(*m_applicationComponent, new StandInUserGroupBrowserView(nullptr));
}

#include "usergroupbrowsermanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "usergroupbrowserview.h"

UserGroupBrowserManager::UserGroupBrowserManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void UserGroupBrowserManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenUserGroupBrowser)
        return;
    auto *view = new UserGroupBrowserView(nullptr);
    m_applicationComponent->connectAbstractViewWindow(view);
    view->show();
}

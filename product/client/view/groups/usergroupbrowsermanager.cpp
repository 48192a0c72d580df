#include "usergroupbrowsermanager.h"

#include "common/majorcode.h"
#include "showonbus.h"
#include "usergroupbrowserview.h"

UserGroupBrowserManager::UserGroupBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void UserGroupBrowserManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenUserGroupBrowser)
        return;
    ShowOnBus(m_viewWindowBus, new UserGroupBrowserView(nullptr));
}

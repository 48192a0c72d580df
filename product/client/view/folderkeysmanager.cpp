#include "folderkeysmanager.h"

#include "common/majorcode.h"
#include "iviewwindowbus.h"
#include "standinfolderkeysview.h"

FolderKeysManager::FolderKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void FolderKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenFolderKeys)
        return;
    auto *view = new StandInFolderKeysView(nullptr);
    m_viewWindowBus.connectAbstractViewWindow(view);
    view->show();
}

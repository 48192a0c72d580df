#include "folderkeysmanager.h"

#include "common/majorcode.h"
#include "folderkeysview.h"
#include "showonbus.h"

FolderKeysManager::FolderKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void FolderKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenFolderKeys)
        return;
    ShowOnBus(m_viewWindowBus, new FolderKeysView(nullptr));
}

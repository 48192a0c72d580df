#include "folderkeysmanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "showonbus.h"
#include "standinfolderkeysview.h"

FolderKeysManager::FolderKeysManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void FolderKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenFolderKeys)
        return;
    ShowOnBus(*m_applicationComponent, new StandInFolderKeysView(nullptr));
}

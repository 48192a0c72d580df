#include "folderkeysmanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
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
    auto *view = new StandInFolderKeysView(nullptr);
    m_applicationComponent->connectAbstractViewWindow(view);
    view->show();
}

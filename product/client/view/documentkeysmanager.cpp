#include "documentkeysmanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "showonbus.h"
#include "standindocumentkeysview.h"

DocumentKeysManager::DocumentKeysManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void DocumentKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenDocumentKeys)
        return;
    ShowOnBus(*m_applicationComponent, new StandInDocumentKeysView(nullptr));
}

#include "documentkeysmanager.h"

#include "common/majorcode.h"
#include "documentkeysview.h"
#include "showonbus.h"

DocumentKeysManager::DocumentKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void DocumentKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenDocumentKeys)
        return;
    ShowOnBus(m_viewWindowBus, new DocumentKeysView(nullptr));
}

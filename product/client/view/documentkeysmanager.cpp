#include "documentkeysmanager.h"

#include "common/majorcode.h"
#include "iviewwindowbus.h"
#include "standindocumentkeysview.h"

DocumentKeysManager::DocumentKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void DocumentKeysManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode != common::op::OpenDocumentKeys)
        return;
    auto *view = new StandInDocumentKeysView(nullptr);
    m_viewWindowBus.connectAbstractViewWindow(view);
    view->show();
}

#include "documentbrowsermanager.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentbrowserview.h"
#include "showonbus.h"

#include "openfolderkeyrequest3.pb.h"

DocumentBrowserManager::DocumentBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void DocumentBrowserManager::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                            const std::string &request)
{
    if (majorOpcode != common::op::OpenDocumentBrowser)
        return;
    if (minorOpcode == 1)
        openDocumentBrowser();
    else if (minorOpcode == common::tag::OpenFolderKey)
        openFolderKeys(request);
}

void DocumentBrowserManager::openDocumentBrowser() const
{
    ShowOnBus(m_viewWindowBus, new DocumentBrowserView(nullptr));
}

void DocumentBrowserManager::openFolderKeys(const std::string &request) const
{
    qorv::data::OpenFolderKeyRequest openFolderKeyRequest;
    if (!openFolderKeyRequest.ParseFromString(request))
        return;
    for (const qorv::data::FolderKey &folderKey : openFolderKeyRequest.folder_key()) {
        auto *browser = new DocumentBrowserView(nullptr);
        if (!ShowOnBus(m_viewWindowBus, browser))
            continue;
        emit browser->addFolderKeyShortcutItem(folderKey);
        browser->openFolderKey(folderKey);
    }
}

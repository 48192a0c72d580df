#include "standindocumentbrowserview.h"

StandInDocumentBrowserView::StandInDocumentBrowserView(QWidget *parent)
    : AbstractViewWindow(parent)
{
    connect(this, &StandInDocumentBrowserView::addFolderKeyShortcutItem, this,
            &StandInDocumentBrowserView::keepShortcutFolderKey);
}

StandInDocumentBrowserView::~StandInDocumentBrowserView() = default;

const std::vector<qorv::data::FolderKey> &StandInDocumentBrowserView::shortcutFolderKeys() const
{
    return m_shortcutFolderKeys;
}

const std::vector<qorv::data::FolderKey> &StandInDocumentBrowserView::openedFolderKeys() const
{
    return m_openedFolderKeys;
}

void StandInDocumentBrowserView::openFolderKey(const qorv::data::FolderKey &folderKey)
{
    m_openedFolderKeys.push_back(folderKey);
}

void StandInDocumentBrowserView::keepShortcutFolderKey(const qorv::data::FolderKey &folderKey)
{
    m_shortcutFolderKeys.push_back(folderKey);
}

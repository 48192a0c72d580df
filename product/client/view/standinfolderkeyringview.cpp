#include "standinfolderkeyringview.h"

StandInFolderKeyringView::StandInFolderKeyringView(int folderId, const QString &folderName, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
{
    connect(this, &StandInFolderKeyringView::addFolderKey, this, &StandInFolderKeyringView::keepFolderKey);
}

StandInFolderKeyringView::~StandInFolderKeyringView() = default;

int StandInFolderKeyringView::getFolderId() const
{
    return m_folderId;
}

QString StandInFolderKeyringView::getFolderName() const
{
    return m_folderName;
}

const std::vector<qorv::data::FolderKey> &StandInFolderKeyringView::folderKeys() const
{
    return m_folderKeys;
}

void StandInFolderKeyringView::keepFolderKey(const qorv::data::FolderKey &folderKey)
{
    m_folderKeys.push_back(folderKey);
}

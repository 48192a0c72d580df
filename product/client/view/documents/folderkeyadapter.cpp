#include "folderkeyadapter.h"

#include "folderkeyreader.h"

#include "folderkey3.pb.h"

const QString FolderKeyAdapter::IconPath = QStringLiteral(":icons/32x32/folder_lock.png");

FolderKeyAdapter::FolderKeyAdapter(const qorv::data::FolderKey &folderKey)
    : m_folderKey(folderKey)
{
}

int FolderKeyAdapter::targetId() const
{
    return FolderKeyReader(m_folderKey).folderId();
}

QString FolderKeyAdapter::targetName() const
{
    return QString::fromStdString(m_folderKey.folder_key_folder().folder_name());
}

unsigned int FolderKeyAdapter::properties() const
{
    return m_folderKey.folder_key_properties();
}

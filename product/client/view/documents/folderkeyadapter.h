#ifndef FOLDERKEYADAPTER_H
#define FOLDERKEYADAPTER_H

#include "folderkeyvalidator.h"
#include "itemrole.h"
#include "itemtype.h"

#include <QString>

namespace qorv::data
{
class FolderKey;
}

// What the main pane needs to list a folder key as an item: the folder it
// opens (its identity in the pane), its name, the key's properties word, and
// the kind's item type, role, icon and validator.
class FolderKeyAdapter
{
public:
    using Record = qorv::data::FolderKey;
    using Validator = FolderKeyValidator;
    static constexpr int Type = FolderKeyItemType;
    static constexpr int Role = FolderKeyRole;
    static const QString IconPath;

    explicit FolderKeyAdapter(const qorv::data::FolderKey &folderKey);

    // The null id when the key names no folder.
    int targetId() const;
    QString targetName() const;
    unsigned int properties() const;

private:
    const qorv::data::FolderKey &m_folderKey;
};

#endif // FOLDERKEYADAPTER_H

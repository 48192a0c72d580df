#ifndef FOLDERKEYSMANAGER_H
#define FOLDERKEYSMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the windows of folder keys received.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class FolderKeysManager : public Component
{
    Q_OBJECT

public:
    explicit FolderKeysManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // FOLDERKEYSMANAGER_H

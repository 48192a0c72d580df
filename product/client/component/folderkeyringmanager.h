#ifndef FOLDERKEYRINGMANAGER_H
#define FOLDERKEYRINGMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the folder keyring windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class FolderKeyringManager : public Component
{
    Q_OBJECT

public:
    explicit FolderKeyringManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // FOLDERKEYRINGMANAGER_H

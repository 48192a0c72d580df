#ifndef DOCUMENTKEYRINGMANAGER_H
#define DOCUMENTKEYRINGMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the document keyring windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class DocumentKeyringManager : public Component
{
    Q_OBJECT

public:
    explicit DocumentKeyringManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // DOCUMENTKEYRINGMANAGER_H

#ifndef DOCUMENTKEYSMANAGER_H
#define DOCUMENTKEYSMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the windows of document keys received.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class DocumentKeysManager : public Component
{
    Q_OBJECT

public:
    explicit DocumentKeysManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // DOCUMENTKEYSMANAGER_H

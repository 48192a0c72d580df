#ifndef MESSAGEREADERMANAGER_H
#define MESSAGEREADERMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the message reader windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class MessageReaderManager : public Component
{
    Q_OBJECT

public:
    explicit MessageReaderManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // MESSAGEREADERMANAGER_H

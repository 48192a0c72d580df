#ifndef MESSAGEBROWSERMANAGER_H
#define MESSAGEBROWSERMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the message browser windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class MessageBrowserManager : public Component
{
    Q_OBJECT

public:
    explicit MessageBrowserManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // MESSAGEBROWSERMANAGER_H

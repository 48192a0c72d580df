#ifndef MESSAGEEDITORMANAGER_H
#define MESSAGEEDITORMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the message editor windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class MessageEditorManager : public Component
{
    Q_OBJECT

public:
    explicit MessageEditorManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // MESSAGEEDITORMANAGER_H

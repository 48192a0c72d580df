#ifndef DOCUMENTBROWSERMANAGER_H
#define DOCUMENTBROWSERMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the document browser windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class DocumentBrowserManager : public Component
{
    Q_OBJECT

public:
    explicit DocumentBrowserManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // DOCUMENTBROWSERMANAGER_H

#ifndef USERGROUPBROWSERMANAGER_H
#define USERGROUPBROWSERMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the user-group browser windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class UserGroupBrowserManager : public Component
{
    Q_OBJECT

public:
    explicit UserGroupBrowserManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // USERGROUPBROWSERMANAGER_H

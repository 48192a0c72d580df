#ifndef DOCUMENTEDITORMANAGER_H
#define DOCUMENTEDITORMANAGER_H

#include "applicationcomponent.h"

// Opens and closes the document editor windows.
// Stands in until the real manager lands: it is created and linked in its
// place, so the order of the managers on the bus is already the final one.
class DocumentEditorManager : public Component
{
    Q_OBJECT

public:
    explicit DocumentEditorManager(ApplicationComponent *applicationComponent)
        : Component(applicationComponent)
    {
    }
};

#endif // DOCUMENTEDITORMANAGER_H

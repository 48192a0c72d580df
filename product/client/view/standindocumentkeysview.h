#ifndef STANDINDOCUMENTKEYSVIEW_H
#define STANDINDOCUMENTKEYSVIEW_H

#include "abstractviewwindow.h"

// Stands in for the window of the document keys given to the user until it
// lands: an empty view window on the bus, built the way its manager builds the
// real one.
class StandInDocumentKeysView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInDocumentKeysView(QWidget *parent = nullptr);
};

#endif // STANDINDOCUMENTKEYSVIEW_H

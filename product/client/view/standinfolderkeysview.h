#ifndef STANDINFOLDERKEYSVIEW_H
#define STANDINFOLDERKEYSVIEW_H

#include "abstractviewwindow.h"

// Stands in for the window of the folder keys given to the user until it
// lands: an empty view window on the bus, built the way its manager builds the
// real one.
class StandInFolderKeysView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInFolderKeysView(QWidget *parent = nullptr);
};

#endif // STANDINFOLDERKEYSVIEW_H

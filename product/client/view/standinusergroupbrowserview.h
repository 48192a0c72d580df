#ifndef STANDINUSERGROUPBROWSERVIEW_H
#define STANDINUSERGROUPBROWSERVIEW_H

#include "abstractviewwindow.h"

// Stands in for the user-group browser until it lands: an empty view window
// on the bus, built the way its manager builds the real one.
class StandInUserGroupBrowserView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInUserGroupBrowserView(QWidget *parent = nullptr);
};

#endif // STANDINUSERGROUPBROWSERVIEW_H

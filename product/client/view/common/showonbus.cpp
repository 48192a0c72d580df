#include "showonbus.h"

#include "abstractviewwindow.h"
#include "iviewwindowbus.h"

#include <QtGlobal>

bool ShowOnBus(const IViewWindowBus &bus, AbstractViewWindow *window)
{
    if (!bus.connectAbstractViewWindow(window)) {
        qWarning("A %s could not be linked into the bus; it is not opened.", window->metaObject()->className());
        delete window;
        return false;
    }
    window->show();
    return true;
}

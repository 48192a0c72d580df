#ifndef SHOWONBUS_H
#define SHOWONBUS_H

#include <QtGlobal>

// Links a window that a manager has just made to the bus and shows it. A
// window that could not be linked would never hear from the server (nor the
// server from it), so it is not shown but deleted, with a warning that names
// it. The failure is fully handled here; the answer only tells a caller that
// still wants to use the window whether it exists.
template <class Bus, class Window>
bool ShowOnBus(const Bus &bus, Window *window)
{
    if (!bus.connectAbstractViewWindow(window)) {
        qWarning("A %s could not be linked into the bus; it is not opened.", window->metaObject()->className());
        delete window;
        return false;
    }
    window->show();
    return true;
}

#endif // SHOWONBUS_H

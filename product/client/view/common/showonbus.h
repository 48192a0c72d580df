#ifndef SHOWONBUS_H
#define SHOWONBUS_H

class AbstractViewWindow;
class IViewWindowBus;

// Links a window that a manager has just made to the bus and shows it. A
// window that could not be linked would never hear from the server (nor the
// server from it), so it is not shown but deleted, with a warning that names
// it. The failure is fully handled here; the answer only tells a caller that
// still wants to use the window whether it exists.
bool ShowOnBus(const IViewWindowBus &bus, AbstractViewWindow *window);

#endif // SHOWONBUS_H

#ifndef IVIEWWINDOWBUS_H
#define IVIEWWINDOWBUS_H

class AbstractViewWindow;

// The one thing a view manager needs of the bus that the application
// component builds: the place where the windows it opens join the bus. The
// managers know the bus only through this, since the component that builds
// the bus also builds them.
class IViewWindowBus
{
public:
    virtual ~IViewWindowBus() = default;

    // Attaches the window to the executive connector: it gets every event and
    // reply and hands its requests down. False when a link could not be made.
    [[nodiscard]] virtual bool connectAbstractViewWindow(const AbstractViewWindow *window) const = 0;
};

#endif // IVIEWWINDOWBUS_H

#ifndef CONSOLEMANAGER_H
#define CONSOLEMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens the console, the program's first window, on the event that announces
// the finished bus (-1, 1). The console is parented to the window active at
// that moment, if any.
//
// The console outlives every other window and must be gone before the
// application object is: it is destroyed when the event loop ends, and at the
// latest with this manager.
class ConsoleManager : public AbstractViewManager
{
    Q_OBJECT

public:
    ConsoleManager(const IViewWindowBus &viewWindowBus, QObject *parent);
    ~ConsoleManager() override;

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;

private slots:
    void destroyConsoles();

private:
    const IViewWindowBus &m_viewWindowBus;
};

#endif // CONSOLEMANAGER_H

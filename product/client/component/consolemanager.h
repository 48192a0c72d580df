#ifndef CONSOLEMANAGER_H
#define CONSOLEMANAGER_H

#include "component.h"

#include <QPointer>

class ApplicationComponent;
class StandInConsoleView;

// Opens the console window once the bus is built (event -1) and links it to
// the bus. Stands in for the real console manager until the console lands.
class ConsoleManager : public Component
{
    Q_OBJECT

public:
    explicit ConsoleManager(ApplicationComponent *applicationComponent);
    ~ConsoleManager() override;

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;

private:
    void closeConsole();

    ApplicationComponent *const m_applicationComponent;
    QPointer<StandInConsoleView> m_console;
};

#endif // CONSOLEMANAGER_H

#include "consolemanager.h"

#include "applicationcomponent.h"
#include "common/eventcode.h"
#include "standinconsoleview.h"

#include <QApplication>

ConsoleManager::ConsoleManager(ApplicationComponent *applicationComponent)
    : Component(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    // The window must go while the application object still exists; the bus
    // itself is only torn down after it.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ConsoleManager::closeConsole);
}

ConsoleManager::~ConsoleManager()
{
    closeConsole();
}

void ConsoleManager::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &)
{
    if (majorEvcode != common::ev::Started || minorEvcode != 1 || m_console)
        return;
    m_console = new StandInConsoleView(QApplication::activeWindow());
    m_applicationComponent->connectAbstractViewWindow(m_console.data());
    m_console->show();
}

void ConsoleManager::closeConsole()
{
    delete m_console.data();
}

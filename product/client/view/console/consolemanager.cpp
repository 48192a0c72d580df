#include "consolemanager.h"

#include "common/eventcode.h"
#include "consoleview.h"
#include "iviewwindowbus.h"

#include <QApplication>
#include <QPointer>

ConsoleManager::ConsoleManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ConsoleManager::destroyConsoles);
}

ConsoleManager::~ConsoleManager()
{
    destroyConsoles();
}

void ConsoleManager::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &)
{
    if (majorEvcode != common::ev::Started || minorEvcode != 1)
        return;
    auto *console = new ConsoleView(QApplication::activeWindow());
    // Shown even off the bus: the console is the user's only way to end the
    // program, although it then cannot log on.
    if (!m_viewWindowBus.connectAbstractViewWindow(console))
        qWarning("The console could not be linked into the bus; it cannot reach the server.");
    console->show();
}

void ConsoleManager::destroyConsoles()
{
    // Deleted rather than closed: closing the console logs off, which asks the
    // user and quits. Its destructor still runs, so it keeps its geometry.
    QList<QPointer<ConsoleView>> consoles;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *console = qobject_cast<ConsoleView *>(widget))
            consoles.append(console);
    }
    for (const QPointer<ConsoleView> &console : consoles)
        delete console.data();
}

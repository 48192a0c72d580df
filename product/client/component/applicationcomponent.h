#ifndef APPLICATIONCOMPONENT_H
#define APPLICATIONCOMPONENT_H

#include "abstractapplicationcomponent.h"
#include "executiveconnector.h"
#include "iviewwindowbus.h"
#include "serviceconnector.h"
#include "systemconnector.h"

class ClockComponent;
class ConsoleManager;
class DocumentBrowserManager;
class DocumentEditorManager;
class DocumentKeyringManager;
class DocumentKeysManager;
class FolderKeyringManager;
class FolderKeysManager;
class MessageBrowserManager;
class MessageEditorManager;
class MessageReaderManager;
class ServerComponent;
class ServiceRouter;
class SystemRouter;
class UserGroupBrowserManager;

using ApplicationComponentBase = AbstractApplicationComponent<SystemConnector, SystemRouter, ServerComponent,
                                                              ServiceConnector, ServiceRouter, ExecutiveConnector>;

// Builds the whole bus: the layers and the server component (in the base), the
// clock and the eleven view managers, links them, then announces that the bus
// is built (event -1, on which the console opens) and starts the clock. It owns
// every member as their Qt parent; its destructor stops the clock before they go.
//
// A view manager joins with connectAbstractViewManager (done here for the
// eleven); a view window joins with connectAbstractViewWindow, which the manager
// that opens the window calls through the bus's window side (IViewWindowBus).
class ApplicationComponent : public ApplicationComponentBase, public IViewWindowBus
{
    Q_OBJECT

public:
    explicit ApplicationComponent(QObject *parent = nullptr);
    ~ApplicationComponent() override;

    [[nodiscard]] bool connectClockComponent();

    // Any other bus member may be attached like a window, too.
    using ApplicationComponentBase::connectAbstractViewWindow;
    [[nodiscard]] bool connectAbstractViewWindow(const AbstractViewWindow *window) const override;

private:
    ClockComponent *const m_clockComponent;
    ConsoleManager *const m_consoleManager;
    UserGroupBrowserManager *const m_userGroupBrowserManager;
    DocumentBrowserManager *const m_documentBrowserManager;
    DocumentEditorManager *const m_documentEditorManager;
    FolderKeyringManager *const m_folderKeyringManager;
    DocumentKeyringManager *const m_documentKeyringManager;
    DocumentKeysManager *const m_documentKeysManager;
    FolderKeysManager *const m_folderKeysManager;
    MessageBrowserManager *const m_messageBrowserManager;
    MessageEditorManager *const m_messageEditorManager;
    MessageReaderManager *const m_messageReaderManager;
};

#endif // APPLICATIONCOMPONENT_H

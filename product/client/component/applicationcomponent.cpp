#include "applicationcomponent.h"

#include "abstractviewwindow.h"
#include "clockcomponent.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "consolemanager.h"
#include "documentbrowsermanager.h"
#include "documenteditormanager.h"
#include "documentkeyringmanager.h"
#include "documentkeysmanager.h"
#include "folderkeyringmanager.h"
#include "folderkeysmanager.h"
#include "messagebrowsermanager.h"
#include "messageeditormanager.h"
#include "messagereadermanager.h"
#include "servercomponent.h"
#include "servicerouter.h"
#include "systemrouter.h"
#include "usergroupbrowsermanager.h"

ApplicationComponent::ApplicationComponent(QObject *parent)
    : ApplicationComponentBase(parent)
    , m_clockComponent(new ClockComponent(this))
    , m_consoleManager(new ConsoleManager(*this, this))
    , m_userGroupBrowserManager(new UserGroupBrowserManager(*this, this))
    , m_documentBrowserManager(new DocumentBrowserManager(*this, this))
    , m_documentEditorManager(new DocumentEditorManager(*this, this))
    , m_folderKeyringManager(new FolderKeyringManager(*this, this))
    , m_documentKeyringManager(new DocumentKeyringManager(*this, this))
    , m_documentKeysManager(new DocumentKeysManager(*this, this))
    , m_folderKeysManager(new FolderKeysManager(*this, this))
    , m_messageBrowserManager(new MessageBrowserManager(*this, this))
    , m_messageEditorManager(new MessageEditorManager(*this, this))
    , m_messageReaderManager(new MessageReaderManager(*this, this))
{
    // Link order is delivery order: the managers see every reply in this order,
    // always after every window. The chain stops at the first failed link.
    const bool linked =
        connectClockComponent() && connectAbstractViewManager(m_consoleManager)
        && connectAbstractViewManager(m_userGroupBrowserManager) && connectAbstractViewManager(m_documentBrowserManager)
        && connectAbstractViewManager(m_documentEditorManager) && connectAbstractViewManager(m_folderKeyringManager)
        && connectAbstractViewManager(m_documentKeyringManager) && connectAbstractViewManager(m_documentKeysManager)
        && connectAbstractViewManager(m_folderKeysManager) && connectAbstractViewManager(m_messageBrowserManager)
        && connectAbstractViewManager(m_messageEditorManager) && connectAbstractViewManager(m_messageReaderManager);
    if (!linked)
        qWarning("The clock and the view managers could not all be linked into the bus.");

    emit deliverEvent(common::ev::Started, 1, std::string());
    emit deliverRequest(common::op::StartClock, 1, std::string());
}

ApplicationComponent::~ApplicationComponent()
{
    // No tick may reach a member that is already half gone.
    emit deliverRequest(common::op::StopClock, 1, std::string());
}

bool ApplicationComponent::connectAbstractViewWindow(const AbstractViewWindow *window) const
{
    return ApplicationComponentBase::connectAbstractViewWindow(window);
}

bool ApplicationComponent::connectClockComponent()
{
    // The clock's own receive slot is protected; the public one of its base
    // is virtual and reaches the clock's all the same.
    return connect(m_clockComponent, &Component::deliverEvent, m_systemConnector, &Connector::receiveEvent)
           && connect(m_clockComponent, &Component::deliverReply, m_systemConnector, &Connector::receiveReply)
           && connect(m_systemConnector, &Connector::deliverRequest, m_clockComponent, &Component::receiveRequest);
}

#include "messagebrowsermanager.h"

#include "common/majorcode.h"
#include "messagebrowserview.h"
#include "showonbus.h"

#include "openmessagerequest3.pb.h"

#include <QApplication>
#include <QList>
#include <QPointer>

MessageBrowserManager::MessageBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void MessageBrowserManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &request)
{
    if (majorOpcode == common::op::OpenMessageBrowser)
        openMessageBrowser();
    else if (majorOpcode == common::op::OpenMessageReader)
        handleOpenMessage(request);
}

void MessageBrowserManager::openMessageBrowser() const
{
    ShowOnBus(m_viewWindowBus, new MessageBrowserView(nullptr));
}

void MessageBrowserManager::handleOpenMessage(const std::string &request)
{
    qorv::data::OpenMessageRequest openMessageRequest;
    if (!openMessageRequest.ParseFromString(request))
        return;
    const qorv::data::Message &message = openMessageRequest.message();
    if (!message.message_user_is_recipient())
        return;
    // A browser sends the update of the user's copy from here, and whatever
    // answers it may close windows on the way.
    QList<QPointer<MessageBrowserView>> browsers;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *browser = qobject_cast<MessageBrowserView *>(widget))
            browsers.append(browser);
    }
    for (const QPointer<MessageBrowserView> &browser : browsers) {
        if (browser)
            browser->handleOpenMessage(message);
    }
}

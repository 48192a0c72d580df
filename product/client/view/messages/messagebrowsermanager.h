#ifndef MESSAGEBROWSERMANAGER_H
#define MESSAGEBROWSERMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens a new message browser on every request (-29), whatever its minor
// opcode. When a received message is being opened (-43), it first tells every
// open message browser, which marks the message read; being linked before the
// reader's manager, it does so before the reader opens.
class MessageBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    MessageBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    void openMessageBrowser() const;
    static void handleOpenMessage(const std::string &request);

    const IViewWindowBus &m_viewWindowBus;
};

#endif // MESSAGEBROWSERMANAGER_H

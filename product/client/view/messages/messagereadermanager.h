#ifndef MESSAGEREADERMANAGER_H
#define MESSAGEREADERMANAGER_H

#include "messagereaderview.h"
#include "messagewindowmanager.h"

// Keeps at most one reader per received message: the request (-43) opens the
// reader of the message it carries, or brings the open one to the front, if
// the message is a received copy (the editor shows the others).
class MessageReaderManager : public MessageWindowManager<MessageReaderView>
{
    Q_OBJECT

public:
    MessageReaderManager(const IViewWindowBus &viewWindowBus, QObject *parent);
};

#endif // MESSAGEREADERMANAGER_H

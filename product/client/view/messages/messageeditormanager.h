#ifndef MESSAGEEDITORMANAGER_H
#define MESSAGEEDITORMANAGER_H

#include "messageeditorview.h"
#include "messagewindowmanager.h"

// Keeps at most one editor per message of the user's own: the request (-41)
// opens the editor of the message it carries, or brings the open one to the
// front, unless the message is a received copy (which the reader shows).
class MessageEditorManager : public MessageWindowManager<MessageEditorView>
{
    Q_OBJECT

public:
    MessageEditorManager(const IViewWindowBus &viewWindowBus, QObject *parent);
};

#endif // MESSAGEEDITORMANAGER_H

#ifndef MESSAGEEDITORMANAGER_H
#define MESSAGEEDITORMANAGER_H

#include "abstractviewmanager.h"

class ApplicationComponent;

// Keeps at most one editor per message of the user's own. The request (-41)
// opens the editor of the message it carries, or brings the open one to the
// front, unless the message is a received copy (which the reader shows). The
// successful delete reply (15) closes the editors of the deleted message.
class MessageEditorManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit MessageEditorManager(ApplicationComponent *applicationComponent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;

private:
    void openMessage(const std::string &request) const;
    static void closeMessage(const std::string &request);

    ApplicationComponent *const m_applicationComponent;
};

#endif // MESSAGEEDITORMANAGER_H

#ifndef MESSAGEREADERMANAGER_H
#define MESSAGEREADERMANAGER_H

#include "abstractviewmanager.h"

class ApplicationComponent;

// Keeps at most one reader per received message. The request (-43) opens the
// reader of the message it carries, or brings the open one to the front, if
// the message is a received copy (the editor shows the others). The successful
// delete reply (15) closes the readers of the deleted message.
class MessageReaderManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit MessageReaderManager(ApplicationComponent *applicationComponent);

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

#endif // MESSAGEREADERMANAGER_H

#ifndef DOCUMENTKEYRINGMANAGER_H
#define DOCUMENTKEYRINGMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Keeps at most one keyring window per document. The successful select reply
// (40, -34) opens the keyring of the document named in its echoed request,
// holding the keys of the reply, or brings the open one to the front; the
// successful delete reply (7) closes the keyrings of the deleted document.
class DocumentKeyringManager : public AbstractViewManager
{
    Q_OBJECT

public:
    DocumentKeyringManager(const IViewWindowBus &viewWindowBus, QObject *parent);

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;

private:
    static void closeDocumentKeyring(const std::string &request);

    const IViewWindowBus &m_viewWindowBus;
};

#endif // DOCUMENTKEYRINGMANAGER_H

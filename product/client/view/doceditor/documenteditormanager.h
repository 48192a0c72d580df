#ifndef DOCUMENTEDITORMANAGER_H
#define DOCUMENTEDITORMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Keeps at most one document editor per document. The successful select
// replies tagged -35 open editors: (41, -35) one for every document it lists,
// (40, -35) one for the document of its single key, under that key's rules. A
// document whose editor is open brings that editor to the front instead. The
// successful delete reply (7) closes the editors of the deleted document.
//
// It also relays the editor-options request (-57) as the event (-47) that
// tells every open editor to read its options again.
class DocumentEditorManager : public AbstractViewManager
{
    Q_OBJECT

public:
    DocumentEditorManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;

private:
    void openDocuments(const std::string &request, const std::string &reply) const;
    void openDocumentKey(const std::string &request, const std::string &reply) const;
    static void closeDocument(const std::string &request);

    const IViewWindowBus &m_viewWindowBus;
};

#endif // DOCUMENTEDITORMANAGER_H

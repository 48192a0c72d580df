#include "documentkeyringmanager.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyringview.h"
#include "keyringwindows.h"

#include "deletedocumentrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

namespace
{
// A document's keyring, whose keys come in the order of the reply.
struct DocumentKeyring
{
    using View = DocumentKeyringView;
    using SelectRequest = qorv::data::SelectDocumentKeyRequest;
    using SelectReply = qorv::data::SelectDocumentKeyReply;

    static int id(const View &keyring) { return keyring.getDocumentId(); }
    static int id(const SelectRequest &request) { return request.document_key_document_id(); }
    static const std::string &name(const SelectRequest &request) { return request.document_key_document_name(); }

    static void addKeys(View &keyring, const SelectReply &reply)
    {
        for (const qorv::data::DocumentKey &documentKey : reply.document_key())
            emit keyring.addDocumentKey(documentKey);
    }
};
}

DocumentKeyringManager::DocumentKeyringManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void DocumentKeyringManager::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                          const std::string &request, const std::string &reply)
{
    if (majorOpcode == common::op::SelectDocumentKey && minorOpcode == common::tag::OpenDocumentKeyring)
        OpenKeyring<DocumentKeyring>(m_viewWindowBus, request, reply);
    else if (majorOpcode == common::op::DeleteDocument)
        closeDocumentKeyring(request);
}

void DocumentKeyringManager::closeDocumentKeyring(const std::string &request)
{
    qorv::data::DeleteDocumentRequest deleteDocumentRequest;
    if (deleteDocumentRequest.ParseFromString(request))
        CloseKeyrings<DocumentKeyring>(DbId(deleteDocumentRequest.document_id()));
}

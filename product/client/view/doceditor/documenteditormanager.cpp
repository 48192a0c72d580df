#include "documenteditormanager.h"

#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documenteditorview.h"
#include "showonbus.h"
#include "viewwindowlookup.h"

#include "deletedocumentrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

namespace
{
using DocumentAction = ViewWindowAction;

bool DocumentEditorViewExists(int documentId, DocumentAction action)
{
    return ApplyToViewWindows<DocumentEditorView>(
        documentId, [](const DocumentEditorView &editor) { return editor.getDocument().document_id(); }, action);
}

void OpenDocument(const IViewWindowBus &viewWindowBus, const qorv::data::Document &document)
{
    if (DocumentEditorViewExists(document.document_id(), DocumentAction::Raise))
        return;
    ShowOnBus(viewWindowBus, new DocumentEditorView(document, nullptr));
}
}

DocumentEditorManager::DocumentEditorManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : AbstractViewManager(parent)
    , m_viewWindowBus(viewWindowBus)
{
}

void DocumentEditorManager::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    // Only the editors act on the event; it goes up to the windows alone.
    if (majorOpcode == common::op::EditorOptionsChanged)
        emit deliverEvent(common::ev::EditorOptionsChanged, 1, std::string());
}

void DocumentEditorManager::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                         const std::string &request, const std::string &reply)
{
    if (majorOpcode == common::op::SelectDocument && minorOpcode == common::tag::OpenDocumentEditor)
        openDocuments(request, reply);
    else if (majorOpcode == common::op::SelectDocumentKey && minorOpcode == common::tag::OpenDocumentEditor)
        openDocumentKey(request, reply);
    else if (majorOpcode == common::op::DeleteDocument)
        closeDocument(request);
}

void DocumentEditorManager::openDocuments(const std::string &request, const std::string &reply) const
{
    qorv::data::SelectDocumentRequest selectDocumentRequest;
    qorv::data::SelectDocumentReply selectDocumentReply;
    if (!selectDocumentRequest.ParseFromString(request) || !selectDocumentReply.ParseFromString(reply)
        || selectDocumentReply.sql_diag_rec().sqlc() != 0)
        return;
    for (const qorv::data::Document &document : selectDocumentReply.document())
        OpenDocument(m_viewWindowBus, document);
}

void DocumentEditorManager::openDocumentKey(const std::string &request, const std::string &reply) const
{
    qorv::data::SelectDocumentKeyRequest selectDocumentKeyRequest;
    qorv::data::SelectDocumentKeyReply selectDocumentKeyReply;
    if (!selectDocumentKeyRequest.ParseFromString(request) || !selectDocumentKeyReply.ParseFromString(reply)
        || selectDocumentKeyReply.sql_diag_rec().sqlc() != 0 || selectDocumentKeyReply.document_key_size() != 1)
        return;
    // The editor applies the security descriptor it is given, so the key's
    // rules, not the document's own, govern what the holder may do.
    const qorv::data::DocumentKey &documentKey = selectDocumentKeyReply.document_key(0);
    qorv::data::Document document = documentKey.document_key_document();
    *document.mutable_document_security_descriptor() = documentKey.document_key_security_descriptor();
    OpenDocument(m_viewWindowBus, document);
}

void DocumentEditorManager::closeDocument(const std::string &request)
{
    // The echoed request names the document the user asked to delete.
    qorv::data::DeleteDocumentRequest deleteDocumentRequest;
    if (deleteDocumentRequest.ParseFromString(request))
        DocumentEditorViewExists(deleteDocumentRequest.document_id(), DocumentAction::Close);
}

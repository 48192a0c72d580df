#include "documentkeyringmanager.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dbid.h"
#include "showonbus.h"
#include "standindocumentkeyringview.h"
#include "viewwindowlookup.h"

#include "deletedocumentrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <QString>

namespace
{
using DocumentKeyRingAction = ViewWindowAction;

bool DocumentKeyringViewExists(int documentId, DocumentKeyRingAction action)
{
    return ApplyToViewWindows<StandInDocumentKeyringView>(
        documentId, [](const StandInDocumentKeyringView &keyring) { return keyring.getDocumentId(); }, action);
}
}

DocumentKeyringManager::DocumentKeyringManager(ApplicationComponent *applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
}

void DocumentKeyringManager::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                          const std::string &request, const std::string &reply)
{
    if (majorOpcode == common::op::SelectDocumentKey && minorOpcode == common::tag::OpenDocumentKeyring)
        openDocumentKeyring(request, reply);
    else if (majorOpcode == common::op::DeleteDocument)
        closeDocumentKeyring(request);
}

void DocumentKeyringManager::openDocumentKeyring(const std::string &request, const std::string &reply) const
{
    qorv::data::SelectDocumentKeyRequest selectDocumentKeyRequest;
    if (!selectDocumentKeyRequest.ParseFromString(request))
        return;
    const int documentId = selectDocumentKeyRequest.document_key_document_id();
    if (DocumentKeyringViewExists(documentId, DocumentKeyRingAction::Raise))
        return;
    // A keyring built from a failed select would pass off the missing keys as
    // a document without keys.
    qorv::data::SelectDocumentKeyReply selectDocumentKeyReply;
    if (!selectDocumentKeyReply.ParseFromString(reply) || selectDocumentKeyReply.sql_diag_rec().sqlc() != 0)
        return;
    auto *keyring = new StandInDocumentKeyringView(
        documentId, QString::fromStdString(selectDocumentKeyRequest.document_key_document_name()), nullptr);
    for (const qorv::data::DocumentKey &documentKey : selectDocumentKeyReply.document_key())
        emit keyring->addDocumentKey(documentKey);
    ShowOnBus(*m_applicationComponent, keyring);
}

void DocumentKeyringManager::closeDocumentKeyring(const std::string &request)
{
    qorv::data::DeleteDocumentRequest deleteDocumentRequest;
    if (!deleteDocumentRequest.ParseFromString(request))
        return;
    const DbId documentId(deleteDocumentRequest.document_id());
    if (!documentId.null())
        DocumentKeyringViewExists(documentId, DocumentKeyRingAction::Close);
}

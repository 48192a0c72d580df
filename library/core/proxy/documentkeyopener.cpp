#include "documentkeyopener.h"

#include "abstractviewwindow.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyvalidator.h"
#include "documentkeywriter.h"
#include "keyopenerchecks.h"
#include "qorvassert.h"
#include "registry.h"
#include "timezonedatabase.h"

#include "documentkey3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <string>

namespace
{
bool ValidateDocumentKeyConditions(const DocumentKeyReader &reader, QWidget *window)
{
    const DocumentKeyValidator validator(reader, TimeZoneDatabase::instance()->getTimeZoneDatabase());
    return AcceptKeyConditions(validator.getFlags(), window);
}

bool ValidateDocumentKeyPassword(const DocumentKeyReader &reader, QWidget *window)
{
    return AcceptKeyPasscode(reader.password(), window);
}

bool OpenDocumentKey(const DocumentKeyReader &reader, AbstractViewWindow *window)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(reader.documentId());
    request.set_document_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    emit window->deliverRequest(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, payload);
    return true;
}

// The emphasis marks a key that the user has not opened yet.
void DisablePropertyEmphasizeName(const DocumentKeyReader &reader, AbstractViewWindow *window)
{
    if (!reader.property(DocumentKeyProxy::EmphasizeName))
        return;
    qorv::data::UpdateDocumentKeyRequest request;
    qorv::data::DocumentKey *documentKey = request.mutable_document_key();
    *documentKey = reader;
    DocumentKeyWriter(*documentKey, DocumentKeyProxy::NoDefaults).setProperty(DocumentKeyProxy::EmphasizeName, false);
    std::string payload;
    if (request.SerializeToString(&payload))
        emit window->deliverRequest(common::op::UpdateDocumentKey, common::tag::ClearEmphasizeName, payload);
}
}

DocumentKeyOpener::DocumentKeyOpener(const qorv::data::DocumentKey &documentKey)
    : QWidget(nullptr)
    , m_documentKeyReader(documentKey)
{
}

DocumentKeyOpener::~DocumentKeyOpener() = default;

bool DocumentKeyOpener::open(AbstractViewWindow *window) const
{
    QORV_ASSERT(window);
    if (!window)
        return false;
    if (!ValidateDocumentKeyConditions(m_documentKeyReader, window)
        || !ValidateDocumentKeyPassword(m_documentKeyReader, window))
        return false;
    if (!OpenDocumentKey(m_documentKeyReader, window))
        return false;
    DisablePropertyEmphasizeName(m_documentKeyReader, window);
    return true;
}

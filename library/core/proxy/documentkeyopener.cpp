#include "documentkeyopener.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyvalidator.h"
#include "documentkeywriter.h"
#include "ikeyopenerwindow.h"
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

bool ValidateDocumentKeyPassword(const DocumentKeyReader &reader, QWidget *window, const PasscodePrompt &askPasscode)
{
    return AcceptKeyPasscode(reader.password(), window, askPasscode);
}

bool OpenDocumentKey(const DocumentKeyReader &reader, const IKeyOpenerWindow &window)
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(reader.documentId());
    request.set_document_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    window.deliverRequest(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, payload);
    return true;
}

// The emphasis marks a key that the user has not opened yet.
void DisablePropertyEmphasizeName(const DocumentKeyReader &reader, const IKeyOpenerWindow &window)
{
    if (!reader.property(DocumentKeyProxy::EmphasizeName))
        return;
    qorv::data::UpdateDocumentKeyRequest request;
    qorv::data::DocumentKey *documentKey = request.mutable_document_key();
    *documentKey = reader;
    DocumentKeyWriter(*documentKey, DocumentKeyProxy::NoDefaults).setProperty(DocumentKeyProxy::EmphasizeName, false);
    std::string payload;
    if (request.SerializeToString(&payload))
        window.deliverRequest(common::op::UpdateDocumentKey, common::tag::ClearEmphasizeName, payload);
}
}

DocumentKeyOpener::DocumentKeyOpener(const qorv::data::DocumentKey &documentKey)
    : QWidget(nullptr)
    , m_documentKeyReader(documentKey)
{
}

DocumentKeyOpener::~DocumentKeyOpener() = default;

bool DocumentKeyOpener::open(const IKeyOpenerWindow &window, const PasscodePrompt &askPasscode) const
{
    QWidget *const parent = window.widget();
    QORV_ASSERT(parent);
    if (!parent)
        return false;
    if (!ValidateDocumentKeyConditions(m_documentKeyReader, parent)
        || !ValidateDocumentKeyPassword(m_documentKeyReader, parent, askPasscode))
        return false;
    if (!OpenDocumentKey(m_documentKeyReader, window))
        return false;
    DisablePropertyEmphasizeName(m_documentKeyReader, window);
    return true;
}

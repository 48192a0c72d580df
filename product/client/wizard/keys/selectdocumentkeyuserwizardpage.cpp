#include "selectdocumentkeyuserwizardpage.h"

#include "common/majorcode.h"
#include "createdocumentkeywizard.h"
#include "directexchange.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

namespace
{

// A failed look-up excludes nobody but the logged-on user, whom the picker
// leaves out anyway.
QList<int> KeyHolderIds(const QWidget *parent)
{
    const auto *wizard = qobject_cast<const CreateDocumentKeyWizard *>(parent);
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(wizard != nullptr ? wizard->getDocumentId() : 0);
    qorv::data::SelectDocumentKeyReply reply;
    QList<int> ids;
    if (network::DirectExchange(common::op::SelectDocumentKey, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::DocumentKey &documentKey : reply.document_key())
            ids.append(documentKey.document_key_user().user_id());
    }
    return ids;
}

} // namespace

SelectDocumentKeyUserWizardPage::SelectDocumentKeyUserWizardPage(QWidget *parent)
    : AbstractSelectKeyUserWizardPage(tr("SelectDocumentKeyUserWizardPageTitle"),
                                      tr("SelectDocumentKeyUserWizardPageSubTitle"), KeyHolderIds(parent), parent)
{
}

SelectDocumentKeyUserWizardPage::~SelectDocumentKeyUserWizardPage() = default;

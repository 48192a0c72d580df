#include "selectfolderkeyuserwizardpage.h"

#include "common/majorcode.h"
#include "createfolderkeywizard.h"
#include "directexchange.h"

#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

namespace
{

// A failed look-up excludes nobody but the logged-on user, whom the picker
// leaves out anyway.
QList<int> KeyHolderIds(const QWidget *parent)
{
    const auto *wizard = qobject_cast<const CreateFolderKeyWizard *>(parent);
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(wizard != nullptr ? wizard->getFolderId() : 0);
    qorv::data::SelectFolderKeyReply reply;
    QList<int> ids;
    if (network::DirectExchange(common::op::SelectFolderKey, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::FolderKey &folderKey : reply.folder_key())
            ids.append(folderKey.folder_key_user().user_id());
    }
    return ids;
}

} // namespace

SelectFolderKeyUserWizardPage::SelectFolderKeyUserWizardPage(QWidget *parent)
    : AbstractSelectKeyUserWizardPage(tr("SelectFolderKeyUserWizardPageTitle"),
                                      tr("SelectFolderKeyUserWizardPageSubTitle"), KeyHolderIds(parent), parent)
{
}

SelectFolderKeyUserWizardPage::~SelectFolderKeyUserWizardPage() = default;

#include "folderkeyopener.h"

#include "abstractviewwindow.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "folderkeyvalidator.h"
#include "keyopenerchecks.h"
#include "qorvassert.h"
#include "registry.h"
#include "timezonedatabase.h"

#include "folderkey3.pb.h"
#include "openfolderkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <string>

namespace
{
bool ValidateFolderKeyConditions(const FolderKeyReader &reader, QWidget *window)
{
    const FolderKeyValidator validator(reader, TimeZoneDatabase::instance()->getTimeZoneDatabase());
    return AcceptKeyConditions(validator.getFlags(), window);
}

bool ValidateFolderKeyPassword(const FolderKeyReader &reader, QWidget *window)
{
    return AcceptKeyPasscode(reader.password(), window);
}
}

FolderKeyOpener::FolderKeyOpener(const qorv::data::FolderKey &folderKey)
    : m_folderKeyReader(folderKey)
{
}

bool FolderKeyOpener::open(AbstractViewWindow *documentBrowser) const
{
    if (!validate(documentBrowser))
        return false;
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    request.set_folder_parent_id(m_folderKeyReader.folderId());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    emit documentBrowser->deliverRequest(common::op::SelectFolderKey, common::tag::ListFolderKeys, payload);
    return true;
}

bool FolderKeyOpener::openInNewBrowser(AbstractViewWindow *folderKeysWindow) const
{
    if (!validate(folderKeysWindow))
        return false;
    qorv::data::OpenFolderKeyRequest request;
    *request.add_folder_key() = m_folderKeyReader;
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    emit folderKeysWindow->deliverRequest(common::op::OpenDocumentBrowser, common::tag::OpenFolderKey, payload);
    return true;
}

bool FolderKeyOpener::validate(AbstractViewWindow *window) const
{
    QORV_ASSERT(window);
    return window && ValidateFolderKeyConditions(m_folderKeyReader, window)
           && ValidateFolderKeyPassword(m_folderKeyReader, window);
}

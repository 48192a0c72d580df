#include "folderkeyopener.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "folderkeyvalidator.h"
#include "ikeyopenerwindow.h"
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

bool ValidateFolderKeyPassword(const FolderKeyReader &reader, QWidget *window, const PasscodePrompt &askPasscode)
{
    return AcceptKeyPasscode(reader.password(), window, askPasscode);
}
}

FolderKeyOpener::FolderKeyOpener(const qorv::data::FolderKey &folderKey)
    : m_folderKeyReader(folderKey)
{
}

bool FolderKeyOpener::open(const IKeyOpenerWindow &documentBrowser, const PasscodePrompt &askPasscode) const
{
    if (!validate(documentBrowser.widget(), askPasscode))
        return false;
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    request.set_folder_parent_id(m_folderKeyReader.folderId());
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    documentBrowser.deliverRequest(common::op::SelectFolderKey, common::tag::ListFolderKeys, payload);
    return true;
}

bool FolderKeyOpener::openInNewBrowser(const IKeyOpenerWindow &folderKeysWindow,
                                       const PasscodePrompt &askPasscode) const
{
    if (!validate(folderKeysWindow.widget(), askPasscode))
        return false;
    qorv::data::OpenFolderKeyRequest request;
    *request.add_folder_key() = m_folderKeyReader;
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    folderKeysWindow.deliverRequest(common::op::OpenDocumentBrowser, common::tag::OpenFolderKey, payload);
    return true;
}

bool FolderKeyOpener::validate(QWidget *window, const PasscodePrompt &askPasscode) const
{
    QORV_ASSERT(window);
    return window && ValidateFolderKeyConditions(m_folderKeyReader, window)
           && ValidateFolderKeyPassword(m_folderKeyReader, window, askPasscode);
}

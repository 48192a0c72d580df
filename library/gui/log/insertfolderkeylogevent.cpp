#include "insertfolderkeylogevent.h"

#include "insertfolderkeyrequest3.pb.h"

unsigned int InsertFolderKeyLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertFolderKeyLogEvent::m_FailureOutcomeCnt = 0;

InsertFolderKeyLogEvent::InsertFolderKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                 int majorErcode, int minorErcode, const std::string &reply,
                                                 QObject *parent)
    : InsertKeyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 27;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertFolderKeyLogEvent::~InsertFolderKeyLogEvent() = default;

bool InsertFolderKeyLogEvent::handleEvent()
{
    qorv::data::InsertFolderKeyRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_folder_key())
        return refuse("Bad folder key!");
    const qorv::data::FolderKey &key = request.folder_key();
    if (!key.has_folder_key_folder())
        return refuse("Bad folder key folder!");
    // The user the key is given to, not its owner.
    if (!key.has_folder_key_user())
        return refuse("Bad folder key user!");
    const qorv::data::Folder &folder = key.folder_key_folder();
    return addKeyGrant({folder.has_folder_id(), folder.folder_id(), folder.has_folder_name(), folder.folder_name(), "Bad folder id!",
                        "Invalid folder id!", "Bad folder name!", "folderId", "folderName"},
                       key.folder_key_user());
}

unsigned int InsertFolderKeyLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertFolderKeyLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

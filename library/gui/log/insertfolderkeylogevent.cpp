#include "insertfolderkeylogevent.h"

#include "dbid.h"

#include "insertfolderkeyrequest3.pb.h"

unsigned int InsertFolderKeyLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertFolderKeyLogEvent::m_FailureOutcomeCnt = 0;

InsertFolderKeyLogEvent::InsertFolderKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                 int majorErcode, int minorErcode, const std::string &reply,
                                                 QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
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
    const qorv::data::User &user = key.folder_key_user();
    if (!folder.has_folder_id())
        return refuse("Bad folder id!");
    if (!user.has_user_id())
        return refuse("Bad user id!");
    if (DbId(folder.folder_id()).null())
        return refuse("Invalid folder id!");
    if (DbId(user.user_id()).null())
        return refuse("Invalid user id!");

    addKeyValuePair("cn1Label", label("folderId"));
    addKeyValuePair("cn1", folder.folder_id());
    addKeyValuePair("cn2Label", label("userId"));
    addKeyValuePair("cn2", user.user_id());
    if (!addEventDetails())
        return true;

    if (!folder.has_folder_name())
        return refuse("Bad folder name!");
    if (!user.has_user_last_name())
        return refuse("Bad user last name!");
    if (!user.has_user_first_name())
        return refuse("Bad user first name!");
    if (!folder.folder_name().empty()) {
        addKeyValuePair("cs1Label", label("folderName"));
        addKeyValuePair("cs1", folder.folder_name());
    }
    if (!user.user_last_name().empty()) {
        addKeyValuePair("cs2Label", label("userLastName"));
        addKeyValuePair("cs2", user.user_last_name());
    }
    if (!user.user_first_name().empty()) {
        addKeyValuePair("cs3Label", label("userFirstName"));
        addKeyValuePair("cs3", user.user_first_name());
    }
    // Many users have no middle name, so its absence is no error.
    if (!user.user_middle_name().empty()) {
        addKeyValuePair("cs4Label", label("userMiddleName"));
        addKeyValuePair("cs4", user.user_middle_name());
    }
    return true;
}

unsigned int InsertFolderKeyLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertFolderKeyLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

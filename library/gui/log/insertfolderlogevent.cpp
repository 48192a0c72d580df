#include "insertfolderlogevent.h"

#include "dbid.h"

#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"

unsigned int InsertFolderLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertFolderLogEvent::m_FailureOutcomeCnt = 0;

InsertFolderLogEvent::InsertFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                           int majorErcode, int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 26;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertFolderLogEvent::~InsertFolderLogEvent() = default;

bool InsertFolderLogEvent::handleEvent()
{
    // Only the server knows the new folder's id; the request matters only for
    // the folder's name.
    qorv::data::InsertFolderReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (!reply.has_folder_id())
        return refuse("Bad folder id!");
    if (DbId(reply.folder_id()).null())
        return refuse("Invalid folder id!");

    addKeyValuePair("cn1Label", label("folderId"));
    addKeyValuePair("cn1", reply.folder_id());
    if (!addEventDetails())
        return true;

    qorv::data::InsertFolderRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_folder())
        return refuse("Bad folder!");
    const qorv::data::Folder &folder = request.folder();
    if (!folder.has_folder_name())
        return refuse("Bad folder name!");
    if (!folder.folder_name().empty()) {
        addKeyValuePair("cs1Label", label("folderName"));
        addKeyValuePair("cs1", folder.folder_name());
    }
    return true;
}

unsigned int InsertFolderLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertFolderLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

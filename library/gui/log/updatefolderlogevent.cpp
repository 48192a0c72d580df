#include "updatefolderlogevent.h"

#include "dbid.h"

#include "updatefolderrequest3.pb.h"

unsigned int UpdateFolderLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int UpdateFolderLogEvent::m_FailureOutcomeCnt = 0;

UpdateFolderLogEvent::UpdateFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                           int majorErcode, int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 58;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

UpdateFolderLogEvent::~UpdateFolderLogEvent() = default;

bool UpdateFolderLogEvent::handleEvent()
{
    qorv::data::UpdateFolderRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_folder())
        return refuse("Bad folder!");
    const qorv::data::Folder &folder = request.folder();
    if (!folder.has_folder_id())
        return refuse("Bad folder id!");
    if (DbId(folder.folder_id()).null())
        return refuse("Invalid folder id!");

    addKeyValuePair("cn1Label", label("folderId"));
    addKeyValuePair("cn1", folder.folder_id());
    if (!addEventDetails())
        return true;
    // The description stands in only for a folder without a name.
    if (!folder.folder_name().empty()) {
        addKeyValuePair("cs1Label", label("folderName"));
        addKeyValuePair("cs1", folder.folder_name());
    } else if (!folder.folder_description().empty()) {
        addKeyValuePair("cs1Label", label("folderDescription"));
        addKeyValuePair("cs1", folder.folder_description());
    }
    return true;
}

unsigned int UpdateFolderLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int UpdateFolderLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

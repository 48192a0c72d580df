#include "deletefolderlogevent.h"

#include "dbid.h"

#include "deletefolderrequest3.pb.h"

unsigned int DeleteFolderLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int DeleteFolderLogEvent::m_FailureOutcomeCnt = 0;

DeleteFolderLogEvent::DeleteFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                           int majorErcode, int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 9;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(5);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

DeleteFolderLogEvent::~DeleteFolderLogEvent() = default;

bool DeleteFolderLogEvent::handleEvent()
{
    qorv::data::DeleteFolderRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_folder_id())
        return refuse("Bad folder id!");
    if (!request.has_folder_name())
        return refuse("Bad folder name!");
    if (DbId(request.folder_id()).null())
        return refuse("Invalid folder id!");

    addKeyValuePair("cn1Label", label("folderId"));
    addKeyValuePair("cn1", request.folder_id());
    if (addEventDetails() && !request.folder_name().empty()) {
        addKeyValuePair("cs1Label", label("folderName"));
        addKeyValuePair("cs1", request.folder_name());
    }
    return true;
}

unsigned int DeleteFolderLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int DeleteFolderLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

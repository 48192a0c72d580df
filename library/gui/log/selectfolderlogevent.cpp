#include "selectfolderlogevent.h"

#include "joinids.h"

#include "selectfolderreply3.pb.h"

unsigned int SelectFolderLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int SelectFolderLogEvent::m_FailureOutcomeCnt = 0;

SelectFolderLogEvent::SelectFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                           int majorErcode, int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 43;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(1);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

SelectFolderLogEvent::~SelectFolderLogEvent() = default;

bool SelectFolderLogEvent::handleEvent()
{
    qorv::data::SelectFolderReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (reply.folder_size() == 0)
        return true;

    // Every id, in the server's order: the line shows exactly what was read.
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(reply.folder_size()));
    for (const auto &record : reply.folder())
        ids.push_back(record.folder_id());
    addKeyValuePair("cs1Label", label("folderIdList"));
    addKeyValuePair("cs1", JoinIds(ids));
    return true;
}

unsigned int SelectFolderLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int SelectFolderLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

#include "selectuserlogevent.h"

#include "joinids.h"

#include "selectuserreply3.pb.h"

unsigned int SelectUserLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int SelectUserLogEvent::m_FailureOutcomeCnt = 0;

SelectUserLogEvent::SelectUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                       int minorErcode, const std::string &reply, QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 52;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(1);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

SelectUserLogEvent::~SelectUserLogEvent() = default;

bool SelectUserLogEvent::handleEvent()
{
    qorv::data::SelectUserReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (reply.user_size() == 0)
        return true;

    // Every id, in the server's order: the line shows exactly what was read.
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(reply.user_size()));
    for (const auto &record : reply.user())
        ids.push_back(record.user_id());
    addKeyValuePair("cs1Label", label("userIdList"));
    addKeyValuePair("cs1", JoinIds(ids));
    return true;
}

unsigned int SelectUserLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int SelectUserLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

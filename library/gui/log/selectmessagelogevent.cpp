#include "selectmessagelogevent.h"

#include "joinids.h"

#include "selectmessagereply3.pb.h"

unsigned int SelectMessageLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int SelectMessageLogEvent::m_FailureOutcomeCnt = 0;

SelectMessageLogEvent::SelectMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                             int majorErcode, int minorErcode, const std::string &reply,
                                             QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 48;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(1);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

SelectMessageLogEvent::~SelectMessageLogEvent() = default;

bool SelectMessageLogEvent::handleEvent()
{
    qorv::data::SelectMessageReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (reply.message_size() == 0)
        return true;

    // Every id, in the server's order: the line shows exactly what was read.
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(reply.message_size()));
    for (const auto &record : reply.message())
        ids.push_back(record.message_id());
    addKeyValuePair("cs1Label", label("messageIdList"));
    addKeyValuePair("cs1", JoinIds(ids));
    return true;
}

unsigned int SelectMessageLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int SelectMessageLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

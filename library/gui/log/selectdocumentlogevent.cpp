#include "selectdocumentlogevent.h"

#include "joinids.h"

#include "selectdocumentreply3.pb.h"

unsigned int SelectDocumentLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int SelectDocumentLogEvent::m_FailureOutcomeCnt = 0;

SelectDocumentLogEvent::SelectDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                               int majorErcode, int minorErcode, const std::string &reply,
                                               QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 41;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(1);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

SelectDocumentLogEvent::~SelectDocumentLogEvent() = default;

bool SelectDocumentLogEvent::handleEvent()
{
    qorv::data::SelectDocumentReply reply;
    if (!reply.ParseFromString(m_reply))
        return refuse("ParseFromString failed!");
    if (reply.document_size() == 0)
        return true;

    // Every id, in the server's order: the line shows exactly what was read.
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(reply.document_size()));
    for (const auto &record : reply.document())
        ids.push_back(record.document_id());
    addKeyValuePair("cs1Label", label("documentIdList"));
    addKeyValuePair("cs1", JoinIds(ids));
    return true;
}

unsigned int SelectDocumentLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int SelectDocumentLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}

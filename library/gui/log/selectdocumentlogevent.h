#ifndef SELECTDOCUMENTLOGEVENT_H
#define SELECTDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to a query for documents. Counts the replies since start-up by outcome, audited or not.
class SelectDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    SelectDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                           int minorErcode, const std::string &reply, QObject *parent);
    ~SelectDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // SELECTDOCUMENTLOGEVENT_H

#ifndef INSERTDOCUMENTLOGEVENT_H
#define INSERTDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to a new document. Counts the replies since start-up by outcome, audited or not.
class InsertDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                           int minorErcode, const std::string &reply, QObject *parent);
    ~InsertDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTDOCUMENTLOGEVENT_H

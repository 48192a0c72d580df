#ifndef DELETEDOCUMENTLOGEVENT_H
#define DELETEDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to a document deletion. Counts the replies since start-up by outcome, audited or not.
class DeleteDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DeleteDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                           int minorErcode, const std::string &reply, QObject *parent);
    ~DeleteDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // DELETEDOCUMENTLOGEVENT_H

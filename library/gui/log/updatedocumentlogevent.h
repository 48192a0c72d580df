#ifndef UPDATEDOCUMENTLOGEVENT_H
#define UPDATEDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to a document update. Counts the replies since start-up by outcome, audited or not.
class UpdateDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    UpdateDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                           int minorErcode, const std::string &reply, QObject *parent);
    ~UpdateDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // UPDATEDOCUMENTLOGEVENT_H

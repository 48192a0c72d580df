#ifndef DELETEMESSAGEDOCUMENTLOGEVENT_H
#define DELETEMESSAGEDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to the removal of a document from a message. Counts the replies since start-up by outcome, audited or not.
class DeleteMessageDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DeleteMessageDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                  int minorErcode, const std::string &reply, QObject *parent);
    ~DeleteMessageDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // DELETEMESSAGEDOCUMENTLOGEVENT_H

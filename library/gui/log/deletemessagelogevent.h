#ifndef DELETEMESSAGELOGEVENT_H
#define DELETEMESSAGELOGEVENT_H

#include "replylogevent.h"

// The reply to a message deletion. Counts the replies since start-up by outcome, audited or not.
class DeleteMessageLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DeleteMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                          int minorErcode, const std::string &reply, QObject *parent);
    ~DeleteMessageLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // DELETEMESSAGELOGEVENT_H

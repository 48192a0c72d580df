#ifndef UPDATEMESSAGELOGEVENT_H
#define UPDATEMESSAGELOGEVENT_H

#include "replylogevent.h"

// The reply to a message update. Counts the replies since start-up by outcome, audited or not.
class UpdateMessageLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    UpdateMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                          int minorErcode, const std::string &reply, QObject *parent);
    ~UpdateMessageLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // UPDATEMESSAGELOGEVENT_H

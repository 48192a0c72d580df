#ifndef DELETEMESSAGEUSERLOGEVENT_H
#define DELETEMESSAGEUSERLOGEVENT_H

#include "replylogevent.h"

// The reply to the removal of a recipient from a message. Counts the replies since start-up by outcome, audited or not.
class DeleteMessageUserLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DeleteMessageUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                              int minorErcode, const std::string &reply, QObject *parent);
    ~DeleteMessageUserLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // DELETEMESSAGEUSERLOGEVENT_H

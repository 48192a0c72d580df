#ifndef SELECTMESSAGELOGEVENT_H
#define SELECTMESSAGELOGEVENT_H

#include "replylogevent.h"

// The reply to a query for messages. Counts the replies since start-up by outcome, audited or not.
class SelectMessageLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    SelectMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                          int minorErcode, const std::string &reply, QObject *parent);
    ~SelectMessageLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // SELECTMESSAGELOGEVENT_H

#ifndef TERMINATEUSERSESSIONLOGEVENT_H
#define TERMINATEUSERSESSIONLOGEVENT_H

#include "replylogevent.h"

// The reply to the end of a session. Counts the replies since start-up by outcome, audited or not.
class TerminateUserSessionLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    TerminateUserSessionLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                 int minorErcode, const std::string &reply, QObject *parent);
    ~TerminateUserSessionLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // TERMINATEUSERSESSIONLOGEVENT_H

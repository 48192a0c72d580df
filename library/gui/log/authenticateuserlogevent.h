#ifndef AUTHENTICATEUSERLOGEVENT_H
#define AUTHENTICATEUSERLOGEVENT_H

#include "replylogevent.h"

// The reply to a log-on. Counts the replies since start-up by outcome, audited or not.
class AuthenticateUserLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    AuthenticateUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                             int minorErcode, const std::string &reply, QObject *parent);
    ~AuthenticateUserLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // AUTHENTICATEUSERLOGEVENT_H

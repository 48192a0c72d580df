#ifndef SELECTUSERLOGEVENT_H
#define SELECTUSERLOGEVENT_H

#include "replylogevent.h"

// The reply to a query for users. Counts the replies since start-up by outcome, audited or not.
class SelectUserLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    SelectUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                       const std::string &reply, QObject *parent);
    ~SelectUserLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // SELECTUSERLOGEVENT_H

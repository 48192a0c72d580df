#ifndef INSERTMESSAGELOGEVENT_H
#define INSERTMESSAGELOGEVENT_H

#include "replylogevent.h"

// The reply to a new message. Counts the replies since start-up by outcome, audited or not.
class InsertMessageLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                          int minorErcode, const std::string &reply, QObject *parent);
    ~InsertMessageLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTMESSAGELOGEVENT_H

#ifndef INSERTMESSAGEUSERLOGEVENT_H
#define INSERTMESSAGEUSERLOGEVENT_H

#include "replylogevent.h"

// The reply to a recipient added to a message. Counts the replies since start-up by outcome, audited or not.
class InsertMessageUserLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertMessageUserLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                              int minorErcode, const std::string &reply, QObject *parent);
    ~InsertMessageUserLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTMESSAGEUSERLOGEVENT_H

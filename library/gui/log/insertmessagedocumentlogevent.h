#ifndef INSERTMESSAGEDOCUMENTLOGEVENT_H
#define INSERTMESSAGEDOCUMENTLOGEVENT_H

#include "replylogevent.h"

// The reply to a document attached to a message. Counts the replies since start-up by outcome, audited or not.
class InsertMessageDocumentLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertMessageDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                  int minorErcode, const std::string &reply, QObject *parent);
    ~InsertMessageDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTMESSAGEDOCUMENTLOGEVENT_H

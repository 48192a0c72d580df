#ifndef INSERTFOLDERLOGEVENT_H
#define INSERTFOLDERLOGEVENT_H

#include "replylogevent.h"

// The reply to a new folder. Counts the replies since start-up by outcome, audited or not.
class InsertFolderLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    InsertFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                         const std::string &reply, QObject *parent);
    ~InsertFolderLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTFOLDERLOGEVENT_H
